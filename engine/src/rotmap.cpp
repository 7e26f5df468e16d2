// The ROT at any point, and the map over a grid of points: the grid's cells
// are handed out one by one to worker threads, each with a calculation of
// its own, while the calling thread reports the progress.
#include "engine/rotmap.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <limits>
#include <mutex>
#include <thread>

#include "engine/kernels.h"
#include "evaluation.h"
#include "project/input_check.h"
#include "project/numbers.h"

namespace virano {

using evaluation::SurfaceCell;

PointResult RotAtPoint(const TRoomRecord& room, MainSurface surface, float Xp, float Yp, float Zp,
                       bool decimalPunkt) {
  Calculation calc(room, decimalPunkt);
  return VinkelKoeffPoint(calc, surface, 0, Xp, Yp, Zp);
}

namespace {

[[noreturn]] void TooManyPoints() {
  throw CalculationError("Kartan får högst 1000000 punkter: välj ett större steg");
}

}  // namespace

std::vector<float> MapPositions(float extent, long double step) {
  std::vector<float> positions;
  for (long double i = 1;; ++i) {
    const float p = evaluation::Single(i * step);
    if (!(p < extent)) break;
    if (positions.size() == kMaxMapPoints) TooManyPoints();
    positions.push_back(p);
  }
  return positions;
}

namespace {

// The positions' decimals: as many as the step needs (3 for 0,125), at
// least 2.
int PositionDecimals(long double step) {
  int decimals = 2;
  for (long double scaled = step * 100;
       decimals < 6 && std::fabs(scaled - std::round(scaled)) > 1e-6L * scaled; scaled *= 10)
    ++decimals;
  return decimals;
}

}  // namespace

std::vector<RotMapRow> RotMapTable(const RotMap& map, bool decimalPunkt) {
  const int decimals = PositionDecimals(map.step);
  std::vector<RotMapRow> rows = {{"Xp", "Yp", "ROT", "Summa vinkelkoeff."}};
  for (const RotMapCell& c : map.cells) {
    if (!c.done) continue;
    rows.push_back({FormatFixed(c.Xp, decimals, decimalPunkt),
                    FormatFixed(c.Yp, decimals, decimalPunkt),
                    evaluation::TemperatureText(c.ROT, decimalPunkt),
                    evaluation::TemperatureText(c.sum, decimalPunkt)});
  }
  return rows;
}

std::vector<std::vector<std::string>> AsymmetryMapTable(const RotMap& map, bool decimalPunkt) {
  const int decimals = PositionDecimals(map.step);
  std::vector<std::vector<std::string>> rows = {
      {"Xp", "Yp", "Tpr mot ytan", "Tpr från ytan", "Asymmetri", "Gräns", "Bedömning"}};
  for (const RotMapCell& c : map.cells) {
    if (!c.done) continue;
    rows.push_back({FormatFixed(c.Xp, decimals, decimalPunkt),
                    FormatFixed(c.Yp, decimals, decimalPunkt),
                    evaluation::TemperatureText(c.toward, decimalPunkt),
                    evaluation::TemperatureText(c.away, decimalPunkt),
                    KelvinText(c.asymmetry, decimalPunkt), std::to_string(c.limit),
                    VerdictText(c.overLimit)});
  }
  return rows;
}

std::vector<std::vector<std::string>> MapTable(const RotMap& map, bool decimalPunkt) {
  if (map.quantity == MapQuantity::Asymmetry) return AsymmetryMapTable(map, decimalPunkt);
  std::vector<std::vector<std::string>> rows;
  for (const RotMapRow& row : RotMapTable(map, decimalPunkt)) rows.emplace_back(row.begin(), row.end());
  return rows;
}

namespace {

// The work shared by the threads of one map.
class MapRun {
 public:
  MapRun(const TRoomRecord& room, const RotMapRequest& request, bool decimalPunkt, RotMap& map,
         const RoomExtents& extents)
      : room_(room), request_(request), decimalPunkt_(decimalPunkt), map_(map), extents_(extents),
        total_(static_cast<int>(map.cells.size())),
        reportEvery_(std::max(1, total_ / 200)) {}

