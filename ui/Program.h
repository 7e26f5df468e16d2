#pragma once
// The program entry: splash, main window, message loop.
#include <functional>
#include <memory>

class QWidget;

namespace virano {

class Dialogs;

// Runs the program; returns its exit code.
int RunVirano(int argc, char** argv);

// Runs a companion program's window, made by `makeWindow`, with the look,
// the Swedish dialogs and the error display of VIRANO; returns its exit code.
int RunCompanion(int argc, char** argv,
                 const std::function<std::unique_ptr<QWidget>(Dialogs& dialogs)>& makeWindow);

}  // namespace virano
