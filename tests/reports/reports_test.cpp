// The reports' layout on the recording canvas: a printable area 4800 pixels
// and 200 mm wide (24 pixels a millimetre) and 6600 pixels high, Arial at
// 10 points, so a line is 96 pixels.
#include <gtest/gtest.h>

#include <functional>

#include "reports/recording_canvas.h"
#include "reports/utskrift.h"
#include "room_builder.h"

namespace virano {
namespace {

using Call = RecordingCanvas::Call;
using Op = RecordingCanvas::Op;
constexpr int h = 96;
constexpr int kBottom = 6600;
const std::string kHeader = "VIRANO ver. 1,12     KESTRA";

class Reports : public ::testing::Test {
 protected:
  Reports() {
    settings.FilNamn = "/p/projekt";
    settings.Allmaent = {"Kv. Björken", "", "AB", "2024-01-01", ""};
  }
  // A job begun as SkrivUt begins it.
  void Start() {
    u.SkrivarMatt();
    canvas.BeginDoc("projekt");
    u.Typsnitt();
    u.RadY = u.RadHoejd;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Call& c : canvas.Texts()) texts.push_back(c.text);
    return texts;
  }
  int Count(Op op) const {
    return static_cast<int>(std::count_if(canvas.calls.begin(), canvas.calls.end(),
                                          [op](const Call& c) { return c.op == op; }));
  }