  void Run(unsigned threads) {
    std::vector<std::jthread> workers;
    try {
      for (unsigned t = 0; t < threads; ++t) workers.emplace_back([this] { Work(); });
      Report(threads);
    } catch (...) {
      stop_ = true;
      throw;  // the workers are joined on the way out
    }
    workers.clear();
    if (error_) std::rethrow_exception(error_);
    map_.cancelled = done_ < total_;
  }

 private:
  bool Stopped() const {
    return stop_.load(std::memory_order_relaxed) ||
           (request_.cancel && request_.cancel->load(std::memory_order_relaxed));
  }

  void Work() {
    Calculation calc(room_, decimalPunkt_);
    const float Zp = map_.distance;
    while (!Stopped()) {
      const std::size_t i = next_.fetch_add(1);
      if (i >= map_.cells.size()) break;
      RotMapCell& cell = map_.cells[i];
      try {
        Evaluate(calc, cell, Zp);
        cell.done = true;
      } catch (...) {
        std::lock_guard lock(mutex_);
        if (i < errorCell_) {
          errorCell_ = i;
          error_ = std::current_exception();
        }
        stop_ = true;
      }
      std::lock_guard lock(mutex_);
      if (cell.done && (++done_ % reportEvery_ == 0 || done_ == total_)) changed_.notify_one();
    }
    std::lock_guard lock(mutex_);
    ++finished_;
    changed_.notify_one();
  }

  void Evaluate(Calculation& calc, RotMapCell& cell, float Zp) const {
    PointResult r;
    if (map_.quantity == MapQuantity::Asymmetry) {
      const Asymmetry a =
          AsymmetryAtPoint(calc, map_.surface, {cell.Xp, cell.Yp, Zp}, extents_, map_.category);
      r = a.toward;
      cell.toward = a.toward.SumVinkelKoeffTemp;
      cell.away = a.away.SumVinkelKoeffTemp;
      cell.asymmetry = a.delta;
      cell.limit = a.limit;
      cell.overLimit = a.overLimit;
    } else {
      r = VinkelKoeffPoint(calc, map_.surface, 0, cell.Xp, cell.Yp, Zp);
    }
    cell.ROT = r.ROT;
    cell.sum = r.SumVinkelKoeff;
    cell.belowMinimum = map_.minRot && r.ROT < *map_.minRot;
  }

  // Waits for the workers, telling the progress on this thread as it goes.
  void Report(unsigned threads) {
    int reported = 0;
    std::unique_lock lock(mutex_);
    for (;;) {
      changed_.wait(lock, [&] { return done_ != reported || finished_ == threads; });
      const bool finished = finished_ == threads;
      if (done_ != reported) {
        // What was done while the progress was told is told next time round.
        reported = done_;
        if (request_.progress) {
          lock.unlock();
          request_.progress(reported, total_);
          lock.lock();
        }
      }
      if (finished && done_ == reported) return;
    }
  }

