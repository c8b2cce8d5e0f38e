#include "ui/common/separatorlines.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFrame>

namespace quarnix::ui {

namespace {

QAccessibleInterface* lineAsSeparator(const QString& className, QObject* object)
{
    auto* frame = qobject_cast<QFrame*>(object);
    if (!frame || className != QLatin1String("QFrame") || !isFrameLine(frame))
        return nullptr;
    return new QAccessibleWidget(frame, QAccessible::Separator);
}

} // namespace

bool isFrameLine(const QFrame* frame)
{
    return frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine;
}

void readLinesAsSeparators()
{
    static const bool installed = (QAccessible::installFactory(lineAsSeparator), true);
    Q_UNUSED(installed);
}

} // namespace quarnix::ui
