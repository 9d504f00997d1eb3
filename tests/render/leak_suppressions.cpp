// The leak checker's exceptions for this test program. SDL and the Mesa
// driver it loads keep allocations for the life of the process. The driver is
// normally unloaded before the leak check, which leaves its frames nameless;
// under the sanitizer it is therefore pinned in memory at start-up so that its
// allocations can be recognised by library name. Weak, so that a shared list
// elsewhere takes precedence.

#if defined(__SANITIZE_ADDRESS__)

#include <dlfcn.h>

extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() {
    return "leak:libSDL2\nleak:libGLdispatch\nleak:libEGL_mesa\nleak:swrast_dri\n"
           "leak:libgallium\nleak:libglapi\n";
}

namespace {

const bool driverPinned = [] {
    const char* libraries[] = {"libEGL_mesa.so.0", "libglapi.so.0",
                               "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so"};
    for (const char* library : libraries)
        dlopen(library, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
    return true;
}();

}  // namespace

#endif
