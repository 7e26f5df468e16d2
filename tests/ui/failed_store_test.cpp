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

// A store that fails as the user leaves the edit: with `step` failing with
// `error`, by command `command` (0 a tab change, 1 the stepper, 2 "&Ny",
// 3 closing), the user stays or goes on.
using StoreFailure = std::tuple<std::pair<faults::Step, int>, int, bool>;

class FailedStoreCaseTest : public FailedStoreTest, public ::testing::WithParamInterface<StoreFailure> {
 protected:
  void Command(int command) {
    switch (command) {
      case 0: ClickTab(TForm1::kSammanst); break;
      case 1: ui->UpDown1->Step(-1); break;
      case 2: ui->Ny1->trigger(); break;
      default: form->close(); break;
    }
  }
  bool WentOn(int command) const {
    switch (command) {
      case 0: return form->ActivePage() == TForm1::kSammanst;
      case 1: return ui->Nummer->text() == QStringLiteral("1");
      case 2: return dialogs.calls.back().kind == DialogCall::OpenFile;
      default: return !form->isVisible();
    }
  }
};

TEST_P(FailedStoreCaseTest, TheUserStaysOrGoesOnWithoutStoring) {
  const auto& [failure, command, goOn] = GetParam();
  const auto [step, error] = failure;
  EditRoom();
  faults::Inject(FilePath(file_), step, error);
  dialogs.files = {std::nullopt};
  dialogs.calls.clear();
  if (command == 3) dialogs.answers = {true};  // "Avsluta programmet?"
  dialogs.answers.push_back(goOn);
  Command(command);
  EXPECT_EQ(dialogs.Messages(), std::vector{QString::fromLocal8Bit(std::strerror(error)) + ": " + file_});
  if (!goOn) {
    EXPECT_EQ(dialogs.calls.back(), YesNoCall(QStringLiteral("Ändringarna kunde inte sparas. "
                                                             "Fortsätta utan att spara?"), Question::Deletes));
  }
  EXPECT_EQ(WentOn(command), goOn);
  EXPECT_EQ(Bytes(file_), before_);
}

std::string StoreFailureName(const ::testing::TestParamInfo<StoreFailure>& param) {
  const auto& [failure, command, goOn] = param.param;
  const char* errors[] = {"WriteRefused", "DiskFull", "FileGone"};
  const int e = failure.second == EACCES ? 0 : failure.second == ENOSPC ? 1 : 2;
  const char* commands[] = {"TabChange", "Stepper", "OpenAnother", "Close"};
  return std::string(errors[e]) + commands[command] + (goOn ? "GoesOn" : "Stays");
}

INSTANTIATE_TEST_SUITE_P(
    FailedStore, FailedStoreCaseTest,
    ::testing::Combine(::testing::Values(std::pair(faults::Step::Write, EACCES),
                                         std::pair(faults::Step::Write, ENOSPC),
                                         std::pair(faults::Step::Open, ENOENT)),
                       ::testing::Range(0, 4), ::testing::Bool()),
    StoreFailureName);

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
