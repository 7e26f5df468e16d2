#include <gtest/gtest.h>

#include <filesystem>
#include <cstring>
#include <fstream>

#include "project/numbers.h"
#include "project/recordfile.h"

namespace virano {
namespace {

namespace fs = std::filesystem;

class RecordFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("virano-rf-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path Path(const char* name) const { return dir_ / name; }

  static TRoomRecord Room(const char* name) {
    TRoomRecord r{};
    r.RumsNamn.SetText(name);
    return r;
  }

  fs::path dir_;
};

TEST_F(RecordFileTest, NewProjectIsGeneralRecordAndRoomOne) {
  ProjectFile file(Path("Nytt.rot"));
  file.Create();
  EXPECT_EQ(file.Count(), 0);
  TRoomRecord general{};
  general.FilVersion.SetText(std::to_string(DerivedVersion(false)));
  file.Write(0, general);
  file.Write(1, Room("Kontor"));
  EXPECT_EQ(fs::file_size(file.path()), 39998u);
  EXPECT_EQ(file.Count(), 2);
  EXPECT_EQ(file.Read(1).RumsNamn.Text(), "Kontor");
  EXPECT_EQ(StoredFileVersion(file.Read(0)), 1);
}

TEST_F(RecordFileTest, ReadsAndRewritesRecordsInPlace) {
  ProjectFile file(Path("p.rot"));
  file.Create();
  for (const char* name : {"allm", "A", "B", "C"}) file.Append(Room(name));
  file.Write(2, Room("B2"));
  EXPECT_EQ(file.Count(), 4);
  auto all = file.ReadAll();
  ASSERT_EQ(all.size(), 4u);
  EXPECT_EQ(all[1].RumsNamn.Text(), "A");
  EXPECT_EQ(all[2].RumsNamn.Text(), "B2");
  EXPECT_EQ(all[3].RumsNamn.Text(), "C");
  file.Truncate(2);
  EXPECT_EQ(file.Count(), 2);
  EXPECT_EQ(fs::file_size(file.path()), 2u * 19999u);
  file.Truncate(5);  // past the end: nothing to cut
  EXPECT_EQ(file.Count(), 2);
}

TEST_F(RecordFileTest, RemovingARecordMovesTheLaterOnesDown) {
  ProjectFile file(Path("p.rot"));
  file.Create();
  for (const char* name : {"allm", "R1", "R2", "R3", "R4"}) file.Append(Room(name));
  file.Remove(2);
  ASSERT_EQ(file.Count(), 4);
  EXPECT_EQ(fs::file_size(file.path()), 4u * 19999u);
  EXPECT_EQ(file.Read(1).RumsNamn.Text(), "R1");
  EXPECT_EQ(file.Read(2).RumsNamn.Text(), "R3");
  EXPECT_EQ(file.Read(3).RumsNamn.Text(), "R4");
  file.Remove(3);  // the last one
  EXPECT_EQ(file.Count(), 3);
  EXPECT_THROW(file.Remove(3), ReadPastEndError);
  EXPECT_EQ(file.Count(), 3);

  const fs::path copy = Path("kopia.rot");
  { std::ofstream(copy) << "old content that is replaced"; }
  file.CopyTo(copy);
  EXPECT_EQ(fs::file_size(copy), 3u * 19999u);
  EXPECT_EQ(ProjectFile(copy).Read(2).RumsNamn.Text(), "R3");
}

TEST_F(RecordFileTest, ReadAtOrPastTheEndIsItsOwnError) {
  ProjectFile file(Path("p.rot"));
  file.Create();
  file.Append(Room("allm"));
  file.Append(Room("A"));
  EXPECT_THROW(file.Read(2), ReadPastEndError);
  EXPECT_THROW(file.Read(-1), ReadPastEndError);
  EXPECT_NO_THROW(file.Read(1));
  // Writing past the end would leave a hole of garbage records.
  EXPECT_THROW(file.Write(3, Room("X")), FileError);
  EXPECT_EQ(file.Count(), 2);
}

TEST_F(RecordFileTest, PartialTrailingRecordIsNotCounted) {
  ProjectFile file(Path("p.rot"));
  file.Create();
  file.Append(Room("allm"));
  file.Append(Room("A"));
  {
    std::ofstream out(file.path(), std::ios::binary | std::ios::app);
    out << std::string(1000, 'z');
  }
  EXPECT_EQ(file.Count(), 2);
  EXPECT_EQ(file.ReadAll().size(), 2u);
  EXPECT_THROW(file.Read(2), ReadPastEndError);
}

TEST_F(RecordFileTest, MissingFileErrorCarriesSystemTextAndPath) {
  ProjectFile file(Path("saknas.rot"));
  for (auto op : {+[](ProjectFile& f) { f.Count(); }, +[](ProjectFile& f) { f.Read(0); },
                  +[](ProjectFile& f) { f.Write(0, TRoomRecord{}); }}) {
    try {
      op(file);
      FAIL() << "no error";
    } catch (const ReadPastEndError&) {
      FAIL() << "a missing file is not a read past the end";
    } catch (const FileError& e) {
      EXPECT_EQ(e.path(), file.path());
      EXPECT_NE(std::string(e.what()).find("saknas.rot"), std::string::npos);
      EXPECT_NE(std::string(e.what()).find(std::strerror(ENOENT)), std::string::npos);
    }
  }
  EXPECT_FALSE(fs::exists(file.path()));
}

TEST_F(RecordFileTest, VersionTwoIsToldApartFromVersionOne) {
  ProjectFile file(Path("gammal.rot"));
  file.Create();
  TRoomRecord general{};
  general.FilVersion.SetText("2");
  file.Append(general);
  file.Append(Room("A"));
  EXPECT_EQ(StoredFileVersion(file.Read(0)), 2);
  EXPECT_NE(StoredFileVersion(file.Read(0)), DerivedVersion(false));
  general.FilVersion.SetText("x");
  file.Write(0, general);
  EXPECT_THROW(StoredFileVersion(file.Read(0)), ConversionError);
}

TEST_F(RecordFileTest, UsersFile) {
  UserFile users(Path("Custom.roi"));
  CreateUserFile(users.path());
  EXPECT_EQ(fs::file_size(users.path()), 277u);
  auto all = users.ReadAll();
  ASSERT_EQ(all.size(), 1u);
  EXPECT_TRUE(all[0].UserNamn.Empty());
  EXPECT_TRUE(all[0].SenastBibl.Empty());

  TUserRecord anna{};
  anna.UserNamn.SetText("Anna Åberg");
  users.Append(anna);
  anna.SenastBibl.SetText("/hem/anna/projekt");
  users.Write(1, anna);
  all = users.ReadAll();
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[1].UserNamn.Text(), "Anna Åberg");
  EXPECT_EQ(all[1].SenastBibl.Text(), "/hem/anna/projekt");
}

TEST_F(RecordFileTest, ErrorFile) {
  ErrorFile errors(Path("p.rof"));
  errors.Create();
  EXPECT_EQ(errors.Count(), 0);
  EXPECT_TRUE(errors.ReadAll().empty());
  TErrorRecord e{};
  e.Nr.Set(3);
  e.RumsNamn.SetText("Kök");
  e.Yta.SetText("Vägg höger");
  e.Felmeddelande.SetText("Yttemperatur saknas");
  errors.Append(e);
  e.Nr.Set(4);
  errors.Append(e);
  EXPECT_EQ(fs::file_size(errors.path()), 182u);
  auto all = errors.ReadAll();
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0].Nr.Get(), 3);
  EXPECT_EQ(all[1].Nr.Get(), 4);
  EXPECT_EQ(all[0].Yta.Text(), "Vägg höger");
  errors.Create();  // a new check empties it
  EXPECT_EQ(errors.Count(), 0);
}

TEST(PathWithoutExtensionTest, CutsOnlyTheLastComponentsExtension) {
  EXPECT_EQ(PathWithoutExtension("/data/hus.rot"), "/data/hus");
  EXPECT_EQ(PathWithoutExtension("/data/hus.2024.rot"), "/data/hus.2024");
  EXPECT_EQ(PathWithoutExtension("/data/hus"), "/data/hus");
  EXPECT_EQ(PathWithoutExtension("/data.old/hus"), "/data.old/hus");
  EXPECT_EQ(PathWithoutExtension("C:\\Projekt.x\\hus.txt"), "C:\\Projekt.x\\hus");
  EXPECT_EQ(PathWithoutExtension("hus.rot"), "hus");
}

}  // namespace
}  // namespace virano
