#include "app/start_hooks.h"

namespace app {

TStartHooks& StartHooks() {
    static TStartHooks hooks;
    return hooks;
}

}  // namespace app
