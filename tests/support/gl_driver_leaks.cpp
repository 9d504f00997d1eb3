// The GL driver keeps allocations it never frees. Once it is unloaded its
// frames cannot be told from ours, so the tests keep it loaded for the whole
// run (SDL video on the offscreen driver, with one extra hold on the GL
// library) and the sanitizer build leaves the driver's own leaks out.

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

extern "C" const char* __lsan_default_suppressions() {
    return "leak:swrast_dri.so\nleak:libgallium\nleak:libLLVM\nleak:libGLX_mesa.so\n"
           "leak:libEGL_mesa.so\nleak:libGLdispatch.so\n";
}

namespace {

class KeepGLDriverLoaded : public ::testing::Environment {
  public:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0)
            SDL_GL_LoadLibrary(nullptr);
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new KeepGLDriverLoaded);

}  // namespace
