// virano-manual KÄLLA.md MÅL.pdf
// Renders the user guide, written in Markdown, to a PDF document in A4.
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() != 3) {
    std::fputs("Användning: virano-manual KÄLLA.md MÅL.pdf\n", stderr);
    return 2;
  }
  QFile source(args[1]);
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "Kan inte läsa %s: %s\n", qPrintable(args[1]),
                 qPrintable(source.errorString()));
    return 1;
  }

  QTextDocument document;
  document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
  document.setMarkdown(QString::fromUtf8(source.readAll()));
  // Tables with thin collapsed borders and some room in the cells.
  for (QTextFrame* frame : document.rootFrame()->childFrames()) {
    if (auto* table = qobject_cast<QTextTable*>(frame)) {
      QTextTableFormat format = table->format();
      format.setBorderCollapse(true);
      format.setBorder(0.6);
      format.setCellSpacing(0);
      format.setCellPadding(4);
      table->setFormat(format);
    }
  }

  QPdfWriter writer(args[2]);
  writer.setTitle(QStringLiteral("VIRANO – Användarhandbok"));
  writer.setCreator(QStringLiteral("VIRANO"));
  writer.setResolution(300);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter));
  document.print(&writer);
  if (!QFile::exists(args[2])) {
    std::fprintf(stderr, "Kunde inte skriva %s\n", qPrintable(args[2]));
    return 1;
  }
  return 0;
}