  RecordingCanvas canvas{4800, kBottom, 200};
  ReportSettings settings;
  Utskrift u{canvas, settings};
};

// Input view rows: the room row, then rows named r0, r1, ...
std::vector<InputViewRow> InputRows(int count, const std::string& room = "Kontor") {
  std::vector<InputViewRow> rows(1);
  rows[0][0] = room;
  for (int i = 0; i < count; ++i) rows.push_back({"r" + std::to_string(i)});
  return rows;
}

// A result table: the headings, the room row marked "NR", then rows r0, r1, ...
ResultTable Results(bool detailed, int dataRows) {
  ResultTable table;
  table.SetUp(detailed);
  table.rows.back() = {"Kontor", "", "", "", "", "", "", "", "", "NR"};
  for (int i = 1; i < dataRows; ++i) table.rows.push_back({"r" + std::to_string(i - 1)});
  return table;
}

// --- The page frame ----------------------------------------------------------

TEST_F(Reports, FrameMetricsFromThePrintableArea) {
  Start();
  u.KolumnerIndata();
  EXPECT_FLOAT_EQ(u.PixPerMm, 24);
  EXPECT_EQ(u.RadHoejd, 96);
  EXPECT_EQ(u.K[1], 336);
  EXPECT_EQ(u.K[12], 4368);
}

// The path is fitted from the chosen size down; at 6 points a path still too
// long is cut at the right edge (3672 pixels from K2: 122 characters at 6).
TEST_F(Reports, LongPathSteppedDownThenBackToTheChosenSize) {
  const struct {
    int size;
    std::size_t length;
    std::vector<int> tried;
    std::size_t written;
  } cases[] = {
      {12, 110, {12, 10, 8, 6}, 110},
      {11, 110, {11, 9, 7, 6}, 110},
      {10, 50, {10}, 50},
      {10, 200, {10, 8, 6}, 122},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    canvas.calls.clear();
    settings.TextStorlek = c.size;
    settings.FilNamn = std::string(c.length, 'x');
    Start();
    u.SkrivIndata(InputRows(0));
    auto at = std::find_if(canvas.calls.begin(), canvas.calls.end(),
                           [](const Call& call) { return call.text == "Sökväg: "; });
    std::vector<int> tried;
    for (++at; at->op == Op::Font; ++at) tried.push_back(at->size);
    EXPECT_EQ(tried, c.tried);
    EXPECT_EQ(at->text, settings.FilNamn.substr(0, c.written));
    EXPECT_EQ(at->size, c.tried.back());
    EXPECT_EQ(canvas.Find("Rumsnamn:").size, c.size);
  }
}

// --- The input report --------------------------------------------------------

TEST_F(Reports, InputHeadOnlyTakesALineForAGivenAnl2) {
  for (const std::string anl2 : {"", "Rad 2"}) {
    canvas.calls.clear();
    settings.Allmaent.Anl2 = anl2;
    Start();
    u.SkrivIndata(InputRows(0));
    const int first = canvas.Find("Anläggning: ").y1;
    EXPECT_EQ(first, 3 * h);
    EXPECT_EQ(canvas.Find("Namn: ").y1, first + (anl2.empty() ? h : 2 * h));
  }
}

// Rows run from 20h (the room row); r44 at 65h reaches 4 lines from the
// bottom and continues page 2 right below its header and both heading lines.
TEST_F(Reports, InputTableContinuesOnPage2WithHeadings) {
  Start();
  u.SkrivIndata(InputRows(50));
  EXPECT_EQ(canvas.Find("r43").page, 1);
  const Call moved = canvas.Find("r44");
  EXPECT_EQ(moved.page, 2);
  EXPECT_EQ(moved.y1, 5 * h);
  std::vector<std::pair<std::string, int>> page2;
  for (const Call& c : canvas.Texts())
    if (c.page == 2 && c.y1 < 5 * h && (c.x1 == u.K[1] || c.x1 == u.K[12]))
      page2.emplace_back(c.text, c.y1);
  EXPECT_EQ(page2, (std::vector<std::pair<std::string, int>>{
                       {kHeader, h}, {"sida 2", h}, {"HuvudYta", 3 * h}, {"   Delyta", 4 * h}, {"Zp", 4 * h}}));
}

// --- The result reports ------------------------------------------------------

TEST_F(Reports, DetailedResultsTakeANewPageWhenTheyDoNotFit) {
  for (const int linesLeft : {30, 45}) {
    canvas.calls.clear();
    Start();
    u.SidNr = 1;
    u.RadY = kBottom - linesLeft * h - 3 * h;
    u.SkrivResultat(Results(true, 40 - 3), true);
    const Call title = canvas.Find("RESULTAT DETALJERAD");
    if (linesLeft == 30) {
      EXPECT_EQ(title.page, 2);
      EXPECT_EQ(title.y1, h);
      const Call number = canvas.Find("sida 2");
      EXPECT_EQ(number.y1, h);
      EXPECT_EQ(canvas.Find(kHeader).page, 0) << "no program header on that page";
    } else {
      EXPECT_EQ(title.page, 1);
    }
  }
}

// The first row is written 9 lines below where the report starts. A room
// row within ten lines of the bottom, or any row within three, goes to a
// new page: header, the three heading lines, one empty line, the row (7h).
TEST_F(Reports, ResultRowsBreakToANewPage) {
  const struct {
    bool detailed;
    int startLinesUp, rows;
    std::string firstMoved;
  } cases[] = {
      {false, 19, 3, "Kontor"},  // the room row lands 10 lines from the bottom
      {false, 20, 3, ""},        // 11 lines: the room stays
      {false, 21, 11, "r8"},     // the row 3 lines from the bottom moves
      {true, 12, 3, "Kontor"},   // no room rule in the detailed view
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.startLinesUp);
    canvas.calls.clear();
    Start();
    u.SidNr = 1;
    u.RadY = kBottom - c.startLinesUp * h;
    u.SkrivResultat(Results(c.detailed, c.rows), c.detailed);
    if (c.firstMoved.empty()) {
      EXPECT_EQ(Count(Op::NewPage), 0);
      continue;
    }
    const Call moved = canvas.Find(c.firstMoved);
    EXPECT_EQ(moved.page, 2);
    EXPECT_EQ(moved.y1, 7 * h);
    EXPECT_EQ(canvas.Find(kHeader).y1, h);
    EXPECT_EQ(canvas.Find(kHeader).page, 2);
  }
}

TEST_F(Reports, DelytaHeadingOnlyInTheDetailedReport) {
  for (const bool detailed : {false, true}) {
    canvas.calls.clear();
    Start();
    u.SkrivResultat(Results(detailed, 1), detailed);
    EXPECT_EQ(canvas.Find("   Delyta").page != 0, detailed);
    EXPECT_EQ(canvas.Find(detailed ? "RESULTAT DETALJERAD" : "RESULTAT").page, 1);
  }
}

// --- The wall views ----------------------------------------------------------

