// The printer canvas on a PDF printer: the font behind 'Arial' and what a
// document leaves on disk when it starts, fails or ends.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QPrinter>
#include <QRawFont>
#include <fstream>

#include "reports/printer_canvas.h"
#include "room_builder.h"

namespace virano {
namespace {

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Arial's advance widths in font units of 2048 to the em, which the
// metric-compatible Liberation Sans shares: "H", "a", "i", "W", "m", "0", " ".
TEST(PrinterCanvas, ArialResolvesToAFontWithArialsMetrics) {
  testing::TempDir dir("printer-font");
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdfPrinter(printer, QString::fromStdString((dir.path() / "f.pdf").string()));
  PrinterCanvas canvas(printer);
  canvas.BeginDoc("f");
  canvas.SetFont("Arial", 10);
  EXPECT_EQ(canvas.FontSize(), 10);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(2048);
  const QRawFont raw = QRawFont::fromFont(font);
  EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
  const QList<QPointF> advances =
      raw.advancesForGlyphIndexes(raw.glyphIndexesForString(QStringLiteral("HaiWm0 ")));
  std::vector<int> widths;
  for (const QPointF& advance : advances) widths.push_back(qRound(advance.x()));
  EXPECT_EQ(widths, (std::vector<int>{1479, 1139, 455, 1933, 1706, 1139, 569}));
  // 10 points at 600 dots per inch is an em of 83 pixels: ten W measure
  // 10 × 1933 / 2048 × 83 pixels on the printer (DejaVu Sans: 820).
  EXPECT_NEAR(canvas.TextWidth("WWWWWWWWWW"), 783.4, 1);
  canvas.EndDoc();
}

// A document is written under a temporary name; a target that cannot be
// written fails at the start, and a dropped document leaves an earlier file
// of the same name as it was.
TEST(PrinterCanvas, FailedDocumentLeavesNoPartialFile) {
  testing::TempDir dir("printer-files");
  const auto target = dir.path() / "rapport.pdf";
  const auto unreachable = dir.path() / "saknas" / "rapport.pdf";
  QPrinter printer(QPrinter::HighResolution);
  auto draw = [&](const std::filesystem::path& path, bool end) {
    SetUpPdfPrinter(printer, QString::fromStdString(path.string()));
    PrinterCanvas canvas(printer);
    canvas.BeginDoc("rapport");
    canvas.SetFont("Arial", 10);
    canvas.TextOut(100, 100, "INDATA");
    if (end) canvas.EndDoc();
  };

  try {
    draw(unreachable, true);
    ADD_FAILURE() << "no error";
  } catch (const PrintError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Utskriften misslyckades: ", 0), 0u) << e.what();
  }
  EXPECT_FALSE(std::filesystem::exists(unreachable.parent_path()));

  std::ofstream(target) << "tidigare";
  draw(target, false);  // the canvas is destroyed with its document open
  EXPECT_EQ(Slurp(target), "tidigare");
  draw(target, true);
  EXPECT_EQ(Slurp(target).substr(0, 5), "%PDF-");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
      << "no temporary file left";
  EXPECT_EQ(printer.outputFileName().toStdString(), target.string());
}

}  // namespace
}  // namespace virano
