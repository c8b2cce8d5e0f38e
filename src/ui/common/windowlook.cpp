#include "ui/common/windowlook.h"

#include "platform/gui/systemcolours.h"

#include "ui/common/accessibleroles.h"
#include "ui/common/layoutfonts.h"
#include "ui/common/programimages.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QWidget>

#include <cmath>

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
    readPlainWidgetsByTheirRoles();
    Qt::WindowFlags flags = window->windowFlags() & Qt::WindowType_Mask;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
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
    palette.setColor(QPalette::Window, platform::inactiveTitleBarColour(palette));
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

namespace {

// Relative luminance, as the readability guidelines for the web define it.
double luminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour on the way from `background` to `text` that first stands at
// `wanted` against the background; the text colour itself when none does.
QColor greyReadableOn(const QColor& background, const QColor& text, double wanted)
{
    constexpr int steps = 256;
    for (int step = 0; step <= steps; ++step) {
        const double t = double(step) / steps;
        const QColor grey = QColor::fromRgbF(float(background.redF() + t * (text.redF() - background.redF())),
            float(background.greenF() + t * (text.greenF() - background.greenF())),
            float(background.blueF() + t * (text.blueF() - background.blueF())));
        if (contrast(grey, background) >= wanted)
            return grey;
    }
    return text;
}

// Gives its label the readable grey at once and after every change of its colours.
class ReadableWhenDisabled final : public QObject {
public:
    explicit ReadableWhenDisabled(QLabel* label)
        : QObject(label)
    {
        apply(label);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange)
            apply(static_cast<QLabel*>(watched));
        return false;
    }

private:
    // Setting the same colour again changes nothing and sends no further event.
    static void apply(QLabel* label)
    {
        constexpr double wanted = 5.0;
        QPalette colours = label->palette();
        const QColor background = colours.color(QPalette::Active, label->backgroundRole());
        const QColor text = colours.color(QPalette::Active, label->foregroundRole());
        colours.setColor(QPalette::Disabled, label->foregroundRole(), greyReadableOn(background, text, wanted));
        label->setPalette(colours);
    }
};

} // namespace

void keepReadableWhenDisabled(QLabel* label)
{
    label->installEventFilter(new ReadableWhenDisabled(label));
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
