// Result tables of random rooms, detailed and not, with either decimal
// separator, against fingerprints of the tables (and of the error that
// stopped a calculation) as the straightforward calculation wrote them, which
// converted every stored text at each use. Any digit, row or message that
// differs changes a fingerprint.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "engine/kernels.h"
#include "room_builder.h"

namespace virano {
namespace {

using testing::Num;
using testing::RoomBuilder;

class Dice {
 public:
  explicit Dice(unsigned seed) : g_(seed) {}
  int Int(int lo, int hi) {
    return lo + static_cast<int>(g_() % static_cast<unsigned>(hi - lo + 1));
  }
  double Cm(int lo, int hi) { return Int(lo, hi) / 100.0; }

 private:
  std::mt19937 g_;
};

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
  for (const unsigned char c : text) h = (h ^ c) * 0x100000001b3ull;
  return (h ^ 0xff) * 0x100000001b3ull;
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
        h = Fnv(h, std::string("!") + e.what());
      } catch (const CalculationError& e) {
        h = Fnv(h, std::string("#") + e.what());
      }
      for (const auto& row : t.rows)
        for (const auto& cell : row) h = Fnv(h, cell);
    }
  return h;
}

constexpr std::uint64_t kFingerprints[] = {
    12147927514890179681u, 10461526081250891625u, 10345393327172008245u, 6134222953026823555u,
    18010116025697250189u, 2192082813948941871u, 6940001136662813349u, 8901563880168728353u,
    5322653225876104477u, 10292435291172502487u, 11621250837146627777u, 14264501712398725833u,
    5322653225876104477u, 331150617747046659u, 8634979228808858767u, 1709199911360266163u,
    9307267734821773699u, 13506589267801810643u, 10723088416355239631u, 11729240311328075279u,
    4153610139848572445u, 9106580622221713459u, 1762847654811073237u, 1929415940526588567u,
    14691207787498358817u, 11153771015379737311u, 5830020757273504645u, 14408770842257018925u,
    16093544401969835515u, 10584483702713756431u, 5258934676143171111u, 16883985321181073297u,
    10352547281061623079u, 5140859279620750097u, 18357756054189486365u, 3305952424139184697u,
    16471824429207997767u, 4375116585827422451u, 17253672541907162465u, 4992277615302692021u,
    6099440142470606987u, 5923353956582046913u, 6757151868057025479u, 17073559745226425597u,
    18095881538223787983u, 816966253100723683u, 5259430088564894521u, 16070621876448983101u};

TEST(KalkylGolden, RandomRoomsGiveTheTablesTheyAlwaysGave) {
  testing::TempDir dir("kalkyl-golden");
  Dice d(16);
  std::vector<RoomBuilder> rooms;
  for (int n = 0; n < 48; ++n) rooms.push_back(RandomRoom(d));
  ProjectFile file(dir.path() / "slump.rot");
  testing::WriteProject(dir.path() / "slump.rot", {});
  for (const RoomBuilder& room : rooms) file.Append(room.record());

  std::string actual;
  bool same = std::size(kFingerprints) == rooms.size();
  for (int n = 0; n < static_cast<int>(rooms.size()); ++n) {
    const std::uint64_t f = Fingerprint(dir.path() / "slump.rot", n + 1);
    actual += std::to_string(f) + "u, ";
    same = same && f == kFingerprints[n];
  }
  EXPECT_TRUE(same) << actual;
}

}  // namespace
}  // namespace virano
