// Rewrites of a whole file: a program killed in the middle of one leaves the
// old file or the new one, never a mixture; the file keeps its permissions;
// a folder that takes no new file is rewritten in place.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "project/recordfile.h"
#include "support/ProjectWriter.h"
#include "support/ReadOnlyFolder.h"
#include "support/TempDir.h"

namespace virano {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRooms = 200;

std::vector<std::string> RoomNames(int rooms, int without = 0) {
  std::vector<std::string> names;
  for (int k = 1; k <= rooms; ++k)
    if (k != without) names.push_back("Rum " + std::to_string(k));
  return names;
}

std::vector<std::string> StoredNames(const fs::path& path) {
  std::vector<std::string> names;
  const auto records = ProjectFile(path).ReadAll();
  for (std::size_t k = 1; k < records.size(); ++k) names.push_back(records[k].RumsNamn.Text());
  return names;
}

// Deletes room 2 in a child process; returns its id.
pid_t StartDeletingRoom2(const fs::path& path) {
  const pid_t child = ::fork();
  if (child == 0) {
    try {
      ProjectFile(path).Remove(2);
    } catch (...) {
      ::_exit(1);
    }
    ::_exit(0);
  }
  return child;
}

TEST(SafeRewrite, ADeletionKilledAtAnyMomentLeavesEveryRoomOnceOrRoomTwoGone) {
  testing::TempDir dir("kill");
  const fs::path path = dir.path() / "hus.rot";
  testing::WriteNamedProject(path, RoomNames(kRooms));
  const auto start = Clock::now();
  int status = 0;
  ::waitpid(StartDeletingRoom2(path), &status, 0);
  const auto whole = Clock::now() - start;
  ASSERT_EQ(status, 0);
  ASSERT_EQ(StoredNames(path), RoomNames(kRooms, 2));

  std::mt19937 rng(23);
  std::uniform_int_distribution<long long> moment(
      0, std::chrono::duration_cast<std::chrono::microseconds>(whole).count() * 3 / 2);
  int killedMidway = 0;
  for (int i = 0; i < 100; ++i) {
    testing::WriteNamedProject(path, RoomNames(kRooms));
    const pid_t child = StartDeletingRoom2(path);
    std::this_thread::sleep_for(std::chrono::microseconds(moment(rng)));
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) ++killedMidway;
    const auto names = StoredNames(path);
    ASSERT_TRUE(names == RoomNames(kRooms) || names == RoomNames(kRooms, 2))
        << "kill " << i << ": " << names.size() << " rooms";
    EXPECT_EQ(fs::file_size(path) % sizeof(TRoomRecord), 0u) << "kill " << i;
  }
  EXPECT_GT(killedMidway, 0);
}

// The whole-file rewrites, each making `path` hold rooms "1" and "3" of a
// project of rooms "1", "2" and "3".
struct Rewrite {
  const char* name;
  void (*rewrite)(const fs::path& path);
};

const Rewrite kRewrites[] = {
    {"DeletingARoom", [](const fs::path& path) { ProjectFile(path).Remove(2); }},
    {"ReplacingAllRecords",
     [](const fs::path& path) {
       auto records = ProjectFile(path).ReadAll();
       records.erase(records.begin() + 2);
       ProjectFile(path).ReplaceAll(records);
     }},
};

// Where the new content goes: beside the file, or into the file itself when
// the folder takes no new file or the disk has no room for a copy.
enum class Folder { TakesFiles, TakesNoFile, HasNoRoomForACopy };
const char* const kFolderNames[] = {"", "InAFolderTakingNoNewFile", "OnADiskWithoutRoomForACopy"};

class SafeRewriteOf : public ::testing::TestWithParam<std::tuple<Rewrite, Folder>> {};

TEST_P(SafeRewriteOf, KeepsThePermissionsAndLeavesNothingBeside) {
  const auto [how, folder] = GetParam();
  testing::TempDir dir("rewrite");
  const fs::path path = dir.path() / "hus.rot";
  testing::WriteNamedProject(path, {"1", "2", "3"});
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  {
    std::optional<testing::ReadOnlyFolder> locked;
    if (folder == Folder::TakesNoFile) locked.emplace(dir.path());
    // The copy's first write fails; the rewrite in place has room.
    if (folder == Folder::HasNoRoomForACopy) faults::Inject(path, faults::Step::Write, ENOSPC);
    how.rewrite(path);
    faults::Clear();
  }
  EXPECT_EQ(StoredNames(path), (std::vector<std::string>{"1", "3"}));
  EXPECT_EQ(fs::status(path).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

INSTANTIATE_TEST_SUITE_P(
    , SafeRewriteOf,
    ::testing::Combine(::testing::ValuesIn(kRewrites),
                       ::testing::Values(Folder::TakesFiles, Folder::TakesNoFile,
                                         Folder::HasNoRoomForACopy)),
    [](const auto& param) {
      return std::string(std::get<0>(param.param).name) +
             kFolderNames[static_cast<int>(std::get<1>(param.param))];
    });

TEST(SafeRewrite, AWriteProtectedFileIsRefusedAndKept) {
  testing::TempDir dir("protected");
  const fs::path path = dir.path() / "hus.rot";
  testing::WriteNamedProject(path, {"1", "2"});
  fs::permissions(path, fs::perms::owner_read);
  {
    // The folder takes files, the file no writes, also for an administrator.
    const testing::ReadOnlyFolder locked(dir.path());
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_THROW(ProjectFile(path).Remove(1), FileError);
    EXPECT_THROW(ProjectFile(path).ReplaceAll({}), FileError);
  }
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(StoredNames(path), (std::vector<std::string>{"1", "2"}));
}

TEST(SafeRewrite, ThroughASymbolicLinkTheLinkStaysAndItsFileIsRewritten) {
  testing::TempDir dir("link");
  const fs::path path = dir.path() / "hus.rot", link = dir.path() / "genväg.rot";
  testing::WriteNamedProject(path, {"1", "2", "3"});
  fs::create_symlink(path.filename(), link);
  ProjectFile(link).Remove(2);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(StoredNames(path), (std::vector<std::string>{"1", "3"}));
}

TEST(SafeRewrite, ReplacingAllMakesAMissingFileWithTheUsualPermissions) {
  testing::TempDir dir("replace-new");
  const fs::path path = dir.path() / "Custom.roi";
  UserFile(path).ReplaceAll({TUserRecord{}});
  EXPECT_EQ(UserFile(path).Count(), 1);
  const mode_t mask = ::umask(022);
  ::umask(mask);
  EXPECT_EQ(static_cast<mode_t>(fs::status(path).permissions()), 0666 & ~mask);
}

}  // namespace
}  // namespace virano
