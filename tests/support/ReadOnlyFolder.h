#pragma once
// A folder in which nothing can be made, removed or renamed while the object
// lives, also for tests run with administrator rights: the calling thread
// sets aside its right to override file permissions meanwhile.
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <filesystem>

namespace virano::testing {

class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(std::filesystem::path path)
      : path_(std::move(path)), permissions_(std::filesystem::status(path_).permissions()) {
    using std::filesystem::perms;
    std::filesystem::permissions(path_, perms::owner_read | perms::owner_exec);
    Override(false);
  }
  ~ReadOnlyFolder() {
    Override(true);
    std::filesystem::permissions(path_, permissions_);
  }
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

 private:
  // Drops the override from, or gives it back to, the effective rights.
  static void Override(bool on) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0) return;
    const unsigned bit = 1u << CAP_DAC_OVERRIDE;
    data[0].effective = on ? data[0].effective | (data[0].permitted & bit) : data[0].effective & ~bit;
    ::syscall(SYS_capset, &header, data);
  }

  std::filesystem::path path_;
  std::filesystem::perms permissions_;
};

}  // namespace virano::testing
