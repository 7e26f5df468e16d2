// "NYTT RUM", "RADERA RUM", the room number's arrows and the room chooser.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "support/ProjectFixture.h"
#include "widgets/Colours.h"
#include "widgets/StringGrid.h"
#include "widgets/UpDown.h"

namespace virano::testing {
namespace {

class RoomsTest : public ProjectWindowTest {
 protected:
  // Opens a project of rooms with these names and shows room `shown`.
  QString OpenRooms(const QStringList& names, int shown) {
    const QString file = MakeProject(QStringLiteral("rum.rot"), names);
    Open(file);
    ui->UpDown1->Step(shown - ui->UpDown1->Position());
    return file;
  }
  void Delete(bool yes) {
    dialogs.answers.push_back(yes);
    QTest::mouseClick(ui->RaderaRumButton, Qt::LeftButton);
  }
};

TEST_F(RoomsTest, DeletingRoom2Of4MovesTheLaterRoomsDown) {
  const QString file = OpenRooms({"A", "B", "C", "D"}, 2);
  ASSERT_EQ(ui->RumsNamn->text(), QStringLiteral("B"));
  const qint64 size = QFileInfo(file).size();
  Delete(true);
  EXPECT_EQ(dialogs.calls[1], BeepCall());
  EXPECT_EQ(dialogs.calls[2].text, QStringLiteral("Skall visat rum raderas?"));
  EXPECT_EQ(QFileInfo(file).size(), size - 19999);
  EXPECT_EQ(RoomNames(file), (QStringList{"A", "C", "D"}));
  EXPECT_EQ(ui->Nummer->text(), QStringLiteral("2"));
  EXPECT_EQ(ui->RumsNamn->text(), QStringLiteral("C"));
  EXPECT_EQ(ui->UpDown1->Max(), 3);
}

TEST_F(RoomsTest, DeletingTheLastRoomShowsTheOneBefore) {
  const QString file = OpenRooms({"A", "B", "C"}, 3);
  Delete(true);
  EXPECT_EQ(RoomNames(file), (QStringList{"A", "B"}));
  EXPECT_EQ(ui->Nummer->text(), QStringLiteral("2"));
  EXPECT_EQ(ui->RumsNamn->text(), QStringLiteral("B"));
  EXPECT_EQ(ui->UpDown1->Max(), 2);
}

TEST_F(RoomsTest, DeletingARoomWithoutARecordShowsTheRoomBeforeUntouched) {
  const QString file = OpenRooms({"A", "B"}, 2);
  QTest::mouseClick(ui->NyttRumButton, Qt::LeftButton);
  ASSERT_EQ(ui->Nummer->text(), QStringLiteral("3"));
  ASSERT_TRUE(form->Projekt().RumEjLagrat());
  // The new room's record is gone (cut by another program, say).
  ProjectFile(FilePath(file)).Truncate(3);
  const QByteArray before = Bytes(file);
  Delete(true);
  EXPECT_EQ(ui->Nummer->text(), QStringLiteral("2"));
  EXPECT_EQ(ui->UpDown1->Max(), 2);
  EXPECT_EQ(ui->RumsNamn->text(), QStringLiteral("B"));
  EXPECT_EQ(ui->StringGrid1->Cells(2, 2), QStringLiteral("4"));
  EXPECT_EQ(Bytes(file), before);
}

TEST_F(RoomsTest, DeletingTheOnlyRoomLeavesANewEmptyRoom1) {
  const QString file = OpenRooms({"A"}, 1);
  const QByteArray before = Bytes(file);
  Delete(false);
  EXPECT_EQ(dialogs.calls.back(), YesNoCall(QStringLiteral("Skall visat rum raderas?"), Question::Deletes));
  EXPECT_EQ(ui->RumsNamn->text(), QStringLiteral("A"));
  EXPECT_EQ(Bytes(file), before);

  ClickTab(TForm1::kIndata);
  ChooseSurface(Floor);
  ui->RumsTemp->setText(QStringLiteral("18"));
  Delete(true);
  // Room 1 is a new room of the room boxes, shown as a new project shows
  // it: a width typed into its main surface row is stored with the name.
  EXPECT_EQ(Records(file), 2);
  EXPECT_TRUE(Record(file, 1).RumsNamn.Empty());
  EXPECT_EQ(Record(file, 1).RumsTemp.Text(), "18");
  EXPECT_FALSE(Record(file, 1).Ytor[Floor][0].InUse());
  EXPECT_EQ(ui->ComboBox1->currentText(), QStringLiteral("Vägg fram"));
  EXPECT_FALSE(form->Projekt().DataAendrad());
  TypeCell(ui->StringGrid1, 2, 2, QStringLiteral("5"));
  ClickTab(TForm1::kFilhantering);
  EXPECT_EQ(FieldText(Record(file, 1).Ytor[FrontWall][0].Namn), QStringLiteral("Vägg fram"));
  EXPECT_EQ(FieldText(Record(file, 1).Ytor[FrontWall][0].X2), QStringLiteral("5"));
}

TEST_F(RoomsTest, ANewRoomNeedsANameAndWritesNothingWithout) {
  Open(Path(QStringLiteral("nytt.rot")));
  const QByteArray before = Bytes(Path(QStringLiteral("nytt.rot")));
  dialogs.calls.clear();
  QTest::mouseClick(ui->NyttRumButton, Qt::LeftButton);
  EXPECT_EQ(dialogs.calls, (std::vector{BeepCall(), MessageCall(QStringLiteral("Fel markerat med rött"))}));
  EXPECT_EQ(ui->RumsNamn->palette().color(QPalette::Base), colours::kRed);
  EXPECT_NE(ui->ComboBox1->palette().color(QPalette::Base), colours::kRed);
  EXPECT_EQ(Bytes(Path(QStringLiteral("nytt.rot"))), before);
  EXPECT_EQ(ui->UpDown1->Max(), 1);
}

TEST_F(RoomsTest, ANewRoomIsAddedEmptyAndKeepsTheRoomBoxes) {
  const QString file = OpenRooms({"A"}, 1);
  ui->RumsTemp->setText(QStringLiteral("18"));
  QTest::keyClicks(ui->RumsNamn, QStringLiteral("1"));  // marks the room changed
  QTest::mouseClick(ui->NyttRumButton, Qt::LeftButton);

  EXPECT_EQ(Records(file), 3);
  EXPECT_EQ(FieldText(Record(file, 1).RumsNamn), QStringLiteral("A1"));  // stored first
  EXPECT_EQ(ui->Nummer->text(), QStringLiteral("2"));
  EXPECT_EQ(ui->UpDown1->Max(), 2);
  EXPECT_TRUE(ui->RumsNamn->text().isEmpty());
  EXPECT_EQ(ui->RumsNamn->palette().color(QPalette::Base), colours::kRed);
  EXPECT_EQ(ui->RumsTemp->text(), QStringLiteral("18"));
  EXPECT_EQ(ui->StringGrid1->Cells(0, 2), QStringLiteral("Vägg fram"));
  EXPECT_TRUE(ui->StringGrid1->Cells(2, 2).isEmpty());
  EXPECT_TRUE(form->Projekt().RumEjLagrat());
  const TRoomRecord room = Record(file, 2);
  EXPECT_FALSE(room.Ytor[FrontWall][0].InUse());

  // Named and stepped away from, the new room is stored with its name; the
  // step is refused, since the room has no surfaces yet.
  QTest::keyClicks(ui->RumsNamn, QStringLiteral("Ny"));
  ui->UpDown1->Step(-1);
  EXPECT_EQ(RoomNames(file), (QStringList{"A1", "Ny"}));
  EXPECT_EQ(FieldText(Record(file, 2).RumsTemp), QStringLiteral("18"));
  EXPECT_EQ(ui->Nummer->text(), QStringLiteral("2"));
  EXPECT_EQ(ui->RumsNamn->text(), QStringLiteral("Ny"));
}

TEST_F(RoomsTest, SteppingLabelsThePointsWithTheFrontWall) {
  OpenRooms({"A", "B"}, 2);
  ClickTab(TForm1::kIndata);
  ChooseSurface(Floor);
  ASSERT_EQ(ui->Label7->text(), QStringLiteral("Mot - Golv"));
  ui->UpDown1->Step(-1);
  EXPECT_EQ(ui->ComboBox1->currentText(), QStringLiteral("Vägg fram"));
  EXPECT_EQ(ui->StringGrid1->Cells(0, 2), QStringLiteral("Vägg fram"));
  EXPECT_EQ(ui->Label7->text(), QStringLiteral("Mot - Vägg fram"));
  EXPECT_EQ(ui->RumsYta->title(), QStringLiteral("Vägg fram"));
}

TEST_F(RoomsTest, AMarkedErrorKeepsTheRoom) {
  const QString file = OpenRooms({"A", "B"}, 2);
  TypeCell(ui->StringGrid1, 0, 3, QStringLiteral("Fönster"));  // no coordinates: red cells
  ui->UpDown1->Step(-1);
  EXPECT_EQ(ui->Nummer->text(), QStringLiteral("2"));
  QTest::mouseClick(ui->NyttRumButton, Qt::LeftButton);
  EXPECT_EQ(dialogs.Messages(), std::vector<QString>(2, QStringLiteral("Fel markerat med rött")));
  EXPECT_EQ(Records(file), 3);
}

TEST_F(RoomsTest, EachChooserEntryShowsItsOwnRoom) {
  OpenRooms({"Kontor", "", "Hall"}, 1);
  ClickTab(TForm1::kSammanst);
  // Unnamed rooms are left out; each entry keeps its room's number.
  ASSERT_EQ(ui->ComboBox2->count(), 2);
  EXPECT_EQ(ui->ComboBox2->itemText(1), QStringLiteral("Hall"));
  EXPECT_EQ(ui->ComboBox2->currentIndex(), 0);
  ui->ComboBox2->setCurrentIndex(1);
  emit ui->ComboBox2->activated(1);
  EXPECT_EQ(ui->Nummer->text(), QStringLiteral("3"));
  EXPECT_EQ(ui->RumsNamn->text(), QStringLiteral("Hall"));
  EXPECT_EQ(ui->StringGrid3->Cells(0, 3), QStringLiteral("Hall"));
  // Entering the summary again chooses the shown room's entry.
  ui->UpDown1->Step(-2);
  ClickTab(TForm1::kFilhantering);
  ClickTab(TForm1::kSammanst);
  EXPECT_EQ(ui->ComboBox2->currentIndex(), 0);
  EXPECT_EQ(ui->StringGrid3->Cells(0, 3), QStringLiteral("Kontor"));
}

}  // namespace
}  // namespace virano::testing
