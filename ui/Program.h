#pragma once
// The program entry: splash, main window, message loop.

namespace virano {

// Runs the program; returns its exit code.
int RunVirano(int argc, char** argv);

}  // namespace virano
