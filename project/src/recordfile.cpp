#include "project/recordfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>

namespace virano {

std::string FileError::reason() const {
  const std::string text = what();
  const std::string suffix = ": " + path_.string();
  if (text.size() > suffix.size() && text.ends_with(suffix))
    return text.substr(0, text.size() - suffix.size());
  return text;
}

namespace faults {
namespace {

struct Fault {
  std::filesystem::path path;
  Step step;
  int error;
  int times;
};

std::vector<Fault>& Injected() {
  static std::vector<Fault> faults;
  return faults;
}

std::filesystem::path Normal(const std::filesystem::path& path) {
  std::error_code ignored;
  return std::filesystem::absolute(path, ignored).lexically_normal();
}

}  // namespace

int Take(const std::filesystem::path& path, Step step) {
  auto& faults = Injected();
  if (faults.empty()) return 0;
  const std::filesystem::path normal = Normal(path);
  const auto fault = std::find_if(faults.begin(), faults.end(), [&](const Fault& f) {
    return f.step == step && f.path == normal;
  });
  if (fault == faults.end()) return 0;
  const int error = fault->error;
  if (fault->times != kUntilCleared && --fault->times <= 0) faults.erase(fault);
  return error;
}

void Inject(const std::filesystem::path& path, Step step, int error, int times) {
  Injected().push_back({Normal(path), step, error, times});
}

void Clear() { Injected().clear(); }

}  // namespace faults
}  // namespace virano

namespace virano::rawrecords {
namespace {

[[noreturn]] void Fail(const std::filesystem::path& path, int error) {
  throw FileError(std::string(std::strerror(error)) + ": " + path.string(), path, error);
}

// Fails as the system would when a fault is injected for this step.
void Check(const std::filesystem::path& path, faults::Step step) {
  if (const int error = faults::Take(path, step)) Fail(path, error);
}

// An open file descriptor, closed when the operation ends.
class Fd {
 public:
  Fd(const std::filesystem::path& path, int flags) : path_(path), fd_(-1) {
    Check(path, faults::Step::Open);
    fd_ = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    if (fd_ < 0) Fail(path, errno);
  }
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  // Takes over `fd`, an open file that errors and faults name as `path`.
  Fd(int fd, const std::filesystem::path& path) : path_(path), fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;

  // Flushes what was written to the disk.
  void Sync() const {
    Check(path_, faults::Step::Write);
    if (::fsync(fd_) != 0) Fail(path_, errno);
  }

  long long Size() const {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) Fail(path_, errno);
    return static_cast<long long>(st.st_size);
  }

  // Reads exactly n bytes at offset; returns false at end of file.
  bool ReadAt(void* into, std::size_t n, long long offset) const {
    Check(path_, faults::Step::Read);
    auto* p = static_cast<char*>(into);
    while (n > 0) {
      ssize_t got = ::pread(fd_, p, n, offset);
      if (got < 0) {
        if (errno == EINTR) continue;
        Fail(path_, errno);
      }
      if (got == 0) return false;
      p += got;
      n -= static_cast<std::size_t>(got);
      offset += got;
    }
    return true;
  }

  void WriteAt(const void* from, std::size_t n, long long offset) const {
    Check(path_, faults::Step::Write);
    const auto* p = static_cast<const char*>(from);
    while (n > 0) {
      ssize_t put = ::pwrite(fd_, p, n, offset);
      if (put < 0) {
        if (errno == EINTR) continue;
        Fail(path_, errno);
      }
      p += put;
      n -= static_cast<std::size_t>(put);
      offset += put;
    }
  }

  void Close() {
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Fail(path_, errno);
  }

  // Cuts the file at `size` bytes.
  void Cut(long long size) const {
    Check(path_, faults::Step::Write);
    if (::ftruncate(fd_, size) != 0) Fail(path_, errno);
  }

