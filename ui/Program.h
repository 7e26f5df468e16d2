#pragma once
// The program entry: splash, main window, message loop.
#include <functional>
#include <memory>

class QWidget;

namespace virano {

class Dialogs;

// Runs the program; returns its exit code. "--version" and "--help" answer on
// standard output without a window.
int RunVirano(int argc, char** argv);

// Runs the window that `makeWindow` makes, with the look, the Swedish
// dialogs and the error display of VIRANO (the companion programs share
// them); returns the exit code.
int RunWindow(int argc, char** argv,
              const std::function<std::unique_ptr<QWidget>(Dialogs& dialogs)>& makeWindow);

}  // namespace virano
