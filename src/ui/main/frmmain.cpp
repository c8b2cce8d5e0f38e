#include "ui/main/frmmain.h"

namespace quarnix::ui {

frmMain::frmMain(const platform::Services&, QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Quarnix"));
}

} // namespace quarnix::ui
