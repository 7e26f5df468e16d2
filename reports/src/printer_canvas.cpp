#include "reports/printer_canvas.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace virano {

namespace {

[[noreturn]] void Fail(const QString& path, int error) {
  throw PrintError(std::string(std::strerror(error)) + ": " + path.toStdString());
}

// The mode a new file gets: readable and writable as the umask allows.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

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

PrinterCanvas::PrinterCanvas(QPrinter& printer) : printer_(printer) {}

PrinterCanvas::~PrinterCanvas() {
  if (painter_.isActive()) Abort();
}

int PrinterCanvas::PageWidth() const { return printer_.width(); }
int PrinterCanvas::PageHeight() const { return printer_.height(); }
int PrinterCanvas::PageWidthMm() const { return printer_.widthMM(); }

void PrinterCanvas::OpenPdfTarget() {
  target_ = printer_.outputFileName();
  if (target_.isEmpty()) throw PrintError("ingen PDF-fil är vald");
  const QFileInfo info(target_);
  const QByteArray target = QFile::encodeName(target_);
  if (info.exists() && ::access(target.constData(), W_OK) != 0) Fail(target_, errno);
  QByteArray pattern = QFile::encodeName(info.absolutePath() + "/." + info.fileName() + ".XXXXXX");
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) Fail(target_, errno);
  struct stat existing {};
  ::fchmod(fd, ::stat(target.constData(), &existing) == 0 ? existing.st_mode & 07777
                                                          : NewFileMode());
  ::close(fd);
  temp_ = QFile::decodeName(pattern);
  printer_.setOutputFileName(temp_);
}

void PrinterCanvas::DropPdfTarget() {
  if (temp_.isEmpty()) return;
  ::unlink(QFile::encodeName(temp_).constData());
  temp_.clear();
  printer_.setOutputFileName(target_);
}

void PrinterCanvas::BeginDoc(const std::string& title) {
  printer_.setDocName(QString::fromStdString(title));
  target_.clear();
  if (printer_.outputFormat() == QPrinter::PdfFormat) OpenPdfTarget();
  if (!painter_.begin(&printer_)) {
    DropPdfTarget();
    throw PrintError(target_.isEmpty()
                         ? "skrivaren " + printer_.printerName().toStdString() +
                               " kunde inte starta dokumentet"
                         : target_.toStdString() + " kunde inte skrivas");
  }
  painter_.setFont(font_);
}

void PrinterCanvas::NewPage() {
  if (!printer_.newPage()) throw PrintError("en ny sida kunde inte påbörjas");
}

void PrinterCanvas::EndDoc() {
  if (!painter_.end()) throw PrintError("dokumentet kunde inte avslutas");
  if (temp_.isEmpty()) return;
  const QByteArray from = QFile::encodeName(temp_);
  if (std::rename(from.constData(), QFile::encodeName(target_).constData()) != 0) {
    const int error = errno;
    DropPdfTarget();
    Fail(target_, error);
  }
  temp_.clear();
  printer_.setOutputFileName(target_);
}

void PrinterCanvas::Abort() {
  if (painter_.isActive()) {
    printer_.abort();
    painter_.end();
  }
  DropPdfTarget();
}

void PrinterCanvas::SetFont(const std::string& name, int points) {
  font_ = QFont(QString::fromStdString(name));
  font_.setPointSize(points);
  if (painter_.isActive()) painter_.setFont(font_);
}

int PrinterCanvas::FontSize() const { return font_.pointSize(); }

int PrinterCanvas::TextWidth(const std::string& text) const {
  return QFontMetrics(font_, &printer_).horizontalAdvance(QString::fromStdString(text));
}

int PrinterCanvas::TextHeight(const std::string&) const {
  return QFontMetrics(font_, &printer_).height();
}

void PrinterCanvas::TextOut(int x, int y, const std::string& text) {
  const QFontMetrics metrics(font_, &printer_);
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
