// A project that stops taking stores while it is open (made read-only,
// removed, or on a full disk): the error is shown once, and the user either
// stays with the changes or goes on without them.
#include <QLineEdit>
#include <cerrno>
#include <cstring>

#include "support/ProjectFixture.h"
#include "widgets/UpDown.h"

namespace virano::testing {
namespace {

class FailedStoreTest : public ProjectWindowTest {
 protected:
  // A fresh window showing room 2 of two on "Indata", its name changed.
  void EditRoom() {
    MakeForm();
    ShowActive();
    dialogs.files.clear();
    file_ = MakeProject(QStringLiteral("hus.rot"), {"A", "B"});
    Open(file_);
    ClickTab(TForm1::kIndata);
    QTest::keyClick(ui->RumsNamn, Qt::Key_End);
    QTest::keyClicks(ui->RumsNamn, QStringLiteral("X"));
    before_ = Bytes(file_);
  }

  QString file_;
  QByteArray before_;
};

TEST_F(FailedStoreTest, TheUserStaysOrGoesOnWithoutStoring) {
  const std::pair<faults::Step, int> failures[] = {
      {faults::Step::Write, EACCES}, {faults::Step::Write, ENOSPC}, {faults::Step::Open, ENOENT}};
  const std::pair<std::function<void()>, std::function<bool()>> commands[] = {
      {[this] { ClickTab(TForm1::kSammanst); }, [this] { return form->ActivePage() == TForm1::kSammanst; }},
      {[this] { ui->UpDown1->Step(-1); }, [this] { return ui->Nummer->text() == QStringLiteral("1"); }},
      {[this] { ui->Ny1->trigger(); }, [this] { return dialogs.calls.back().kind == DialogCall::OpenFile; }},
      {[this] { form->close(); }, [this] { return !form->isVisible(); }}};
  for (const auto& [step, error] : failures) {
    for (const auto& [command, wentOn] : commands) {
      SCOPED_TRACE(std::strerror(error));
      EditRoom();
      faults::Inject(FilePath(file_), step, error, 2);  // both stores the user tries fail
      dialogs.files = {std::nullopt};
      for (const bool goOn : {false, true}) {
        dialogs.calls.clear();
        dialogs.answers = {true};  // "Avsluta programmet?"
        if (&command != &commands[3].first) dialogs.answers.pop_front();
        dialogs.answers.push_back(goOn);
        command();
        EXPECT_EQ(dialogs.Messages(), std::vector{QString::fromLocal8Bit(std::strerror(error)) + ": " + file_});
        if (!goOn) {
          EXPECT_EQ(dialogs.calls.back(), YesNoCall(QStringLiteral("Ändringarna kunde inte sparas. "
                                                                   "Fortsätta utan att spara?"), Question::Deletes));
        }
        EXPECT_EQ(wentOn(), goOn);
        EXPECT_EQ(Bytes(file_), before_);
      }
      faults::Clear();
    }
  }
}

// Going on drops the changes: later stores try nothing again. Staying keeps
// them for "Spara som" to take into the new project.
TEST_F(FailedStoreTest, GoingOnStopsRetryingAndSaveAsTakesTheChangesAlong) {
  EditRoom();
  faults::Inject(FilePath(file_), faults::Step::Write, EACCES, faults::kUntilCleared);
  dialogs.answers = {false, true};
  dialogs.files = {Path(QStringLiteral("kopia.rot"))};
  ClickTab(TForm1::kSammanst);  // stays
  ui->SparaSom1->trigger();
  ClickTab(TForm1::kFilhantering);
  EXPECT_EQ(RoomNames(Path(QStringLiteral("kopia.rot"))), (QStringList{"A", "BX"}));
  Open(file_);
  QTest::keyClicks(ui->Anl1, QStringLiteral("Y"));
  ClickTab(TForm1::kAllmIndata);  // goes on
  dialogs.calls.clear();
  ClickTab(TForm1::kFilhantering);
  ui->UpDown1->Step(-1);
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(Bytes(file_), before_);
}

// A new room that could not be written goes with the changes given up: the
// room stepped to is shown as stored, and not written empty.
TEST_F(FailedStoreTest, GivingUpANewRoomLeavesTheOthersAlone) {
  file_ = MakeProject(QStringLiteral("hus.rot"), {"A", "B"});
  Open(file_);
  ClickTab(TForm1::kIndata);
  faults::Inject(FilePath(file_), faults::Step::Write, EACCES, 2);  // the new room and its store
  QTest::mouseClick(ui->NyttRumButton, Qt::LeftButton);
  dialogs.answers = {true};
  ui->UpDown1->Step(-1);
  EXPECT_EQ(ui->RumsNamn->text(), QStringLiteral("B"));
  EXPECT_EQ(FieldText(Record(file_, 2).Ytor[FrontWall][0].Namn), QStringLiteral("Vägg fram"));
}

}  // namespace
}  // namespace virano::testing
