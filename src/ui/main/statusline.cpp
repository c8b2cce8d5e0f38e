#include "ui/main/statusline.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace quarnix::ui {

namespace {

class StatusLineAccessible final : public QAccessibleWidget {
public:
    explicit StatusLineAccessible(QWidget* line)
        : QAccessibleWidget(line, QAccessible::StatusBar)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.disabled = false;
        return state;
    }
};

QAccessibleInterface* statusLineAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(StatusLine::staticMetaObject.className()))
        return new StatusLineAccessible(static_cast<StatusLine*>(object));
    return nullptr;
}

} // namespace

StatusLine::StatusLine(QWidget* parent)
    : QLabel(parent)
{
    static const bool installed = (QAccessible::installFactory(statusLineAccessible), true);
    Q_UNUSED(installed);
}

} // namespace quarnix::ui
