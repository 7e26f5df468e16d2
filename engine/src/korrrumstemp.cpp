#include "engine/calculation.h"
#include "evaluation.h"

namespace virano {

using evaluation::RoomCell;
using evaluation::Single;

namespace {

// The profile of heating system HeatSystem; number(cell) gives the room's
// numbers and is asked only for those the system uses.
template <typename Numbers>
float AirProfile(int HeatSystem, float ChpY, Numbers number) {
  const long double h = ChpY;
  // Radiators, convectors, warm air and ceiling heating: a straight profile
  // through the room temperature at 1.25 m, T − (k·h + m).
  auto linear = [&](float k, float m) { return Single(number(RoomCell::RumsTemp) - (k * h + m)); };
  switch (HeatSystem) {
    case 0:  // Radiator
      return linear(1.0f, -1.25f);
    case 1:  // Konvektor
    case 2:  // Varmluft
      return linear(2.0f, -2.5f);
    case 3: {  // Takvärme: the slope grows with the output per m² ceiling
      const float k = 0.02f;
      const float m = -0.025f;
      const long double T = number(RoomCell::RumsTemp);
      return Single(T - (k * h + m) * number(RoomCell::WattPerKvmTak));
    }
    case 5: {  // Eget alternativ: the line through (0.5; T05) and (1.8; T18)
      const float T05 = Single(number(RoomCell::Temp05OG));
      const float T18 = Single(number(RoomCell::Temp18OG));
      const float k = Single((static_cast<long double>(T18) - T05) / 1.3L);
      const float m = Single(T18 - 1.8L * k);
      return Single(k * h + m);
    }
    default:  // Golvvärme: the same temperature at every height
      return Single(number(RoomCell::RumsTemp));
  }
}

}  // namespace

float KorrRumsTemp(int HeatSystem, float ChpY, std::string_view MedelRumsTemp,
                   std::string_view Temp05OG, std::string_view Temp18OG,
                   std::string_view WattPerKvmTak, bool decimalPunkt) {
  const std::string_view texts[] = {MedelRumsTemp, Temp05OG, Temp18OG, WattPerKvmTak};
  return AirProfile(HeatSystem, ChpY, [&](RoomCell cell) {
    return evaluation::Number(texts[static_cast<int>(cell)], decimalPunkt);
  });
}

float evaluation::KorrRumsTemp(StoredRoom& stored, float ChpY) {
  return AirProfile(stored.record().HeatSystem.Get(), ChpY,
                    [&](RoomCell cell) { return stored.Number(cell); });
}

}  // namespace virano
