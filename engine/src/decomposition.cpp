// The decompositions of a rectangle into corner rectangles at the foot of the
// perpendicular from the point. Each operation is a list of signed terms
// K(h, l), every h and l a difference of two coordinates; the list is summed
// from left to right by one evaluator.
#include <array>
#include <cstddef>
#include <span>

#include "engine/kernels.h"

namespace virano {
namespace {

enum class Coord : unsigned char { X1, X2, Y1, Y2, ChpX, ChpY };
using enum Coord;

// from − less, rounded to float before it is passed to the kernel.
struct Diff {
  Coord from;
  Coord less;
};
constexpr Diff operator-(Coord from, Coord less) { return {from, less}; }

struct Term {
  bool add;
  Diff h;
  Diff l;
};
constexpr Term Add(Diff h, Diff l) { return {true, h, l}; }
constexpr Term Sub(Diff h, Diff l) { return {false, h, l}; }

using Coords = std::array<float, 6>;
using Kernel = float (*)(float H, float L, float Z);

float Value(const Coords& c, Diff d) {
  return c[static_cast<std::size_t>(d.from)] - c[static_cast<std::size_t>(d.less)];
}

// The running sum is a float, rounded after each addition or subtraction.
float Decompose(Kernel kernel, std::span<const Term> terms, const Coords& c, float Zp) {
  float sum = 0.0f;
  for (const Term& term : terms) {
    const float h = Value(c, term.h);
    const float l = Value(c, term.l);
    const float f = kernel(h, l, Zp);
    sum = term.add ? sum + f : sum - f;
  }
  return sum;
}

// Parallel plane: P(h, l), h along Y, l along X.
// 1: the four quadrants around the foot point.
constexpr Term kPar1[] = {Add(Y2 - ChpY, ChpX - X1), Add(Y2 - ChpY, X2 - ChpX),
                          Add(ChpY - Y1, X2 - ChpX), Add(ChpY - Y1, ChpX - X1)};
// 2–5: far strip less near strip, each split at the foot point.
constexpr Term kPar2[] = {Add(ChpY - Y1, ChpX - X1), Sub(ChpY - Y2, ChpX - X1),
                          Add(ChpY - Y1, X2 - ChpX), Sub(ChpY - Y2, X2 - ChpX)};
constexpr Term kPar3[] = {Add(Y2 - ChpY, X2 - ChpX), Sub(Y2 - ChpY, X1 - ChpX),
                          Add(ChpY - Y1, X2 - ChpX), Sub(ChpY - Y1, X1 - ChpX)};
constexpr Term kPar4[] = {Add(Y2 - ChpY, ChpX - X1), Sub(Y2 - ChpY, ChpX - X2),
                          Add(ChpY - Y1, ChpX - X1), Sub(ChpY - Y1, ChpX - X2)};
constexpr Term kPar5[] = {Add(Y2 - ChpY, ChpX - X1), Sub(Y1 - ChpY, ChpX - X1),
                          Add(Y2 - ChpY, X2 - ChpX), Sub(Y1 - ChpY, X2 - ChpX)};
// 6–9: inclusion and exclusion over the four corner rectangles.
constexpr Term kPar6[] = {Add(ChpY - Y1, X2 - ChpX), Sub(ChpY - Y2, X2 - ChpX),
                          Sub(ChpY - Y1, X1 - ChpX), Add(ChpY - Y2, X1 - ChpX)};
constexpr Term kPar7[] = {Add(ChpY - Y1, ChpX - X1), Sub(ChpY - Y2, ChpX - X1),
                          Sub(ChpY - Y1, ChpX - X2), Add(ChpY - Y2, ChpX - X2)};
constexpr Term kPar8[] = {Add(Y2 - ChpY, X2 - ChpX), Sub(Y1 - ChpY, X2 - ChpX),
                          Sub(Y2 - ChpY, X1 - ChpX), Add(Y1 - ChpY, X1 - ChpX)};
constexpr Term kPar9[] = {Add(Y2 - ChpY, ChpX - X1), Sub(Y1 - ChpY, ChpX - X1),
                          Sub(Y2 - ChpY, ChpX - X2), Add(Y1 - ChpY, ChpX - X2)};
// 11–14: the rectangle is one corner rectangle.
constexpr Term kPar11[] = {Add(ChpY - Y1, X2 - ChpX)};
constexpr Term kPar12[] = {Add(ChpY - Y1, ChpX - X1)};
constexpr Term kPar13[] = {Add(Y2 - ChpY, ChpX - X1)};
constexpr Term kPar14[] = {Add(Y2 - ChpY, X2 - ChpX)};
// 15–18: two corner rectangles either side of the foot point.
constexpr Term kPar15[] = {Add(ChpY - Y1, ChpX - X1), Add(ChpY - Y1, X2 - ChpX)};
constexpr Term kPar16[] = {Add(Y2 - ChpY, ChpX - X1), Add(Y2 - ChpY, X2 - ChpX)};
constexpr Term kPar17[] = {Add(Y2 - ChpY, X2 - ChpX), Add(ChpY - Y1, X2 - ChpX)};
constexpr Term kPar18[] = {Add(Y2 - ChpY, ChpX - X1), Add(ChpY - Y1, ChpX - X1)};

// Perpendicular plane, depth along X: V(h, l), h a depth along X, l along Y.
// The far depth edge adds, the near one subtracts.
constexpr Term kSid2AtX2[] = {Add(ChpX - X1, ChpY - Y1), Sub(ChpX - X1, ChpY - Y2)};
constexpr Term kSid2AtX1[] = {Add(X2 - ChpX, ChpY - Y1), Sub(X2 - ChpX, ChpY - Y2)};
constexpr Term kSid3[] = {Add(X2 - ChpX, Y2 - ChpY), Sub(X1 - ChpX, Y2 - ChpY),
                          Add(X2 - ChpX, ChpY - Y1), Sub(X1 - ChpX, ChpY - Y1)};
constexpr Term kSid4[] = {Add(ChpX - X1, Y2 - ChpY), Sub(ChpX - X2, Y2 - ChpY),
                          Add(ChpX - X1, ChpY - Y1), Sub(ChpX - X2, ChpY - Y1)};
constexpr Term kSid5AtX2[] = {Add(ChpX - X1, Y2 - ChpY), Sub(ChpX - X1, Y1 - ChpY)};
constexpr Term kSid5AtX1[] = {Add(X2 - ChpX, Y2 - ChpY), Sub(X2 - ChpX, Y1 - ChpY)};
constexpr Term kSid6[] = {Add(X2 - ChpX, ChpY - Y1), Sub(X2 - ChpX, ChpY - Y2),
                          Sub(X1 - ChpX, ChpY - Y1), Add(X1 - ChpX, ChpY - Y2)};
constexpr Term kSid7[] = {Add(ChpX - X1, ChpY - Y1), Sub(ChpX - X1, ChpY - Y2),
                          Sub(ChpX - X2, ChpY - Y1), Add(ChpX - X2, ChpY - Y2)};
constexpr Term kSid8[] = {Add(X2 - ChpX, Y2 - ChpY), Sub(X2 - ChpX, Y1 - ChpY),
                          Sub(X1 - ChpX, Y2 - ChpY), Add(X1 - ChpX, Y1 - ChpY)};
constexpr Term kSid9[] = {Add(ChpX - X1, Y2 - ChpY), Sub(ChpX - X1, Y1 - ChpY),
                          Sub(ChpX - X2, Y2 - ChpY), Add(ChpX - X2, Y1 - ChpY)};
constexpr Term kSidCorner[] = {Add(X2 - X1, Y2 - Y1)};
constexpr Term kSidEdge[] = {Add(X2 - X1, Y2 - ChpY), Add(X2 - X1, ChpY - Y1)};

// Perpendicular plane, depth along Y: V(h, l), h a depth along Y, l along X.
constexpr Term kSid2G[] = {Add(ChpY - Y1, ChpX - X1), Sub(ChpY - Y2, ChpX - X1),
                           Add(ChpY - Y1, X2 - ChpX), Sub(ChpY - Y2, X2 - ChpX)};
constexpr Term kSid3GAtY1[] = {Add(Y2 - ChpY, X2 - ChpX), Sub(Y2 - ChpY, X1 - ChpX)};
constexpr Term kSid3GAtY2[] = {Add(ChpY - Y1, X2 - ChpX), Sub(ChpY - Y1, X1 - ChpX)};
constexpr Term kSid4GAtY1[] = {Add(Y2 - ChpY, ChpX - X1), Sub(Y2 - ChpY, ChpX - X2)};
constexpr Term kSid4GAtY2[] = {Add(ChpY - Y1, ChpX - X1), Sub(ChpY - Y1, ChpX - X2)};
constexpr Term kSid5G[] = {Add(Y2 - ChpY, X2 - ChpX), Sub(Y1 - ChpY, X2 - ChpX),
                           Add(Y2 - ChpY, ChpX - X1), Sub(Y1 - ChpY, ChpX - X1)};
constexpr Term kSid6G[] = {Add(ChpY - Y1, X2 - ChpX), Sub(ChpY - Y2, X2 - ChpX),
                           Sub(ChpY - Y1, X1 - ChpX), Add(ChpY - Y2, X1 - ChpX)};
constexpr Term kSid7G[] = {Add(ChpY - Y1, ChpX - X1), Sub(ChpY - Y2, ChpX - X1),
                           Sub(ChpY - Y1, ChpX - X2), Add(ChpY - Y2, ChpX - X2)};
constexpr Term kSid8G[] = {Add(Y2 - ChpY, X2 - ChpX), Sub(Y2 - ChpY, X1 - ChpX),
                           Sub(Y1 - ChpY, X2 - ChpX), Add(Y1 - ChpY, X1 - ChpX)};
constexpr Term kSid9G[] = {Add(Y2 - ChpY, ChpX - X1), Sub(Y2 - ChpY, ChpX - X2),
                           Sub(Y1 - ChpY, ChpX - X1), Add(Y1 - ChpY, ChpX - X2)};
constexpr Term kSidCornerG[] = {Add(Y2 - Y1, X2 - X1)};
constexpr Term kSidEdgeG[] = {Add(Y2 - Y1, X2 - ChpX), Add(Y2 - Y1, ChpX - X1)};

}  // namespace

#define VIRANO_OPERATION_HEAD(name) \
  float name(float X1, float X2, float Y1, float Y2, float ChpX, float ChpY, float Zp)
#define VIRANO_OPERATION(name, kernel, terms)                           \
  VIRANO_OPERATION_HEAD(name) {                                         \
    return Decompose(kernel, terms, {X1, X2, Y1, Y2, ChpX, ChpY}, Zp); \
  }

VIRANO_OPERATION(VkFallTyp1, ParallellaFallet, kPar1)
VIRANO_OPERATION(VkFallTyp2, ParallellaFallet, kPar2)
VIRANO_OPERATION(VkFallTyp3, ParallellaFallet, kPar3)
VIRANO_OPERATION(VkFallTyp4, ParallellaFallet, kPar4)
VIRANO_OPERATION(VkFallTyp5, ParallellaFallet, kPar5)
VIRANO_OPERATION(VkFallTyp6, ParallellaFallet, kPar6)
VIRANO_OPERATION(VkFallTyp7, ParallellaFallet, kPar7)
VIRANO_OPERATION(VkFallTyp8, ParallellaFallet, kPar8)
VIRANO_OPERATION(VkFallTyp9, ParallellaFallet, kPar9)
VIRANO_OPERATION(VkFallTyp11, ParallellaFallet, kPar11)
VIRANO_OPERATION(VkFallTyp12, ParallellaFallet, kPar12)
VIRANO_OPERATION(VkFallTyp13, ParallellaFallet, kPar13)
VIRANO_OPERATION(VkFallTyp14, ParallellaFallet, kPar14)
VIRANO_OPERATION(VkFallTyp15, ParallellaFallet, kPar15)
VIRANO_OPERATION(VkFallTyp16, ParallellaFallet, kPar16)
VIRANO_OPERATION(VkFallTyp17, ParallellaFallet, kPar17)
VIRANO_OPERATION(VkFallTyp18, ParallellaFallet, kPar18)

VIRANO_OPERATION(VkSidFallTyp3, VinkelRataFallet, kSid3)
VIRANO_OPERATION(VkSidFallTyp4, VinkelRataFallet, kSid4)
VIRANO_OPERATION(VkSidFallTyp6, VinkelRataFallet, kSid6)
VIRANO_OPERATION(VkSidFallTyp7, VinkelRataFallet, kSid7)
VIRANO_OPERATION(VkSidFallTyp8, VinkelRataFallet, kSid8)
VIRANO_OPERATION(VkSidFallTyp9, VinkelRataFallet, kSid9)
VIRANO_OPERATION(VkSidFallTyp11, VinkelRataFallet, kSidCorner)
VIRANO_OPERATION(VkSidFallTyp12, VinkelRataFallet, kSidCorner)
VIRANO_OPERATION(VkSidFallTyp13, VinkelRataFallet, kSidCorner)
VIRANO_OPERATION(VkSidFallTyp14, VinkelRataFallet, kSidCorner)
VIRANO_OPERATION(VkSidFallTyp17, VinkelRataFallet, kSidEdge)
VIRANO_OPERATION(VkSidFallTyp18, VinkelRataFallet, kSidEdge)

VIRANO_OPERATION(VkSidFallTyp2G, VinkelRataFallet, kSid2G)
VIRANO_OPERATION(VkSidFallTyp5G, VinkelRataFallet, kSid5G)
VIRANO_OPERATION(VkSidFallTyp6G, VinkelRataFallet, kSid6G)
VIRANO_OPERATION(VkSidFallTyp7G, VinkelRataFallet, kSid7G)
VIRANO_OPERATION(VkSidFallTyp8G, VinkelRataFallet, kSid8G)
VIRANO_OPERATION(VkSidFallTyp9G, VinkelRataFallet, kSid9G)
VIRANO_OPERATION(VkSidFallTyp11G, VinkelRataFallet, kSidCornerG)
VIRANO_OPERATION(VkSidFallTyp12G, VinkelRataFallet, kSidCornerG)
VIRANO_OPERATION(VkSidFallTyp13G, VinkelRataFallet, kSidCornerG)
VIRANO_OPERATION(VkSidFallTyp14G, VinkelRataFallet, kSidCornerG)
VIRANO_OPERATION(VkSidFallTyp15, VinkelRataFallet, kSidEdgeG)
VIRANO_OPERATION(VkSidFallTyp15G, VinkelRataFallet, kSidEdgeG)
VIRANO_OPERATION(VkSidFallTyp16, VinkelRataFallet, kSidEdgeG)

// The point's depth coordinate lies on one depth edge of the clipped
// rectangle; h is the extent from that edge to the other.
VIRANO_OPERATION_HEAD(VkSidFallTyp2) {
  return Decompose(VinkelRataFallet, ChpX == X2 ? kSid2AtX2 : kSid2AtX1,
                   {X1, X2, Y1, Y2, ChpX, ChpY}, Zp);
}
VIRANO_OPERATION_HEAD(VkSidFallTyp5) {
  return Decompose(VinkelRataFallet, ChpX == X2 ? kSid5AtX2 : kSid5AtX1,
                   {X1, X2, Y1, Y2, ChpX, ChpY}, Zp);
}
VIRANO_OPERATION_HEAD(VkSidFallTyp3G) {
  return Decompose(VinkelRataFallet, ChpY == Y1 ? kSid3GAtY1 : kSid3GAtY2,
                   {X1, X2, Y1, Y2, ChpX, ChpY}, Zp);
}
VIRANO_OPERATION_HEAD(VkSidFallTyp4G) {
  return Decompose(VinkelRataFallet, ChpY == Y1 ? kSid4GAtY1 : kSid4GAtY2,
                   {X1, X2, Y1, Y2, ChpX, ChpY}, Zp);
}

#undef VIRANO_OPERATION
#undef VIRANO_OPERATION_HEAD

ViewFactorOp ParallelOperation(int fallTyp) {
  switch (fallTyp) {
    case 1: return VkFallTyp1;
    case 2: return VkFallTyp2;
    case 3: return VkFallTyp3;
    case 4: return VkFallTyp4;
    case 5: return VkFallTyp5;
    case 6: return VkFallTyp6;
    case 7: return VkFallTyp7;
    case 8: return VkFallTyp8;
    case 9: return VkFallTyp9;
    case 11: return VkFallTyp11;
    case 12: return VkFallTyp12;
    case 13: return VkFallTyp13;
    case 14: return VkFallTyp14;
    case 15: return VkFallTyp15;
    case 16: return VkFallTyp16;
    case 17: return VkFallTyp17;
    case 18: return VkFallTyp18;
    default: return nullptr;
  }
}

namespace {

ViewFactorOp DepthAlongX(int fallTyp) {
  switch (fallTyp) {
    case 2: return VkSidFallTyp2;
    case 3: return VkSidFallTyp3;
    case 4: return VkSidFallTyp4;
    case 5: return VkSidFallTyp5;
    case 6: return VkSidFallTyp6;
    case 7: return VkSidFallTyp7;
    case 8: return VkSidFallTyp8;
    case 9: return VkSidFallTyp9;
    case 11: return VkSidFallTyp11;
    case 12: return VkSidFallTyp12;
    case 13: return VkSidFallTyp13;
    case 14: return VkSidFallTyp14;
    case 17: return VkSidFallTyp17;
    case 18: return VkSidFallTyp18;
    default: return nullptr;
  }
}

ViewFactorOp DepthAlongY(int fallTyp) {
  switch (fallTyp) {
    case 2: return VkSidFallTyp2G;
    case 3: return VkSidFallTyp3G;
    case 4: return VkSidFallTyp4G;
    case 5: return VkSidFallTyp5G;
    case 6: return VkSidFallTyp6G;
    case 7: return VkSidFallTyp7G;
    case 8: return VkSidFallTyp8G;
    case 9: return VkSidFallTyp9G;
    case 11: return VkSidFallTyp11G;
    case 12: return VkSidFallTyp12G;
    case 13: return VkSidFallTyp13G;
    case 14: return VkSidFallTyp14G;
    case 15: return VkSidFallTyp15;
    case 16: return VkSidFallTyp16;
    default: return nullptr;
  }
}

}  // namespace

ViewFactorOp PerpendicularOperation(int fallTyp, bool depthAlongY) {
  return depthAlongY ? DepthAlongY(fallTyp) : DepthAlongX(fallTyp);
}

}  // namespace virano
