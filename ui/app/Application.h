#pragma once
// The application object. Its notify() is the general error display: an
// exception that escapes an event handler ends that handler only; its text
// is shown in a message box and the program goes on.
#include <QApplication>

namespace virano {

class Dialogs;

class TApplication : public QApplication {
  Q_OBJECT
 public:
  TApplication(int& argc, char** argv);

  // Where escaped errors are shown; without one they go to a plain box.
  void SetErrorDialogs(Dialogs* dialogs) { errorDialogs_ = dialogs; }
  Dialogs* ErrorDialogs() const { return errorDialogs_; }

  bool notify(QObject* receiver, QEvent* event) override;

  // Shows an error's text as the general error display does.
  void ShowException(const QString& text);

 private:
  Dialogs* errorDialogs_ = nullptr;
};

}  // namespace virano
