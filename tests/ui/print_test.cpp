// "&Utskrift" and the error list's "Print" on a PDF file chosen in the
// scripted printer dialog, read back with pdftotext and set beside what
// virano-kalkyl --pdf writes for the same project.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QToolButton>
#include <cerrno>
#include <cstring>

#include "support/ProjectFixture.h"
#include "widgets/RadioGroup.h"
#include "windows/FelInfo.h"

namespace virano::testing {
namespace {

class PrintTest : public ProjectWindowTest {
 protected:
  // Standard output of `program`, run with the window's decimal separator.
  QString Run(const QString& program, const QStringList& args) const {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QLatin1String(form->DecimalPunkt() ? "C" : "sv_SE.UTF-8"));
    process.setProcessEnvironment(env);
    process.start(program, args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
  }
  QString PdfText(const QString& pdf) const {
    if (!QFileInfo::exists(pdf)) return {};
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  }
  // The set-up dialog of the button's job answered: a PDF file, or cancel.
  QString Print(QAbstractButton* button, bool accept = true) {
    dialogs.printToFile = Path(QStringLiteral("rapport.pdf"));
    dialogs.printerAnswers.push_back(accept);
    QTest::mouseClick(button, Qt::LeftButton);
    return PdfText(dialogs.printToFile);
  }
};

// Nothing without a project or when cancelled. Then Kontor, an unnamed room
// with "Skrubbfönster", Hall: each entry prints its own room, the summary
// stays on the last view and room.
TEST_F(PrintTest, ReportsInOrderOfTheChosenRoomOrOfEveryRoomAsTheCommandLinePrintsThem) {
  for (const bool all : {false, true}) {
    ui->CheckBox2->setChecked(all);
    QTest::mouseClick(ui->UtskriftVyerSpeedButton, Qt::LeftButton);
  }
  EXPECT_TRUE(dialogs.calls.empty());  // no printer dialog
  Open(MakeProject(QStringLiteral("hus.rot"), {"Kontor", "", "Hall"}, [](int k, TRoomRecord& r) {
    const QString name = k == 2 ? QStringLiteral("Skrubbfönster") : QStringLiteral("Fönster");
    SetCells(r.Ytor[FrontWall][1], name + QStringLiteral("|1|3|1|2||||12"));
    SetCells(r.Punkter[FrontWall][0], QStringLiteral("2|1,2|1"));
  }));
  ClickTab(TForm1::kSammanst);
  EXPECT_EQ(Print(ui->UtskriftVyerSpeedButton, false), QString());
  const struct {
    bool all, detail;
    int entry, lastView;
    QStringList order, kalkyl;  // the texts in order; virano-kalkyl's report options
  } cases[] = {
      {false, true, 1, TForm1::kDetaljView,
       {"Hall", "INDATA", "Hall", "RESULTAT", "RESULTAT DETALJERAD", "VÄGGVYER", "Hall"}, {}},
      {true, false, 0, TForm1::kResultatView,
       {"Kontor", "INDATA", "RESULTAT", "VÄGGVYER", "Kontor", "Hall", "INDATA", "RESULTAT",
        "VÄGGVYER", "Hall"},
       {"--indata", "--resultat", "--vaggvyer"}},
  };
  for (const auto& c : cases) {
    ui->ComboBox2->setCurrentIndex(c.entry);
    emit ui->ComboBox2->activated(c.entry);
    ui->CheckBox2->setChecked(c.all);
    ui->ResultDetaljCheckBox->setChecked(c.detail);
    const QString text = Print(ui->UtskriftVyerSpeedButton);
    qsizetype at = 0;
    for (const QString& part : c.order)
      EXPECT_GT(at = text.indexOf(part, at) + 1, 0) << part.toStdString();
    EXPECT_EQ(text.contains(QStringLiteral("DETALJERAD")), c.detail);
    EXPECT_FALSE(text.contains(QStringLiteral("Skrubbfönster")));
    EXPECT_EQ(ui->VisaResultatRadioGroup->ItemIndex(), c.lastView);
    EXPECT_EQ(ui->Nummer->text() + ui->ComboBox2->currentText(), QStringLiteral("3Hall"));
    const QString cli = Path(QStringLiteral("kalkyl.pdf"));
    QStringList args = QStringList{"--pdf", cli} + c.kalkyl << form->Projekt().FilNamn() + ".rot";
    Run(QStringLiteral(VIRANO_KALKYL), c.all ? args : args << QStringLiteral("3"));
    EXPECT_EQ(text, PdfText(cli));
  }
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(PrintTest, TheErrorListPrintsOnThePrinterLastChosenAndAFailureIsShown) {
  Open(MakeProject(QStringLiteral("hus.rot"), {"A"},
                   [](int, TRoomRecord& r) { r.Ytor[Floor][0] = TSurfaceRow{}; }));
  ui->Sk1->trigger();
  dialogs.printToFile = Path(QStringLiteral("hus.rot/fel.pdf"));  // a file as folder
  dialogs.printerAnswers.push_back(true);
  QTest::mouseClick(form->Form2->SkrivarValButton, Qt::LeftButton);
  QTest::mouseClick(form->Form2->SpeedButton1, Qt::LeftButton);
  ASSERT_EQ(dialogs.Messages().size(), 1U);
  EXPECT_TRUE(dialogs.Messages()[0].startsWith(QStringLiteral("Utskriften misslyckades: ")));
  EXPECT_EQ(dialogs.calls.back().messageKind, MessageKind::Error);

  EXPECT_EQ(Print(form->Form2->SkrivarValButton), QString());  // choosing prints nothing
  QTest::mouseClick(form->Form2->SpeedButton1, Qt::LeftButton);
  const QString printed = PdfText(dialogs.printToFile);
  EXPECT_TRUE(printed.contains(QStringLiteral("FELINFORMATION")) &&
              printed.contains(QStringLiteral("Saknar koordinater")));
  EXPECT_EQ(dialogs.calls.size(), 4U);  // the file, the failure and two "Välj"
  // Choosing prints nothing, and the dialog's button says so.
  EXPECT_EQ(dialogs.calls.back(), (DialogCall{DialogCall::PrinterSetup, QStringLiteral("OK")}));
}

// The project itself is no PDF file: refused, and the dialog shown again.
// A PDF file is written whole or not at all, and a full disk is told.
TEST_F(PrintTest, TheTargetIsCheckedAndAFailedWriteKeepsTheEarlierFile) {
  Open(MakeProject(QStringLiteral("hus.rot"), {"Kontor"}));
  ClickTab(TForm1::kSammanst);
  const QByteArray project = Bytes(form->Projekt().FilNamn() + QStringLiteral(".rot"));
  dialogs.printToFile = form->Projekt().FilNamn() + QStringLiteral(".rot");
  dialogs.printerAnswers = {true, false};
  dialogs.calls.clear();
  QTest::mouseClick(ui->UtskriftVyerSpeedButton, Qt::LeftButton);
  const DialogCall setUp{DialogCall::PrinterSetup, QStringLiteral("Skriv ut")};
  EXPECT_EQ(dialogs.calls, (std::vector{setUp, BeepCall(),
                                        MessageCall(dialogs.printToFile +
                                                        QStringLiteral(" är ingen PDF-fil och skrivs inte "
                                                                       "över.\nVälj en annan fil."),
                                                    MessageKind::Warning),
                                        setUp}));
  EXPECT_EQ(Bytes(form->Projekt().FilNamn() + QStringLiteral(".rot")), project);

  const QString pdf = Path(QStringLiteral("rapport.pdf"));
  QFile earlier(pdf);
  ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write("%PDF-1.4 tidigare") > 0);
  earlier.close();
  faults::Inject(FilePath(pdf), faults::Step::Write, ENOSPC);
  dialogs.calls.clear();
  EXPECT_EQ(Print(ui->UtskriftVyerSpeedButton), QString());
  faults::Clear();
  EXPECT_EQ(dialogs.Messages(), std::vector{QStringLiteral("Utskriften misslyckades: ") +
                                            QString::fromLocal8Bit(std::strerror(ENOSPC)) +
                                            QStringLiteral(": ") + pdf});
  EXPECT_EQ(Bytes(pdf), QByteArray("%PDF-1.4 tidigare"));
}

}  // namespace
}  // namespace virano::testing
