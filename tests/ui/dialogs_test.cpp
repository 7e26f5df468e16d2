// Qt's own dialogs as the program shows them: Swedish texts, file columns
// shown whole, and Enter keeps what a question would delete.
#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <functional>

#include "WindowFixture.h"

namespace virano::testing {
namespace {

class QtDialogsTest : public WindowTest {
 protected:
  // Runs `look` on the modal dialog that `show` opens; `look` closes it.
  static void WhileShown(const std::function<void()>& show, const std::function<void(QWidget*)>& look) {
    QTimer::singleShot(0, [&look] {
      QWidget* dialog = nullptr;
      ASSERT_TRUE(QTest::qWaitFor([&] { return (dialog = QApplication::activeModalWidget()) != nullptr; }));
      look(dialog);
      if (dialog->isVisible()) dialog->close();
    });
    show();
  }

  // The texts a user reads in a dialog: labels, buttons, tabs, lists.
  static QStringList Texts(QWidget* dialog) {
    QStringList texts;
    for (auto* label : dialog->findChildren<QLabel*>()) texts << label->text();
    for (auto* button : dialog->findChildren<QAbstractButton*>()) texts << button->text();
    for (auto* combo : dialog->findChildren<QComboBox*>())
      for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    for (auto* view : dialog->findChildren<QAbstractItemView*>()) {
      const QAbstractItemModel* model = view->model();
      for (int c = 0; c < model->columnCount(view->rootIndex()); ++c)
        texts << model->headerData(c, Qt::Horizontal).toString();
      for (int r = 0; r < model->rowCount(view->rootIndex()); ++r)
        texts << model->index(r, 0, view->rootIndex()).data().toString();
    }
    texts.removeAll(QString());
    return texts;
  }

  void SetUp() override {
    WindowTest::SetUp();
    real_ = std::make_unique<QtDialogs>(form.get());  // they take the window's font
  }

  std::unique_ptr<QtDialogs> real_;
};

TEST_F(QtDialogsTest, FileAndPrinterDialogsSpeakSwedish) {
  const QStringList english = {"Look in:", "Computer", "Cancel", "&Cancel", "Open", "&Open", "Save",
                               "&Save", "Name", "Size", "Type", "Date Modified", "File &name:",
                               "Files of type:", "&Name:", "P&roperties", "Location:", "Type:",
                               "Output &file:", "&Options >>", "&Print", "Print to File (PDF)"};
  const struct {
    std::function<void()> show;
    QStringList swedish;
  } cases[] = {
      {[this] { real_->OpenFile({}); }, {"Leta i:", "Dator", "Avbryt", "Namn", "Storlek", "Typ", "Ändringsdatum"}},
      {[this] { real_->SaveFile({}); }, {"Leta i:", "Avbryt", "Fil&namn:", "Filer av typen:"}},
      {[this] {
         QPrinter printer;
         real_->PrinterSetup(printer);
       },
       {"&Namn:", "&Egenskaper", "Plats:", "Typ:", "&Skriv ut", "Avbryt", "&Alternativ >>"}},
  };
  for (const auto& dialog : cases) {
    WhileShown(dialog.show, [&](QWidget* shown) {
      QTest::qWait(50);  // the sidebar and lists fill in
      const QStringList texts = Texts(shown);
      for (const QString& text : dialog.swedish) EXPECT_TRUE(texts.contains(text)) << text.toStdString();
      for (const QString& text : english) EXPECT_FALSE(texts.contains(text)) << text.toStdString();
    });
  }
}

// Also when the columns were narrowed the last time the dialog was used.
TEST_F(QtDialogsTest, TheFileListShowsItsColumnsWhole) {
  QStandardPaths::setTestModeEnabled(true);  // the dialog's remembered state
  QTemporaryDir dir;
  QFile file(dir.filePath(QStringLiteral("Kontorshuset vid torget.rot")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray(39998, '\0'));
  file.close();
  FileDialogOptions options;
  options.startDir = dir.path();
  for (const bool narrow : {true, false}) {
    WhileShown([&] { real_->OpenFile(options); }, [narrow](QWidget* shown) {
      auto* list = shown->findChild<QTreeView*>(QStringLiteral("treeView"));
      ASSERT_NE(list, nullptr);
      ASSERT_TRUE(QTest::qWaitFor([list] { return list->model()->rowCount(list->rootIndex()) > 0; }));
      QTest::qWait(50);
      const QAbstractItemView* view = list;
      for (int c = 0; c < 4; ++c) {
        if (narrow) list->setColumnWidth(c, 12);
        if (narrow) continue;
        EXPECT_GE(list->columnWidth(c), view->sizeHintForColumn(c)) << c;
        EXPECT_GE(list->columnWidth(c), list->header()->sectionSizeHint(c)) << c;
      }
      if (!narrow) {
        EXPECT_LE(list->header()->length(), list->viewport()->width());
      }
    });
  }
  QStandardPaths::setTestModeEnabled(false);
}

// Enter presses the default button: Yes for a plain question, No or Cancel
// for one that deletes.
TEST_F(QtDialogsTest, EnterKeepsWhatAQuestionWouldDelete) {
  const struct {
    std::function<bool()> ask;
    bool enterAnswers;
  } questions[] = {
      {[this] { return real_->QuestionYesNo(QStringLiteral("Avsluta programmet?")); }, true},
      {[this] { return real_->QuestionYesNo(QStringLiteral("Skall visat rum raderas?"), Question::Deletes); },
       false},
      {[this] { return real_->QuestionYesCancel(QStringLiteral("Skall raden raderas?")); }, false},
  };
  for (const auto& question : questions) {
    bool answer = !question.enterAnswers;
    WhileShown([&] { answer = question.ask(); },
               [](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
    EXPECT_EQ(answer, question.enterAnswers);
  }
}

}  // namespace
}  // namespace virano::testing