TEST(WallScale, FromTheWidestOrTheHighestSurface) {
  using Sizes = std::vector<std::array<float, 2>>;
  const Sizes example = {{4, 2.5f}, {4, 2.5f}, {4, 2.5f}, {4, 2.5f}, {6, 4}, {6, 4}};
  const Sizes tall = {{1, 4}, {1, 4}, {1, 4}, {1, 4}, {1, 2}, {1, 2}};
  EXPECT_EQ(VaeggSkala(1680, 1320, example), 280);
  EXPECT_EQ(VaeggSkala(1680, 1320, tall), 330);  // trunc(1320 / 4)
  EXPECT_EQ(VaeggSkala(1680, 1320, {}), 0);
  EXPECT_EQ(VaeggSkala(1680, 0, example), 0);
}

class WallViews : public Reports {
 protected:
  WallViews() { settings.ProjektFil = dir.path() / "projekt.rot"; }
  void Print(const TRoomRecord& room) {
    testing::WriteProject(settings.ProjektFil, {&room});
    Start();
    u.SkrivVaeggVyer(1);
  }
  std::vector<Call> Calls(Op op) const {
    std::vector<Call> found;
    for (const Call& c : canvas.calls)
      if (c.op == op) found.push_back(c);
    return found;
  }
  testing::TempDir dir{"wall-views"};
};

// A 6456-pixel page: the header ends at 1056, so B = 1680 and A = 1320;
// the floor (6 × 4 m, S = 280) fills the lowest left cell, 1680 × 1120.
TEST_F(WallViews, ExampleRoomToOneScale) {
  canvas = RecordingCanvas(4800, 6456, 200);
  testing::RoomBuilder room(6, 4, 2.5);
  room.record().Ytor[FrontWall][0].X2.SetText("4");
  room.record().Ytor[RearWall][0].X2.SetText("4");
  Print(room.record());
  EXPECT_EQ(canvas.Find("Rumsnamn: ").y1, 1056 - 3 * h);
  const Call floor = Calls(Op::Rectangle)[Floor];
  EXPECT_EQ(floor.x1, 480);
  EXPECT_EQ(floor.x2 - floor.x1, 1680);
  EXPECT_EQ(floor.y1, 1056 + 2 * (480 + 1320));
  EXPECT_EQ(floor.y2 - floor.y1, 1120);
  EXPECT_EQ(canvas.Find("VÄGGVYER").page, 1);
  EXPECT_EQ(canvas.Find("sida 1").page, 1);
}

