// The window tests need the application object before any widget; it is
// the program's own, so that escaped errors are shown as in the program.
#include <gtest/gtest.h>

#include "app/Application.h"

int main(int argc, char** argv) {
  // Offscreen unless a display platform is asked for (screenshots).
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  virano::TApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
