#include "platform/gui/filechooser.h"

#include <QFileDialog>

namespace quarnix::platform {

QString QtFileChooser::chooseFile(QWidget* parent, const QString& title)
{
    return QFileDialog::getOpenFileName(parent, title);
}

} // namespace quarnix::platform
