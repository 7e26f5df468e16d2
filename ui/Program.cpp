#include "Program.h"

#include "Application.h"
#include "Dialogs.h"
#include "Pictures.h"
#include "Rot.h"
#include "fSplach.h"

namespace virano {

int RunVirano(int argc, char** argv) {
  return RunWindow(argc, argv, [](Dialogs& dialogs) {
    auto* splash = new TSplashForm;
    splash->show();
    splash->repaint();
    TApplication::processEvents();

    // FormCreate closes the splash; the other windows are created hidden.
    auto form = std::make_unique<TForm1>(dialogs, TApplication::arguments().mid(1), splash);
    QObject::connect(form.get(), &TForm1::Closed, qApp, &QCoreApplication::quit);
    return form;
  });
}

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
