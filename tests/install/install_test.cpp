// The installation: `cmake --install` into a temporary prefix, then the
// installed programs run through their links from another working folder.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QImage>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

#include "engine/calculation.h"
#include "support/ProjectWriter.h"
#include "support/RoomBuilder.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace virano {
namespace {

namespace fs = std::filesystem;
using testing::RoomBuilder;
using testing::TempDir;

struct Output {
  int status;
  std::string text;  // standard output and error
};

Output Shell(const fs::path& folder, const std::string& command) {
  const testing::ProgramRun run = testing::RunShell(folder, command);
  return {run.status, run.all()};
}

class Installation : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    prefix_ = std::make_unique<TempDir>("install");
    work_ = std::make_unique<TempDir>("install-work");
    const Output o = Shell(Work(), std::string(VIRANO_CMAKE) + " --install '" VIRANO_BUILD
                                       "' --prefix " + Path(""));
    ASSERT_EQ(o.status, 0) << o.text;
  }
  static void TearDownTestSuite() { prefix_.reset(), work_.reset(); }
  static const fs::path& Work() { return work_->path(); }
  static std::string Path(const std::string& inPrefix) {
    return (prefix_->path() / inPrefix).string();
  }

  static inline std::unique_ptr<TempDir> prefix_, work_;
};

TEST_F(Installation, HoldsEveryFileAndLinksIntoTheProgramFolder) {
  std::ifstream list(VIRANO_PACKAGING "/installed-files.txt");
  const std::regex iconSize(R"(/(\d+)x\d+/apps/virano\.png$)");
  int files = 0;
  for (std::string file; std::getline(list, file);) {
    if (file.empty() || file[0] == '#') continue;
    ++files;
    EXPECT_TRUE(fs::is_regular_file(Path(file))) << file;
    // A PNG's width: bytes 16-19 of its header, big-endian.
    if (std::smatch size; std::regex_search(file, size, iconSize)) {
      std::ifstream png(Path(file), std::ios::binary);
      unsigned char header[20] = {};
      png.read(reinterpret_cast<char*>(header), sizeof header);
      EXPECT_EQ(header[18] * 256 + header[19], std::stoi(size[1])) << file;
    }
  }
  EXPECT_GT(files, 10);
  for (const std::string name : {"virano", "virano-kalkyl"})
    EXPECT_TRUE(fs::is_symlink(Path("bin/" + name))) << name;
  const fs::path folder = fs::canonical(Path("bin/virano")).parent_path();
  EXPECT_EQ(folder, fs::canonical(Path("lib/virano")));
  for (const char* beside : {"Manualer/Virano.pdf", "Brukarreg", "Omvandlare", "virano-kalkyl"})
    EXPECT_TRUE(fs::exists(folder / beside)) << beside;
  // The programs need nothing from the build folder.
  const Output linked = Shell(Work(), "readelf -d " + Path("lib/virano/*") + "; ldd " +
                                          Path("lib/virano/*"));
  EXPECT_EQ(linked.text.find(VIRANO_BUILD), std::string::npos) << linked.text;
  EXPECT_EQ(linked.text.find("not found"), std::string::npos) << linked.text;
}

TEST_F(Installation, KalkylPrintsTheRoomsTable) {
  RoomBuilder room(4, 5, 2.5);
  room.SubSurface(FrontWall, 1, "Fönster", 1, 3, 1, 2, 12);
  room.Point(FrontWall, 0, 2, 1.25, 1);
  testing::WriteProject(Work() / "projekt.rot", {&room.record()});
  ResultTable table;
  table.SetUp(false);
  Kalkyl(Work() / "projekt.rot", 1, false, true, table);
  std::string expected;
  for (const auto& row : table.rows)
    for (std::size_t c = 0; c < row.size(); ++c) expected += row[c] + (c + 1 < row.size() ? "\t" : "\n");

  const Output o = Shell(Work(), "LC_ALL=C " + Path("bin/virano-kalkyl") + " projekt.rot 1");
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.text, expected);
  EXPECT_NE(o.text.find("Min. 20.5"), std::string::npos);
}

TEST_F(Installation, ProgramsAndDesktopFilesAnswer) {
  const std::string desktop = Path("share/applications/virano.desktop");
  const struct {
    std::string command, shows;
  } cases[] = {
      {Path("bin/virano") + " --version", "VIRANO 1,12\n"},
      {Path("bin/virano-kalkyl") + " --version", "VIRANO 1,12\n"},
      {Path("bin/virano") + " --help", "Manual: " + Path("lib/virano/Manualer/Virano.pdf")},
      // Not even a hint from the validator.
      {"desktop-file-validate " + desktop + " >v; cat v; ! test -s v && grep -x 'Exec=virano %f' " +
           desktop + " && grep ^MimeType= " + desktop,
       "MimeType=application/x-virano-project;"},
      {"xmllint --noout --relaxng " VIRANO_PACKAGING "/mime-info.rng " +
           Path("share/mime/packages/virano.xml"),
       "validates"},
      {"xmllint --noout " + Path("share/icons/hicolor/scalable/apps/virano.svg"), ""},
      // The manual pages, in Swedish from the programs' help.
      {"zcat " + Path("share/man/man1/virano-kalkyl.1.gz") + " | grep -A2 '^.SH SYNOPSIS'",
       ".SH SYNOPSIS\n.nf\nvirano\\-kalkyl [\\-\\-detalj] PROJEKT.rot [RUMSNUMMER]\n"},
      {"zcat " + Path("share/man/man1/virano.1.gz"), "Manual: /usr/lib/virano/Manualer/Virano.pdf"},
      // The file type as the desktop's MIME database knows it.
      {"cp -r " + Path("share/mime") + " mime && update-mime-database mime && cat mime/globs2",
       "application/x-virano-project:*.rot"},
  };
  for (const auto& c : cases) {
    const Output o = Shell(Work(), c.command);
    EXPECT_EQ(o.status, 0) << c.command << '\n' << o.text;
    EXPECT_NE(o.text.find(c.shows), std::string::npos) << c.command << '\n' << o.text;
  }
}

// The SVG icon drawn by another renderer is the painted 256-pixel icon, but
// for the smoothing of edges.
TEST_F(Installation, SvgIconIsThePaintedIcon) {
  const std::string icons = Path("share/icons/hicolor/");
  const Output o = Shell(Work(), "rsvg-convert -w 256 -h 256 -o svg.png " + icons +
                                     "scalable/apps/virano.svg");
  ASSERT_EQ(o.status, 0) << o.text;
  const QImage svg = QImage(QString::fromStdString((Work() / "svg.png").string()))
                         .convertToFormat(QImage::Format_RGBA8888);
  const QImage png = QImage(QString::fromStdString(icons + "256x256/apps/virano.png"))
                         .convertToFormat(QImage::Format_RGBA8888);
  ASSERT_EQ(svg.size(), png.size());
  double difference = 0;
  for (int y = 0; y < png.height(); ++y)
    for (int x = 0; x < png.width() * 4; ++x)
      difference += std::abs(svg.constScanLine(y)[x] - png.constScanLine(y)[x]);
  EXPECT_LT(difference / (png.width() * png.height() * 4), 0.25);
}

}  // namespace
}  // namespace virano
