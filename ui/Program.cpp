#include "Program.h"

#include <QLibraryInfo>
#include <QTranslator>

#include "Application.h"
#include "Dialogs.h"
#include "Pictures.h"
#include "Rot.h"
#include "fSplach.h"

namespace virano {
namespace {

// The program speaks Swedish whatever the locale: so do Qt's own dialogs.
void SpeakSwedish(QTranslator& qtTexts) {
  if (qtTexts.load(QStringLiteral("qt_sv"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    TApplication::installTranslator(&qtTexts);
}

}  // namespace

int RunVirano(int argc, char** argv) {
  TApplication app(argc, argv);
  QTranslator qtTexts;
  SpeakSwedish(qtTexts);
  app.setWindowIcon(ProgramIcon());
  QtDialogs dialogs;
  app.SetErrorDialogs(&dialogs);

  auto* splash = new TSplashForm;
  splash->show();
  splash->repaint();
  TApplication::processEvents();

  // FormCreate closes the splash; the other windows are created hidden.
  TForm1 form(dialogs, TApplication::arguments().mid(1), splash);
  dialogs.SetParent(&form);
  QObject::connect(&form, &TForm1::Closed, &app, &QCoreApplication::quit);
  form.show();
  return TApplication::exec();
}

int RunCompanion(int argc, char** argv,
                 const std::function<std::unique_ptr<QWidget>(Dialogs& dialogs)>& makeWindow) {
  TApplication app(argc, argv);
  QTranslator qtTexts;
  SpeakSwedish(qtTexts);
  app.setWindowIcon(ProgramIcon());
  QtDialogs dialogs;
  app.SetErrorDialogs(&dialogs);
  const std::unique_ptr<QWidget> window = makeWindow(dialogs);
  dialogs.SetParent(window.get());
  window->show();
  return TApplication::exec();
}

}  // namespace virano
