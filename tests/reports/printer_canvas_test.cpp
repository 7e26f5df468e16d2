// The printer canvas on a PDF printer and the font behind 'Arial'.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QRawFont>

#include "reports/printer_canvas.h"
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

}  // namespace
}  // namespace virano