 private:
  std::filesystem::path path_;
  int fd_;
};

long long Offset(std::size_t size, long long index) {
  return static_cast<long long>(size) * index;
}

// The errors by which a folder takes no new file, or has no room for one.
bool NoNewFile(int error) {
  return error == EACCES || error == EPERM || error == EROFS || error == ENOSPC ||
         error == EDQUOT;
}

// The permissions of a new file: 0666 less the process's mask, read where
// the system tells it without changing it.
mode_t NewFileMode() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("Umask:", 0) == 0)
      return 0666 & ~static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
  return 0644;
}

// Writes the new content of `path` by `write` into a temporary file beside
// it, flushes it to disk and renames it over `path`, with the permissions
// (and, where allowed, the owner) of the file it replaces; a link is
// followed and stays a link. Returns false, leaving everything as it was,
// when the folder takes no new file or has no room for it. Errors and
// injected faults name `path`.
bool ReplaceBeside(const std::filesystem::path& path, const std::function<void(const Fd&)>& write) {
  std::error_code ignored;
  std::filesystem::path target = path;
  if (std::filesystem::is_symlink(path, ignored)) {
    const std::filesystem::path real = std::filesystem::canonical(path, ignored);
    if (!real.empty()) target = real;
  }
  const std::filesystem::path folder =
      target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  std::string name = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int raw = ::mkostemp(name.data(), O_CLOEXEC);
  if (raw < 0) {
    if (NoNewFile(errno)) return false;
    Fail(path, errno);
  }
  try {
    Fd fd(raw, path);
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
      if (::fchown(raw, old.st_uid, old.st_gid) != 0) {
        // The owner is kept only where the system lets it; the permissions are
        // kept all the same.
      }
      if (::fchmod(raw, old.st_mode & 07777) != 0) Fail(path, errno);
    } else if (::fchmod(raw, NewFileMode()) != 0) {
      Fail(path, errno);
    }
    write(fd);
    fd.Sync();
    fd.Close();
    if (::rename(name.c_str(), target.c_str()) != 0) Fail(path, errno);
  } catch (const FileError& error) {
    ::unlink(name.c_str());
    if (error.error() == ENOSPC || error.error() == EDQUOT) return false;
    throw;
  } catch (...) {
    ::unlink(name.c_str());
    throw;
  }
  // The rename itself reaches the disk with the folder.
  if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace

void Read(const std::filesystem::path& path, std::size_t size, long long index, void* into) {
  Fd fd(path, O_RDONLY);
  long long count = fd.Size() / static_cast<long long>(size);
  if (index < 0 || index >= count)
    throw ReadPastEndError("Läsning efter filens slut: " + path.string(), path);
  if (!fd.ReadAt(into, size, Offset(size, index)))
    throw ReadPastEndError("Läsning efter filens slut: " + path.string(), path);
}

void Write(const std::filesystem::path& path, std::size_t size, long long index, const void* from) {
  Fd fd(path, O_RDWR);
  long long count = fd.Size() / static_cast<long long>(size);
  if (index < 0 || index > count)
    throw FileError("Skrivning efter filens slut: " + path.string(), path);
  fd.WriteAt(from, size, Offset(size, index));
  fd.Close();
}

void Append(const std::filesystem::path& path, std::size_t size, const void* from) {
  Fd fd(path, O_RDWR);
  long long count = fd.Size() / static_cast<long long>(size);
  fd.WriteAt(from, size, Offset(size, count));
  fd.Close();
}

long long Count(const std::filesystem::path& path, std::size_t size) {
  Fd fd(path, O_RDONLY);
  return fd.Size() / static_cast<long long>(size);
}

void OpenForWriting(const std::filesystem::path& path) {
  Fd fd(path, O_RDWR);
  fd.Close();
}

void Create(const std::filesystem::path& path) {
  Fd fd(path, O_RDWR | O_CREAT | O_TRUNC);
  fd.Close();
}

void Truncate(const std::filesystem::path& path, std::size_t size, long long index) {
  Fd fd(path, O_RDWR);
  if (index < 0) Fail(path, EINVAL);
  if (index >= fd.Size() / static_cast<long long>(size)) return;  // nothing to cut
  fd.Cut(Offset(size, index));
  fd.Close();
}

