#pragma once

#include <QString>

namespace quarnix::platform {

// Whether a file called `name` can be created in `folder`: no longer than its file
// system allows, and no longer than the 255 characters a Windows name may have, so
// that the file can also be copied to the machine that joins the pieces again.
bool fitsFileNameLimit(const QString& folder, const QString& name);

} // namespace quarnix::platform
