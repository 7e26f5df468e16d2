#pragma once
// The canvas on a QPrinter: any printer the print dialog offers, or a PDF
// file. A PDF file is written beside its target under a temporary name and
// takes the target's name when the document ends, so that a job that fails
// leaves no partial file behind and an earlier file of that name intact.
#include <QFont>
#include <QPainter>
#include <QString>
#include <string>

#include "reports/canvas.h"

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
  // Points the printer at a fresh temporary file beside the PDF target.
  void OpenPdfTarget();
  // Removes the temporary file and points the printer at the target again.
  void DropPdfTarget();

  QPrinter& printer_;
  QPainter painter_;
  QFont font_;
  QString target_;  // the PDF file asked for; empty when printing on paper
  QString temp_;    // the file the PDF is written to until the document ends
};

}  // namespace virano
