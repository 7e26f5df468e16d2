#pragma once
// The fixed-size records of the project file (.rot), the users file
// (Custom.roi) and the error file (.rof). Every layout is byte-exact and
// packed: all members have alignment 1.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "project/codepage.h"

namespace virano {

// string[N]: a length byte, then N bytes of which the first `length` are the
// text in Windows-1252. Bytes after the text are undefined.
template <std::size_t N>
struct ShortString {
  std::uint8_t length = 0;
  std::array<char, N> chars{};

  static constexpr std::size_t kCapacity = N;

  // The text as UTF-8. A length byte beyond the capacity (a damaged or
  // foreign file) is read as the capacity.
  std::string Text() const;
  // Stores UTF-8 text, converted to Windows-1252 and cut to N characters.
  void SetText(std::string_view utf8);
  // The stored bytes, length clamped to the capacity.
  std::string_view Raw() const {
    return {chars.data(), length <= N ? length : N};
  }
  bool Empty() const { return length == 0; }
};

template <std::size_t N>
std::string ShortString<N>::Text() const {
  return AnsiToUtf8(Raw());
}

template <std::size_t N>
void ShortString<N>::SetText(std::string_view utf8) {
  std::string ansi = Utf8ToAnsi(utf8);
  if (ansi.size() > N) ansi.resize(N);
  chars.fill('\0');
  ansi.copy(chars.data(), ansi.size());
  length = static_cast<std::uint8_t>(ansi.size());
}

// Little-endian signed integers stored as bytes, independent of the host.
template <typename Int>
struct LittleEndian {
  std::array<std::uint8_t, sizeof(Int)> bytes{};
  Int Get() const;
  void Set(Int value);
};
template <typename Int>
Int LittleEndian<Int>::Get() const {
  std::uint64_t v = 0;
  for (std::size_t i = 0; i < sizeof(Int); ++i) v |= std::uint64_t{bytes[i]} << (8 * i);
  return static_cast<Int>(v);
}

template <typename Int>
void LittleEndian<Int>::Set(Int value) {
  auto v = static_cast<std::uint64_t>(static_cast<std::int64_t>(value));
  for (std::size_t i = 0; i < sizeof(Int); ++i) bytes[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

using LeInt16 = LittleEndian<std::int16_t>;
using LeInt32 = LittleEndian<std::int32_t>;

// The six main surfaces in block order, which is also the chooser's order.
enum MainSurface : int { FrontWall = 0, LeftWall, RightWall, RearWall, Floor, Ceiling };
inline constexpr int kMainSurfaceCount = 6;
inline constexpr std::array<std::string_view, kMainSurfaceCount> kMainSurfaceCaptions = {
    "Vägg fram", "Vägg vänster", "Vägg höger", "Vägg bak", "Golv", "Tak"};

// The heating systems stored in HeatSystem.
inline constexpr std::array<std::string_view, 6> kHeatSystemCaptions = {
    "Radiator", "Konvektor", "Varmluft", "Takvärme", "Golvvärme", "Eget alternativ"};

// One row of a surface block: the main surface (row 0) or a sub-surface.
struct TSurfaceRow {
  static constexpr int kCellCount = 9;
  using Cell = ShortString<15>;
  Cell Namn, X1, X2, Y1, Y2, UVarde, Mi, TempUtsida, YtTemp;

  Cell& cell(int c);
  const Cell& cell(int c) const;
  bool InUse() const { return !Namn.Empty(); }
};

// One control point: position on its main surface and distance from it.
struct TPointRow {
  static constexpr int kCellCount = 3;
  using Cell = ShortString<7>;
  Cell Xp, Yp, Zp;

  Cell& cell(int c);
  const Cell& cell(int c) const;
  bool InUse() const { return !Xp.Empty(); }
};

// Column headings of the surface grid, rows 0 and 1.
inline constexpr std::array<std::string_view, TSurfaceRow::kCellCount> kSurfaceHeading0 = {
    "Namn huvudyta", "X1", "X2", "Y1", "Y2", "u-värde", "mi", "Temp", "Yttemp."};
inline constexpr std::array<std::string_view, TSurfaceRow::kCellCount> kSurfaceHeading1 = {
    "Namn delytor", "m", "m", "m", "m", "W/m2*k", "m2*K/W", "utsida", "grad C"};
inline constexpr std::array<std::string_view, TPointRow::kCellCount> kPointHeading = {"Xp", "Yp",
                                                                                      "Zp"};

inline constexpr int kSurfaceRowsPerBlock = 21;  // main surface, 19 sub-surfaces, spill row
inline constexpr int kPointRowsPerBlock = 11;    // ten points, spill row

// Record 0 holds the project's general data, record k room k.
struct TRoomRecord {
  ShortString<5> FilVersion;
  ShortString<5> TextStorlek;
  ShortString<5> Radavst;
  ShortString<30> Signatur;
  ShortString<60> Anl1;
  ShortString<60> Anl2;
  ShortString<15> Datum;
  ShortString<15> RevDatum;
  ShortString<15> RumsNamn;
  ShortString<5> LuftHast;
  ShortString<5> IncROT;
  ShortString<5> RumsTemp;
  ShortString<5> Rot;
  ShortString<5> MinRot;
  LeInt32 HeatSystem;
  ShortString<5> WattPerKvmTak;
  ShortString<5> Temp05OG;
  ShortString<5> Temp18OG;
  std::array<std::array<TSurfaceRow, kSurfaceRowsPerBlock>, kMainSurfaceCount> Ytor;
  std::array<std::array<TPointRow, kPointRowsPerBlock>, kMainSurfaceCount> Punkter;
};

// The report settings of a project that holds no number for them.
inline constexpr int kTextStorlekDefault = 10;
inline constexpr int kRadavstDefault = 15;

// Custom.roi: one registered user and the directory last used.
struct TUserRecord {
  ShortString<20> UserNamn;
  ShortString<255> SenastBibl;
};

// The .rof error file: one line of the last input check.
struct TErrorRecord {
  LeInt16 Nr;
  ShortString<15> RumsNamn;
  ShortString<15> Yta;
  ShortString<15> Delyta;
  ShortString<40> Felmeddelande;
};

// The format version that record 0 holds; ConversionError when FilVersion is
// not a whole number. A project is opened only when it equals DerivedVersion.
int StoredFileVersion(const TRoomRecord& general);

static_assert(sizeof(TSurfaceRow) == 144);
static_assert(sizeof(TPointRow) == 24);
static_assert(sizeof(TRoomRecord) == 19999);
static_assert(sizeof(TUserRecord) == 277);
static_assert(sizeof(TErrorRecord) == 91);
static_assert(alignof(TRoomRecord) == 1 && alignof(TErrorRecord) == 1);

}  // namespace virano
