#include "project/record.h"

#include "project/numbers.h"

namespace virano {

TSurfaceRow::Cell& TSurfaceRow::cell(int c) {
  return const_cast<Cell&>(static_cast<const TSurfaceRow&>(*this).cell(c));
}

const TSurfaceRow::Cell& TSurfaceRow::cell(int c) const {
  switch (c) {
    case 0: return Namn;
    case 1: return X1;
    case 2: return X2;
    case 3: return Y1;
    case 4: return Y2;
    case 5: return UVarde;
    case 6: return Mi;
    case 7: return TempUtsida;
    default: return YtTemp;
  }
}

TPointRow::Cell& TPointRow::cell(int c) {
  return const_cast<Cell&>(static_cast<const TPointRow&>(*this).cell(c));
}

const TPointRow::Cell& TPointRow::cell(int c) const {
  switch (c) {
    case 0: return Xp;
    case 1: return Yp;
    default: return Zp;
  }
}

int StoredFileVersion(const TRoomRecord& general) { return StrToInt(general.FilVersion.Text()); }

}  // namespace virano
