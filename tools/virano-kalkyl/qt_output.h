#pragma once
// What virano-kalkyl's files drawn with Qt (the PDF reports, the ROT map's
// picture) share: Qt's drawing without a display, and failures told on
// standard error.
#include <QGuiApplication>
#include <string>

namespace virano::kalkyl {

// Qt's application object on the offscreen platform, with Qt's notes about
// the platform kept quiet; its critical errors still show.
class OffscreenGui {
 public:
  OffscreenGui();

 private:
  static int PreparedArgc();
  int argc_ = PreparedArgc();
  char name_[14] = "virano-kalkyl";
  char* argv_[2] = {name_, nullptr};
  QGuiApplication app_{argc_, argv_};
};

// Tells `message` on standard error and returns `status`.
int Fail(int status, const std::string& message);

}  // namespace virano::kalkyl
