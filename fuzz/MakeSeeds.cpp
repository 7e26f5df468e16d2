// Writes the fuzz targets' seed corpora into the folder given (fuzz/corpus):
// rooms and projects as the tests build them, their JSON documents, users
// files and the error file of a faulty room. Run by hand when the record or
// the JSON document changes: `build/bin/virano-fuzz-seeds fuzz/corpus`.
#include <QJsonDocument>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Omvandling.h"
#include "project/input_check.h"
#include "project/recordfile.h"
#include "project/users.h"
#include "support/ProjectWriter.h"
#include "support/RoomBuilder.h"

namespace fs = std::filesystem;
using namespace virano;
using testing::RoomBuilder;

namespace {

void Write(const fs::path& path, const void* data, std::size_t size) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(static_cast<const char*>(data),
                                               static_cast<std::streamsize>(size));
}

RoomBuilder WindowAndRadiator() {
  RoomBuilder room(4, 5, 2.5);
  room.SubSurface(FrontWall, 1, "Fönster", 1, 3, 1.1, 2.1, 12)
      .SubSurface(FrontWall, 2, "Radiator", 1, 3, 0.1, 0.7, 45)
      .Point(FrontWall, 0, 2, 1.2, 1)
      .Point(Floor, 0, 3, 2, 1);
  return room;
}

// The rooms: a plain box with points, one with a window and a radiator,
// each heating system, sub-surfaces reaching past their surface, and texts
// that are no numbers.
std::vector<RoomBuilder> Rooms() {
  std::vector<RoomBuilder> rooms;
  rooms.emplace_back(4, 4, 4).Point(FrontWall, 0, 2, 2, 1).Point(Ceiling, 0, 2, 2, 0.5);
  rooms.push_back(WindowAndRadiator());
  for (int system = 1; system < 6; ++system) {
    RoomBuilder room = WindowAndRadiator();
    room.record().HeatSystem.Set(system);
    room.record().Temp05OG.SetText("19,5");
    room.record().Temp18OG.SetText("21");
    room.record().WattPerKvmTak.SetText("80");
    room.Point(LeftWall, 0, 1, 1, 0.6).Point(RearWall, 1, 3.9, 2.4, 4.9);
    rooms.push_back(std::move(room));
  }
  RoomBuilder past(6, 4, 3);
  past.SubSurface(LeftWall, 1, "Dörr", -0.5, 1, 0, 2.1, 18)
      .SubSurface(RightWall, 1, "Omvänd", 3, 1, 1, 2, 30)
      .Point(LeftWall, 0, 0.01, 0.01, 0.05)
      .Point(RightWall, 0, 2, 1.5, 5.9);
  rooms.push_back(std::move(past));
  RoomBuilder bad = WindowAndRadiator();
  bad.record().Ytor[FrontWall][2].YtTemp.SetText("4,5,0");
  bad.record().Punkter[Floor][0].Zp.SetText("1m");
  bad.record().Ytor[RearWall][0].X2.SetText("");
  rooms.push_back(std::move(bad));
  return rooms;
}

void WriteJson(const fs::path& path, const std::vector<TRoomRecord>& records) {
  const QByteArray json = omvandlare::ProjectToJson(records);
  Write(path, json.constData(), static_cast<std::size_t>(json.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const fs::path corpus = argv[1];
  const std::vector<RoomBuilder> rooms = Rooms();
  for (std::size_t i = 0; i < rooms.size(); ++i)
    Write(corpus / "room" / ("room-" + std::to_string(i)), &rooms[i].record(), sizeof(TRoomRecord));

  // Projects of one, two and three rooms, as the tool tests write them.
  const fs::path scratch = fs::temp_directory_path() / "virano-fuzz-seeds.rot";
  const std::vector<std::vector<int>> projects = {{0}, {1, 8}, {2, 7, 8}};
  for (std::size_t p = 0; p < projects.size(); ++p) {
    std::vector<TRoomRecord> records;
    testing::WriteNamedProject(scratch, {"Kontor"});
    records.push_back(ProjectFile(scratch).Read(0));
    for (int r : projects[p]) records.push_back(rooms[static_cast<std::size_t>(r)].record());
    const std::string name = "project-" + std::to_string(p);
    Write(corpus / "project" / name, records.data(), records.size() * sizeof(TRoomRecord));
    Write(corpus / "json-roundtrip" / name, records.data(), records.size() * sizeof(TRoomRecord));
    WriteJson(corpus / "json-import" / (name + ".json"), records);

    // The error file of the project's last room.
    fs::remove(scratch);
    Write(scratch, records.data(), records.size() * sizeof(TRoomRecord));
    const fs::path errors = fs::temp_directory_path() / "virano-fuzz-seeds.rof";
    CheckRoomFile(scratch, errors, static_cast<int>(records.size() - 1), false);
    const auto lines = ErrorFile(errors).ReadAll();
    if (!lines.empty())
      Write(corpus / "error-file" / ("errors-" + std::to_string(p)), lines.data(),
            lines.size() * sizeof(TErrorRecord));
    fs::remove(errors);
  }
  fs::remove(scratch);

  // Users files: the first start's one empty user, and three users.
  const TUserRecord empty{};
  Write(corpus / "user-file" / "users-0", &empty, sizeof empty);
  const std::vector<TUserRecord> users = {MakeUser("Anna", "/home/anna/Projekt"),
                                          MakeUser("Åke Öberg", "/srv/projekt/värme"),
                                          MakeUser("anna", "")};
  Write(corpus / "user-file" / "users-1", users.data(), users.size() * sizeof(TUserRecord));
  return 0;
}
