// virano-kalkyl run as a program on project files written by the tests.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <clocale>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/Asymmetry.h"
#include "engine/calculation.h"
#include "project/recordfile.h"
#include "rules/Csv.h"
#include "support/ProjectWriter.h"
#include "support/RoomBuilder.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace virano {
namespace {

using testing::RoomBuilder;
using testing::TempDir;
using testing::WriteProject;

using Outcome = testing::ProgramRun;
using testing::ShellQuote;

std::string Quote(const std::filesystem::path& path) { return ShellQuote(path.string()); }

// The printed form of a table: ten cells a row, joined by tabs.
std::string Printed(const ResultTable& t) {
  std::string text;
  for (const auto& row : t.rows) {
    for (int c = 0; c < ResultTable::kColumns; ++c) text += (c ? "\t" : "") + row[c];
    text += '\n';
  }
  return text;
}

class VirAnoKalkylTest : public ::testing::Test {
 protected:
  Outcome Run(const std::string& args, const std::string& locale = "C") {
    return testing::RunShell(dir_.path(),
                             "LC_ALL=" + locale + " " + ShellQuote(VIRANO_KALKYL) + " " + args);
  }
  std::string Project(std::initializer_list<const TRoomRecord*> rooms,
                      const std::string& name = "projekt.rot") {
    WriteProject(dir_.path() / name, rooms);
    return Quote(dir_.path() / name);
  }
  // The table the library computes for the same room.
  std::string Expected(const std::string& project, int room, bool detailed, bool decimalPunkt,
                       bool csv = false) {
    ResultTable t;
    t.SetUp(detailed);
    Kalkyl(project.substr(1, project.size() - 2), room, detailed, decimalPunkt, t);
    if (!csv) return Printed(t);
    std::vector<std::vector<std::string>> shown;  // CSV leaves the marker column out
    for (const auto& row : t.rows) shown.push_back(ResultTable::ShownCells(row));
    return CsvText(shown, decimalPunkt);
  }

  TempDir dir_{"kalkyl-cli"};
};

RoomBuilder Office() {
  RoomBuilder room(4, 5, 2.5);
  room.SubSurface(FrontWall, 1, "Fönster", 1, 3, 1, 2, 12);
  room.Point(FrontWall, 0, 2, 1.25, 1).Point(Ceiling, 0, 2, 2.5, 1);
  return room;
}

TEST_F(VirAnoKalkylTest, HelpIsInSwedish) {
  const Outcome o = Run("--help");
  EXPECT_EQ(o.status, 0);
  EXPECT_NE(o.out.find("Användning: virano-kalkyl [--detalj] PROJEKT.rot [RUMSNUMMER]"),
            std::string::npos);
  EXPECT_NE(o.out.find("Slutstatus"), std::string::npos);
  for (const char* option : {"--csv ", "--karta YTA ", "--avstand Z ", "--steg D ", "--png ",
                             "--asymmetri ", "--kategori K "})
    EXPECT_NE(o.out.find(std::string("\n  ") + option), std::string::npos) << option;
  EXPECT_EQ(o.err, "");
}

TEST_F(VirAnoKalkylTest, PrintsOneRoomWithTheSystemsDecimalPoint) {
  RoomBuilder room = Office();
  const std::string project = Project({&room.record()});
  const Outcome o = Run(project + " 1");
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out, Expected(project, 1, false, true));
  EXPECT_EQ(o.out.substr(0, o.out.find('\n')),
            "Rum\tKontroll\tRiktad\tRumstemp i\tSumma \tSumma \tVinkel-\tYttemperatur\t"
            "Vinkelkoeff *\tNytt rum");
  EXPECT_NE(o.out.find("\n\tNr\ttemperatur\t"), std::string::npos);  // no "Delytor"
  EXPECT_NE(o.out.find("Kontor\t\tMin. 20.5\t"), std::string::npos);
  EXPECT_NE(o.out.find("\t1.00\t"), std::string::npos);
  EXPECT_EQ(o.out.substr(o.out.size() - 10), "\t\t\t\t\t\t\t\t\t\n");  // the final empty row
  EXPECT_EQ(o.err, "");
}

