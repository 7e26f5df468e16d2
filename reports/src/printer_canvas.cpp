#include "reports/printer_canvas.h"

#include <QFontMetrics>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>

#include "reports/PdfFile.h"

namespace virano {

void SetUpPrinter(QPrinter& printer) {
  printer.setResolution(600);
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                    QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
}

void SetUpPdfPrinter(QPrinter& printer, const QString& file) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  SetUpPrinter(printer);
  printer.setOutputFileName(file);
}

PrinterCanvas::PrinterCanvas(QPrinter& printer) : printer_(printer) {
  if (printer_.outputFormat() != QPrinter::PdfFormat) return;
  writer_ = std::make_unique<QPdfWriter>(&pdf_);
  writer_->setResolution(printer_.resolution());
  writer_->setPageLayout(printer_.pageLayout());
  writer_->setCreator(printer_.creator());
  writer_->setPdfVersion(printer_.pdfVersion());
}

PrinterCanvas::~PrinterCanvas() {
  if (painter_.isActive()) Abort();
}

QPagedPaintDevice& PrinterCanvas::Device() const {
  if (writer_) return *writer_;
  return printer_;
}

int PrinterCanvas::PageWidth() const { return Device().width(); }
int PrinterCanvas::PageHeight() const { return Device().height(); }
int PrinterCanvas::PageWidthMm() const { return Device().widthMM(); }

void PrinterCanvas::BeginDoc(const std::string& title) {
  printer_.setDocName(QString::fromStdString(title));
  if (writer_) {
    const std::string target = printer_.outputFileName().toStdString();
    if (target.empty()) throw PrintError("ingen PDF-fil är vald");
    // Checked again here: nothing but a PDF file is ever replaced.
    if (const auto problem = PdfTargetProblem(target)) throw PrintError(*problem);
    writer_->setTitle(QString::fromStdString(title));
    pdf_.close();
    pdf_.setData(QByteArray());
    pdf_.open(QIODevice::WriteOnly);
  }
  if (!painter_.begin(&Device()))
    throw PrintError(writer_ ? "PDF-dokumentet kunde inte påbörjas"
                             : "skrivaren " + printer_.printerName().toStdString() +
                                   " kunde inte starta dokumentet");
  painter_.setFont(font_);
}

void PrinterCanvas::NewPage() {
  if (!Device().newPage()) throw PrintError("en ny sida kunde inte påbörjas");
}

void PrinterCanvas::EndDoc() {
  if (!painter_.end()) throw PrintError("dokumentet kunde inte avslutas");
  if (!writer_) return;
  const QByteArray document = pdf_.data();
  pdf_.close();
  pdf_.setData(QByteArray());
  WritePdfFile(printer_.outputFileName().toStdString(), document);
}

void PrinterCanvas::Abort() {
  if (painter_.isActive()) {
    if (!writer_) printer_.abort();
    painter_.end();
  }
  pdf_.close();
  pdf_.setData(QByteArray());
}

void PrinterCanvas::SetFont(const std::string& name, int points) {
  font_ = QFont(QString::fromStdString(name));
  font_.setPointSize(points);
  if (painter_.isActive()) painter_.setFont(font_);
}

int PrinterCanvas::FontSize() const { return font_.pointSize(); }

int PrinterCanvas::TextWidth(const std::string& text) const {
  return QFontMetrics(font_, &Device()).horizontalAdvance(QString::fromStdString(text));
}

int PrinterCanvas::TextHeight(const std::string&) const {
  return QFontMetrics(font_, &Device()).height();
}

void PrinterCanvas::TextOut(int x, int y, const std::string& text) {
  const QFontMetrics metrics(font_, &Device());
  const QString s = QString::fromStdString(text);
  painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), Qt::white);
  painter_.drawText(x, y + metrics.ascent(), s);
}

void PrinterCanvas::SetPenWidth(int pixels) { painter_.setPen(QPen(Qt::black, pixels)); }

void PrinterCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  painter_.setBrush(Qt::white);
  painter_.drawRect(QRect(x1, y1, x2 - x1, y2 - y1));
}

void PrinterCanvas::Line(int x1, int y1, int x2, int y2) { painter_.drawLine(x1, y1, x2, y2); }

}  // namespace virano
