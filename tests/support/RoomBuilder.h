#pragma once
// Rooms for the calculation tests: a closed box with its six main surfaces,
// sub-surfaces and control points, stored as text with a decimal comma.
#include <cstdio>
#include <memory>
#include <string>

#include "project/numbers.h"
#include "project/record.h"

namespace virano::testing {

// A number as the window stores it on a machine with a decimal comma.
inline std::string Num(double value, int decimals = 6) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::string text = buffer;
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return DecimalFormat(text, false);
}

// A number the table shows, read back (either decimal separator).
inline double Value(std::string text) {
  if (auto comma = text.find(','); comma != std::string::npos) text[comma] = '.';
  return std::stod(text);
}

class RoomBuilder {
 public:
  // Width (left to right wall), depth (front to rear wall) and height, with
  // every surface at `temperature`, radiator heating and the room at 20 °C.
  RoomBuilder(double width, double depth, double height, double temperature = 20)
      : room_(std::make_unique<TRoomRecord>()) {
    TRoomRecord& r = *room_;
    r.RumsNamn.SetText("Kontor");
    r.RumsTemp.SetText("20");
    r.MinRot.SetText("20,5");
    r.Temp05OG.SetText("0");
    r.Temp18OG.SetText("0");
    r.WattPerKvmTak.SetText("0");
    const double extents[kMainSurfaceCount][2] = {{width, height}, {depth, height},
                                                  {depth, height}, {width, height},
                                                  {width, depth},  {width, depth}};
    for (int s = 0; s < kMainSurfaceCount; ++s)
      SetRow(Own(s), std::string(kMainSurfaceCaptions[s]), 0, extents[s][0], 0, extents[s][1],
             temperature);
  }

  RoomBuilder& Temperature(int surface, double t) {
    Own(surface).YtTemp.SetText(Num(t));
    return *this;
  }
  RoomBuilder& SubSurface(int surface, int row, const std::string& name, double x1, double x2,
                          double y1, double y2, double t) {
    SetRow(room_->Ytor[surface][row], name, x1, x2, y1, y2, t);
    return *this;
  }
  RoomBuilder& Point(int surface, int row, double x, double y, double z) {
    TPointRow& p = room_->Punkter[surface][row];
    p.Xp.SetText(Num(x, 3));
    p.Yp.SetText(Num(y, 3));
    p.Zp.SetText(Num(z, 3));
    return *this;
  }
  TRoomRecord& record() { return *room_; }
  const TRoomRecord& record() const { return *room_; }

 private:
  TSurfaceRow& Own(int surface) { return room_->Ytor[surface][0]; }
  static void SetRow(TSurfaceRow& row, const std::string& name, double x1, double x2, double y1,
                     double y2, double t) {
    row.Namn.SetText(name);
    row.X1.SetText(Num(x1));
    row.X2.SetText(Num(x2));
    row.Y1.SetText(Num(y1));
    row.Y2.SetText(Num(y2));
    row.YtTemp.SetText(Num(t));
  }

  std::unique_ptr<TRoomRecord> room_;
};

}  // namespace virano::testing
