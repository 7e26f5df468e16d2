// Omvandlare: the JSON and version-1 conversions, the built programs'
// command lines and exit codes, and the converter's window.
#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <clocale>

#include "OmvandlareForm.h"
#include "support/ProjectFixture.h"

namespace virano::testing {
namespace {

using namespace Qt::StringLiterals;

// Three rooms: names outside ASCII, the second with every row of every block
// filled to the width of its fields, the third with a row without a name.
std::vector<TRoomRecord> TestProject(const char* version) {
  std::vector<TRoomRecord> records(4);
  records[0].FilVersion.SetText(version);
  records[0].Signatur.SetText("Åke Öst");
  records[0].Anl1.SetText("Skolan på Ängen, hus € 3");
  // The bytes the code page leaves unassigned, and control characters.
  const char odd[] = "\x81\x8D\x8F\x90\x9D\x01\t\x7F\"\\";
  records[0].Anl2.length = sizeof odd - 1;
  std::copy(odd, odd + sizeof odd - 1, records[0].Anl2.chars.begin());
  const char* names[] = {"Kök", "Förråd ÅÄÖ", "Hall"};
  for (int k = 1; k <= 3; ++k) {
    records[k].RumsNamn.SetText(names[k - 1]);
    records[k].LuftHast.SetText(">0,35");
    for (auto* field : {&records[k].RumsTemp, &records[k].Rot, &records[k].MinRot}) field->SetText("20");
    for (auto* field : {&records[k].IncROT, &records[k].WattPerKvmTak, &records[k].Temp05OG,
                        &records[k].Temp18OG})
      field->SetText("0");
    records[k].HeatSystem.Set(k == 2 ? -7 : k);
  }
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    for (int r = 0; r < kSurfaceRowsPerBlock; ++r)
      for (int c = 0; c < TSurfaceRow::kCellCount; ++c)
        records[2].Ytor[s][r].cell(c).SetText("Ö" + std::to_string(s * 1000 + r * 10 + c) + "ÅÄÖåäöéüÉÜ§½");
    for (int r = 0; r < kPointRowsPerBlock; ++r)
      for (int c = 0; c < TPointRow::kCellCount; ++c)
        records[2].Punkter[s][r].cell(c).SetText(std::to_string(r) + "," + std::to_string(s * 10 + c) + "äö");
  }
  records[3].Ytor[Floor][3].X2.SetText("4,2");
  return records;
}

QByteArray BytesOf(const std::vector<TRoomRecord>& records) {
  return QByteArray(reinterpret_cast<const char*>(records.data()),
                    static_cast<qsizetype>(records.size() * sizeof(TRoomRecord)));
}

// Every text field a JSON document carries: the general data's and a room's.
template <typename Visit>
void EachTextField(TRoomRecord& g, TRoomRecord& r, Visit&& visit) {
  const auto all = [&visit](auto&... field) { (visit(field), ...); };
  all(g.FilVersion, g.TextStorlek, g.Radavst, g.Signatur, g.Anl1, g.Anl2, g.Datum, g.RevDatum, r.RumsNamn,
      r.LuftHast, r.IncROT, r.RumsTemp, r.Rot, r.MinRot, r.WattPerKvmTak, r.Temp05OG, r.Temp18OG);
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    for (TSurfaceRow& row : r.Ytor[s])
      for (int c = 0; c < TSurfaceRow::kCellCount; ++c) visit(row.cell(c));
    for (TPointRow& row : r.Punkter[s])
      for (int c = 0; c < TPointRow::kCellCount; ++c) visit(row.cell(c));
  }
}

std::vector<TRoomRecord> ThroughJson(const std::vector<TRoomRecord>& records) {
  return omvandlare::ProjectFromJson(QJsonDocument::fromJson(omvandlare::ProjectToJson(records)));
}

// The exit code of a built program, and all it wrote.
std::pair<int, QString> RunProgram(const QString& program, const QStringList& arguments,
                                   const QString& locale = u"C"_s) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(u"LC_ALL"_s, locale);
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  process.waitForFinished(60000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError())};
}

