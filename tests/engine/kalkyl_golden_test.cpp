// Result tables of random rooms, detailed and not, with either decimal
// separator, against fingerprints of the tables (and of the error that
// stopped a calculation) as the straightforward calculation wrote them, which
// converted every stored text at each use. Any digit, row or message that
// differs changes a fingerprint. And the fast fixed notation of the table's
// numbers against FormatFixed.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "engine/kernels.h"
#include "engine/resulttable.h"
#include "project/recordfile.h"
#include "support/ProjectWriter.h"
#include "support/RoomBuilder.h"
#include "support/TempDir.h"

namespace virano {
namespace {

using testing::Num;
using testing::RoomBuilder;

struct Dice {
  std::mt19937 g;
  int Int(int lo, int hi) { return lo + static_cast<int>(g() % unsigned(hi - lo + 1)); }
  double Cm(int lo, int hi) { return Int(lo, hi) / 100.0; }
};

constexpr std::uint64_t kFnvPrime = 0x100000001b3ull;

// A room with up to 19 sub-surfaces a surface (some reaching past their
// surface or reversed), up to ten points anywhere in front of each surface,
// any heating system, and now and then a text that is not a number.
RoomBuilder RandomRoom(Dice& d) {
  const int W = d.Int(200, 900), D = d.Int(200, 900), H = d.Int(200, 500);
  RoomBuilder room(W / 100.0, D / 100.0, H / 100.0);
  TRoomRecord& r = room.record();
  r.HeatSystem.Set(d.Int(0, 5));
  r.RumsTemp.SetText(Num(d.Int(160, 250) / 10.0));
  r.Temp05OG.SetText(Num(d.Int(160, 220) / 10.0));
  r.Temp18OG.SetText(Num(d.Int(180, 260) / 10.0));
  r.WattPerKvmTak.SetText(Num(d.Int(0, 120)));
  const int extents[kMainSurfaceCount][3] = {{W, H, D}, {D, H, W}, {D, H, W},
                                             {W, H, D}, {W, D, H}, {W, D, H}};
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    const auto [X2, Y2, depth] = extents[s];
    room.Temperature(s, d.Int(100, 300) / 10.0);
    const int subs = d.Int(0, 3) == 0 ? 19 : d.Int(0, 6);
    for (int k = 1; k <= subs; ++k) {
      const int reach = d.Int(0, 9) == 0 ? 60 : 0;
      const int x1 = d.Int(-reach, X2 - 1), y1 = d.Int(-reach, Y2 - 1);
      int x2 = d.Int(x1 + 1, X2 + reach);
      const int y2 = d.Int(y1 + 1, Y2 + reach);
      if (d.Int(0, 29) == 0) x2 = x1 - 30;
      room.SubSurface(s, k, "Delyta " + std::to_string(s) + "." + std::to_string(k), x1 / 100.0,
                      x2 / 100.0, y1 / 100.0, y2 / 100.0, d.Int(-100, 600) / 10.0);
    }
    const int points = d.Int(0, 4) == 0 ? 10 : d.Int(0, 3);
    for (int p = 0; p < points; ++p)
      room.Point(s, p, d.Cm(1, X2 - 1), d.Cm(1, Y2 - 1), d.Cm(5, depth - 5));
  }
  if (d.Int(0, 5) == 0) {  // one text that is not a number
    const int s = d.Int(0, 5);
    TSurfaceRow& row = r.Ytor[s][d.Int(0, 6)];
    TSurfaceRow::Cell* cells[] = {&row.X1, &row.X2, &row.Y1, &row.Y2, &row.YtTemp};
    if (row.InUse()) cells[d.Int(0, 4)]->SetText("x" + std::to_string(s));
    if (d.Int(0, 1) == 0) r.Punkter[s][d.Int(0, 3)].Zp.SetText("1m");
    if (d.Int(0, 3) == 0) r.RumsTemp.SetText("tjugo");
  }
  return room;
}

std::uint64_t Fnv(std::uint64_t h, const std::string& text) {
  for (const unsigned char c : text) h = (h ^ c) * kFnvPrime;
  return (h ^ 0xff) * kFnvPrime;
}

// An error's own text: its first line, before the point it stopped at.
std::string OwnText(const std::exception& e) {
  const std::string text = e.what();
  return text.substr(0, text.find('\n'));
}

// Every cell of the four tables of room `nr`, and each stopping error.
std::uint64_t Fingerprint(const std::filesystem::path& project, int nr) {
  std::uint64_t h = 0xcbf29ce484222325ull;
  for (const bool detailed : {false, true})
    for (const bool decimalPunkt : {false, true}) {
      ResultTable t;
      t.SetUp(detailed);
      try {
        Kalkyl(project, nr, detailed, decimalPunkt, t);
      } catch (const ConversionError& e) {
        h = Fnv(h, "!" + OwnText(e));
      } catch (const CalculationError& e) {
        h = Fnv(h, "#" + OwnText(e));
      }
      for (const auto& row : t.rows)
        for (const auto& cell : row) h = Fnv(h, cell);
    }
  return h;
}

// Rooms 1–48, six to a group: the group's fingerprints f1 … f6 folded as
// ((f1 · p + f2) · p + …) · p + f6, p the FNV prime.
constexpr std::uint64_t kGroups[] = {
    0x5a2b8595b0bcb824u, 0x8ec148386436750au, 0x00a9041e2381ad86u, 0xbf0ddd1a9161519cu,
    0x1b45143f0182ddaeu, 0xead8e7f788bebe7cu, 0x27a94eb5055edcd2u, 0xd158873261ac60fau,
};

TEST(KalkylGolden, RandomRoomsGiveTheTablesTheyAlwaysGave) {
  testing::TempDir dir("kalkyl-golden");
  const auto path = dir.path() / "slump.rot";
  testing::WriteProject(path, {});
  Dice d{std::mt19937(16)};
  for (int n = 0; n < 48; ++n) ProjectFile(path).Append(RandomRoom(d).record());
  for (int group = 0; group < 8; ++group) {
    std::uint64_t h = 0;
    for (int nr = 6 * group + 1; nr <= 6 * group + 6; ++nr)
      h = h * kFnvPrime + Fingerprint(path, nr);
    EXPECT_EQ(h, kGroups[group]) << "rooms " << 6 * group + 1 << "–" << 6 * group + 6;
  }
}

// The table's fast fixed notation writes what FormatFixed writes.
TEST(FixedText, WritesWhatFormatFixedWrites) {
  const long double cases[] = {0, -0.0L, 0.125L, -0.125L, 1.0L / 64, -1.0L / 64, 2.675L,
                               0.000004L, -0.000004L, 0.0000049999L, 1e-30L, 0.735576510429L,
                               99.999995L, 123456.789L, 0x1p40L - 1, 0x1p40L, 1e12L, -5e15L,
                               std::numeric_limits<long double>::denorm_min(),
                               std::numeric_limits<long double>::infinity(), std::nanl("")};
  std::mt19937_64 random(16);
  std::vector<long double> values(std::begin(cases), std::end(cases));
  for (int i = 0; i < 20000; ++i) {  // floats, and products of a float and a temperature
    const int exponent = -static_cast<int>(random() % 40);
    const float f = std::ldexp(static_cast<float>(random() % 16777216), exponent);
    values.push_back(i % 2 ? f : f * (static_cast<long double>(random() % 7000) / 100 - 10));
  }
  for (const long double v : values)
    for (const int decimals : {0, 2, 5})
      for (const bool point : {false, true})
        ASSERT_EQ(evaluation::FixedText(v, decimals, point), FormatFixed(v, decimals, point))
            << static_cast<double>(v) << " with " << decimals;
}

}  // namespace
}  // namespace virano
