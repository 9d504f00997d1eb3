// The GL driver keeps allocations it never frees, whose frames cannot be told
// from ours once it is unloaded: the tests keep its libraries and SDL's video
// loaded for the whole run, and the sanitizer leaves their own leaks out.

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
