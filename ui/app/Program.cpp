#include "app/Program.h"

#include <QWidget>

#include "app/Application.h"
#include "app/Dialogs.h"
#include "app/Pictures.h"

namespace virano {

int RunWindow(int argc, char** argv,
              const std::function<std::unique_ptr<QWidget>(Dialogs& dialogs)>& makeWindow) {
  TApplication app(argc, argv);  // speaks Swedish, also in Qt's own dialogs
  app.setWindowIcon(ProgramIcon());
  QtDialogs dialogs;
  app.SetErrorDialogs(&dialogs);
  const std::unique_ptr<QWidget> window = makeWindow(dialogs);
  dialogs.SetParent(window.get());
  window->show();
  return TApplication::exec();
}

}  // namespace virano