class OmvandlareTest : public ProjectWindowTest {
 protected:
  QString Write(const QString& name, const QByteArray& bytes) {
    QFile file(Path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
  }
  const QString omvandlare_ = QStringLiteral(OMVANDLARE);
};

TEST_F(OmvandlareTest, JsonRoundTripGivesBackTheSameBytes) {
  const QString rot = Write(u"a.rot"_s, BytesOf(TestProject("1"))), json = Path(u"a.json"_s);
  EXPECT_EQ(RunProgram(omvandlare_, {u"--till-json"_s, rot, json}).first, 0);
  // The document reads as the project does, texts in UTF-8, used rows only.
  const QJsonArray rooms = QJsonDocument::fromJson(Bytes(json))[u"rum"_s].toArray();
  ASSERT_EQ(rooms.size(), 3);
  EXPECT_EQ(rooms[1][u"RumsNamn"_s].toString(), u"Förråd ÅÄÖ"_s);
  EXPECT_EQ(rooms[1][u"Ytor"_s][u"Golv"_s].toArray().size(), kSurfaceRowsPerBlock);
  EXPECT_EQ(rooms[2][u"Ytor"_s][u"Golv"_s].toArray().size(), 1);
  EXPECT_EQ(rooms[0][u"Ytor"_s][u"Tak"_s].toArray().size(), 0);
  // Every key in the record's order.
  const QByteArray text = Bytes(json);
  qsizetype at = 0;
  for (const char* key : {"typ", "allmant", "FilVersion", "TextStorlek", "Radavst", "Signatur", "Anl1",
                          "Anl2", "Datum", "RevDatum", "rum", "RumsNamn", "LuftHast", "IncROT", "RumsTemp",
                          "Rot", "MinRot", "HeatSystem", "WattPerKvmTak", "Temp05OG", "Temp18OG", "Ytor",
                          "Vägg fram", "Vägg vänster", "Vägg höger", "Vägg bak", "Golv", "Tak", "Punkter",
                          "RumsNamn", "Ytor", "Vägg fram", "rad", "Namn", "X1", "X2", "Y1", "Y2", "UVarde",
                          "Mi", "TempUtsida", "YtTemp"})
    EXPECT_GT(at = text.indexOf('"' + QByteArray(key) + "\":", at) + 1, 0) << key;
  // Without a choice the names decide: JSON in, project out.
  EXPECT_EQ(RunProgram(omvandlare_, {json, Path(u"b.rot"_s)}).first, 0);
  EXPECT_EQ(Bytes(Path(u"b.rot"_s)), BytesOf(TestProject("1")));
}

// Project j fills each field to its capacity N with the bytes j·N, j·N + 1
// and on: after 52 projects every field has held every byte.
TEST_F(OmvandlareTest, EveryByteOfEveryTextFieldComesBackFromJson) {
  for (int j = 0; j < 52; ++j) {
    std::vector<TRoomRecord> records(2);
    EachTextField(records[0], records[1], [j](auto& field) {
      field.length = static_cast<std::uint8_t>(field.kCapacity);
      for (std::size_t i = 0; i < field.kCapacity; ++i) field.chars[i] = static_cast<char>(j * field.kCapacity + i);
    });
    std::vector<TRoomRecord> back = ThroughJson(records);
    ASSERT_EQ(back.size(), 2U);
    std::vector<std::string> texts, backTexts;
    EachTextField(records[0], records[1], [&texts](auto& field) { texts.emplace_back(field.Raw()); });
    EachTextField(back[0], back[1], [&backTexts](auto& field) { backTexts.emplace_back(field.Raw()); });
    for (std::size_t f = 0; f < texts.size(); ++f) EXPECT_EQ(backTexts[f], texts[f]) << "field " << f << ", project " << j;
  }
  // A project of its general data alone.
  const std::vector<TRoomRecord> general(1, TestProject("1")[0]);
  EXPECT_EQ(BytesOf(ThroughJson(general)), BytesOf(general));
}

// From the command line and from the window alike, never Qt's own texts.
TEST_F(OmvandlareTest, FileErrorsReadInTheUsersLanguage) {
  const QString missing = Path(u"saknas.rot"_s);
  EXPECT_EQ(RunProgram(omvandlare_, {missing, Path(u"ut.json"_s)}, u"sv_SE.UTF-8"_s),
            std::pair(3, u"Omvandlare: Kan inte läsa "_s + missing + u": Filen eller katalogen finns inte\n"_s));
  const std::string before = std::setlocale(LC_MESSAGES, nullptr);
  std::setlocale(LC_MESSAGES, "sv_SE.UTF-8");
  TOmvandlareForm window(dialogs);
  window.TillJsonButton->setChecked(true);
  window.FranEdit->setText(Write(u"a.rot"_s, BytesOf(TestProject("1"))));
  window.TillEdit->setText(Path(u"saknas/a.json"_s));
  EXPECT_FALSE(window.KonverteraButtonClick());
  std::setlocale(LC_MESSAGES, before.c_str());
  EXPECT_EQ(dialogs.Messages(), std::vector{u"Kan inte skriva "_s + Path(u"saknas/a.json"_s) +
                                            u": Filen eller katalogen finns inte"_s});
}

TEST_F(OmvandlareTest, WrongDocumentsAreRefusedWithTheFieldsPath) {
  const QByteArray good =
      QJsonDocument::fromJson(omvandlare::ProjectToJson(TestProject("1"))).toJson(QJsonDocument::Compact);
  const struct {
    QByteArray from, to;  // every `from` is replaced; an empty one stands for the whole document
    QString refusal;
  } cases[] = {
      {R"("RumsNamn":"Kök")", R"("RumsNamn":"Köksavdelningen1")", u"rum[0].RumsNamn: texten är för lång, högst 15 tecken"_s},
      {R"("RumsNamn":"Kök")", R"("Rumsnamn":"Kök")", u"rum[0].Rumsnamn: okänt fält"_s},
      {R"("Signatur":"Åke Öst")", R"("Signatur":5)", u"allmant.Signatur: ska vara en text"_s},
      {R"("Signatur":"Åke Öst")", R"("Signatur":"Łukasz")", u"allmant.Signatur: texten har tecken som inte kan lagras"_s},
      {R"("rad":20)", R"("rad":21)", u"rum[1].Ytor.Vägg fram[20].rad: ska vara ett heltal från 0 till 20"_s},
      {R"("typ":"VIRANO-projekt")", R"("typ":"annat")", u"typ: ska vara \"VIRANO-projekt\""_s},
      {R"("RumsNamn":"Kök",)", "", u"rum[0].RumsNamn: saknas"_s},
      {R"("Tak":[],)", "", u"rum[0].Ytor.Tak: saknas"_s},
      {R"({"Mi":"Ö4006ÅÄÖåäöéüÉÜ",)", "{", u"rum[1].Ytor.Golv[0].Mi: saknas"_s},
      {"", R"({"typ":"VIRANO-projekt","allmant":{},"rum":[]})", u"allmant.FilVersion: saknas"_s},
      {"", R"({"typ":"VIRANO-projekt","rum":[]})", u"vid allmant: saknas"_s},
  };
  for (const auto& c : cases) {
    const QByteArray text = c.from.isEmpty() ? c.to : QByteArray(good).replace(c.from, c.to);
    try {
      omvandlare::ProjectFromJson(QJsonDocument::fromJson(text));
      ADD_FAILURE() << "accepted: " << c.to.toStdString();
    } catch (const omvandlare::ConverterError& error) {
      EXPECT_TRUE(QString::fromUtf8(error.what()).contains(c.refusal)) << error.what();
    }
  }
}

TEST_F(OmvandlareTest, AnotherVersionConvertedToVersion1OpensInVirano) {
  const QString in = Write(u"gammal.rot"_s, BytesOf(TestProject("2"))), out = Path(u"ny.rot"_s);
  EXPECT_EQ(RunProgram(omvandlare_, {u"--version-1"_s, in, out}).first, 0);
  EXPECT_EQ(Bytes(in), BytesOf(TestProject("2")));
  EXPECT_EQ(Bytes(out), BytesOf(TestProject("1")));
  Open(out);
  EXPECT_TRUE(form->Projekt().FilOK());
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(OmvandlareTest, ExitCodesOfTheCommandLines) {
  const QString v1 = Write(u"v1.rot"_s, BytesOf(TestProject("1"))), out = Path(u"ut.rot"_s);
  const QString odd = Write(u"udda.rot"_s, BytesOf(TestProject("2")).chopped(1));
  const QString damaged = Write(u"trasig.json"_s, omvandlare::ProjectToJson(TestProject("1")).chopped(9));
  const QString json = Write(u"v1.json"_s, omvandlare::ProjectToJson(TestProject("1")));
  const QString brukarreg = QStringLiteral(BRUKARREG);
  const struct {
    QString program;
    QStringList arguments;
    int code;
    QString said;
  } cases[] = {
      {omvandlare_, {u"--help"_s}, 0, u"Användning: Omvandlare"_s},
      {omvandlare_, {u"--okänd"_s, v1, out}, 2, u"okänt val --okänd"_s},
      {omvandlare_, {v1}, 2, u"ange filen IN och filen UT"_s},
      {omvandlare_, {v1, v1}, 2, u"samma fil"_s},
      {omvandlare_, {u"--fran-json"_s, damaged, out}, 3, u"inget giltigt JSON-dokument"_s},
      {omvandlare_, {u"--version-1"_s, v1, out}, 3, u"redan av version 1"_s},
      {omvandlare_, {u"--version-1"_s, odd, out}, 3, u"inte ett helt antal poster"_s},
      {omvandlare_, {json, v1}, 2, u"v1.rot finns redan; välj --skriv-over"_s},
      {brukarreg, {u"--help"_s}, 0, u"Användning: Brukarreg"_s},
      {brukarreg, {v1, out}, 2, u"felaktiga argument"_s},
  };
  for (const auto& c : cases) {
    const auto [code, said] = RunProgram(c.program, c.arguments);
    EXPECT_EQ(code, c.code) << c.arguments.join(' ').toStdString();
    EXPECT_TRUE(said.contains(c.said)) << said.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out));
  }
}

TEST_F(OmvandlareTest, TheWindowConvertsAndAsksBeforeReplacing) {
  TOmvandlareForm window(dialogs);
  window.TillJsonButton->setChecked(true);
  window.FranEdit->setText(Write(u"a.rot"_s, BytesOf(TestProject("1"))));
  emit window.FranEdit->editingFinished();
  const QString json = Path(u"a.json"_s);
  EXPECT_EQ(window.TillEdit->text(), json);
  EXPECT_TRUE(window.KonverteraButtonClick());
  dialogs.answers.push_back(false);
  EXPECT_FALSE(window.KonverteraButtonClick());
  EXPECT_EQ(dialogs.calls, (std::vector{MessageCall(u"Klart. "_s + json + u" är skriven."_s, MessageKind::Information),
                                        YesNoCall(json + u" finns redan.\nVill du ersätta den?"_s, Question::Deletes)}));
}

}  // namespace
}  // namespace virano::testing
