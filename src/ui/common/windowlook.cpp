#include "ui/common/windowlook.h"

#include "ui/common/layoutfonts.h"
#include "ui/common/programimages.h"
#include "ui/common/separatorlines.h"

#include <QFrame>
#include <QEvent>
#include <QLabel>
#include <QScreen>
#include <QWidget>

namespace quarnix::ui::look {

namespace {

constexpr int linkHotSpotX = 12;
constexpr int linkHotSpotY = 9;

} // namespace

QCursor linkPointer()
{
    return picturePointer(QStringLiteral(":/secondary/link-hand.png"), QPoint(linkHotSpotX, linkHotSpotY));
}

void prepareWindow(QWidget* window)
{
    Qt::WindowFlags flags = window->windowFlags() & Qt::WindowType_Mask;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint;
    window->setWindowFlags(flags);
    window->setFixedSize(window->size());
    // The layouts are drawn on the button face colour, not the window colour.
    window->setBackgroundRole(QPalette::Button);
    window->setAutoFillBackground(true);
    window->setWindowIcon(programIcon());
    window->setFont(windowFont());
}

namespace {

// Centres its window at the window's first show, then goes.
class FirstShowCentring final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() != QEvent::Show)
            return false;
        const QWidget* owner = window->parentWidget();
        if (const QScreen* screen = owner ? owner->screen() : window->screen()) {
            QRect placed = window->frameGeometry();
            placed.moveCenter(screen->availableGeometry().center());
            window->move(placed.topLeft());
        }
        deleteLater();
        window->removeEventFilter(this);
        return false;
    }
};

} // namespace

void centreOnFirstShow(QWidget* window)
{
    window->installEventFilter(new FirstShowCentring(window));
}

void prepareFrameLines(QWidget* window)
{
    readLinesAsSeparators();
    for (QFrame* frame : window->findChildren<QFrame*>(Qt::FindDirectChildrenOnly)) {
        if (!isFrameLine(frame))
            continue;
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        frame->raise();
    }
}

void styleHeading(QLabel* label)
{
    QFont font = arialFont(8.25);
    font.setBold(true);
    font.setUnderline(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Inactive, QPalette::Highlight));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Active, QPalette::Base));
    label->setPalette(palette);
    // Named, or the label would take the window's button face role.
    label->setBackgroundRole(QPalette::Window);
    label->setAutoFillBackground(true);
}

void styleLink(QLabel* label)
{
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    // On the button face a label draws in the button text role unless told.
    label->setForegroundRole(QPalette::WindowText);
}

void bringToFront(QWidget* window)
{
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}

} // namespace quarnix::ui::look
