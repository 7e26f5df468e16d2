#include "png.h"

#include <QImage>
#include <QSaveFile>

#include "engine/kernels.h"
#include "project/numbers.h"
#include "qt_output.h"
#include "reports/rot_karta_bild.h"
#include "rules/MapDrawing.h"

namespace virano::kalkyl {

namespace {

constexpr int kStopped = 3;

}  // namespace

std::optional<std::string> TakePngOption(std::vector<std::string>& args) {
  std::optional<std::string> file;
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--png") {
      rest.push_back(args[i]);
      continue;
    }
    if (i + 1 == args.size()) throw OptionError("--png saknar filnamn");
    file = args[++i];
  }
  args = std::move(rest);
  return file;
}

int WritePng(const std::string& file, const MapAndCsvOptions& options,
             const std::filesystem::path& project, int room, bool decimalPunkt) {
  const OffscreenGui gui;
  RoomMap computed;
  try {
    computed = ComputeMap(options, project, room, decimalPunkt);
  } catch (const ConversionError& e) {
    return Fail(kStopped, e.what());
  } catch (const CalculationError& e) {
    return Fail(kStopped, e.what());
  }
  const MainSurface surface = *options.surface;
  RotKartaData data;
  data.map = std::move(computed.map);
  data.drawing = RoomDrawingOf(*computed.room, surface, decimalPunkt);
  data.title = KartaTitel(*computed.room, surface, data.map.distance, data.map.quantity,
                          data.map.category, decimalPunkt);

  QSaveFile out(QString::fromStdString(file));
  if (!out.open(QIODevice::WriteOnly) ||
      !RotKartaImage(data, kRotKartaBildStorlek).save(&out, "PNG") || !out.commit())
    return Fail(kStopped, "bilden kunde inte skrivas: " + file + ": " +
                              out.errorString().toStdString());
  return 0;
}

}  // namespace virano::kalkyl
