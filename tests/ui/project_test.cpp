// "Ny / Öppna", the check of the chosen file, "Spara som" and the project
// named on the command line.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <cerrno>
#include <cstring>
#include <tuple>

#include "support/ProjectFixture.h"
#include "widgets/StringGrid.h"
#include "widgets/UpDown.h"

namespace virano::testing {
namespace {

const QString kFilter = QStringLiteral("Indata filer (*.rot)|*.rot|Alla filer (*.*)|*.*");

class ProjectTest : public ProjectWindowTest {};

// What a newly created project holds and shows.
void ExpectNewProject(const TForm1& form, const QString& stem) {
  const Kontroller k(form);
  EXPECT_EQ(QFileInfo(stem + QStringLiteral(".rot")).size(), 39998);
  EXPECT_EQ(form.Projekt().FilNamn(), stem);
  EXPECT_EQ(k.VisaFilNamn->text(), stem);
  EXPECT_TRUE(form.Projekt().FilOK());
  EXPECT_TRUE(form.Projekt().NyFil());
  EXPECT_EQ(k.Nummer->text(), QStringLiteral("1"));
  EXPECT_EQ(k.ComboBox1->currentText(), QStringLiteral("Vägg fram"));
  EXPECT_EQ(k.StringGrid1->Cells(0, 2), QStringLiteral("Vägg fram"));
  EXPECT_EQ(k.StringGrid1->Cells(1, 2), QStringLiteral("0"));
  EXPECT_EQ(k.StringGrid1->Cells(3, 2), QStringLiteral("0"));
  EXPECT_TRUE(k.StringGrid1->Cells(2, 2).isEmpty());
  EXPECT_EQ(k.StringGrid1->RowCount(), 20);
  EXPECT_EQ(k.Datum->text(), Idag());
  EXPECT_TRUE(k.RevDatum->text().isEmpty());
  EXPECT_TRUE(k.GroupBox14->isEnabled());
  EXPECT_TRUE(k.SaveAsButton->isEnabled());
  EXPECT_TRUE(k.SparaSom1->isEnabled());
}

TEST_F(ProjectTest, ANameThatDoesNotExistCreatesTheProject) {
  EXPECT_FALSE(ui->GroupBox14->isEnabled());
  Open(Path(QStringLiteral("nytt.rot")));
  ExpectNewProject(*form, Path(QStringLiteral("nytt")));

  ASSERT_EQ(dialogs.calls.size(), 1u);  // the dialog only: no message
  const FileDialogOptions& options = dialogs.calls[0].options;
  EXPECT_EQ(options.title, QStringLiteral("Öppna"));
  EXPECT_EQ(options.filter, kFilter);
  EXPECT_TRUE(options.promptCreate);
  EXPECT_EQ(options.startDir, form->ProgramBibl());

  const QString file = Path(QStringLiteral("nytt.rot"));
  const TRoomRecord general = Record(file, 0);
  EXPECT_EQ(general.FilVersion.Text(), "1");
  EXPECT_EQ(general.TextStorlek.Text(), "10");
  EXPECT_EQ(general.Radavst.Text(), "15");
  EXPECT_EQ(FieldText(general.Datum), Idag());
  EXPECT_TRUE(general.RevDatum.Empty());
  // Room 1 holds the window's defaults and empty surfaces.
  const TRoomRecord room = Record(file, 1);
  EXPECT_EQ(room.RumsTemp.Text(), "20");
  EXPECT_EQ(room.Rot.Text(), "20");
  EXPECT_EQ(room.LuftHast.Text(), "0,15");
  EXPECT_EQ(room.IncROT.Text(), "0");
  EXPECT_EQ(room.WattPerKvmTak.Text(), "0");
  EXPECT_EQ(room.HeatSystem.Get(), 0);
  for (const auto& block : room.Ytor)
    for (const TSurfaceRow& row : block) EXPECT_FALSE(row.InUse());

  // The next dialog starts in the project's folder; cancelling keeps it open.
  dialogs.files.push_back(std::nullopt);
  ui->Ny1->trigger();
  EXPECT_EQ(dialogs.calls.back().options.startDir, QFileInfo(file).absolutePath());
  EXPECT_EQ(form->Projekt().FilNamn(), Path(QStringLiteral("nytt")));
}

TEST_F(ProjectTest, OpeningShowsTheLastRoomAndTheGeneralData) {
  const QString file = MakeProject(QStringLiteral("fem.rot"),
                                   {"Rum 1", "Rum 2", "Rum 3", "Rum 4", "Rum 5"});
  dialogs.files.push_back(file);
  ui->Oppna1->trigger();
  EXPECT_TRUE(form->Projekt().FilOK());
  EXPECT_FALSE(form->Projekt().NyFil());
  EXPECT_EQ(ui->Nummer->text(), QStringLiteral("5"));
  EXPECT_EQ(ui->RumsNamn->text(), QStringLiteral("Rum 5"));
  EXPECT_EQ(ui->UpDown1->Max(), 5);
  EXPECT_EQ(ui->Anl1->text(), QStringLiteral("Skolan"));
  EXPECT_EQ(ui->Datum->text(), QStringLiteral("2001-02-03"));
  EXPECT_EQ(ui->TextStorlek->value(), 11);
  EXPECT_EQ(ui->Radavst->value(), 12);
  EXPECT_FALSE(form->Projekt().DataAendrad());
  EXPECT_FALSE(ui->CheckBox2->isChecked());
  // Opening stores nothing.
  EXPECT_EQ(Bytes(file), Bytes(MakeProject(QStringLiteral("jämför.rot"),
                                           {"Rum 1", "Rum 2", "Rum 3", "Rum 4", "Rum 5"})));
}

// A stored report setting that is no number shows the default; one outside
// the box's range shows the nearest limit.
TEST_F(ProjectTest, ReportSettingsShowTheDefaultOrTheNearestLimit) {
  const std::tuple<const char*, const char*, int, int> cases[] = {{"", "abc", 10, 15}, {"99", "3", 12, 10}};
  for (const auto& [textStorlek, radavst, shownTextStorlek, shownRadavst] : cases) {
    Open(MakeProject(QStringLiteral("först.rot"), {"A"}));  // shows 11 and 12
    Open(MakeProject(QStringLiteral("hus.rot"), {"A"}, [&](int, TRoomRecord& r) {
      r.TextStorlek.SetText(textStorlek);
      r.Radavst.SetText(radavst);
    }));
    EXPECT_EQ(ui->TextStorlek->value(), shownTextStorlek);
    EXPECT_EQ(ui->Radavst->value(), shownRadavst);
  }
}

TEST_F(ProjectTest, AnotherVersionIsRefusedAndNoProjectIsOpen) {
  Open(Path(QStringLiteral("först.rot")));
  const QString old = MakeProject(QStringLiteral("gammal.rot"), {"A"}, [](int k, TRoomRecord& r) {
    if (k == 0) {
      r.FilVersion.SetText("2");
      r.Anl1.SetText("Annan");
    }
  });
  dialogs.calls.clear();
  Open(old);
  EXPECT_EQ(dialogs.calls[1], BeepCall());
  EXPECT_EQ(dialogs.calls[2],
            MessageCall(QStringLiteral("Filen är skapad av programversion 2.x. Konvertering till denna "
                                       "programverion 1,12 behövs. Använd medföljande "
                                       "konverteringsprogram. Se manual"),
                        MessageKind::Information));
  EXPECT_FALSE(form->Projekt().FilOK());
  EXPECT_TRUE(form->Projekt().FilNamn().isEmpty());
  EXPECT_TRUE(ui->VisaFilNamn->text().isEmpty());
  EXPECT_TRUE(ui->RumsNamn->text().isEmpty());
  EXPECT_TRUE(ui->StringGrid1->Cells(0, 2).isEmpty());
  EXPECT_NE(ui->Anl1->text(), QStringLiteral("Annan"));
}

// A file that is no project, or cannot be stored into, is refused with its
// path and the error's text. No project is open then, and the commands that
// need one only say so.
TEST_F(ProjectTest, RefusedFilesAreNamedAndLeaveNoProjectToActOn) {
  const QString notNumber = MakeProject(QStringLiteral("text.rot"), {"A"}, [](int k, TRoomRecord& r) {
    if (k == 0) r.FilVersion.SetText("ett");
  });
  const QString empty = Path(QStringLiteral("tom.rot"));
  ProjectFile(FilePath(empty)).Create();
  const QString locked = MakeProject(QStringLiteral("låst.rot"), {"A"});
  const std::pair<QString, QString> cases[] = {{notNumber, QStringLiteral("'ett' är inte ett giltigt heltal")},
                                               {empty, QStringLiteral("Läsning efter filens slut")},
                                               {locked, QString::fromLocal8Bit(std::strerror(EACCES))}};
  for (const auto& [file, reason] : cases) {
    Open(MakeProject(QStringLiteral("öppen.rot"), {"A", "B"}));
    faults::Inject(FilePath(locked), faults::Step::Open, EACCES);
    dialogs.calls.clear();
    Open(file);
    EXPECT_EQ(dialogs.calls.back(), MessageCall(QStringLiteral("Filen kan inte öppnas som VIRANO-projekt: ") +
                                                    file + QLatin1Char('\n') + reason, MessageKind::Error));
    EXPECT_TRUE(form->Projekt().FilNamn().isEmpty());
    ui->UpDown1->Step(-1);  // reset with the window: no room to step to
    EXPECT_EQ(ui->Nummer->text(), QStringLiteral("1"));
    ui->SparaSom1->trigger();
    for (QPushButton* command : {ui->NyttRumButton, ui->RaderaRumButton})
      QTest::mouseClick(command, Qt::LeftButton);
    const std::vector<QString> shown = dialogs.Messages();
    EXPECT_EQ(std::vector(shown.begin() + 1, shown.end()), std::vector(3, QStringLiteral("Ingen fil är vald")));
    faults::Clear();
  }
}

TEST_F(ProjectTest, AProjectOfTheGeneralRecordAloneGetsAnEmptyRoom1) {
  const QString file = MakeProject(QStringLiteral("bara.rot"), {}, [](int, TRoomRecord& r) {
    r.HeatSystem.Set(77);
    r.RumsTemp.SetText("");
  });
  ui->RumsTemp->setText(QStringLiteral("18"));
  Open(file);
  EXPECT_TRUE(form->Projekt().FilOK());
  EXPECT_EQ(Records(file), 2);
  // Room 1 takes the room boxes, as a new room does.
  const TRoomRecord room = Record(file, 1);
  EXPECT_EQ(room.HeatSystem.Get(), 0);
  EXPECT_EQ(room.RumsTemp.Text(), "18");
  EXPECT_EQ(room.Rot.Text(), "20");
  EXPECT_EQ(ui->Nummer->text(), QStringLiteral("1"));
  EXPECT_EQ(ui->StringGrid1->Cells(0, 2), QStringLiteral("Vägg fram"));
}

TEST_F(ProjectTest, AProjectThatCannotBeCreatedIsNotOpen) {
  faults::Inject(FilePath(Path(QStringLiteral("nytt.rot"))), faults::Step::Open, ENOSPC);
  Open(Path(QStringLiteral("nytt.rot")));
  ASSERT_FALSE(dialogs.Messages().empty());
  EXPECT_EQ(dialogs.calls.back().messageKind, MessageKind::Error);
  EXPECT_FALSE(form->Projekt().FilOK());
  EXPECT_TRUE(form->Projekt().FilNamn().isEmpty());
}

// A name in a folder that does not exist is refused before anything changes.
TEST_F(ProjectTest, ANameInAMissingFolderIsRefusedAndTheProjectStaysOpen) {
  Open(MakeProject(QStringLiteral("hus.rot"), {"A", "B"}));
  const QString missing = Path(QStringLiteral("saknas"));
  for (QAction* command : {ui->Oppna1, ui->SparaSom1}) {
    dialogs.files.push_back(missing + QStringLiteral("/nytt.rot"));
    command->trigger();
    EXPECT_EQ(dialogs.calls.back(),
              MessageCall(missing + QStringLiteral("\nKatalogen finns inte."), MessageKind::Error));
    EXPECT_EQ(form->Projekt().FilNamn(), Path(QStringLiteral("hus")));
    EXPECT_EQ(ui->RumsNamn->text(), QStringLiteral("B"));
  }
  EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST_F(ProjectTest, SaveAsOntoTheOpenNameChangesNothing) {
  const QString file = MakeProject(QStringLiteral("hus.rot"), {"A", "B"});
  Open(file);
  const QByteArray before = Bytes(file);
  // Whatever the extension, and through a link to the same file.
  QFile::link(file, Path(QStringLiteral("länk.rot")));
  for (const QString& name : {QStringLiteral("hus.rot"), QStringLiteral("hus.txt"),
                              QStringLiteral("länk.rot")}) {
    dialogs.calls.clear();
    dialogs.files.push_back(Path(name));
    QTest::mouseClick(ui->SaveAsButton, Qt::LeftButton);
    ASSERT_EQ(dialogs.calls.size(), 2u) << name.toStdString();  // nothing asked
    EXPECT_EQ(dialogs.calls[1], MessageCall(QStringLiteral("Data är redan sparade under detta filnamn")));
    EXPECT_FALSE(dialogs.calls[0].options.confirmOverwrite);
    EXPECT_EQ(dialogs.calls[0].options.startDir, dir_.path());
  }
  EXPECT_EQ(form->Projekt().FilNamn(), Path(QStringLiteral("hus")));
  EXPECT_EQ(Bytes(file), before);
}

TEST_F(ProjectTest, SaveAsCopiesAndGoesOnInTheCopy) {
  const QString file = MakeProject(QStringLiteral("hus.rot"), {"A", "B", "C"}, [](int k, TRoomRecord& r) {
    if (k == 0) r.RevDatum.SetText("2002-03-04");
  });
  Open(file);
  const QByteArray before = Bytes(file);
  ClickTab(TForm1::kIndata);
  QTest::keyClicks(ui->RumsNamn, QStringLiteral("X"));  // not stored yet

  dialogs.files.push_back(Path(QStringLiteral("kopia.rot")));
  ui->SparaSom1->trigger();
  const FileDialogOptions& options = dialogs.calls.back().options;
  EXPECT_EQ(options.filter, kFilter);

  const QString copy = Path(QStringLiteral("kopia.rot"));
  EXPECT_EQ(form->Projekt().FilNamn(), Path(QStringLiteral("kopia")));
  EXPECT_EQ(ui->VisaFilNamn->text(), form->Projekt().FilNamn());
  EXPECT_EQ(Bytes(file), before);
  EXPECT_EQ(RoomNames(copy), (QStringList{"A", "B", "C"}));
  EXPECT_EQ(FieldText(Record(copy, 0).Datum), Idag());
  EXPECT_TRUE(Record(copy, 0).RevDatum.Empty());
  EXPECT_EQ(ui->Datum->text(), Idag());

  // The room's change goes into the copy when the tab is left.
  EXPECT_TRUE(form->Projekt().DataAendrad());
  ClickTab(TForm1::kFilhantering);
  EXPECT_EQ(RoomNames(copy), (QStringList{"A", "B", "CX"}));
  EXPECT_EQ(Bytes(file), before);
  // The open dialog proposes the copy.
  dialogs.files.push_back(std::nullopt);
  QTest::mouseClick(ui->OpenButton, Qt::LeftButton);
  EXPECT_EQ(dialogs.calls.back().options.fileName, form->Projekt().FilNamn());
}

TEST_F(ProjectTest, SaveAsAsksBeforeReplacingAnotherProject) {
  const QString file = MakeProject(QStringLiteral("hus.rot"), {"A"});
  const QString other = MakeProject(QStringLiteral("annan.rot"), {"X", "Y"});
  Open(file);
  const QByteArray kept = Bytes(other);
  dialogs.calls.clear();
  dialogs.files.push_back(Path(QStringLiteral("annan")));
  dialogs.answers.push_back(false);
  ui->SparaSom1->trigger();
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[1], YesNoCall(QStringLiteral("annan.rot finns redan.\nVill du ersätta den?"),
                                        Question::Deletes));
  EXPECT_EQ(Bytes(other), kept);
  EXPECT_EQ(form->Projekt().FilNamn(), Path(QStringLiteral("hus")));

  dialogs.files.push_back(Path(QStringLiteral("annan.txt")));
  dialogs.answers.push_back(true);
  ui->SparaSom1->trigger();
  EXPECT_EQ(form->Projekt().FilNamn(), Path(QStringLiteral("annan")));
  EXPECT_EQ(RoomNames(other), QStringList{"A"});

  // Also the name the dialog showed is asked about, after the same-name check.
  dialogs.calls.clear();
  dialogs.files.push_back(file);
  dialogs.answers.push_back(false);
  ui->SparaSom1->trigger();
  EXPECT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(form->Projekt().FilNamn(), Path(QStringLiteral("annan")));
}

TEST_F(ProjectTest, TheCommandLineProjectIsOpenedAtStart) {
  const QString missing = Path(QStringLiteral("PROJEKT.rot"));
  TForm1 created(dialogs, {missing}, nullptr, programDir.path());
  ExpectNewProject(created, Path(QStringLiteral("PROJEKT")));
  EXPECT_EQ(created.StartFil(), missing);
  // The window's defaults were in place when room 1 was written.
  EXPECT_EQ(Record(missing, 1).MinRot.Text(), "20");

  const QString file = MakeProject(QStringLiteral("tre.rot"), {"A", "B", "C"}, [](int k, TRoomRecord& r) {
    if (k == 3) r.MinRot.SetText("20,7");
  });
  TForm1 opened(dialogs, {file}, nullptr, programDir.path());
  const Kontroller k(opened);
  EXPECT_EQ(opened.Projekt().FilNamn(), Path(QStringLiteral("tre")));
  EXPECT_EQ(k.Nummer->text(), QStringLiteral("3"));
  EXPECT_EQ(k.RumsNamn->text(), QStringLiteral("C"));
  EXPECT_EQ(k.MinRot->text(), FormatDecimal(QStringLiteral("20,7")));
  EXPECT_TRUE(dialogs.Messages().empty());
}

}  // namespace
}  // namespace virano::testing
