// StartProgram: the window program from start to end.
#pragma once

class QApplication;

namespace zerulin {

class MainWindow;

// Starts Qt, shows MainWindow for the built-in hosts and runs until the window closes; then
// ends the process with code 0. Does not return.
[[noreturn]] void StartProgram(int argc, char** argv);

// Runs `application`'s event loop until `window` is closed, then ends the process with code 0
// at once: query threads may still be running or waiting on the window, so nothing is torn
// down under them.
[[noreturn]] void RunUntilClosed(QApplication& application, MainWindow& window);

}  // namespace zerulin
