// virano-kalkyl --pdf run as a program; the PDF read back with pdftotext,
// pdfinfo and pdffonts.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <set>

#include "support/CaseName.h"
#include "support/ProjectWriter.h"
#include "support/RoomBuilder.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace virano {
namespace {

using testing::RoomBuilder;

class KalkylPdf : public ::testing::Test {
 protected:
  // Runs a shell command in the test's folder; its status and output.
  std::pair<int, std::string> Shell(const std::string& command) {
    const testing::ProgramRun run = testing::RunShell(dir_.path(), command);
    return {run.status, run.all()};
  }
  std::pair<int, std::string> Kalkyl(const std::string& args) {
    return Shell("LC_ALL=C " + testing::ShellQuote(VIRANO_KALKYL) + " " + args);
  }
  // The project: Kontor, an unnamed room with a window "Skrubbfönster", Hall.
  void WriteProject(TRoomRecord* change = nullptr) {
    RoomBuilder kontor(4, 5, 2.5), unnamed(2, 2, 2.5), hall(6, 4, 3);
    kontor.SubSurface(FrontWall, 1, "Fönster", 1, 3, 1, 2, 12).Point(FrontWall, 0, 2, 1.2, 1);
    unnamed.record().RumsNamn.SetText("");
    unnamed.SubSurface(FrontWall, 1, "Skrubbfönster", 0.5, 1.5, 1, 2, 12);
    hall.record().RumsNamn.SetText("Hall");
    hall.Point(Floor, 0, 3, 2, 1);
    testing::WriteProject(dir_.path() / "projekt.rot",
                          {change ? change : &kontor.record(), &unnamed.record(), &hall.record()});
  }
  std::string Pages() { return Shell("pdfinfo rapport.pdf | grep Pages: | tr -s ' '").second; }
  static bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
  }

  testing::TempDir dir_{"kalkyl-pdf"};
};

TEST_F(KalkylPdf, EveryNamedRoomWithAllFourReports) {
  WriteProject();
  const auto [status, err] = Kalkyl("--pdf rapport.pdf projekt.rot");
  ASSERT_EQ(status, 0) << err;
  EXPECT_EQ(err, "");
  const std::string text = Shell("pdftotext rapport.pdf -").second;
  for (const char* part : {"INDATA", "RESULTAT DETALJERAD", "VÄGGVYER", "Hall", "/projekt.rot"})
    EXPECT_TRUE(Has(text, part)) << part;
  EXPECT_FALSE(Has(text, "Skrubbfönster")) << "an unnamed room is not in the room list";
  // Per room: the input report and both result reports on page 1, the wall
  // views on page 2; Hall starts again at page 1 on the third page.
  EXPECT_EQ(Pages(), "Pages: 4\n");
  EXPECT_EQ(Shell("pdftotext -f 3 -l 3 rapport.pdf - | grep -c 'sida 1'").second, "1\n");
  EXPECT_TRUE(Has(Shell("pdffonts rapport.pdf").second, "LiberationSans"));
}

TEST_F(KalkylPdf, ChosenReportsOfOneRoom) {
  WriteProject();
  const auto [status, err] = Kalkyl("--pdf rapport.pdf --vaggvyer projekt.rot 3");
  ASSERT_EQ(status, 0) << err;
  EXPECT_EQ(Shell("pdftotext rapport.pdf - | grep -c 'VÄGGVYER\\|Hall\\|INDATA'").second,
            "2\n");
  EXPECT_EQ(Pages(), "Pages: 1\n");
}

TEST_F(KalkylPdf, FailedPrintLeavesNoPdfAndEndsWithStatusThree) {
  WriteProject();
  auto [status, err] = Kalkyl("--pdf saknas/rapport.pdf projekt.rot");
  EXPECT_EQ(status, 3);
  EXPECT_TRUE(Has(err, "virano-kalkyl: Utskriften misslyckades: ")) << err;

  RoomBuilder bad(4, 5, 2.5);
  bad.Point(Ceiling, 0, 2, 2.5, 1).record().Punkter[Ceiling][0].Zp.SetText("1,0,0");
  WriteProject(&bad.record());
  std::ofstream(dir_.path() / "rapport.pdf") << "%PDF-1.4 tidigare";
  std::tie(status, err) = Kalkyl("--pdf rapport.pdf projekt.rot");
  EXPECT_EQ(status, 3);
  EXPECT_TRUE(Has(err, "1.0,0")) << err;
  EXPECT_EQ(Shell("cat rapport.pdf; ls -A | wc -l").second, "%PDF-1.4 tidigare2\n");

  // The file system refuses the end of the file, as a full disk does: a few
  // kilobytes are allowed, and the signal of a file too large is ignored.
  WriteProject();
  std::tie(status, err) = Shell(std::string("trap '' XFSZ; ulimit -f 8; LC_ALL=C '") + VIRANO_KALKYL +
                                "' --pdf rapport.pdf projekt.rot");
  EXPECT_EQ(status, 3);
  EXPECT_EQ(err, "virano-kalkyl: Utskriften misslyckades: File too large: rapport.pdf\n");
  EXPECT_EQ(Shell("cat rapport.pdf; ls -A | wc -l").second, "%PDF-1.4 tidigare2\n");

  EXPECT_EQ(Kalkyl("--indata projekt.rot").first, 2);
  EXPECT_EQ(Kalkyl("projekt.rot --pdf").first, 2);
  EXPECT_TRUE(Has(Kalkyl("--help").second, "--pdf RAPPORT.pdf [--indata]"));
}

