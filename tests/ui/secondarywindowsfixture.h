#pragma once

// Helpers for driving the secondary windows as a user would.

#include "fakeservices.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>
#include <algorithm>

namespace quarnix::testing {

template <class T>
T* child(const QWidget* window, const char* name)
{
    return window->findChild<T*>(QLatin1String(name));
}

inline void press(const QWidget* window, const char* button)
{
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

// How many windows of type T exist, owned or not: a second one is a fault.
template <class T>
int instances()
{
    const QWidgetList all = QApplication::allWidgets();
    return int(std::count_if(all.begin(), all.end(), [](QWidget* w) { return qobject_cast<T*>(w); }));
}

// Moves the pointer to `at` in `control` and clicks there `clicks` times. The events
// go through the window system, which finds the control under the pointer as it
// would for a user.
inline void pointAt(QWidget* control, QPoint at, int clicks = 0)
{
    QWindow* window = control->window()->windowHandle();
    at = control->mapTo(control->window(), at);
    if (clicks == 0)
        QTest::mouseMove(window, at);
    else if (clicks == 1)
        QTest::mouseClick(window, Qt::LeftButton, {}, at);
    else
        QTest::mouseDClick(window, Qt::LeftButton, {}, at);
}

// The labels and buttons of `window` whose caption does not fit its box in the font
// it is drawn with. A label wraps at word boundaries inside its box, so a long word
// sticks out sideways and too many lines stick out below; a button's caption is
// drawn inside the style's contents rectangle, and so is an option button's.
inline QStringList clippedCaptions(const QWidget* window)
{
    QStringList clipped;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
        const QRect box = label->contentsRect();
        // Laid out in a box of unlimited height: Qt stops at the box's bottom otherwise.
        const QSize needed =
            label->fontMetrics().boundingRect(QRect(0, 0, box.width(), 10000), flags, label->text()).size();
        if (needed.boundedTo(box.size()) != needed)
            clipped.append(label->objectName());
    }
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect box = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QSize needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        if (needed.boundedTo(box.size()) != needed)
            clipped.append(button->objectName());
    }
    for (const QRadioButton* option : window->findChildren<QRadioButton*>()) {
        QStyleOptionButton style;
        style.initFrom(option);
        const QRect box = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
        const QSize needed = option->fontMetrics().size(Qt::TextShowMnemonic, option->text());
        if (needed.boundedTo(box.size()) != needed)
            clipped.append(option->objectName());
    }
    return clipped;
}

} // namespace quarnix::testing
