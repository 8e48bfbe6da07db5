// The program entry of the desktop host.
#pragma once

#include <functional>

#include "app/glfw_game.h"

class BBZorbitGame : public BBGlfwGame {
public:
    // Brings up GLFW and the host, runs the global initialisation and then bbMain,
    // which creates the one App; runs the loop when that gave the game a delegate.
    static int Main(int argc, char* argv[], const std::function<void()>& bbMain);

    static int ArgCount();
    static char** Args();
};
