#include "support/ProjectWriter.h"

#include <memory>

#include "project/numbers.h"
#include "project/recordfile.h"

namespace virano::testing {

void WriteProject(const std::filesystem::path& path, std::initializer_list<const TRoomRecord*> rooms) {
  const ProjectFile file(path);
  file.Create();
  auto general = std::make_unique<TRoomRecord>();
  general->FilVersion.SetText(std::to_string(DerivedVersion(false)));
  file.Append(*general);
  for (const TRoomRecord* room : rooms) file.Append(*room);
}

void WriteNamedProject(const std::filesystem::path& path, const std::vector<std::string>& names,
                       const std::function<void(int k, TRoomRecord&)>& fill) {
  const ProjectFile file(path);
  file.Create();
  auto record = std::make_unique<TRoomRecord>();
  TRoomRecord& general = *record;
  general.FilVersion.SetText("1");
  general.TextStorlek.SetText("11");
  general.Radavst.SetText("12");
  general.Anl1.SetText("Skolan");
  general.Datum.SetText("2001-02-03");
  if (fill) fill(0, general);
  file.Append(general);
  for (int k = 1; k <= static_cast<int>(names.size()); ++k) {
    TRoomRecord& room = *record;
    room = TRoomRecord{};
    room.RumsNamn.SetText(names[k - 1]);
    for (auto* field : {&room.RumsTemp, &room.Rot, &room.MinRot}) field->SetText("20");
    room.LuftHast.SetText("0,15");
    for (auto* field : {&room.IncROT, &room.WattPerKvmTak, &room.Temp05OG, &room.Temp18OG})
      field->SetText("0");
    for (int s = 0; s < kMainSurfaceCount; ++s) {
      TSurfaceRow& row = room.Ytor[s][0];
      row.Namn.SetText(std::string(kMainSurfaceCaptions[s]));
      row.X1.SetText("0");
      row.X2.SetText("4");
      row.Y1.SetText("0");
      row.Y2.SetText("4");
      row.YtTemp.SetText("20");
    }
    if (fill) fill(k, room);
    file.Append(room);
  }
}

}  // namespace virano::testing
