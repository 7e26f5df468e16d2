// A project that stops taking stores while it is open (made read-only,
// removed, or on a full disk): the error is shown once, and the user either
// stays with the changes or goes on without them.
#include <QDir>
#include <QLineEdit>
#include <cerrno>
#include <cstring>

#include "ProjectFixture.h"

namespace virano::testing {
namespace {

const QString kQuestion = QStringLiteral("Ändringarna kunde inte sparas. Fortsätta utan att spara?");

class FailedStoreTest : public ProjectWindowTest {
 protected:
  // A fresh window showing room 2 of two on "Indata", its name changed.
  void EditRoom() {
    form = std::make_unique<TForm1>(dialogs);
    ShowActive();
    dialogs.answers.clear();
    dialogs.files.clear();
    file_ = MakeProject(QStringLiteral("hus.rot"), {"A", "B"});
    Open(file_);
    ClickTab(TForm1::kIndata);
    QTest::keyClick(form->RumsNamn, Qt::Key_End);
    QTest::keyClicks(form->RumsNamn, QStringLiteral("X"));
    before_ = Bytes(file_);
    dialogs.calls.clear();
  }
  // The error shown, then the question, with No as its default.
  void ExpectErrorAndQuestion(int error) const {
    const QString text = QString::fromLocal8Bit(std::strerror(error)) + QStringLiteral(": ") + file_;
    std::vector<DialogCall> errors;
    for (const DialogCall& call : dialogs.calls)
      if (call.messageKind == MessageKind::Error) errors.push_back(call);
    EXPECT_EQ(errors, std::vector{MessageCall(text, MessageKind::Error)});
    EXPECT_EQ(dialogs.calls.back(), YesNoCall(kQuestion, Question::Deletes));
  }

  QString file_;
  QByteArray before_;
};

TEST_F(FailedStoreTest, TheUserStaysOrGoesOnWithoutStoring) {
  using faults::Step;
  const struct {
    Step step;
    int error;
  } failures[] = {{Step::Write, EACCES}, {Step::Write, ENOSPC}, {Step::Open, ENOENT}};
  const struct {
    const char* name;
    bool closing;  // asks "Avsluta programmet?" first
    std::function<void()> run;
    std::function<bool()> wentOn;
  } commands[] = {
      {"tab", false, [this] { ClickTab(TForm1::kSammanst); },
       [this] { return form->ActivePage() == TForm1::kSammanst; }},
      {"step", false, [this] { form->UpDown1->Step(-1); },
       [this] { return form->RumsNamn->text() == QStringLiteral("A"); }},
      {"open", false, [this] { QTest::mouseClick(form->OpenButton, Qt::LeftButton); },
       [this] { return dialogs.calls.back().kind == DialogCall::OpenFile; }},
      {"close", true, [this] { form->close(); }, [this] { return !form->isVisible(); }},
  };
  for (const auto& failure : failures) {
    for (const auto& command : commands) {
      SCOPED_TRACE(std::string(command.name) + ": " + std::strerror(failure.error));
      EditRoom();
      // Both stores the user tries fail.
      faults::Inject(FilePath(file_), failure.step, failure.error, 2);
      dialogs.files = {std::nullopt};
      for (const bool goOn : {false, true}) {
        dialogs.calls.clear();
        if (command.closing) dialogs.answers.push_back(true);
        dialogs.answers.push_back(goOn);
        command.run();
        if (!goOn) ExpectErrorAndQuestion(failure.error);
        EXPECT_EQ(command.wentOn(), goOn);
        EXPECT_EQ(Bytes(file_), before_);
        if (goOn) break;
        EXPECT_EQ(form->RumsNamn->text(), QStringLiteral("BX"));
        EXPECT_TRUE(form->DataAendrad);
      }
      faults::Clear();
    }
  }
}

// Going on drops the changes: the stores that follow try nothing again.
TEST_F(FailedStoreTest, GoingOnStopsRetryingTheStore) {
  EditRoom();
  faults::Inject(FilePath(file_), faults::Step::Write, EACCES, faults::kUntilCleared);
  dialogs.answers = {true};
  ClickTab(TForm1::kAllmIndata);
  ExpectErrorAndQuestion(EACCES);
  dialogs.calls.clear();
  ClickTab(TForm1::kIndata);
  ClickTab(TForm1::kFilhantering);
  form->UpDown1->Step(-1);
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(Bytes(file_), before_);
}

// "Spara som" takes the window's data into the new project without storing
// into the failing one first.
TEST_F(FailedStoreTest, SaveAsGoesOnWithTheChangesInTheNewProject) {
  EditRoom();
  faults::Inject(FilePath(file_), faults::Step::Write, ENOSPC, faults::kUntilCleared);
  dialogs.answers = {false};
  ClickTab(TForm1::kSammanst);
  ASSERT_EQ(form->ActivePage(), TForm1::kIndata);
  dialogs.calls.clear();
  dialogs.files = {Path(QStringLiteral("kopia.rot"))};
  form->SparaSom1->trigger();
  EXPECT_TRUE(dialogs.Messages().empty());
  ClickTab(TForm1::kFilhantering);
  EXPECT_EQ(RoomNames(Path(QStringLiteral("kopia.rot"))), (QStringList{"A", "BX"}));
  EXPECT_EQ(Bytes(file_), before_);
}

}  // namespace
}  // namespace virano::testing
