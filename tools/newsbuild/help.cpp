#include "shipped/help.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initHelpResource() {
    Q_INIT_RESOURCE(help);
}

namespace quotara {

void registerShippedHelp() {
    static const bool once = (initHelpResource(), true);
    (void)once;
}

} // namespace quotara
