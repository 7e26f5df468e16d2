#pragma once
// A main window with scripted dialogs, for the window tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/Application.h"
#include "main/Rot.h"
#include "support/Kontroller.h"
#include "support/ScriptedDialogs.h"

namespace virano::testing {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App()->SetErrorDialogs(&dialogs);
    MakeForm();
  }
  // Starts the main window (anew) with the program's `arguments`.
  void MakeForm(const QStringList& arguments = {}) {
    ui.reset();
    form.reset();
    form = std::make_unique<TForm1>(dialogs, arguments, nullptr, programDir.path(), decimalPunkt);
    ui = std::make_unique<Kontroller>(*form);
  }
  void TearDown() override {
    ui.reset();
    form.reset();
    App()->SetErrorDialogs(nullptr);
  }

  static TApplication* App() { return static_cast<TApplication*>(qApp); }

  // Shows the window and makes it the active one, as at start.
  void ShowActive() {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QApplication::setActiveWindow(form.get());
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }

  // The control of the main window with object name `name`.
  template <typename Widget>
  Widget* Find(const char* name) {
    auto* widget = form->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  // Key presses that type `text`, letters outside ASCII included.
  static void Type(QWidget* widget, const QString& text) {
    for (const QChar ch : text)
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  }

  ScriptedDialogs dialogs;
  // The program's folder as the window sees it: its users file stays here.
  QTemporaryDir programDir;
  // The system's decimal separator the window is made with; the system's own
  // when not set before SetUp.
  std::optional<bool> decimalPunkt;
  std::unique_ptr<TForm1> form;
  std::unique_ptr<Kontroller> ui;  // the window's controls
};

}  // namespace virano::testing
