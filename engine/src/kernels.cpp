// The two closed-form corner-rectangle kernels and the classification of a
// point's projection against a rectangle.
#include "engine/kernels.h"

#include <cmath>
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
    throw CalculationError(std::string("Division med noll i ") + operation);
  }
  if (!std::isfinite(H) || !std::isfinite(L) || !std::isfinite(Z)) {
    throw CalculationError(std::string("Ogiltigt talvärde i ") + operation);
  }
}

}  // namespace

float ParallellaFallet(float H, float L, float Z) {
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
  RequireArguments(H, L, Z, "VinkelRataFallet");
  const long double a = L / static_cast<long double>(Z);
  const long double b = H / static_cast<long double>(Z);
  const long double rootB = std::sqrt(1.0L + b * b);
  return static_cast<float>((std::atan(a) - 1.0L / rootB * std::atan(a / rootB)) / kTwoPi);
}

namespace {

// Where a projection coordinate p lies against an interval lo … hi.
enum class Place { Inside, Within, Before, After, AtLow, AtHigh };

bool Holds(Place place, float lo, float hi, float p) {
  switch (place) {
    case Place::Inside: return lo < p && p < hi;
    case Place::Within: return lo <= p && p <= hi;
    case Place::Before: return p < lo;
    case Place::After: return p > hi;
    case Place::AtLow: return p == lo;
    case Place::AtHigh: return p == hi;
  }
  return false;
}

struct CaseTest {
  int fallTyp;
  Place x;
  Place y;
};

// All tests are made in this order; the last that holds decides.
constexpr CaseTest kCaseTests[] = {
    {1, Place::Inside, Place::Inside},  {2, Place::Within, Place::After},
    {3, Place::Before, Place::Within},  {4, Place::After, Place::Within},
    {5, Place::Within, Place::Before},  {6, Place::Before, Place::After},
    {7, Place::After, Place::After},    {8, Place::Before, Place::Before},
    {9, Place::After, Place::Before},   {11, Place::AtLow, Place::AtHigh},
    {12, Place::AtHigh, Place::AtHigh}, {13, Place::AtHigh, Place::AtLow},
    {14, Place::AtLow, Place::AtLow},   {15, Place::Inside, Place::AtHigh},
    {16, Place::Inside, Place::AtLow},  {17, Place::AtLow, Place::Inside},
    {18, Place::AtHigh, Place::Inside},
};

}  // namespace

int CheckFallTyp(float X1, float X2, float Y1, float Y2, float ChpX, float ChpY) {
  int fallTyp = 0;
  for (const CaseTest& test : kCaseTests) {
    if (Holds(test.x, X1, X2, ChpX) && Holds(test.y, Y1, Y2, ChpY)) fallTyp = test.fallTyp;
  }
  // Only an undefined coordinate fails every test.
  if (fallTyp == 0) throw CalculationError("Ogiltigt talvärde i CheckFallTyp");
  return fallTyp;
}

}  // namespace virano
