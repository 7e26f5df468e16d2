#pragma once
// The canvas on a QPrinter: any printer the print dialog offers, or a PDF
// file. A PDF document is made in memory and written to its file when it
// ends (PdfFile.h), so that a job that fails leaves no partial file behind
// and an earlier file of that name intact.
#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QString>
#include <memory>
#include <string>

#include "reports/canvas.h"

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace virano {

// The printer a run starts with: A4 portrait at 600 dots per inch with
// margins of 5 mm, so that the printable area is 200 mm wide.
void SetUpPrinter(QPrinter& printer);
// The same printer writing the PDF file `file`.
void SetUpPdfPrinter(QPrinter& printer, const QString& file);

class PrinterCanvas : public Canvas {
 public:
  explicit PrinterCanvas(QPrinter& printer);
  // A document not ended is dropped.
  ~PrinterCanvas() override;
  PrinterCanvas(const PrinterCanvas&) = delete;
  PrinterCanvas& operator=(const PrinterCanvas&) = delete;

  int PageWidth() const override;
  int PageHeight() const override;
  int PageWidthMm() const override;
  void BeginDoc(const std::string& title) override;
  void NewPage() override;
  void EndDoc() override;
  void Abort() override;
  void SetFont(const std::string& name, int points) override;
  int FontSize() const override;
  int TextWidth(const std::string& text) const override;
  int TextHeight(const std::string& text) const override;
  void TextOut(int x, int y, const std::string& text) override;
  void SetPenWidth(int pixels) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Line(int x1, int y1, int x2, int y2) override;

 private:
  // What is painted on: the printer, or the PDF writer in its place.
  QPagedPaintDevice& Device() const;

  QPrinter& printer_;
  // For a PDF file: the document in memory, laid out as the printer is.
  QBuffer pdf_;
  std::unique_ptr<QPdfWriter> writer_;
  QPainter painter_;
  QFont font_;
};

}  // namespace virano
