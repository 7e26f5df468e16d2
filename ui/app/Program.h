#pragma once
// A program's message loop with VIRANO's look, Swedish dialogs and error
// display: VIRANO and its companion programs run their windows through it.
#include <functional>
#include <memory>

class QWidget;

namespace virano {

class Dialogs;

// Runs the window that `makeWindow` makes, with the look, the Swedish
// dialogs and the error display of VIRANO (the companion programs share
// them); returns the exit code.
int RunWindow(int argc, char** argv,
              const std::function<std::unique_ptr<QWidget>(Dialogs& dialogs)>& makeWindow);

}  // namespace virano