TEST_F(VirAnoKalkylTest, DetailedTable) {
  RoomBuilder room = Office();
  const std::string project = Project({&room.record()});
  const Outcome o = Run("--detalj " + project + " 1");
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out, Expected(project, 1, true, true));
  EXPECT_NE(o.out.find("\n    Delytor\tNr\t"), std::string::npos);
  EXPECT_NE(o.out.find("    Fönster\t0\t"), std::string::npos);
  EXPECT_NE(o.out.find("\t0.85654\t"), std::string::npos);
}

TEST_F(VirAnoKalkylTest, SwedishLocaleWritesDecimalCommas) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous ? previous : "C";
  const bool available = std::setlocale(LC_ALL, "sv_SE.UTF-8") != nullptr;
  std::setlocale(LC_ALL, saved.c_str());
  if (!available) GTEST_SKIP() << "the locale sv_SE.UTF-8 is not installed";
  RoomBuilder room = Office();
  const std::string project = Project({&room.record()});
  const Outcome o = Run(project + " 1", "sv_SE.UTF-8");
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out, Expected(project, 1, false, false));
  EXPECT_NE(o.out.find("\t1,00\t"), std::string::npos);

  // The number format alone decides, also beside a category whose locale is
  // not installed (LC_ALL empty counts as unset).
  const Outcome numeric =
      Run(project + " 1", "'' LC_NUMERIC=sv_SE.UTF-8 LC_MESSAGES=xx_XX.UTF-8 LANG=C");
  EXPECT_EQ(numeric.status, 0) << numeric.err;
  EXPECT_EQ(numeric.out, o.out);
}

TEST_F(VirAnoKalkylTest, WithoutARoomNumberEveryRoomInTurn) {
  RoomBuilder first = Office(), second(3, 3, 2.4);
  second.record().RumsNamn.SetText("Hall");
  second.Point(Floor, 0, 1.5, 1.5, 1);
  const std::string project = Project({&first.record(), &second.record()});
  const Outcome o = Run("--detalj " + project);
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out, Expected(project, 1, true, true) + "\n" + Expected(project, 2, true, true));

  // As CSV: the byte-order mark once, an empty line between the rooms.
  const Outcome csv = Run("--csv --detalj " + project);
  EXPECT_EQ(csv.status, 0) << csv.err;
  EXPECT_EQ(csv.out, Expected(project, 1, true, true, true) + "\r\n" +
                         Expected(project, 2, true, true, true).substr(3));
}

TEST_F(VirAnoKalkylTest, UsageAndFileErrorsEndWithStatusTwo) {
  RoomBuilder room = Office();
  const std::string project = Project({&room.record(), &room.record()});
  for (const std::string& args :
       {std::string(""), "--snabb " + project, project + " 1 2", project + " ett",
        project + " 0", project + " 3", Quote(dir_.path() / "saknas.rot"),
        "--karta Fönster " + project + " 1", "--karta 6 " + project + " 1",
        "--karta 0 " + project, "--karta 0 --detalj " + project + " 1",
        "--karta 0 --steg 0 " + project + " 1", "--karta 0 --avstand -1 " + project + " 1",
        "--karta 0 --avstand 1m " + project + " 1", "--steg 0,2 " + project + " 1",
        "--csv --karta 0 " + project + " 3", project + " 1 --karta",
        "--pdf x.pdf --karta 0 " + project + " 1", "--kategori B " + project + " 1",
        "--asymmetri --kategori D " + project + " 1", "--asymmetri --detalj " + project,
        "--pdf x.pdf --asymmetri " + project, project + " 1 --asymmetri --kategori"}) {
    const Outcome o = Run(args);
    EXPECT_EQ(o.status, 2) << args;
    EXPECT_EQ(o.out, "") << args;
    EXPECT_NE(o.err, "") << args;
  }
  EXPECT_NE(Run(project + " 3").err.find("Rum 3 finns inte"), std::string::npos);
}

