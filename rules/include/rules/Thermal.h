#pragma once
// The room's thermal rules: the surface temperature of a surface row from
// its U-value, "mi" and outside temperature, the ROT increase for the air
// velocity, and the minimum ROT. Texts come as the window shows them; each
// number is read after DecimalFormat with the system's separator.
#include <string>
#include <string_view>

namespace virano {

// Trum − U·mi·(Trum − Tute) in extended precision, rounded to single.
float SurfaceTemperature(long double trum, long double u, long double mi, long double tute);

// The surface temperature as text with one decimal (half away from zero on
// the single value's exact expansion, "-0,0" kept). ConversionError when a
// text is not a number.
std::string YtTemperaturText(std::string_view rumsTemp, std::string_view uVarde,
                             std::string_view mi, std::string_view tempUtsida, bool decimalPunkt);

// U × mi is larger than 1, so that the surface would be colder than the
// outside: mi is the inside surface resistance in m2*K/W (0,13 for walls),
// and one who types a heat-transfer coefficient (8) gets a surface far below
// the outside temperature. False while either is not a number.
bool ResistanceTooLarge(std::string_view uVarde, std::string_view mi, bool decimalPunkt);

// What an air velocity gives the ROT increase box.
struct IncRotVerdict {
  enum Kind {
    kOpen,      // not a number, or above 0,35 m/s: the user gives the increase
    kZero,      // up to 0,2 m/s: "0"
    kIncrease,  // above 0,2 up to 0,35 m/s: v·13,333 − 2,666 with one decimal
  };
  Kind kind;
  std::string text;  // "0" or the increase; empty for kOpen
};
IncRotVerdict IncRotForVelocity(std::string_view luftHast, bool decimalPunkt);

// The minimum ROT: the target ROT (through DecimalFormat) plus the increase
// (as it stands), in the general format. ConversionError when either is not
// a number.
std::string MinRotText(std::string_view rot, std::string_view incRot, bool decimalPunkt);

}  // namespace virano
