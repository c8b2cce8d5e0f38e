#include "ui/main/programimages.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerMainResources()
{
    Q_INIT_RESOURCE(main);
}

namespace quarnix::ui {

void loadProgramImages()
{
    static const bool registered = (registerMainResources(), true);
    Q_UNUSED(registered);
}

} // namespace quarnix::ui
