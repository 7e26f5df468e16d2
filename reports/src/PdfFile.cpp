#include "reports/PdfFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "project/recordfile.h"
#include "reports/canvas.h"

namespace virano {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const std::string& target, int error) {
  throw PrintError(std::string(std::strerror(error)) + ": " + target);
}

// The file that `target` names once its symbolic links are followed; the
// last link's destination when it leads nowhere yet.
fs::path RealFile(const fs::path& target) {
  fs::path file = target;
  std::error_code error;
  for (int links = 0; links < 40 && fs::is_symlink(fs::symlink_status(file, error)); ++links) {
    const fs::path next = fs::read_symlink(file, error);
    if (error) break;
    file = next.is_absolute() ? next : file.parent_path() / next;
  }
  return fs::absolute(file, error).lexically_normal();
}

// The mode a new file gets: readable and writable as the umask allows.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Writes every byte to `fd` and flushes it to disk; the error, or 0. A fault
// injected for `target` fails the writing as the system would.
int WriteAll(int fd, const QByteArray& bytes, const std::string& target) {
  if (const int error = faults::Take(target, faults::Step::Write)) return error;
  for (qsizetype done = 0; done < bytes.size();) {
    const ssize_t put =
        ::write(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) return errno;
    done += put;
  }
  return ::fsync(fd) == 0 ? 0 : errno;
}

// In a folder that takes no new files: the file itself, emptied and written.
void WriteInPlace(const fs::path& file, const QByteArray& pdf, const std::string& target) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) Fail(target, errno);
  int error = WriteAll(fd, pdf, target);
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error != 0) Fail(target, error);
}

}  // namespace

std::optional<std::string> PdfTargetProblem(const std::string& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) != 0) return std::nullopt;  // nothing there yet
  if (S_ISDIR(st.st_mode)) return target + " är en mapp";
  if (!S_ISREG(st.st_mode)) return target + " är ingen vanlig fil";
  if (st.st_size == 0) return std::nullopt;
  const int fd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return target + " kan inte läsas: " + std::strerror(errno);
  char start[5] = {};
  const ssize_t got = ::read(fd, start, sizeof start);
  ::close(fd);
  if (got != sizeof start || std::memcmp(start, "%PDF-", sizeof start) != 0)
    return target + " är ingen PDF-fil och skrivs inte över";
  return std::nullopt;
}

void WritePdfFile(const std::string& target, const QByteArray& pdf) {
  const fs::path file = RealFile(target);
  struct stat existing {};
  const bool exists = ::stat(file.c_str(), &existing) == 0;
  std::string temp = (file.parent_path() / ("." + file.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    const int error = errno;
    if ((error == EACCES || error == EPERM) && exists && ::access(file.c_str(), W_OK) == 0)
      return WriteInPlace(file, pdf, target);
    Fail(target, error);
  }
  int error = ::fchmod(fd, exists ? existing.st_mode & 07777 : NewFileMode()) == 0 ? 0 : errno;
  if (error == 0) error = WriteAll(fd, pdf, target);
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temp.c_str(), file.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    Fail(target, error);
  }
}

}  // namespace virano
