#include "qt_output.h"

#include <iostream>

namespace virano::kalkyl {

namespace {

void QtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::cerr << "virano-kalkyl: " << message.toStdString() << '\n';
}

}  // namespace

// Before the application object is made: the platform and the messages.
int OffscreenGui::PreparedArgc() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QtMessage);
  return 1;
}

OffscreenGui::OffscreenGui() = default;

int Fail(int status, const std::string& message) {
  std::cerr << "virano-kalkyl: " << message << '\n';
  return status;
}

}  // namespace virano::kalkyl
