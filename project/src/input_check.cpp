#include "project/input_check.h"

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

std::vector<TErrorRecord> RoomErrors(const TRoomRecord& room, int number) {
  std::vector<TErrorRecord> errors;
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    for (int r = 0; r < kSurfaceRowsPerBlock - 1; ++r) {
      const TSurfaceRow& row = room.Ytor[s][r];
      const std::string message = RowErrorMessage(row, r, static_cast<MainSurface>(s));
      if (message.empty()) continue;
      TErrorRecord& error = errors.emplace_back();
      error.Nr.Set(static_cast<std::int16_t>(number));
      error.RumsNamn = room.RumsNamn;
      error.Yta.SetText(kMainSurfaceCaptions[s]);
      if (r > 0) error.Delyta = row.Namn;
      error.Felmeddelande.SetText(message);
    }
  }
  return errors;
}

void WriteErrorFile(const std::filesystem::path& errorFile, const std::vector<TErrorRecord>& errors) {
  const ErrorFile file(errorFile);
  file.Create();
  for (const TErrorRecord& error : errors) file.Append(error);
}

std::vector<TErrorRecord> CheckRoomFile(const std::filesystem::path& projectFile,
                                        const std::filesystem::path& errorFile, int number) {
  ErrorFile(errorFile).Create();
  TRoomRecord room;
  ProjectFile(projectFile).Read(number, room);
  const std::vector<TErrorRecord> found = RoomErrors(room, number);
  WriteErrorFile(errorFile, found);
  return found;
}

}  // namespace virano
