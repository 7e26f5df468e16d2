// VIRANO: directed operative temperature at control points in a room. The
// program entry: "--version" and "--help" answer on standard output without
// a window; otherwise the splash, the main window and the message loop.
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <iostream>
#include <memory>
#include <string_view>

#include "app/Application.h"
#include "app/Program.h"
#include "main/Rot.h"
#include "project/numbers.h"
#include "rules/WindowRules.h"
#include "windows/Splash.h"

namespace virano {

namespace {

constexpr const char* kUsage =
    "Användning: virano [PROJEKT.rot]\n"
    "\n"
    "VIRANO - Beräkning av riktad operativ temperatur (ROT). Med PROJEKT.rot\n"
    "öppnas projektet när programmet startar och dess sista rum visas.\n"
    "\n"
    "  --help     visa denna hjälp\n"
    "  --version  visa programmets version\n"
    "\n";

// The usage with the manual's place: in the program's own folder, the real
// executable's, also when the program is started through a link.
void PrintUsage(int argc, char** argv) {
  const QCoreApplication app(argc, argv);
  const QString programBibl = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
  const bool decimalPunkt = SystemDecimalPunkt(QLocale::system());
  std::cout << kUsage << "Manual: "
            << ManualFilNamn(programBibl.toStdString(), QDir::separator().toLatin1(), decimalPunkt)
            << '\n';
}

}  // namespace

// Runs the program; returns its exit code.
int RunVirano(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--version") {
      std::cout << "VIRANO " << kVersionText << '\n';
      return 0;
    }
    if (argument == "--help" || argument == "-h") {
      PrintUsage(argc, argv);
      return 0;
    }
  }
  // The desktop's entry virano.desktop is this program's.
  QGuiApplication::setDesktopFileName(QStringLiteral("virano"));
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

}  // namespace virano

int main(int argc, char** argv) { return virano::RunVirano(argc, argv); }
