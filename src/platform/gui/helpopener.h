#pragma once

#include <QString>

namespace quarnix::platform {

// Opens the program's help file for F1.
class HelpOpener {
public:
    virtual ~HelpOpener() = default;
    // False when the file is missing or nothing on the desktop opens it.
    [[nodiscard]] virtual bool openHelpFile(const QString& fileName) = 0;
};

// Looks for the file beside the program, then in the working folder, and hands it
// to the desktop's default handler.
class DesktopHelpOpener final : public HelpOpener {
public:
    [[nodiscard]] bool openHelpFile(const QString& fileName) override;
};

} // namespace quarnix::platform
