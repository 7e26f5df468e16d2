#pragma once
// View factors from a small plane element at a control point to rectangles:
// the two closed-form corner-rectangle kernels, the classification of the
// point's projection against a rectangle, and the decompositions of a
// rectangle into corner rectangles for the parallel plane (VkFallTyp…) and
// for a perpendicular plane (VkSidFallTyp…). All arguments are in metres.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace virano {

// The calculation stops: a division by zero or another arithmetic fault.
class CalculationError : public std::runtime_error {
 public:
  enum class Cause { kArithmetic, kDivisionByZero };
  explicit CalculationError(const std::string& message, Cause cause = Cause::kArithmetic)
      : std::runtime_error(message), cause_(cause) {}
  Cause cause() const { return cause_; }

 private:
  Cause cause_;
};

float ParallellaFallet(float H, float L, float Z);
float VinkelRataFallet(float H, float L, float Z);

// The kernel evaluations made on the calling thread, for the benchmarks'
// account of a calculation's work: how many of each, and, while `record` is
// set, the arguments of every one in the order made.
struct KernelCall {
  bool parallel;
  float H, L, Z;
};
struct KernelTally {
  std::uint64_t parallel = 0;
  std::uint64_t perpendicular = 0;
  std::vector<KernelCall>* record = nullptr;
};
KernelTally& ThreadKernelTally();

// The case of the point's projection (ChpX, ChpY) against the rectangle
// X1 … X2, Y1 … Y2: 1–9 or 11–18. An undefined (NaN) coordinate matches no
// case and raises CalculationError. The kernels raise it for Z = 0.
int CheckFallTyp(float X1, float X2, float Y1, float Y2, float ChpX, float ChpY);

// Parallel decomposition, one operation per case of CheckFallTyp.
#define VIRANO_VK(name) float name(float X1, float X2, float Y1, float Y2, float ChpX, float ChpY, float Zp);
VIRANO_VK(VkFallTyp1) VIRANO_VK(VkFallTyp2) VIRANO_VK(VkFallTyp3) VIRANO_VK(VkFallTyp4)
VIRANO_VK(VkFallTyp5) VIRANO_VK(VkFallTyp6) VIRANO_VK(VkFallTyp7) VIRANO_VK(VkFallTyp8)
VIRANO_VK(VkFallTyp9) VIRANO_VK(VkFallTyp11) VIRANO_VK(VkFallTyp12) VIRANO_VK(VkFallTyp13)
VIRANO_VK(VkFallTyp14) VIRANO_VK(VkFallTyp15) VIRANO_VK(VkFallTyp16) VIRANO_VK(VkFallTyp17)
VIRANO_VK(VkFallTyp18)

// Perpendicular decomposition: depth along X (no suffix) or along Y (G).
VIRANO_VK(VkSidFallTyp2) VIRANO_VK(VkSidFallTyp3) VIRANO_VK(VkSidFallTyp4)
VIRANO_VK(VkSidFallTyp5) VIRANO_VK(VkSidFallTyp6) VIRANO_VK(VkSidFallTyp7)
VIRANO_VK(VkSidFallTyp8) VIRANO_VK(VkSidFallTyp9) VIRANO_VK(VkSidFallTyp11)
VIRANO_VK(VkSidFallTyp12) VIRANO_VK(VkSidFallTyp13) VIRANO_VK(VkSidFallTyp14)
VIRANO_VK(VkSidFallTyp17) VIRANO_VK(VkSidFallTyp18)
VIRANO_VK(VkSidFallTyp2G) VIRANO_VK(VkSidFallTyp3G) VIRANO_VK(VkSidFallTyp4G)
VIRANO_VK(VkSidFallTyp5G) VIRANO_VK(VkSidFallTyp6G) VIRANO_VK(VkSidFallTyp7G)
VIRANO_VK(VkSidFallTyp8G) VIRANO_VK(VkSidFallTyp9G) VIRANO_VK(VkSidFallTyp11G)
VIRANO_VK(VkSidFallTyp12G) VIRANO_VK(VkSidFallTyp13G) VIRANO_VK(VkSidFallTyp14G)
VIRANO_VK(VkSidFallTyp15) VIRANO_VK(VkSidFallTyp15G) VIRANO_VK(VkSidFallTyp16)
#undef VIRANO_VK

// The operation for a case number (1–9, 11–18), or nullptr where none exists.
using ViewFactorOp = float (*)(float, float, float, float, float, float, float);
ViewFactorOp ParallelOperation(int fallTyp);
ViewFactorOp PerpendicularOperation(int fallTyp, bool depthAlongY);

}  // namespace virano
