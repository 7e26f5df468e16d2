#pragma once
// The room the main window shows, as the other windows follow it.
#include <QString>

namespace virano {

struct TVisatRum {
  QString filNamn;  // the open project's path without extension; empty: none open
  int rum = 0;      // the room number shown
  int yta = 0;      // the main surface shown, 0 to 5
  bool decimalPunkt = false;

  bool operator==(const TVisatRum&) const = default;
};

}  // namespace virano
