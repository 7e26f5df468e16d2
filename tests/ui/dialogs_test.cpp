// Qt's own dialogs as the program shows them: Swedish texts, whole file
// columns, and Enter keeps what a question would delete.
#include <QAbstractButton>
#include <QLabel>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <functional>

#include "WindowFixture.h"

namespace virano::testing {
namespace {

// Runs `look` on the modal dialog that `show` opens, then closes it.
void WhileShown(const std::function<void()>& show, const std::function<void(QWidget*)>& look) {
  QTimer::singleShot(0, [&look] {
    QWidget* dialog = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (dialog = QApplication::activeModalWidget()) != nullptr; }));
    look(dialog);
    if (dialog->isVisible()) dialog->close();
  });
  show();
}

// The labels, buttons and list entries a user reads in a dialog.
QStringList Texts(const QWidget* dialog) {
  QStringList texts;
  for (const auto* label : dialog->findChildren<QLabel*>()) texts << label->text();
  for (const auto* button : dialog->findChildren<QAbstractButton*>()) texts << button->text();
  for (const auto* view : dialog->findChildren<QAbstractItemView*>()) {
    for (int c = 0; c < view->model()->columnCount(view->rootIndex()); ++c)
      texts << view->model()->headerData(c, Qt::Horizontal).toString();
    for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r)
      texts << view->model()->index(r, 0, view->rootIndex()).data().toString();
  }
  return texts;
}

// The file list's columns stay whole also when the user narrowed them the
// last time the dialog was shown.
TEST_F(WindowTest, QtDialogsSpeakSwedishWithWholeFileColumns) {
  // Where the file dialog remembers its columns: emptied before and after.
  QStandardPaths::setTestModeEnabled(true);
  const QString remembered =
      QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/QtProject.conf");
  QFile::remove(remembered);
  QTemporaryDir dir;
  QFile file(dir.filePath(QStringLiteral("Kontorshuset vid torget.rot")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(QByteArray(39998, '\0')) > 0);
  file.close();
  QtDialogs real(form.get());  // the dialogs take the window's font
  FileDialogOptions options;
  options.startDir = dir.path();
  QPrinter printer;
  const std::pair<std::function<void()>, QStringList> cases[] = {
      {[&] { real.OpenFile(options); }, {}},
      {[&] { real.OpenFile(options); }, {"Leta i:", "Dator", "Avbryt", "Namn", "Storlek", "Typ", "Ändringsdatum"}},
      {[&] { real.SaveFile(options); }, {"Fil&namn:", "Filer av typen:", "&Spara"}},
      {[&] { real.PrinterSetup(printer); }, {"&Namn:", "&Egenskaper", "Plats:", "&Skriv ut", "&Alternativ >>"}}};
  for (const auto& [show, swedish] : cases) {
    WhileShown(show, [&swedish](QWidget* dialog) {
      auto* list = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
      EXPECT_TRUE(QTest::qWaitFor([list] { return !list || list->model()->rowCount(list->rootIndex()) > 0; }));
      QTest::qWait(50);  // the sizes and dates come in
      for (const QString& text : swedish) EXPECT_TRUE(Texts(dialog).contains(text)) << text.toStdString();
      for (int c = 0; list != nullptr && c < 4; ++c) {
        if (swedish.isEmpty()) list->setColumnWidth(c, 12);
        EXPECT_GE(list->columnWidth(c), static_cast<QAbstractItemView*>(list)->sizeHintForColumn(c)) << c;
      }
    });
  }
  QFile::remove(remembered);
  QStandardPaths::setTestModeEnabled(false);
}

TEST_F(WindowTest, EnterKeepsWhatAQuestionWouldDelete) {
  QtDialogs real(form.get());
  const std::pair<std::function<bool()>, bool> questions[] = {
      {[&] { return real.QuestionYesNo(QStringLiteral("Avsluta programmet?")); }, true},
      {[&] { return real.QuestionYesNo(QStringLiteral("Skall visat rum raderas?"), Question::Deletes); }, false},
      {[&] { return real.QuestionYesCancel(QStringLiteral("Skall raden raderas?")); }, false}};
  for (const auto& [ask, enterAnswers] : questions) {
    bool answer = !enterAnswers;
    WhileShown([&] { answer = ask(); }, [](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
    EXPECT_EQ(answer, enterAnswers);
  }
}

}  // namespace
}  // namespace virano::testing
