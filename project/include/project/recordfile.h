#pragma once
// Files of fixed-size records without header or trailer. Every operation
// opens the file, does its work and closes it again; nothing is kept open.
#include <cstddef>
#include <functional>
#include <memory>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "project/record.h"

namespace virano {

// An input/output error: the system's error text and the file's path.
class FileError : public std::runtime_error {
 public:
  FileError(const std::string& message, std::filesystem::path path, int error = 0)
      : std::runtime_error(message), path_(std::move(path)), error_(error) {}
  const std::filesystem::path& path() const { return path_; }
  // The text without the path that the system's text ends with.
  std::string reason() const;
  // The system's error number (errno), 0 for the program's own errors.
  int error() const { return error_; }

 private:
  std::filesystem::path path_;
  int error_;
};

// A read at or past the last whole record.
class ReadPastEndError : public FileError {
 public:
  using FileError::FileError;
};

// For tests: later operations on a file fail as the system would fail them,
// with `error`, an errno value such as EACCES, ENOSPC or ENOENT.
namespace faults {
enum class Step { Open, Read, Write };  // Write includes cutting the file
inline constexpr int kUntilCleared = -1;
// The next `times` steps of kind `step` on `path` fail.
void Inject(const std::filesystem::path& path, Step step, int error, int times = 1);
void Clear();
// The error injected for this step on `path`, or 0; taken, as a step that
// fails takes it. For the writers of other files than records.
int Take(const std::filesystem::path& path, Step step);
}  // namespace faults

// Untyped operations on records of `size` bytes.
namespace rawrecords {
void Read(const std::filesystem::path& path, std::size_t size, long long index, void* into);
void Write(const std::filesystem::path& path, std::size_t size, long long index, const void* from);
void Append(const std::filesystem::path& path, std::size_t size, const void* from);
long long Count(const std::filesystem::path& path, std::size_t size);
void OpenForWriting(const std::filesystem::path& path);
void Create(const std::filesystem::path& path);
void Truncate(const std::filesystem::path& path, std::size_t size, long long index);
void Remove(const std::filesystem::path& path, std::size_t size, long long index);
// Makes `bytes` bytes at `from` the whole content of the file, which is made
// when missing. Crash-safe as Remove: see there.
void ReplaceAll(const std::filesystem::path& path, const void* from, std::size_t bytes);
void CopyAll(const std::filesystem::path& from, const std::filesystem::path& to, std::size_t size);
// Reads every whole record into the buffer that `allocate(count)` returns.
void ReadAll(const std::filesystem::path& path, std::size_t size,
             const std::function<void*(std::size_t count)>& allocate);
// Reads the whole records in file order, `batch` at a time into `buffer`,
// and hands each to `visit` (its index, its bytes) until it returns false.
void ReadEach(const std::filesystem::path& path, std::size_t size, std::size_t batch, void* buffer,
              const std::function<bool(long long index, const void* record)>& visit);
}  // namespace rawrecords

// A file of records of type Record.
template <typename Record>
class RecordFile {
 public:
  static constexpr std::size_t kRecordSize = sizeof(Record);

  explicit RecordFile(std::filesystem::path path) : path_(std::move(path)) {}
  const std::filesystem::path& path() const { return path_; }

  // Reads record k; ReadPastEndError when the file has no whole record k.
  void Read(long long k, Record& into) const { rawrecords::Read(path_, kRecordSize, k, &into); }
  Record Read(long long k) const {
    Record r;
    Read(k, r);
    return r;
  }
  // Writes record k; k equal to the count appends. The file must exist.
  void Write(long long k, const Record& from) const {
    rawrecords::Write(path_, kRecordSize, k, &from);
  }
  void Append(const Record& from) const { rawrecords::Append(path_, kRecordSize, &from); }
  // Whole records in the file; a trailing partial record is not counted.
  long long Count() const { return rawrecords::Count(path_, kRecordSize); }
  // Opens the file for reading and writing and closes it: fails as a store
  // would where the file is write-protected.
  void CheckWritable() const { rawrecords::OpenForWriting(path_); }
  // Creates the file, or empties an existing one.
  void Create() const { rawrecords::Create(path_); }
  // Removes records k and after.
  void Truncate(long long k) const { rawrecords::Truncate(path_, kRecordSize, k); }
  // Removes record k: the records after it move down by one.
  // ReadPastEndError when there is no record k.
  //
  // Crash-safe: the new content is written into a temporary file in the same
  // folder, flushed to disk and renamed over the file, which keeps its
  // permissions; a program killed meanwhile leaves the old file whole. A
  // write-protected file is refused as a store into it is. Where the folder
  // takes no new file (or has no room for one), the records are moved down
  // within the file itself, as before.
  void Remove(long long k) const { rawrecords::Remove(path_, kRecordSize, k); }
  // Makes `records` the whole file, crash-safe as Remove.
  void ReplaceAll(const std::vector<Record>& records) const {
    rawrecords::ReplaceAll(path_, records.data(), records.size() * kRecordSize);
  }
  // Creates (or empties) `to` and copies every whole record into it.
  void CopyTo(const std::filesystem::path& to) const {
    rawrecords::CopyAll(path_, to, kRecordSize);
  }
  // Hands every whole record, in file order and with its number, to `visit`
  // until it returns false; the file is read a few records at a time.
  void ReadEach(const std::function<bool(long long k, const Record& record)>& visit) const {
    constexpr std::size_t kBatch = 32;
    const auto buffer = std::make_unique<Record[]>(kBatch);
    rawrecords::ReadEach(path_, kRecordSize, kBatch, buffer.get(),
                         [&visit](long long k, const void* record) {
                           return visit(k, *static_cast<const Record*>(record));
                         });
  }

  // Every whole record, in file order.
  std::vector<Record> ReadAll() const {
    std::vector<Record> records;
    rawrecords::ReadAll(path_, kRecordSize, [&records](std::size_t count) -> void* {
      records.resize(count);
      return records.data();
    });
    return records;
  }

 private:
  std::filesystem::path path_;
};

using ProjectFile = RecordFile<TRoomRecord>;
using UserFile = RecordFile<TUserRecord>;
using ErrorFile = RecordFile<TErrorRecord>;

// Creates the users file with one empty record, as a first start does.
void CreateUserFile(const std::filesystem::path& path);

// `path` without the extension of its last component: "/a/hus.rot" gives
// "/a/hus", "/a.b/hus" stays. Both "/" and "\" separate components.
std::string PathWithoutExtension(std::string_view path);

}  // namespace virano
