#include "platform/ExitPolicy.h"

#include <cstdio>
#include <cstdlib>

namespace ExitPolicy {

void endProcessBeforeLibraryCleanUp()
{
#ifdef __GLIBC__
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    on_exit(
        [](int status, void*) {
            std::fflush(nullptr);
            std::_Exit(status);
        },
        nullptr);
#endif
}

} // namespace ExitPolicy
