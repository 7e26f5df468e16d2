#pragma once
// Where the users file of an installation lives, for the program and for the
// users file editor alike.
#include <QString>

namespace virano {

// Custom.roi in `programBibl` when that folder is writable; otherwise in the
// user's own data folder (created when missing), so that a program installed
// in a read-only folder still keeps its users. Native separators.
QString UserFilPath(const QString& programBibl);

}  // namespace virano
