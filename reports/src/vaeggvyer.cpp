// The wall views: a room's six main surfaces on one page, to one scale at
// which each fits its cell, with their sub-surfaces as numbered rectangles
// and their control points as numbered crosses. Every geometric value is cut
// to a whole pixel toward zero.
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>

#include "project/numbers.h"
#include "project/recordfile.h"
#include "reports/utskrift.h"

namespace virano {

namespace {

int Trunc(long double value) { return static_cast<int>(value); }

// A stored coordinate, or nothing when the cell is empty or not a number.
template <std::size_t N>
std::optional<float> Coordinate(const ShortString<N>& cell, bool decimalPunkt) {
  if (cell.Empty()) return std::nullopt;
  try {
    const auto value = static_cast<float>(StrToFloat(DecimalFormat(cell.Text(), decimalPunkt),
                                                     decimalPunkt));
    if (std::isfinite(value)) return value;
  } catch (const ConversionError&) {
  }
  return std::nullopt;
}

// Width and height of main surface s (row 0's X2 and Y2), when both are
// positive numbers; other surfaces are neither drawn nor scaled.
std::optional<std::array<float, 2>> Extent(const TRoomRecord& room, int s, bool decimalPunkt) {
  const TSurfaceRow& own = room.Ytor[s][0];
  const auto w = Coordinate(own.X2, decimalPunkt);
  const auto h = Coordinate(own.Y2, decimalPunkt);
  if (!w || !h || *w <= 0 || *h <= 0) return std::nullopt;
  return std::array<float, 2>{*w, *h};
}

}  // namespace

int VaeggSkala(int B, int A, const std::vector<std::array<float, 2>>& sizes) {
  if (sizes.empty() || A <= 0 || B <= 0) return 0;
  // The largest scale at which every surface fits its cell both ways.
  long double scale = std::numeric_limits<long double>::max();
  for (const auto& [w, h] : sizes)
    scale = std::min({scale, B / static_cast<long double>(w), A / static_cast<long double>(h)});
  return Trunc(scale);
}

int Utskrift::RitaVaegg(const TRoomRecord& room, int B, int A) {
  std::vector<std::array<float, 2>> sizes;
  for (int s = 0; s < kMainSurfaceCount; ++s)
    if (auto extent = Extent(room, s, settings_.DecimalPunkt)) sizes.push_back(*extent);
  return VaeggSkala(B, A, sizes);
}

void Utskrift::RitaYta(const TRoomRecord& room, int s, long double x0, int yr, int S) {
  const bool dp = settings_.DecimalPunkt;
  const auto extent = Extent(room, s, dp);
  if (!extent) return;
  const float H = (*extent)[1];
  auto X = [&](float x) { return Trunc(x0 + static_cast<long double>(S) * x); };
  auto Y = [&](float y) { return Trunc(static_cast<long double>(S) * (H - y) + yr); };
  // A row number in 6 points; `centred` puts the middle of an "H" at y.
  auto number = [&](int x, int y, int n, bool centred) {
    canvas_.SetFont(kTypsnitt, 6);
    if (centred) y -= canvas_.TextHeight("H") / 2;
    canvas_.TextOut(x, y, std::to_string(n));
    canvas_.SetFont(kTypsnitt, settings_.TextStorlek);
  };

  int nameY = Y(0) + Trunc(2 * PixPerMm);
  for (int k = 0; k < 20; ++k) {
    const TSurfaceRow& row = room.Ytor[s][k];
    const auto x1 = Coordinate(row.X1, dp), x2 = Coordinate(row.X2, dp);
    const auto y1 = Coordinate(row.Y1, dp), y2 = Coordinate(row.Y2, dp);
    if (!x1 || !x2 || !y1 || !y2) continue;
    canvas_.Rectangle(X(*x1), Y(*y2), X(*x2), Y(*y1));
    number(X(*x1) + 8, Y(*y2) + 8, k, false);
    if (k == 0) nameY = Y(*y1) + Trunc(2 * PixPerMm);
  }
  const int a = Trunc(PixPerMm);
  for (int j = 0; j < 10; ++j) {
    const TPointRow& point = room.Punkter[s][j];
    const auto xp = Coordinate(point.Xp, dp), yp = Coordinate(point.Yp, dp);
    if (!xp || !yp || !Coordinate(point.Zp, dp)) continue;
    const int x = X(*xp), y = Y(*yp);
    for (const auto& [dx, dy] : {std::pair{-a, -a}, {a, -a}, {-a, a}, {a, a}})
      canvas_.Line(x, y, x + dx, y + dy);
    number(x + 40, y, j, true);
  }
  if (!room.Ytor[s][0].Namn.Empty()) canvas_.TextOut(Trunc(x0), nameY, room.Ytor[s][0].Namn.Text());
}

void Utskrift::SkrivVaeggVyer(int room) {
  SkrivarMatt();
  const ProjectFile file(settings_.ProjektFil);
  auto record = std::make_unique<TRoomRecord>();
  file.Read(0, *record);
  const AllmData general = AllmDataFrom(*record);
  // A page that already holds something is left for a new one; an unused
  // page is taken as page 1.
  if (RadY > RadHoejd)
    canvas_.NewPage();
  else
    SidNr = 0;
  Typsnitt();
  canvas_.SetPenWidth(2);
  const int h = RadHoejd;
  RadY = h;
  KolumnerIndata();
  ++SidNr;
  SkrivRad({{K[1], "VIRANO ver. " + std::string(kVersionText) + "     KESTRA"},
            {K[5], "VÄGGVYER"},
            {K[12], "sida " + std::to_string(SidNr)}});

  RadY += 2 * h;
  Projekthuvud(general);
  Skriv(K[1], "Sökväg: ");
  SkrivKapad(K[2], settings_.ProjektFil.string());
  RadY += 2 * h;
  file.Read(room, *record);
  SkrivRad({{K[1], "Rumsnamn: "}, {K[2], record->RumsNamn.Text()}});
  RadY += 3 * h;

  const int B = Trunc((SidBredd - 60 * static_cast<long double>(PixPerMm)) / 2);
  const int A = Trunc((SidHoejd - RadY - 60 * static_cast<long double>(PixPerMm)) / 3);
  if (A <= 0 || B <= 0) return;  // no room for the cells below the header
  const int S = RitaVaegg(*record, B, A);
  const long double left = 20 * static_cast<long double>(PixPerMm);
  const long double right = 40 * static_cast<long double>(PixPerMm) + B;
  for (int cellRow = 0; cellRow < 3; ++cellRow) {
    if (cellRow > 0) RadY += Trunc(20 * static_cast<long double>(PixPerMm)) + A;
    RitaYta(*record, 2 * cellRow, left, RadY, S);
    RitaYta(*record, 2 * cellRow + 1, right, RadY, S);
  }
}

}  // namespace virano