void Remove(const std::filesystem::path& path, std::size_t size, long long index) {
  Fd fd(path, O_RDWR);  // a write-protected file is refused here
  const long long count = fd.Size() / static_cast<long long>(size);
  if (index < 0 || index >= count)
    throw ReadPastEndError("Läsning efter filens slut: " + path.string(), path);
  std::vector<char> record(size);
  const bool replaced = ReplaceBeside(path, [&](const Fd& into) {
    long long to = 0;
    for (long long j = 0; j < count; ++j) {
      if (j == index) continue;
      if (!fd.ReadAt(record.data(), size, Offset(size, j)))
        throw ReadPastEndError("Läsning efter filens slut: " + path.string(), path);
      into.WriteAt(record.data(), size, Offset(size, to++));
    }
  });
  if (replaced) return;
  // The folder takes no new file: the records move down within the file.
  for (long long j = index; j + 1 < count; ++j) {
    fd.ReadAt(record.data(), size, Offset(size, j + 1));
    fd.WriteAt(record.data(), size, Offset(size, j));
  }
  fd.Cut(Offset(size, count - 1));
  fd.Close();
}

void ReplaceAll(const std::filesystem::path& path, const void* from, std::size_t bytes) {
  std::error_code ignored;
  std::optional<Fd> existing;
  if (std::filesystem::exists(path, ignored)) existing.emplace(path, O_RDWR);  // refused as a store
  if (ReplaceBeside(path, [&](const Fd& into) { into.WriteAt(from, bytes, 0); })) return;
  if (!existing) existing.emplace(path, O_RDWR | O_CREAT);
  existing->WriteAt(from, bytes, 0);
  existing->Cut(static_cast<long long>(bytes));
  existing->Close();
}

void CopyAll(const std::filesystem::path& from, const std::filesystem::path& to, std::size_t size) {
  Fd source(from, O_RDONLY);
  const long long count = source.Size() / static_cast<long long>(size);
  Fd target(to, O_RDWR | O_CREAT | O_TRUNC);
  std::vector<char> record(size);
  for (long long j = 0; j < count; ++j) {
    if (!source.ReadAt(record.data(), size, Offset(size, j)))
      throw ReadPastEndError("Läsning efter filens slut: " + from.string(), from);
    target.WriteAt(record.data(), size, Offset(size, j));
  }
  target.Close();
}

void ReadEach(const std::filesystem::path& path, std::size_t size, std::size_t batch, void* buffer,
              const std::function<bool(long long index, const void* record)>& visit) {
  Fd fd(path, O_RDONLY);
  const long long count = fd.Size() / static_cast<long long>(size);
  for (long long first = 0; first < count; first += static_cast<long long>(batch)) {
    const auto n = static_cast<std::size_t>(std::min<long long>(static_cast<long long>(batch), count - first));
    if (!fd.ReadAt(buffer, n * size, Offset(size, first)))
      throw ReadPastEndError("Läsning efter filens slut: " + path.string(), path);
    for (std::size_t i = 0; i < n; ++i)
      if (!visit(first + static_cast<long long>(i), static_cast<const char*>(buffer) + i * size)) return;
  }
}

void ReadAll(const std::filesystem::path& path, std::size_t size,
             const std::function<void*(std::size_t count)>& allocate) {
  Fd fd(path, O_RDONLY);
  const auto count = static_cast<std::size_t>(fd.Size() / static_cast<long long>(size));
  void* into = allocate(count);
  if (count > 0 && !fd.ReadAt(into, count * size, 0))
    throw ReadPastEndError("Läsning efter filens slut: " + path.string(), path);
}

}  // namespace virano::rawrecords

namespace virano {

void CreateUserFile(const std::filesystem::path& path) {
  UserFile file(path);
  file.Create();
  file.Append(TUserRecord{});
}

std::string PathWithoutExtension(std::string_view path) {
  const std::size_t name = path.find_last_of("/\\");
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || (name != std::string_view::npos && dot < name))
    return std::string(path);
  return std::string(path.substr(0, dot));
}

}  // namespace virano
