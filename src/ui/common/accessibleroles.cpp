#include "ui/common/accessibleroles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QFrame>

namespace quarnix::ui {

namespace {

// Asked once for each class an object is, its own first; only that first question
// is answered here, so a window's class is not mistaken for the QWidget below it.
QAccessibleInterface* plainWidgetByRole(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    // The program's own windows made straight from QWidget; tool tips, pop-ups and
    // dialogs are windows too, of Qt's own classes, and keep their roles.
    if (widget->isWindow() && object->metaObject()->superClass() == &QWidget::staticMetaObject)
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("QFrame")) {
        auto* frame = static_cast<QFrame*>(object);
        return new QAccessibleWidget(frame, isFrameLine(frame) ? QAccessible::Separator : QAccessible::Grouping);
    }
    return nullptr;
}

} // namespace

bool isFrameLine(const QFrame* frame)
{
    return frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine;
}

void readPlainWidgetsByTheirRoles()
{
    static const bool installed = (QAccessible::installFactory(plainWidgetByRole), true);
    Q_UNUSED(installed);
}

} // namespace quarnix::ui
