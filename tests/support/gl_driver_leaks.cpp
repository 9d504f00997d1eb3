// The GL driver keeps allocations it never frees. Once it is unloaded its
// frames cannot be told from ours, so the tests keep it loaded for the whole
// run (its libraries pinned in memory, SDL video on the offscreen driver with
// one extra hold on the GL library) and the sanitizer build leaves the leaks
// of the driver's and SDL's own libraries out.

#include <SDL.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libSDL2\nleak:swrast_dri\nleak:libgallium\nleak:libLLVM\nleak:libGLX_mesa\n"
           "leak:libEGL_mesa\nleak:libGLdispatch\nleak:libglapi\n";
}

namespace {

class KeepGLDriverLoaded : public ::testing::Environment {
  public:
    void SetUp() override {
        for (const char* library :
             {"libEGL_mesa.so.0", "libglapi.so.0", "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so"})
            dlopen(library, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0)
            SDL_GL_LoadLibrary(nullptr);
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new KeepGLDriverLoaded);

}  // namespace
