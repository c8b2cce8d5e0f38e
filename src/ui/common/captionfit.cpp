#include "ui/common/captionfit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace quarnix::ui {

namespace {

// Below this the text is too squeezed to read; a caption that still does not fit
// is left cut.
constexpr int narrowestStretch = 60;

// Narrowing the font changes how wide a caption runs, not how tall a line is: a box
// lower than one line of text (a small button in a style with wide margins) is no
// reason to narrow, and would otherwise narrow the whole window to no avail.
bool fitsNarrowable(const QSize& needed, const QRect& box, int lineHeight)
{
    return needed.width() <= box.width() && (needed.height() <= box.height() || needed.height() <= lineHeight);
}

bool labelFits(const QLabel* label)
{
    if (label->text().isEmpty())
        return true;
    const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QRect box = label->contentsRect();
    // Laid out in a box of unlimited height, or the lines below the box would not count.
    const auto measured = [&](const QString& text) {
        return label->fontMetrics().boundingRect(QRect(0, 0, box.width(), QWIDGETSIZE_MAX), flags, text).size();
    };
    return fitsNarrowable(measured(label->text()), box, measured(QStringLiteral("X")).height());
}

bool buttonFits(const QAbstractButton* button)
{
    if (button->text().isEmpty())
        return true;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_RadioButtonContents;
    if (const auto* push = qobject_cast<const QPushButton*>(button)) {
        contents = QStyle::SE_PushButtonContents;
        if (push->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
    }
    const QRect box = button->style()->subElementRect(contents, &option, button);
    const auto measured = [&](const QString& text) { return button->fontMetrics().size(Qt::TextShowMnemonic, text); };
    return fitsNarrowable(measured(button->text()), box, measured(QStringLiteral("X")).height());
}

// The window and the controls on it, not the windows it owns.
QWidgetList ownControls(QWidget* window)
{
    QWidgetList controls {window};
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->window() == window)
            controls.append(control);
    }
    return controls;
}

bool captionFits(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return labelFits(label);
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return buttonFits(button);
    return true;
}

// The window first, so that controls without a font of their own follow it.
void setStretch(const QWidgetList& controls, int stretch)
{
    for (QWidget* control : controls) {
        QFont font = control->font();
        if (font.stretch() == stretch)
            continue;
        font.setStretch(stretch);
        control->setFont(font);
    }
}

} // namespace

void narrowToFitCaptions(QWidget* window)
{
    const QWidgetList controls = ownControls(window);
    const int stretch = window->font().stretch();
    for (int narrower = stretch == QFont::AnyStretch ? QFont::Unstretched : stretch; narrower >= narrowestStretch;
         --narrower) {
        setStretch(controls, narrower);
        if (std::all_of(controls.begin(), controls.end(), captionFits))
            return;
    }
}

QStringList unfittedCaptions(QWidget* window)
{
    QStringList unfitted;
    for (const QWidget* control : ownControls(window)) {
        if (!captionFits(control))
            unfitted.append(control->objectName());
    }
    return unfitted;
}

} // namespace quarnix::ui
