#pragma once
// A run of the game from start to end.
#include <functional>

namespace zolmera {

class Form;

struct RunHooks {
    // Called once the start screen has been shown and the loop is running.
    std::function<void(Form& startScreen)> startScreenShown;
};

int runProgram(int argc, char** argv, const RunHooks& hooks = {});

}  // namespace zolmera
