#pragma once

#include <QString>

namespace quarnix::platform {

// Hands a web or "mailto:" address to the desktop's default handler.
class AddressOpener {
public:
    virtual ~AddressOpener() = default;
    // Whether something took the address; callers are free to ignore it.
    virtual bool open(const QString& address) = 0;
};

class DesktopAddressOpener final : public AddressOpener {
public:
    bool open(const QString& address) override;
};

} // namespace quarnix::platform
