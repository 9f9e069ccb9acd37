#include "app/Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initKakeiboResources() { Q_INIT_RESOURCE(kakeibo); }

namespace kakeibo::shell {

void loadResources() {
    static const bool loaded = (initKakeiboResources(), true);
    Q_UNUSED(loaded);
}

}  // namespace kakeibo::shell
