// The printer canvas on a PDF printer and the font behind 'Arial'.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QRawFont>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>

#include "project/recordfile.h"
#include "reports/printer_canvas.h"
#include "reports/utskrift.h"
#include "support/CaseName.h"
#include "support/ReadOnlyFolder.h"
#include "support/RoomBuilder.h"
#include "support/TempDir.h"

namespace virano {
namespace {

// Arial's advance widths in font units of 2048 to the em, which the
// metric-compatible Liberation Sans shares: "H", "a", "i", "W", "m", "0", " ".
TEST(PrinterCanvas, ArialResolvesToAFontWithArialsMetrics) {
  int argc = 1;
  char name[] = "reports_tests";
  char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const QGuiApplication app(argc, argv);
  testing::TempDir dir("printer-font");
  const QString target = QString::fromStdString((dir.path() / "f.pdf").string());
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdfPrinter(printer, target);
  PrinterCanvas canvas(printer);
  canvas.BeginDoc("f");
  canvas.SetFont("Arial", 10);
  EXPECT_EQ(canvas.FontSize(), 10);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(2048);
  EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
  const QRawFont raw = QRawFont::fromFont(font);
  std::vector<int> widths;
  for (const QPointF& advance :
       raw.advancesForGlyphIndexes(raw.glyphIndexesForString(QStringLiteral("HaiWm0 "))))
    widths.push_back(qRound(advance.x()));
  EXPECT_EQ(widths, (std::vector<int>{1479, 1139, 455, 1933, 1706, 1139, 569}));
  // 10 points at 600 dots per inch is an em of 83 pixels: ten W measure
  // 10 × 1933 / 2048 × 83 pixels on the printer (DejaVu Sans: 820).
  EXPECT_NEAR(canvas.TextWidth("WWWWWWWWWW"), 783.4, 1);
  canvas.EndDoc();
  // The document was written under another name and took the target's.
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "f.pdf"));
  EXPECT_EQ(printer.outputFileName(), target);
}

struct PdfCase {
  const char* name;
  const char* earlier;  // the file's content before the job; nullptr: no file
  bool lockedFolder;    // the folder takes no new files
  int fault;            // an error the writing of the file meets, or 0
  std::string refusal;  // what the job fails with, after "Utskriften misslyckades: ";
                        // FIL stands for the file's path
};
class PdfJob : public ::testing::TestWithParam<PdfCase> {
 protected:
  std::string Content() const {
    std::ifstream in(target_);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  int argc_ = 1;
  char name_[14] = "reports_tests";
  char* argv_[2] = {name_, nullptr};
  QGuiApplication app_{(qputenv("QT_QPA_PLATFORM", "offscreen"), argc_), argv_};
  testing::TempDir dir_{"pdf-job"};
  std::filesystem::path target_ = dir_.path() / "fel.pdf";
};

// The error list printed to a PDF file: whole, or not at all with the
// earlier file kept and nothing else left behind.
TEST_P(PdfJob, WritesTheFileWholeOrLeavesItAsItWas) {
  const PdfCase& c = GetParam();
  if (c.earlier) std::ofstream(target_) << c.earlier;
  if (c.fault) faults::Inject(target_, faults::Step::Write, c.fault);
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdfPrinter(printer, QString::fromStdString(target_.string()));
  PrinterCanvas canvas(printer);
  std::string failure;
  try {
    const std::optional<testing::ReadOnlyFolder> locked =
        c.lockedFolder ? std::make_optional<testing::ReadOnlyFolder>(dir_.path()) : std::nullopt;
    SkrivFelLista(canvas, ReportSettings{}, {{"1", "Kök", "Golv", "", "Saknar koordinater"}});
  } catch (const PrintError& error) {
    failure = error.what();
  }
  faults::Clear();
  std::string refusal = c.refusal;
  if (const auto at = refusal.find("FIL"); at != std::string::npos)
    refusal = "Utskriften misslyckades: " + refusal.replace(at, 3, target_.string());
  EXPECT_EQ(failure, refusal);
  if (refusal.empty()) EXPECT_EQ(Content().substr(0, 5), "%PDF-");
  else EXPECT_EQ(Content(), c.earlier ? c.earlier : "");
  const bool fileThere = c.earlier != nullptr || refusal.empty();
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), fileThere ? 1 : 0);
}
INSTANTIATE_TEST_SUITE_P(
    PrinterCanvas, PdfJob,
    ::testing::Values(
        PdfCase{"DiskFull", "%PDF-1.4 tidigare", false, ENOSPC, std::strerror(ENOSPC) + std::string(": FIL")},
        PdfCase{"NoPdfFileThere", "projekt", false, 0, "FIL är ingen PDF-fil och skrivs inte över"},
        PdfCase{"FolderTakingNoNewFilesWritesTheFileInPlace", "%PDF-1.4 tidigare", true, 0, ""},
        PdfCase{"FolderTakingNoNewFilesWithoutTheFile", nullptr, true, 0,
                std::strerror(EACCES) + std::string(": FIL")}),
    testing::CaseName());

}  // namespace
}  // namespace virano
