#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "project/record.h"

namespace virano {
namespace {

template <typename Record, typename Field>
std::ptrdiff_t OffsetOf(const Record& r, const Field& f) {
  return reinterpret_cast<const char*>(&f) - reinterpret_cast<const char*>(&r);
}

TEST(RoomRecord, EveryFieldAtItsOffset) {
  TRoomRecord r;
  EXPECT_EQ(OffsetOf(r, r.FilVersion), 0);
  EXPECT_EQ(OffsetOf(r, r.TextStorlek), 6);
  EXPECT_EQ(OffsetOf(r, r.Radavst), 12);
  EXPECT_EQ(OffsetOf(r, r.Signatur), 18);
  EXPECT_EQ(OffsetOf(r, r.Anl1), 49);
  EXPECT_EQ(OffsetOf(r, r.Anl2), 110);
  EXPECT_EQ(OffsetOf(r, r.Datum), 171);
  EXPECT_EQ(OffsetOf(r, r.RevDatum), 187);
  EXPECT_EQ(OffsetOf(r, r.RumsNamn), 203);
  EXPECT_EQ(OffsetOf(r, r.LuftHast), 219);
  EXPECT_EQ(OffsetOf(r, r.IncROT), 225);
  EXPECT_EQ(OffsetOf(r, r.RumsTemp), 231);
  EXPECT_EQ(OffsetOf(r, r.Rot), 237);
  EXPECT_EQ(OffsetOf(r, r.MinRot), 243);
  EXPECT_EQ(OffsetOf(r, r.HeatSystem), 249);
  EXPECT_EQ(OffsetOf(r, r.WattPerKvmTak), 253);
  EXPECT_EQ(OffsetOf(r, r.Temp05OG), 259);
  EXPECT_EQ(OffsetOf(r, r.Temp18OG), 265);
  EXPECT_EQ(OffsetOf(r, r.Ytor), 271);
  EXPECT_EQ(OffsetOf(r, r.Punkter), 18415);
  EXPECT_EQ(sizeof r, 19999u);
}

TEST(RoomRecord, SurfaceAndPointBlocksAtTheirOffsets) {
  TRoomRecord r;
  const std::ptrdiff_t ytor[] = {271, 3295, 6319, 9343, 12367, 15391};
  const std::ptrdiff_t punkter[] = {18415, 18679, 18943, 19207, 19471, 19735};
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    EXPECT_EQ(OffsetOf(r, r.Ytor[s][0]), ytor[s]) << s;
    EXPECT_EQ(OffsetOf(r, r.Punkter[s][0]), punkter[s]) << s;
    for (int row = 0; row < kSurfaceRowsPerBlock; ++row)
      EXPECT_EQ(OffsetOf(r, r.Ytor[s][row]), 271 + 3024 * s + 144 * row);
    for (int row = 0; row < kPointRowsPerBlock; ++row)
      EXPECT_EQ(OffsetOf(r, r.Punkter[s][row]), 18415 + 264 * s + 24 * row);
  }
  const TSurfaceRow& row = r.Ytor[2][5];
  for (int c = 0; c < TSurfaceRow::kCellCount; ++c) EXPECT_EQ(OffsetOf(row, row.cell(c)), 16 * c);
  const TPointRow& point = r.Punkter[4][3];
  for (int c = 0; c < TPointRow::kCellCount; ++c) EXPECT_EQ(OffsetOf(point, point.cell(c)), 8 * c);
  EXPECT_EQ(&row.cell(0), &row.Namn);
  EXPECT_EQ(&row.cell(8), &row.YtTemp);
  EXPECT_EQ(&point.cell(2), &point.Zp);
}

TEST(RoomRecord, UserAndErrorRecordLayouts) {
  TUserRecord u;
  EXPECT_EQ(OffsetOf(u, u.UserNamn), 0);
  EXPECT_EQ(OffsetOf(u, u.SenastBibl), 21);
  EXPECT_EQ(sizeof u, 277u);
  TErrorRecord e;
  EXPECT_EQ(OffsetOf(e, e.Nr), 0);
  EXPECT_EQ(OffsetOf(e, e.RumsNamn), 2);
  EXPECT_EQ(OffsetOf(e, e.Yta), 18);
  EXPECT_EQ(OffsetOf(e, e.Delyta), 34);
  EXPECT_EQ(OffsetOf(e, e.Felmeddelande), 50);
  EXPECT_EQ(sizeof e, 91u);
}

TEST(RoomRecord, HeatSystemIsLittleEndian32Bit) {
  TRoomRecord r{};
  r.HeatSystem.Set(4);  // Golvvärme
  const auto* bytes = reinterpret_cast<const unsigned char*>(&r) + 249;
  EXPECT_EQ(bytes[0], 0x04);
  EXPECT_EQ(bytes[1], 0x00);
  EXPECT_EQ(bytes[2], 0x00);
  EXPECT_EQ(bytes[3], 0x00);
  EXPECT_EQ(kHeatSystemCaptions[4], "Golvvärme");
  r.HeatSystem.Set(-2);
  EXPECT_EQ(r.HeatSystem.Get(), -2);
  EXPECT_EQ(bytes[3], 0xFF);

  TErrorRecord e{};
  e.Nr.Set(300);
  const auto* nr = reinterpret_cast<const unsigned char*>(&e);
  EXPECT_EQ(nr[0], 0x2C);
  EXPECT_EQ(nr[1], 0x01);
  EXPECT_EQ(e.Nr.Get(), 300);
}

TEST(ShortString, StoresWindows1252AndCutsToCapacity) {
  TRoomRecord r{};
  r.Ytor[0][1].Namn.SetText("Fönster mot gård");  // 16 characters
  EXPECT_EQ(r.Ytor[0][1].Namn.length, 15);
  EXPECT_EQ(r.Ytor[0][1].Namn.Text(), "Fönster mot går");
  EXPECT_EQ(static_cast<unsigned char>(r.Ytor[0][1].Namn.chars[1]), 0xF6);  // ö

  r.Punkter[0][0].Xp.SetText("1,2345678");  // 9 characters
  EXPECT_EQ(r.Punkter[0][0].Xp.Text(), "1,23456");

  r.RumsNamn.SetText("Kök 3 – ā");  // en dash is in the code page, ā is not
  EXPECT_EQ(r.RumsNamn.Text(), "Kök 3 – ?");
  EXPECT_EQ(r.RumsNamn.length, 9);
  EXPECT_TRUE(InCodePage("Kök 3 – € ?"));
  EXPECT_FALSE(InCodePage("Kök 3 – ā"));

  r.Anl1.SetText("");
  EXPECT_TRUE(r.Anl1.Empty());
  EXPECT_EQ(r.Anl1.Text(), "");
}

// A text with a byte the code page leaves unassigned is stored back from
// UTF-8 as it was (an export to JSON must be imported again).
TEST(ShortString, EveryByteSurvivesTheWayThroughUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
  EXPECT_EQ(AnsiToUtf8("\x81\x9D"), "\u0081\u009D");
  EXPECT_TRUE(InCodePage("\u0081"));
  EXPECT_EQ(Utf8ToAnsi("\u00C2\xC2"), "\xC2?");  // an invalid byte is still "?"
}

TEST(ShortString, OversizedLengthByteIsReadAsTheCapacity) {
  TRoomRecord r{};
  r.LuftHast.SetText("0,15");
  r.LuftHast.length = 200;  // damaged file
  EXPECT_EQ(r.LuftHast.Raw().size(), 5u);
  EXPECT_EQ(r.LuftHast.Text().substr(0, 4), "0,15");
  EXPECT_EQ(r.LuftHast.Text().size(), 5u);
}

TEST(ShortString, ReadsTheUndefinedBytesAfterTheTextNever) {
  ShortString<15> s;
  std::memset(s.chars.data(), 'x', s.chars.size());
  s.length = 3;
  s.chars[0] = 'T';
  s.chars[1] = 'a';
  s.chars[2] = 'k';
  EXPECT_EQ(s.Text(), "Tak");
}

}  // namespace
}  // namespace virano