// Surfaces without a usable width or height are neither scaled nor drawn;
// rows and points with a missing cell are skipped, the next ones drawn.
TEST_F(WallViews, UnusableSurfacesRowsAndPointsLeftOut) {
  const struct {
    const char* name;
    std::function<void(TRoomRecord&)> change;
    int rectangles, lines;
    bool frontName;
  } cases[] = {
      {"complete", [](TRoomRecord&) {}, 7, 4, true},
      {"front wall without width",
       [](TRoomRecord& r) { r.Ytor[FrontWall][0].X2.SetText(""); }, 5, 0, false},
      {"front wall height not a number",
       [](TRoomRecord& r) { r.Ytor[FrontWall][0].Y2.SetText("x"); }, 5, 0, false},
      {"no usable surface",
       [](TRoomRecord& r) {
         for (auto& block : r.Ytor) block[0].Y2.SetText("0");
       },
       0, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    canvas.calls.clear();
    testing::RoomBuilder room(4, 5, 2.5);
    room.SubSurface(FrontWall, 1, "Utan X1", 1, 2, 1, 2, 12)
        .SubSurface(FrontWall, 2, "Fönster", 1, 2, 1, 2, 12)
        .Point(FrontWall, 0, 1, 1, 1)
        .Point(FrontWall, 1, 2, 1, 1);
    room.record().Ytor[FrontWall][1].X1.SetText("");
    room.record().Punkter[FrontWall][1].Zp.SetText("");
    c.change(room.record());
    Print(room.record());
    EXPECT_EQ(Count(Op::Rectangle), c.rectangles);
    EXPECT_EQ(Count(Op::Line), c.lines);
    EXPECT_EQ(canvas.Find("Vägg fram").page != 0, c.frontName);
    EXPECT_EQ(canvas.Find("Rumsnamn: ").page, 1);
  }
}

// --- The print job ----------------------------------------------------------

TEST_F(WallViews, JobPrintsEachChosenRoomByItsOwnNumber) {
  testing::RoomBuilder kontor(4, 5, 2.5), hall(6, 4, 3);
  hall.record().RumsNamn.SetText("Hall");
  testing::WriteProject(settings.ProjektFil, {&kontor.record(), &hall.record(), &hall.record()});
  std::vector<int> asked;
  RoomTables tables;
  tables.Indata = [&asked](int room) {
    asked.push_back(room);
    return InputRows(2, "Rum " + std::to_string(room));
  };
  SkrivUt(canvas, settings, {true, false, false, true}, {1, 3}, tables);
  EXPECT_EQ(asked, (std::vector<int>{1, 3}));
  // Room 1: input on page 1, walls on page 2; room 3 from page 3, again
  // numbered from 1.
  std::vector<std::tuple<std::string, int, int>> pages;
  for (const Call& c : canvas.Texts())
    if (c.text.rfind("sida ", 0) == 0 || c.text.rfind("Rum ", 0) == 0 || c.text == "Hall")
      pages.emplace_back(c.text, c.page, c.y1);
  EXPECT_EQ(pages, (std::vector<std::tuple<std::string, int, int>>{{"sida 1", 1, h},
                                                                   {"Rum 1", 1, 8 * h},
                                                                   {"Rum 1", 1, 20 * h},
                                                                   {"sida 2", 2, h},
                                                                   {"sida 1", 3, h},
                                                                   {"Rum 3", 3, 8 * h},
                                                                   {"Rum 3", 3, 20 * h},
                                                                   {"sida 2", 4, h},
                                                                   {"Hall", 4, 8 * h}}));
  EXPECT_EQ(canvas.calls.back().op, Op::End);
}

TEST_F(Reports, JobWithoutRoomsPrintsNothingAndAFailedOneIsDropped) {
  RoomTables tables;
  tables.Indata = [](int) -> std::vector<InputViewRow> { throw std::runtime_error("fel"); };
  SkrivUt(canvas, settings, {}, {}, tables);
  EXPECT_TRUE(canvas.calls.empty());
  EXPECT_THROW(SkrivUt(canvas, settings, {}, {1}, tables), std::runtime_error);
  EXPECT_EQ(canvas.calls.back().op, Op::Abort);
  EXPECT_EQ(Count(Op::End), 0);
}

TEST_F(Reports, ResultsWithoutTheInputReportOpenTheRoomsPages) {
  RoomTables tables;
  tables.Resultat = [](int, bool detailed) { return Results(detailed, 2); };
  SkrivUt(canvas, settings, {false, true, false, false}, {1}, tables);
  EXPECT_EQ(canvas.Find(kHeader).y1, h);
  EXPECT_EQ(canvas.Find("sida 1").y1, h);
  EXPECT_EQ(canvas.Find("RESULTAT").y1, 4 * h);
}

// --- The error list ----------------------------------------------------------

TEST_F(Reports, EmptyErrorListPrintsItsHeadOnly) {
  SkrivFelLista(canvas, settings, {});
  EXPECT_EQ(Texts(), (std::vector<std::string>{kHeader, "sida 1", "Anläggning: ", "Kv. Björken",
                                               "FELINFORMATION", "Nr", "Rumsnamn", "Yta",
                                               "DelYta", "Felmeddelande"}));
  EXPECT_EQ(canvas.Find("FELINFORMATION").y1, canvas.Find("Anläggning: ").y1 + 4 * h);
  EXPECT_EQ(canvas.Find("Kv. Björken").x1, 47 * 24) << "clear of the label";
  EXPECT_EQ(canvas.Find("Rumsnamn").x1, 25 * 24);
  EXPECT_EQ(canvas.Pages(), 1);
  EXPECT_EQ(canvas.calls.front().text, "projekt");
  EXPECT_EQ(canvas.calls.back().op, Op::End);
}

// Rows run from 11h; row 54 reaches 4 lines from the bottom and follows the
// heading line of page 2 directly.
TEST_F(Reports, LongErrorListBreaksWithoutAnEmptyLine) {
  std::vector<ErrorRow> rows;
  for (int i = 0; i < 60; ++i) rows.push_back({std::to_string(i), "Kontor", "Golv", "", "fel"});
  SkrivFelLista(canvas, settings, rows);
  EXPECT_EQ(canvas.Find("53").page, 1);
  const Call moved = canvas.Find("54");
  EXPECT_EQ(moved.page, 2);
  EXPECT_EQ(moved.y1, 4 * h);
  EXPECT_EQ(canvas.Find("Nr", 2).y1, 3 * h);
}

}  // namespace
}  // namespace virano
