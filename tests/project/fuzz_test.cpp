// Random bytes fed as records and files to every reader: texts are clamped
// to their fields, nothing reads outside a record, nothing crashes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "project/numbers.h"
#include "project/recordfile.h"

namespace virano {
namespace {

template <typename Record>
Record RandomRecord(std::mt19937& rng) {
  Record r;
  auto* bytes = reinterpret_cast<unsigned char*>(&r);
  std::uniform_int_distribution<int> byte(0, 255);
  for (std::size_t i = 0; i < sizeof r; ++i) bytes[i] = static_cast<unsigned char>(byte(rng));
  return r;
}

template <std::size_t N>
void ReadText(const ShortString<N>& s, bool decimalPunkt) {
  std::string text = s.Text();
  EXPECT_LE(s.Raw().size(), N);
  try {
    StrToFloat(DecimalFormat(text, decimalPunkt), decimalPunkt);
  } catch (const ConversionError&) {
  }
  // What is read can be stored again within the field.
  ShortString<N> copy;
  copy.SetText(text);
  EXPECT_LE(copy.length, N);
}

void ReadEverything(const TRoomRecord& r) {
  for (bool dp : {false, true}) {
    for (const auto* s : {&r.FilVersion, &r.TextStorlek, &r.Radavst, &r.LuftHast, &r.IncROT,
                          &r.RumsTemp, &r.Rot, &r.MinRot, &r.WattPerKvmTak, &r.Temp05OG,
                          &r.Temp18OG})
      ReadText(*s, dp);
    ReadText(r.Signatur, dp);
    ReadText(r.Anl1, dp);
    ReadText(r.Anl2, dp);
    ReadText(r.Datum, dp);
    ReadText(r.RevDatum, dp);
    ReadText(r.RumsNamn, dp);
    for (const auto& block : r.Ytor)
      for (const auto& row : block)
        for (int c = 0; c < TSurfaceRow::kCellCount; ++c) ReadText(row.cell(c), dp);
    for (const auto& block : r.Punkter)
      for (const auto& row : block)
        for (int c = 0; c < TPointRow::kCellCount; ++c) ReadText(row.cell(c), dp);
  }
  (void)r.HeatSystem.Get();
  try {
    StoredFileVersion(r);
  } catch (const ConversionError&) {
  }
}

TEST(Fuzz, RandomRecordsReadSafely) {
  std::mt19937 rng(20261209);
  for (int i = 0; i < 200; ++i) ReadEverything(RandomRecord<TRoomRecord>(rng));
  for (int i = 0; i < 500; ++i) {
    auto u = RandomRecord<TUserRecord>(rng);
    ReadText(u.UserNamn, false);
    ReadText(u.SenastBibl, false);
    auto e = RandomRecord<TErrorRecord>(rng);
    (void)e.Nr.Get();
    ReadText(e.RumsNamn, true);
    ReadText(e.Yta, true);
    ReadText(e.Delyta, true);
    ReadText(e.Felmeddelande, true);
  }
}

TEST(Fuzz, RandomFilesReadSafely) {
  namespace fs = std::filesystem;
  const fs::path path = fs::temp_directory_path() / "virano-fuzz.bin";
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> size(0, 3 * 19999 + 500);
  for (int i = 0; i < 30; ++i) {
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      const int n = i < 3 ? i : size(rng);
      for (int k = 0; k < n; ++k) out.put(static_cast<char>(byte(rng)));
    }
    ProjectFile project(path);
    const long long count = project.Count();
    EXPECT_EQ(count, static_cast<long long>(fs::file_size(path) / 19999));
    for (long long k = 0; k < count; ++k) ReadEverything(project.Read(k));
    EXPECT_THROW(project.Read(count), ReadPastEndError);
    for (const auto& u : UserFile(path).ReadAll()) ReadText(u.SenastBibl, false);
    for (const auto& e : ErrorFile(path).ReadAll()) ReadText(e.Felmeddelande, false);
  }
  fs::remove(path);
}

TEST(Fuzz, RandomTextsConvertOrRaise) {
  std::mt19937 rng(11);
  const std::string alphabet = "0123456789,.+-eE x\t";
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 12);
  for (int i = 0; i < 20000; ++i) {
    std::string text;
    for (int n = length(rng); n > 0; --n) text += alphabet[pick(rng)];
    for (bool dp : {false, true}) {
      try {
        long double v = StrToFloat(text, dp);
        EXPECT_TRUE(std::isfinite(v)) << text;
        FormatFixed(v, 5, dp);
        FormatGeneral(v, dp);
      } catch (const ConversionError&) {
      }
    }
  }
}

}  // namespace
}  // namespace virano
