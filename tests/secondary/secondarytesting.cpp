#include "secondarytesting.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace quarnix::testing {

namespace {

QString why(const QWidget* control, const QSize& needed, const QSize& box)
{
    return QStringLiteral("%1: needs %2x%3, has %4x%5")
        .arg(control->objectName())
        .arg(needed.width())
        .arg(needed.height())
        .arg(box.width())
        .arg(box.height());
}

// A label wraps at word boundaries inside its box; a word longer than the box
// sticks out sideways, more lines than the box holds stick out below.
std::optional<QString> labelClipped(const QLabel* label)
{
    if (label->text().isEmpty())
        return std::nullopt;
    const QRect box = label->contentsRect();
    int flags = int(label->alignment());
    if (label->wordWrap())
        flags |= Qt::TextWordWrap;
    const QRect needed = label->fontMetrics().boundingRect(QRect(box.topLeft(), QSize(box.width(), 10000)),
                                                           flags, label->text());
    if (needed.width() <= box.width() && needed.height() <= box.height())
        return std::nullopt;
    return why(label, needed.size(), box.size());
}

// The style draws a button's caption inside its contents rectangle.
std::optional<QString> buttonClipped(const QPushButton* button)
{
    if (button->text().isEmpty())
        return std::nullopt;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect box = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QSize needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    if (needed.width() <= box.width() && needed.height() <= box.height())
        return std::nullopt;
    return why(button, needed, box.size());
}

} // namespace

QStringList clippedCaptions(const QWidget* window)
{
    QStringList clipped;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (const auto problem = labelClipped(label))
            clipped.append(*problem);
    }
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        if (const auto problem = buttonClipped(button))
            clipped.append(*problem);
    }
    return clipped;
}

void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace quarnix::testing
