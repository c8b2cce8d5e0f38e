#pragma once

#include <QString>

class QWidget;

namespace quarnix::platform {

// The open-file dialog: one existing file, any type.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file's full path, or an empty text when the user cancels.
    virtual QString chooseFile(QWidget* parent, const QString& title) = 0;
};

class QtFileChooser final : public FileChooser {
public:
    QString chooseFile(QWidget* parent, const QString& title) override;
};

} // namespace quarnix::platform