  const TRoomRecord& room_;
  const RotMapRequest& request_;
  const bool decimalPunkt_;
  RotMap& map_;
  const RoomExtents extents_;  // the asymmetry map's
  const int total_;
  const int reportEvery_;
  std::atomic<std::size_t> next_{0};
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable changed_;
  int done_ = 0;  // the counts and the error under mutex_
  unsigned finished_ = 0;
  std::size_t errorCell_ = std::numeric_limits<std::size_t>::max();
  std::exception_ptr error_;
};

}  // namespace

std::optional<std::string> RotMapRefusal(const TRoomRecord& room, const RotMapRequest& request,
                                         bool decimalPunkt) {
  const auto number = [decimalPunkt](std::string_view text) {
    return TryStrToFloat(DecimalFormat(text, decimalPunkt), decimalPunkt);
  };
  const std::string caption(kMainSurfaceCaptions[request.surface]);
  const DepthCell depthCell = RoomDepth(request.surface);
  const auto depth = number(room.Ytor[depthCell.surface][0].cell(depthCell.col).Text());
  if (depth && !(request.distance > 0 && request.distance < *depth))
    return "Avståndet från ytan ska vara större än 0 och mindre än rummets djup framför " +
           caption + ", " + FormatGeneral(*depth, decimalPunkt) + " m";
  const bool asymmetry = request.quantity == MapQuantity::Asymmetry;
  const RoomExtentsOrReason extents =
      asymmetry ? AsymmetryExtents(room, request.surface, decimalPunkt) : RoomExtentsOrReason{};
  if (asymmetry && !extents.extents) return extents.reason;
  const TSurfaceRow& own = room.Ytor[request.surface][0];
  const auto width = number(own.X2.Text()), height = number(own.Y2.Text());
  if (!width || !height || !(request.step > 0)) return std::nullopt;
  try {
    const std::vector<float> xs = MapPositions(static_cast<float>(*width), request.step);
    const std::vector<float> ys = MapPositions(static_cast<float>(*height), request.step);
    if (xs.empty() || ys.empty())
      return "Steget " + FormatGeneral(request.step, decimalPunkt) + " m ger inga punkter på " +
             caption;
    // The mirror is monotone: the corner points tell for all.
    const float Zp = evaluation::Single(request.distance);
    if (asymmetry)
      for (const float x : {xs.front(), xs.back()})
        for (const float y : {ys.front(), ys.back()})
          if (!OppositePointInside(room, request.surface, {x, y, Zp}, *extents.extents,
                                   decimalPunkt)) {
            const std::string opposite(kMainSurfaceCaptions[OppositeSurface(request.surface)]);
            return caption + " och " + opposite +
                   " har olika mått: kartans punkter ligger inte alla framför " + opposite;
          }
  } catch (const CalculationError&) {
    // Too many points: the map itself says so.
  }
  return std::nullopt;
}

RotMap ComputeRotMap(const TRoomRecord& room, const RotMapRequest& request, bool decimalPunkt) {
  if (!(request.distance > 0))
    throw CalculationError("Avståndet till ytan måste vara större än 0");
  if (!(request.step > 0)) throw CalculationError("Steget måste vara större än 0");
  RotMap map;
  map.surface = request.surface;
  map.quantity = request.quantity;
  map.category = request.category;
  RoomExtents extents;
  if (request.quantity == MapQuantity::Asymmetry) {
    const RoomExtentsOrReason e = AsymmetryExtents(room, request.surface, decimalPunkt);
    if (!e.extents) throw CalculationError(e.reason);
    extents = *e.extents;
  }
  map.distance = evaluation::Single(request.distance);
  map.step = request.step;
  evaluation::StoredRoom stored(room, decimalPunkt);
  map.width = stored.Single(request.surface, 0, SurfaceCell::X2);
  map.height = stored.Single(request.surface, 0, SurfaceCell::Y2);
  try {
    map.minRot = evaluation::Number(room.MinRot.Text(), decimalPunkt);
  } catch (const ConversionError&) {
    map.minRot.reset();  // no minimum to compare with
  }

  const std::vector<float> xs = MapPositions(map.width, request.step);
  const std::vector<float> ys = MapPositions(map.height, request.step);
  if (xs.size() * ys.size() > kMaxMapPoints) TooManyPoints();
  map.columns = static_cast<int>(xs.size());
  map.rows = static_cast<int>(ys.size());
  map.cells.reserve(xs.size() * ys.size());
  for (const float y : ys)
    for (const float x : xs) map.cells.push_back({x, y});

  unsigned threads = request.threads ? request.threads : UsableCpuCount();
  threads = std::clamp<unsigned>(threads, 1, 64);
  threads = std::min<unsigned>(threads, static_cast<unsigned>(map.cells.size()));
  if (threads > 0) {
    MapRun(room, request, decimalPunkt, map, extents).Run(threads);
  } else if (request.progress) {
    request.progress(0, 0);
  }
  return map;
}

}  // namespace virano
