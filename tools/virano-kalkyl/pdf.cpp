#include "pdf.h"

#include <QPrinter>
#include <algorithm>
#include <memory>

#include "engine/calculation.h"
#include "engine/kernels.h"
#include "project/numbers.h"
#include "project/recordfile.h"
#include "qt_output.h"
#include "reports/PdfFile.h"
#include "reports/printer_canvas.h"
#include "reports/utskrift.h"

namespace virano {

using kalkyl::Fail;

namespace {

constexpr int kUsageOrFile = 2;
constexpr int kStopped = 3;

// The text size as the window's spin box takes it from the project: a whole
// number kept within 8 to 12; anything else leaves the default 10.
int TextStorlek(const TRoomRecord& general) {
  try {
    return std::clamp(StrToInt(general.TextStorlek.Text()), 8, 12);
  } catch (const ConversionError&) {
    return 10;
  }
}

ReportSettings Settings(const std::filesystem::path& project, const TRoomRecord& general,
                        bool decimalPunkt) {
  ReportSettings settings;
  settings.ProjektFil = std::filesystem::absolute(project).lexically_normal();
  std::filesystem::path stem = settings.ProjektFil;
  if (stem.extension() == ".rot") stem.replace_extension();
  settings.FilNamn = stem.string();
  settings.TextStorlek = TextStorlek(general);
  settings.DecimalPunkt = decimalPunkt;
  settings.Allmaent = AllmDataFrom(general);
  return settings;
}

// The rooms the room chooser lists: every room with a name, by number.
std::vector<int> NamedRooms(const ProjectFile& file) {
  std::vector<int> rooms;
  const std::vector<TRoomRecord> records = file.ReadAll();
  for (std::size_t k = 1; k < records.size(); ++k)
    if (!records[k].RumsNamn.Empty()) rooms.push_back(static_cast<int>(k));
  return rooms;
}

}  // namespace

PdfOptions TakePdfOptions(std::vector<std::string>& args) {
  PdfOptions options;
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--pdf") {
      if (i + 1 == args.size()) options.error = "--pdf saknar filnamn";
      else options.file = args[++i];
    } else if (arg == "--indata") {
      options.indata = true;
    } else if (arg == "--resultat") {
      options.resultat = true;
    } else if (arg == "--vaggvyer") {
      options.vaggvyer = true;
    } else {
      rest.push_back(arg);
    }
  }
  if (!options.file && (options.indata || options.resultat || options.vaggvyer) &&
      options.error.empty())
    options.error = "--indata, --resultat och --vaggvyer gäller bara med --pdf";
  args = std::move(rest);
  return options;
}

int WritePdf(const PdfOptions& options, bool detalj, const std::filesystem::path& project,
             std::optional<int> room, bool decimalPunkt) {
  // Nothing but a PDF file is replaced by the report.
  if (const auto problem = PdfTargetProblem(*options.file)) return Fail(kUsageOrFile, *problem);
  const kalkyl::OffscreenGui gui;

  const ProjectFile file(project);
  const auto general = std::make_unique<TRoomRecord>(file.Read(0));
  const ReportSettings settings = Settings(project, *general, decimalPunkt);
  const bool all = !options.indata && !options.resultat && !detalj && !options.vaggvyer;
  const ReportChoice choice{all || options.indata, all || options.resultat, all || detalj,
                            all || options.vaggvyer};
  const std::vector<int> rooms = room ? std::vector<int>{*room} : NamedRooms(file);
  if (rooms.empty()) return Fail(kUsageOrFile, "projektet har inget rum med namn att skriva ut");

  QPrinter printer(QPrinter::HighResolution);
  SetUpPdfPrinter(printer, QString::fromStdString(*options.file));
  PrinterCanvas canvas(printer);
  try {
    SkrivUt(canvas, settings, choice, rooms, TablesFromFile(project, decimalPunkt));
  } catch (const PrintError& e) {
    return Fail(kStopped, e.what());
  } catch (const ConversionError& e) {
    return Fail(kStopped, e.what());
  } catch (const CalculationError& e) {
    return Fail(kStopped, e.what());
  }
  return 0;
}

}  // namespace virano
