// Start-up of the desktop host.
#include "app/zorbit_game.h"

#include <GLFW/glfw3.h>

#include <cstdio>
#include <cstdlib>

#include "app/app.h"
#include "runtime/error.h"

namespace {
int g_argc = 0;
char** g_argv = nullptr;
}  // namespace

int BBZorbitGame::ArgCount() {
    return g_argc;
}

char** BBZorbitGame::Args() {
    return g_argv;
}

int BBZorbitGame::Main(int argc, char* argv[], const std::function<void()>& bbMain) {
    g_argc = argc;
    g_argv = argv;

    if (!glfwInit()) {
        std::fputs("glfwInit failed\n", stdout);
        std::fflush(stdout);
        std::exit(-1);
    }

    // The one host game object; like everything else it lives until the process ends.
    BBZorbitGame* game = new BBZorbitGame();
    bbInstallSignalHandlers();

    try {
        bbInit();
        bbMain();
    } catch (...) {
        glfwTerminate();
        game->Die(std::current_exception());
    }

    if (game->Delegate()) game->Run();
    glfwTerminate();
    return 0;
}