// A map point on a typed control point prints that point's ROT and sum.
TEST_F(VirAnoKalkylTest, MapPrintsALinePerPointAsTheResultTableComputesIt) {
  RoomBuilder room = Office();
  room.Point(Floor, 0, 1.2, 2.4, 0.6);
  const std::string project = Project({&room.record()});
  ResultTable t;
  Kalkyl(project.substr(1, project.size() - 2), 1, false, true, t);
  const ResultTable::Row& floor = t.rows[t.rows.size() - 2];  // the last point's row
  const Outcome o = Run("--karta golv --avstand 0.6 --steg 0,3 " + project + " 1");
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out.substr(0, o.out.find('\n')), "Xp\tYp\tROT\tSumma vinkelkoeff.");
  EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 1 + 13 * 16);  // 4 × 5 m floor
  EXPECT_NE(o.out.find("\n1.20\t2.40\t" + floor[2] + "\t" + floor[4] + "\n"), std::string::npos);

  const Outcome csv = Run("--csv --karta 4 --avstand 0,6 --steg 0.3 " + project + " 1");
  EXPECT_EQ(csv.out.substr(0, csv.out.find('\n')), "\xEF\xBB\xBFXp,Yp,ROT,Summa vinkelkoeff.\r");
  // A surface's name in any letter case, "Å", "Ä" and "Ö" included.
  for (const char* name : {"GOLV", "VÄGG HÖGER", "vägg vÄnster"})
    EXPECT_EQ(Run("--karta '" + std::string(name) + "' --steg 1 " + project + " 1").status, 0) << name;
}

TEST_F(VirAnoKalkylTest, ProjectOfAnotherVersionIsRefused) {
  RoomBuilder room = Office();
  const std::string project = Project({&room.record()});
  ProjectFile file(project.substr(1, project.size() - 2));
  TRoomRecord general = file.Read(0);
  general.FilVersion.SetText("2");
  file.Write(0, general);
  Outcome o = Run(project + " 1");
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.out, "");
  EXPECT_NE(o.err.find("Filen är skapad av programversion 2.x. Konvertering till denna "
                       "programverion 1,12 behövs."),
            std::string::npos);
  general.FilVersion.SetText("ett");
  file.Write(0, general);
  EXPECT_EQ(Run(project + " 1").status, 2);
  file.Create();  // no record at all
  EXPECT_EQ(Run(project).status, 2);
}

TEST_F(VirAnoKalkylTest, StoppedCalculationPrintsTheRowsSoFarWithStatusThree) {
  RoomBuilder good = Office(), bad = Office();
  bad.record().Punkter[Ceiling][0].Zp.SetText("1,0,0");
  const std::string project = Project({&good.record(), &bad.record()});
  const Outcome o = Run(project);
  EXPECT_EQ(o.status, 3);
  const std::string first = Expected(project, 1, false, true);
  ASSERT_EQ(o.out.substr(0, first.size() + 1), first + "\n");
  const std::string partial = o.out.substr(first.size() + 1);
  EXPECT_EQ(std::count(partial.begin(), partial.end(), '\n'), 5);  // headings, room, one point
  EXPECT_NE(partial.find("  Vägg fram\t0\t"), std::string::npos);
  EXPECT_NE(o.err.find("1.0,0"), std::string::npos);  // the text as converted

  RoomBuilder onWall(4, 5, 2.5);
  onWall.Point(FrontWall, 0, 0, 1.25, 1);  // in the left wall's plane
  const Outcome z = Run(Project({&onWall.record()}, "noll.rot") + " 1");
  EXPECT_EQ(z.status, 3);
  EXPECT_EQ(z.err, "virano-kalkyl: Division med noll i VinkelRataFallet\n"
                   "Punkt 0 framför Vägg fram: punkten ligger i en ytas plan\n");
  EXPECT_EQ(std::count(z.out.begin(), z.out.end(), '\n'), 5);

  bad.record().Ytor[Ceiling][0].YtTemp.SetText("1,0,0");
  const Outcome map = Run("--karta Tak " + Project({&bad.record()}, "tak.rot") + " 1");
  EXPECT_EQ(map.status, 3);  // a map prints nothing when it stops
  EXPECT_EQ(map.out.size(), 0u);
  EXPECT_NE(map.err.find("1.0,0"), std::string::npos);
}

