// Qt's own dialogs as the program shows them: Swedish texts, whole file
// columns, and Enter keeps what a question would delete.
#include <QDialogButtonBox>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <functional>

#include "support/WindowFixture.h"

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

// Texts of the file and printer dialogs, from Qt's catalogue or the program.
TEST(QtTextsTest, FileAndPrinterDialogsSpeakSwedish) {
  const char* texts[][3] = {{"QFileDialog", "Look in:", "Leta i:"},
                            {"QFileDialog", "Files of type:", "Filer av typen:"},
                            {"QFileSystemModel", "Computer", "Dator"},
                            {"QPlatformTheme", "Cancel", "Avbryt"},
                            {"QPrintWidget", "P&roperties", "&Egenskaper"},
                            {"QPrintDialog", "&Print", "&Skriv ut"}};
  for (const auto& [context, english, swedish] : texts)
    EXPECT_EQ(QCoreApplication::translate(context, english), QString::fromUtf8(swedish));
}

// Also when the user narrowed them the last time the dialog was shown.
TEST_F(WindowTest, TheFileListShowsItsColumnsWhole) {
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
  for (const bool narrow : {true, false}) {
    WhileShown([&] { real.OpenFile(options); }, [narrow](QWidget* dialog) {
      auto* list = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
      ASSERT_TRUE(QTest::qWaitFor([list] { return list->model()->rowCount(list->rootIndex()) > 0; }));
      QTest::qWait(50);  // the sizes and dates come in
      for (int c = 0; c < 4; ++c) {
        if (narrow) list->setColumnWidth(c, 12);
        EXPECT_GE(list->columnWidth(c), static_cast<QAbstractItemView*>(list)->sizeHintForColumn(c)) << c;
      }
    });
  }
  QFile::remove(remembered);
  QStandardPaths::setTestModeEnabled(false);
}

// Choosing the printer prints nothing, and its button does not say it would.
TEST_F(WindowTest, ThePrinterSetUpsButtonSaysWhatItDoes) {
  QtDialogs real(form.get());
  QPrinter printer;
  for (const auto& [purpose, accept] :
       {std::pair{PrinterChoice::Print, "&Skriv ut"}, {PrinterChoice::Choose, "OK"}}) {
    WhileShown([&] { real.PrinterSetup(printer, purpose); }, [accept = accept](QWidget* dialog) {
      auto* buttons = dialog->findChild<QDialogButtonBox*>();
      ASSERT_NE(buttons, nullptr);
      EXPECT_EQ(buttons->button(QDialogButtonBox::Ok)->text(), QString::fromUtf8(accept));
    });
  }
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
