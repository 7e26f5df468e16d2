#pragma once
// A folder in which no entry can be made, removed or renamed while the
// object lives, also when the tests run with administrator rights: the
// right to override file permissions is set aside for the calling thread
// meanwhile.
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QFile>

namespace virano::testing {

class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const QString& path) : path_(path), permissions_(QFile::permissions(path)) {
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadUser | QFile::ExeUser);
    overridden_ = SetOverride(false);
  }
  ~ReadOnlyFolder() {
    if (overridden_) SetOverride(true);
    QFile::setPermissions(path_, permissions_);
  }
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

 private:
  // Raises or drops the override; true when it was in effect before.
  static bool SetOverride(bool on) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0) return false;
    const unsigned bit = 1u << CAP_DAC_OVERRIDE;
    const bool was = (data[0].effective & bit) != 0;
    data[0].effective = on ? (data[0].effective | (data[0].permitted & bit)) : (data[0].effective & ~bit);
    ::syscall(SYS_capset, &header, data);
    return was;
  }

  QString path_;
  QFile::Permissions permissions_;
  bool overridden_ = false;
};

}  // namespace virano::testing
