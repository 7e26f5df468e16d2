// The two closed-form corner-rectangle kernels and the classification of a
// point's projection against a rectangle.
#include "engine/kernels.h"

#include <cmath>
#include <iterator>
#include <string>

namespace virano {
namespace {

constexpr long double kTwoPi = 6.283185307179586476925286766559005768L;

// The kernels divide by the distance Z: zero is a division by zero. An
// infinite or undefined argument (a coordinate out of float range, or the
// difference of two such) stops the calculation too. With finite arguments
// and Z ≠ 0 every value stays finite in extended precision.
void RequireArguments(float H, float L, float Z, const char* operation) {
  if (Z == 0.0f) {
    throw CalculationError(std::string("Division med noll i ") + operation,
                           CalculationError::Cause::kDivisionByZero);
  }
  if (!std::isfinite(H) || !std::isfinite(L) || !std::isfinite(Z)) {
    throw CalculationError(std::string("Ogiltigt talvärde i ") + operation);
  }
}

thread_local KernelTally tally;

[[gnu::noinline]] void Record(bool parallel, float H, float L, float Z) {
  tally.record->push_back({parallel, H, L, Z});
}

inline void Count(std::uint64_t& count, bool parallel, float H, float L, float Z) {
  ++count;
  if (tally.record) [[unlikely]] Record(parallel, H, L, Z);
}

}  // namespace

KernelTally& ThreadKernelTally() { return tally; }

float ParallellaFallet(float H, float L, float Z) {
  Count(tally.parallel, true, H, L, Z);
  RequireArguments(H, L, Z, "ParallellaFallet");
  const long double a = L / static_cast<long double>(Z);
  const long double b = H / static_cast<long double>(Z);
  const long double rootA = std::sqrt(1.0L + a * a);
  const long double rootB = std::sqrt(1.0L + b * b);
  const long double lTerm = a / rootA * std::atan(b / rootA);
  const long double hTerm = b / rootB * std::atan(a / rootB);
  return static_cast<float>((lTerm + hTerm) / kTwoPi);
}

float VinkelRataFallet(float H, float L, float Z) {
  Count(tally.perpendicular, false, H, L, Z);
  RequireArguments(H, L, Z, "VinkelRataFallet");
  const long double a = L / static_cast<long double>(Z);
  const long double b = H / static_cast<long double>(Z);
  const long double rootB = std::sqrt(1.0L + b * b);
  return static_cast<float>((std::atan(a) - 1.0L / rootB * std::atan(a / rootB)) / kTwoPi);
}

namespace {

// Where a projection coordinate p lies against an interval lo … hi.
enum Place : unsigned { Inside, Within, Before, After, AtLow, AtHigh };

// The places that hold for p, one bit each.
unsigned Places(float lo, float hi, float p) {
  return unsigned{lo < p && p < hi} << Inside | unsigned{lo <= p && p <= hi} << Within |
         unsigned{p < lo} << Before | unsigned{p > hi} << After | unsigned{p == lo} << AtLow |
         unsigned{p == hi} << AtHigh;
}

struct CaseTest {
  int fallTyp;
  Place x;
  Place y;
};

// All tests are made in this order; the last that holds decides.
constexpr CaseTest kCaseTests[] = {
    {1, Inside, Inside},  {2, Within, After},   {3, Before, Within},  {4, After, Within},
    {5, Within, Before},  {6, Before, After},   {7, After, After},    {8, Before, Before},
    {9, After, Before},   {11, AtLow, AtHigh},  {12, AtHigh, AtHigh}, {13, AtHigh, AtLow},
    {14, AtLow, AtLow},   {15, Inside, AtHigh}, {16, Inside, AtLow},  {17, AtLow, Inside},
    {18, AtHigh, Inside},
};

}  // namespace

int CheckFallTyp(float X1, float X2, float Y1, float Y2, float ChpX, float ChpY) {
  const unsigned x = Places(X1, X2, ChpX), y = Places(Y1, Y2, ChpY);
  // The last test that holds is the first that holds from the end.
  for (auto test = std::rbegin(kCaseTests); test != std::rend(kCaseTests); ++test)
    if ((x >> test->x) & (y >> test->y) & 1u) return test->fallTyp;
  // Only an undefined coordinate fails every test.
  throw CalculationError("Ogiltigt talvärde i CheckFallTyp");
}

}  // namespace virano
