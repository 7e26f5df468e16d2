#include "project/input_check.h"

#include "project/numbers.h"
#include "project/recordfile.h"

namespace virano {

namespace {

constexpr std::size_t kMessageLength = 40;

bool Filled(const TSurfaceRow::Cell& cell) { return !cell.Empty(); }

// Appends a piece to the message, which never grows past its field.
void Add(std::string& message, std::string_view piece) {
  message += piece;
  if (message.size() > kMessageLength) message.resize(kMessageLength);
}

}  // namespace

std::string RowErrorMessage(const TSurfaceRow& row, int r, MainSurface s) {
  if (!row.InUse()) return r == 0 ? "Saknar koordinater, " : "";
  const bool coordinates = Filled(row.X1) && Filled(row.X2) && Filled(row.Y1) && Filled(row.Y2);
  const bool buildingData = Filled(row.UVarde) && Filled(row.Mi) && Filled(row.TempUtsida);
  const bool surfaceTemperature = Filled(row.YtTemp);
  std::string message;
  if (!coordinates) {
    Add(message, "Saknar koordinater, ");
  } else if (!surfaceTemperature && !buildingData) {
    Add(message, " ");
    Add(message, s == RearWall ? "saknar byggnadsdata ," : "saknar byggnadsdata, ");
  }
  if (!surfaceTemperature) {
    Add(message, " ");
    Add(message, "saknar yttemp");
  }
  return message;
}

bool OutsideSpan(std::string_view value, std::string_view limit, bool decimalPunkt) {
  const auto v = TryStrToFloat(DecimalFormat(value, decimalPunkt), decimalPunkt);
  const auto most = TryStrToFloat(DecimalFormat(limit, decimalPunkt), decimalPunkt);
  return v && most && !(*v > 0 && *v < *most);
}

DepthCell RoomDepth(MainSurface surface) {
  constexpr int kX2 = 2, kY2 = 4;
  switch (surface) {
    case FrontWall:
    case RearWall: return {LeftWall, kX2};
    case LeftWall:
    case RightWall: return {FrontWall, kX2};
    case Floor:
    case Ceiling: break;
  }
  return {FrontWall, kY2};
}

bool PointOutsideRoom(const TRoomRecord& room, MainSurface surface, int row, bool decimalPunkt) {
  const TPointRow& point = room.Punkter[surface][static_cast<std::size_t>(row)];
  const TSurfaceRow& own = room.Ytor[surface][0];
  const DepthCell depth = RoomDepth(surface);
  return OutsideSpan(point.Xp.Text(), own.X2.Text(), decimalPunkt) ||
         OutsideSpan(point.Yp.Text(), own.Y2.Text(), decimalPunkt) ||
         OutsideSpan(point.Zp.Text(), room.Ytor[depth.surface][0].cell(depth.col).Text(), decimalPunkt);
}

std::string PointOutsideMessage(int row) {
  return "Punkt " + std::to_string(row) + " ligger utanför rummet";
}

std::vector<TErrorRecord> RoomErrors(const TRoomRecord& room, int number, bool decimalPunkt) {
  std::vector<TErrorRecord> errors;
  const auto add = [&](int s, const std::string& message) -> TErrorRecord& {
    TErrorRecord& error = errors.emplace_back();
    error.Nr.Set(static_cast<std::int16_t>(number));
    error.RumsNamn = room.RumsNamn;
    error.Yta.SetText(kMainSurfaceCaptions[s]);
    error.Felmeddelande.SetText(message);
    return error;
  };
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    for (int r = 0; r < kSurfaceRowsPerBlock - 1; ++r) {
      const TSurfaceRow& row = room.Ytor[s][r];
      const std::string message = RowErrorMessage(row, r, static_cast<MainSurface>(s));
      if (message.empty()) continue;
      TErrorRecord& error = add(s, message);
      if (r > 0) error.Delyta = row.Namn;
    }
    for (int k = 0; k < kPointRowsPerBlock - 1; ++k)
      if (room.Punkter[s][k].InUse() && PointOutsideRoom(room, MainSurface(s), k, decimalPunkt))
        add(s, PointOutsideMessage(k));
  }
  return errors;
}

void WriteErrorFile(const std::filesystem::path& errorFile, const std::vector<TErrorRecord>& errors) {
  const ErrorFile file(errorFile);
  file.Create();
  for (const TErrorRecord& error : errors) file.Append(error);
}

std::vector<TErrorRecord> CheckRoomFile(const std::filesystem::path& projectFile,
                                        const std::filesystem::path& errorFile, int number,
                                        bool decimalPunkt) {
  ErrorFile(errorFile).Create();
  TRoomRecord room;
  ProjectFile(projectFile).Read(number, room);
  const std::vector<TErrorRecord> found = RoomErrors(room, number, decimalPunkt);
  WriteErrorFile(errorFile, found);
  return found;
}

}  // namespace virano
