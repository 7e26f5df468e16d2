// Omvandlare: the JSON and version-1 conversions, the built program's
// command line and exit codes, and its window.
#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>

#include "OmvandlareForm.h"
#include "ProjectFixture.h"

namespace virano::testing {
namespace {

using omvandlare::ConverterError;
using omvandlare::ProjectFromJson;
using omvandlare::ProjectToJson;

// A project of three rooms: names outside ASCII, the second room with every
// row of every block filled to the width of its fields, the third sparse.
std::vector<TRoomRecord> TestProject(const char* version) {
  std::vector<TRoomRecord> records(4);
  TRoomRecord& general = records[0];
  general.FilVersion.SetText(version);
  general.TextStorlek.SetText("10");
  general.Radavst.SetText("15");
  general.Signatur.SetText("Åke Öst");
  general.Anl1.SetText("Skolan på Ängen, hus € 3");
  general.Datum.SetText("2024-05-06");
  const char* names[] = {"Kök", "Förråd ÅÄÖ", "Hall"};
  for (int k = 1; k <= 3; ++k) {
    TRoomRecord& room = records[k];
    room.RumsNamn.SetText(names[k - 1]);
    room.RumsTemp.SetText("20,5");
    room.LuftHast.SetText(">0,35");
    room.HeatSystem.Set(k == 3 ? -7 : k);
  }
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    for (int r = 0; r < kSurfaceRowsPerBlock; ++r)
      for (int c = 0; c < TSurfaceRow::kCellCount; ++c)
        records[2].Ytor[s][r].cell(c).SetText("Ö" + std::to_string(s * 1000 + r * 10 + c) + "ÅÄÖåäöéüÉÜ§½");
    for (int r = 0; r < kPointRowsPerBlock; ++r)
      for (int c = 0; c < TPointRow::kCellCount; ++c)
        records[2].Punkter[s][r].cell(c).SetText(std::to_string(r) + "," + std::to_string(s * 10 + c) + "äö");
  }
  records[3].Ytor[Floor][3].X2.SetText("4,2");  // a row without a name
  records[3].Punkter[Ceiling][10].Zp.SetText("1");
  return records;
}

QByteArray BytesOf(const std::vector<TRoomRecord>& records) {
  return QByteArray(reinterpret_cast<const char*>(records.data()),
                    static_cast<qsizetype>(records.size() * sizeof(TRoomRecord)));
}

struct Outcome {
  int code;
  QString out, err;
};

Outcome RunProgram(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(60000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

class OmvandlareTest : public ProjectWindowTest {
 protected:
  QString Write(const QString& name, const QByteArray& bytes) {
    QFile file(Path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
  }
};

TEST_F(OmvandlareTest, JsonRoundTripGivesBackTheSameBytes) {
  const QByteArray project = BytesOf(TestProject("1"));
  const QString rot = Write(QStringLiteral("a.rot"), project);
  const QString json = Path(QStringLiteral("a.json")), back = Path(QStringLiteral("b.rot"));
  EXPECT_EQ(RunProgram(QStringLiteral(OMVANDLARE), {QStringLiteral("--till-json"), rot, json}).code, 0);
  // The document reads as the project does, texts in UTF-8.
  const QJsonObject document = QJsonDocument::fromJson(Bytes(json)).object();
  const QJsonArray rooms = document[QStringLiteral("rum")].toArray();
  ASSERT_EQ(rooms.size(), 3);
  EXPECT_EQ(rooms[1][QStringLiteral("RumsNamn")].toString(), QStringLiteral("Förråd ÅÄÖ"));
  EXPECT_EQ(rooms[1][QStringLiteral("Ytor")][QStringLiteral("Golv")].toArray().size(), kSurfaceRowsPerBlock);
  EXPECT_EQ(rooms[2][QStringLiteral("Ytor")][QStringLiteral("Golv")].toArray().size(), 1);
  EXPECT_EQ(rooms[0][QStringLiteral("Ytor")][QStringLiteral("Tak")].toArray().size(), 0);
  // Without a choice the names decide: JSON in, project out.
  EXPECT_EQ(RunProgram(QStringLiteral(OMVANDLARE), {json, back}).code, 0);
  EXPECT_EQ(Bytes(back), project);
  EXPECT_EQ(Bytes(rot), project);
}

TEST_F(OmvandlareTest, WrongDocumentsAreRefusedWithTheFieldsPath) {
  const QByteArray good = ProjectToJson(TestProject("1")).toJson(QJsonDocument::Compact);
  const struct {
    QByteArray from, to;  // every `from` is replaced; an empty one stands for the whole document
    QString refusal;
  } cases[] = {
      {"\"RumsNamn\":\"Kök\"", "\"RumsNamn\":\"Köksavdelningen1\"", "rum[0].RumsNamn: texten är för lång, högst 15 tecken"},
      {"\"RumsNamn\":\"Kök\"", "\"Rumsnamn\":\"Kök\"", "rum[0].Rumsnamn: okänt fält"},
      {"\"Signatur\":\"Åke Öst\"", "\"Signatur\":5", "allmant.Signatur: ska vara en text"},
      {"\"Signatur\":\"Åke Öst\"", "\"Signatur\":\"Łukasz\"", "allmant.Signatur: texten har tecken som inte kan lagras"},
      {"\"HeatSystem\":1", "\"HeatSystem\":1.5", "rum[0].HeatSystem: ska vara ett heltal"},
      {"\"rad\":20", "\"rad\":21", "rum[1].Ytor.Vägg fram[20].rad: ska vara ett heltal från 0 till 20"},
      {"\"typ\":\"VIRANO-projekt\"", "\"typ\":\"annat\"", "typ: ska vara \"VIRANO-projekt\""},
      {"", "{\"typ\":\"VIRANO-projekt\",\"allmant\":{},\"rum\":[]}", "rum: antalet rum är 0"},
      {"", "[]", "dokumentet: ska vara ett objekt"},
  };
  for (const auto& c : cases) {
    QByteArray text = c.from.isEmpty() ? c.to : QByteArray(good).replace(c.from, c.to);
    ASSERT_NE(text, good);
    try {
      ProjectFromJson(QJsonDocument::fromJson(text));
      ADD_FAILURE() << "accepted: " << c.to.toStdString();
    } catch (const ConverterError& error) {
      EXPECT_TRUE(QString::fromUtf8(error.what()).contains(c.refusal)) << error.what();
    }
  }
}

TEST_F(OmvandlareTest, AnotherVersionConvertedToVersion1OpensInVirano) {
  const QByteArray v2 = BytesOf(TestProject("2"));
  const QString in = Write(QStringLiteral("gammal.rot"), v2), out = Path(QStringLiteral("ny.rot"));
  EXPECT_EQ(RunProgram(QStringLiteral(OMVANDLARE), {QStringLiteral("--version-1"), in, out}).code, 0);
  EXPECT_EQ(Bytes(in), v2);
  EXPECT_EQ(Bytes(out), BytesOf(TestProject("1")));
  Open(out);
  EXPECT_TRUE(form->FilOK);
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_EQ(form->Nummer->text(), QStringLiteral("3"));
}

TEST_F(OmvandlareTest, ExitCodesOfTheCommandLines) {
  const QString v1 = Write(QStringLiteral("v1.rot"), BytesOf(TestProject("1")));
  const QString odd = Write(QStringLiteral("udda.rot"), BytesOf(TestProject("2")).chopped(1));
  const QString damaged = Write(QStringLiteral("trasig.json"), ProjectToJson(TestProject("1")).toJson().chopped(9));
  const QString out = Path(QStringLiteral("ut.rot"));
  const QString omvandlare = QStringLiteral(OMVANDLARE), brukarreg = QStringLiteral(BRUKARREG);
  const struct {
    QString program;
    QStringList arguments;
    int code;
    QString text;  // in what the program writes
  } cases[] = {
      {omvandlare, {QStringLiteral("--help")}, 0, QStringLiteral("Användning: Omvandlare")},
      {omvandlare, {QStringLiteral("--okänd"), v1, out}, 2, QStringLiteral("okänt val --okänd")},
      {omvandlare, {v1}, 2, QStringLiteral("ange filen IN och filen UT")},
      {omvandlare, {QStringLiteral("--till-json"), QStringLiteral("--fran-json"), v1, out}, 2, QStringLiteral("bara en")},
      {omvandlare, {v1, v1}, 2, QStringLiteral("samma fil")},
      {omvandlare, {QStringLiteral("--till-json"), Path(QStringLiteral("saknas.rot")), out}, 3, QStringLiteral("Kan inte läsa")},
      {omvandlare, {QStringLiteral("--fran-json"), damaged, out}, 3, QStringLiteral("inget giltigt JSON-dokument")},
      {omvandlare, {QStringLiteral("--version-1"), v1, out}, 3, QStringLiteral("redan av version 1")},
      {omvandlare, {QStringLiteral("--version-1"), odd, out}, 3, QStringLiteral("inte ett helt antal poster")},
      {brukarreg, {QStringLiteral("--help")}, 0, QStringLiteral("Användning: Brukarreg")},
      {brukarreg, {v1, out}, 2, QStringLiteral("felaktiga argument")},
  };
  for (const auto& c : cases) {
    const Outcome run = RunProgram(c.program, c.arguments);
    EXPECT_EQ(run.code, c.code) << c.arguments.join(' ').toStdString();
    EXPECT_TRUE((run.out + run.err).contains(c.text)) << (run.out + run.err).toStdString();
    EXPECT_FALSE(QFileInfo::exists(out));
  }
}

TEST_F(OmvandlareTest, TheWindowConvertsAndAsksBeforeReplacing) {
  TOmvandlareForm window(dialogs);
  window.TillJsonButton->setChecked(true);
  window.FranEdit->setText(Write(QStringLiteral("a.rot"), BytesOf(TestProject("1"))));
  emit window.FranEdit->editingFinished();
  EXPECT_EQ(window.TillEdit->text(), Path(QStringLiteral("a.json")));
  EXPECT_TRUE(window.KonverteraButtonClick());
  dialogs.answers.push_back(false);
  EXPECT_FALSE(window.KonverteraButtonClick());
  EXPECT_EQ(dialogs.calls, (std::vector{MessageCall(QStringLiteral("Klart. ") + Path(QStringLiteral("a.json")) +
                                                         QStringLiteral(" är skriven."),
                                                     MessageKind::Information),
                                       YesNoCall(Path(QStringLiteral("a.json")) +
                                                 QStringLiteral(" finns redan.\nVill du ersätta den?"))}));
}

}  // namespace
}  // namespace virano::testing
