#pragma once
// A folder in which nothing can be made, removed or renamed while the object
// lives, also for tests run with administrator rights: the calling thread
// sets aside its right to override file permissions meanwhile.
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QFile>

namespace virano::testing {

class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const QString& path) : path_(path), permissions_(QFile::permissions(path)) {
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner);
    Override(false);
  }
  ~ReadOnlyFolder() {
    Override(true);
    QFile::setPermissions(path_, permissions_);
  }

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

  QString path_;
  QFile::Permissions permissions_;
};

}  // namespace virano::testing