// The asymmetry at the control points: the rows the library computes, the
// room's sizes that are not numbers refused for a map, and a stop.
TEST_F(VirAnoKalkylTest, AsymmetryTableAndMap) {
  RoomBuilder office = Office(), bad = Office();
  office.Point(Floor, 1, 2, 2.5, 0.6).Point(FrontWall, 2, 2, 1.25, 7);
  bad.record().Punkter[Ceiling][0].Xp.SetText("x");
  const std::string project = Project({&office.record(), &bad.record()});
  std::string expected;
  std::vector<AsymmetryRow> rows = {AsymmetryHeading()};
  AsymmetryTable(office.record(), ComfortCategory::C, true, rows);
  for (const AsymmetryRow& row : rows)
    for (int c = 0; c < kAsymmetryColumns; ++c)
      expected += row[c] + (c + 1 < kAsymmetryColumns ? "\t" : "\n");
  const Outcome o = Run("--asymmetri --kategori c " + project + " 1");
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out, expected);
  EXPECT_EQ(o.out.substr(0, o.out.find('\n')),
            "Huvudyta\tKP\tXp\tYp\tZp\tTpr mot ytan\tTpr från ytan\tAsymmetri\tGräns\tBedömning");
  EXPECT_NE(o.out.find("\nVägg fram\t2\t2\t1,25\t7\t\t\t\t\tPunkten ligger utanför rummet\n"),
            std::string::npos);

  // Every room: the second stops at its ceiling point, after its front wall's.
  const Outcome all = Run("--asymmetri " + project);
  EXPECT_EQ(all.status, 3);
  EXPECT_NE(all.err.find("Punkt 0 framför Tak"), std::string::npos) << all.err;
  EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), 5 + 1 + 2);

  const Outcome map = Run("--karta 0 --asymmetri --steg 1 --csv " + project + " 1");
  EXPECT_EQ(map.status, 0) << map.err;
  EXPECT_EQ(map.out.substr(0, map.out.find('\n')),
            "\xEF\xBB\xBFXp,Yp,Tpr mot ytan,Tpr från ytan,Asymmetri,Gräns,Bedömning\r");
  office.record().Ytor[FrontWall][0].Y2.SetText("hög");
  const Outcome refused =
      Run("--karta 1 --asymmetri " + Project({&office.record()}, "mått.rot") + " 1");
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.err, "virano-kalkyl: Rummets mått är inte tal\n");
}

// A point outside the room: the table as it is, and a warning after it.
TEST_F(VirAnoKalkylTest, AViewFactorSumOtherThanOneIsWarnedOf) {
  RoomBuilder room(4, 4.2, 2.5);
  room.Point(FrontWall, 3, 2, 1.25, 5).Point(FrontWall, 4, 2, 1.25, 1);
  const std::string project = Project({&room.record()});
  const Outcome o = Run(project + " 1");
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, Expected(project, 1, false, true));
  EXPECT_EQ(o.err, "Summan av vinkelkoefficienterna är 0.81 för punkt 3 framför Vägg fram. "
                   "Ligger punkten i rummet?\n");
}

// A map at a distance outside the room, or with no points, is refused.
TEST_F(VirAnoKalkylTest, AMapThatCannotBeRightEndsWithStatusTwo) {
  RoomBuilder room(4, 4.2, 2.5);
  const std::string project = Project({&room.record()});
  for (const auto& [args, message] :
       {std::pair{"--karta 0 --avstand 5 ", "Avståndet från ytan ska vara större än 0 och mindre "
                                             "än rummets djup framför Vägg fram, 4.2 m"},
        {"--karta Golv --avstand 2,5 ", "Avståndet från ytan ska vara större än 0 och mindre än "
                                        "rummets djup framför Golv, 2.5 m"},
        {"--karta 0 --steg 5 ", "Steget 5 m ger inga punkter på Vägg fram"}}) {
    const Outcome o = Run(std::string(args) + project + " 1");
    EXPECT_EQ(o.status, 2) << args;
    EXPECT_EQ(o.out, "") << args;
    EXPECT_EQ(o.err, "virano-kalkyl: " + std::string(message) + "\n") << args;
  }
}

}  // namespace
}  // namespace virano