// A 1,5 × 1,2 × 2,4 m WC: its walls are relatively taller than a cell, its
// floor wider. Every surface's name lies below its own drawing, in its own
// half of the page and above the next row of cells, whose tops the
// surfaces' numbers 0 mark.
TEST_F(KalkylPdf, WallViewsOfAWcShowEachNameInItsCell) {
  RoomBuilder wc(1.5, 1.2, 2.4);
  wc.record().RumsNamn.SetText("WC");
  testing::WriteProject(dir_.path() / "wc.rot", {&wc.record()});
  ASSERT_EQ(Kalkyl("--pdf rapport.pdf --vaggvyer wc.rot 1").first, 0);
  std::map<std::string, std::pair<double, double>> at;  // a word's left and top, in points
  std::set<double> rows{842};                            // the cells' numbers 0, the page's bottom
  const std::regex word(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
  const std::string text = Shell("pdftotext -bbox rapport.pdf -").second;
  for (std::sregex_iterator w(text.begin(), text.end(), word), end; w != end; ++w) {
    const double x = std::stod((*w)[1]), y = std::stod((*w)[2]);
    if ((*w)[3] == "0") rows.insert(y);
    else at[(*w)[3]] = {x, y};
  }
  ASSERT_EQ(rows.size(), 4U);
  const std::vector<double> tops(rows.begin(), rows.end());
  const char* names[3][2] = {{"fram", "vänster"}, {"höger", "bak"}, {"Golv", "Tak"}};
  for (int row = 0; row < 3; ++row)
    for (int side = 0; side < 2; ++side) {
      const auto [x, y] = at.at(names[row][side]);
      EXPECT_TRUE(y > tops[row] && y < tops[row + 1] && (x > 297) == (side == 1)) << names[row][side];
    }
}

struct TargetCase {
  const char* name;
  const char* before;  // a shell command run first
  const char* target;
  int status;
  const char* after;  // a shell command whose output shows what became of the files
  const char* shown;
};
class KalkylPdfTarget : public KalkylPdf, public ::testing::WithParamInterface<TargetCase> {};

// A target that exists and is no PDF file is refused before anything is
// written; a symbolic link is written through and stays.
TEST_P(KalkylPdfTarget, IsRefusedOrWrittenThrough) {
  const TargetCase& c = GetParam();
  WriteProject();
  Shell(std::string("cp projekt.rot kopia.rot; ") + c.before);
  // Administrator's rights set aside, so that a folder's permissions count.
  const std::string asUser =
      ::getuid() == 0 ? "setpriv --inh-caps=-dac_override --bounding-set=-dac_override " : "";
  const auto [status, err] = Shell(asUser + "env LC_ALL=C '" + VIRANO_KALKYL + "' --pdf " + c.target +
                                   " projekt.rot");
  EXPECT_EQ(status, c.status) << err;
  EXPECT_EQ(Shell(c.after).second, c.shown);
  EXPECT_EQ(Shell("cmp projekt.rot kopia.rot && echo orörd").second, "orörd\n");
}
INSTANTIATE_TEST_SUITE_P(
    KalkylPdf, KalkylPdfTarget,
    ::testing::Values(
        TargetCase{"TheProjectItself", "", "projekt.rot", 2, "ls -A | wc -l", "2\n"},
        TargetCase{"ALinkToTheProject", "ln -s projekt.rot länk.pdf", "länk.pdf", 2,
                   "test -L länk.pdf && ls -A | wc -l", "3\n"},
        TargetCase{"AFolder", "mkdir mapp", "mapp", 2, "ls -A mapp | wc -l", "0\n"},
        TargetCase{"ADevice", "", "/dev/null", 2, "wc -c < /dev/null", "0\n"},
        TargetCase{"ALinkToAPdfFile",
                   "mkdir ut && printf '%%PDF-1.4' > ut/verklig.pdf && ln -s ut/verklig.pdf länk.pdf",
                   "länk.pdf", 0, "test -L länk.pdf && ls -A ut && pdftotext länk.pdf - | grep -c VÄGGVYER",
                   "verklig.pdf\n2\n"},
        TargetCase{"AnEmptyFile", "touch tom.pdf", "tom.pdf", 0, "head -c 5 tom.pdf", "%PDF-"},
        // A folder that takes no new files: a PDF file there is written in
        // place, a new one cannot be made.
        TargetCase{"AFileInAFolderTakingNoNewFiles",
                   "mkdir ut && printf '%%PDF-1.4' > ut/r.pdf && chmod 555 ut", "ut/r.pdf", 0,
                   "chmod 755 ut && ls -A ut && pdftotext ut/r.pdf - | grep -c VÄGGVYER", "r.pdf\n2\n"},
        TargetCase{"ANewFileInAFolderTakingNoNewFiles", "mkdir ut && chmod 555 ut", "ut/r.pdf", 3,
                   "chmod 755 ut && ls -A ut | wc -l", "0\n"}),
    testing::CaseName());

}  // namespace
}  // namespace virano
