// The reports' layout on the recording canvas: a printable area 4800 pixels
// and 200 mm wide (24 pixels a millimetre) and 6600 high, Arial at 10
// points, so a line is h = 96 pixels.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>

#include "reports/recording_canvas.h"
#include "reports/utskrift.h"
#include "support/CaseName.h"
#include "support/ProjectWriter.h"
#include "support/RoomBuilder.h"
#include "support/TempDir.h"

namespace virano {
namespace {

using Call = RecordingCanvas::Call;
using Op = RecordingCanvas::Op;
constexpr int h = 96;
constexpr int kBottom = 6600;
const std::string kHeader = "VIRANO ver. 1,12     KESTRA";

class Reports : public ::testing::Test {
 public:
  Reports() {
    settings.FilNamn = "/p/projekt";
    settings.ProjektFil = dir.path() / "projekt.rot";
    settings.Allmaent = {"Kv. Björken", "", "AB", "2024-01-01", ""};
  }
  // A job begun as SkrivUt begins it, the report starting at RadY.
  void Start(int RadY = h) {
    canvas.calls.clear();
    u.SkrivarMatt();
    canvas.BeginDoc("projekt");
    u.Typsnitt();
    u.RadY = RadY;
    u.SidNr = 1;
    u.BaraSidhuvud = RadY <= h;  // a report ended above RadY
  }
  int Count(Op op) const {
    return static_cast<int>(std::count_if(canvas.calls.begin(), canvas.calls.end(),
                                          [op](const Call& c) { return c.op == op; }));
  }
  std::pair<int, int> At(const std::string& text, int page = 0) const {
    const Call c = canvas.Find(text, page);
    return {c.page, c.y1};
  }

  testing::TempDir dir{"reports"};
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

// A result table of `rows` data rows: the room row marked "NR", r0, r1, ...
ResultTable Results(bool detailed, int rows) {
  ResultTable table;
  table.SetUp(detailed);
  table.rows.back() = {"Kontor", "", "", "", "", "", "", "", "", "NR"};
  for (int i = 1; i < rows; ++i) table.rows.push_back({"r" + std::to_string(i - 1)});
  return table;
}

TEST_F(Reports, FrameMetricsFromThePrintableArea) {
  Start();
  u.KolumnerIndata();
  EXPECT_FLOAT_EQ(u.PixPerMm, 24);
  EXPECT_EQ(u.RadHoejd, 96);
  EXPECT_EQ(u.K[1], 336);
  EXPECT_EQ(u.K[12], 4368);
}

// The path is fitted from the chosen size down; at 6 points a path still too
// long loses its start, so that the project's name stays (3672 pixels from
// K2: "…" and 121 characters).
TEST_F(Reports, InputPathSteppedDownThenBackToTheChosenSize) {
  const struct {
    int size;
    std::size_t length;
    std::vector<int> tried;
    std::size_t written;
  } cases[] = {{12, 110, {12, 10, 8, 6}, 110},
               {11, 110, {11, 9, 7, 6}, 110},
               {10, 50, {10}, 50},
               {10, 200, {10, 8, 6}, 121}};
  for (const auto& c : cases) {
    settings.TextStorlek = c.size;
    settings.FilNamn = std::string(c.length, 'x');
    Start();
    u.SkrivIndata(InputRows(0));
    auto at = std::find_if(canvas.calls.begin(), canvas.calls.end(),
                           [](const Call& call) { return call.text == "Sökväg: "; });
    std::vector<int> tried;
    for (++at; at->op == Op::Font; ++at) tried.push_back(at->size);
    EXPECT_EQ(tried, c.tried);
    EXPECT_EQ(at->text, (c.written < c.length ? "…" : "") + settings.FilNamn.substr(c.length - c.written));
    EXPECT_EQ(canvas.Find("Rumsnamn:").size, c.size);
  }
}

TEST_F(Reports, InputHeadTakesALineForAnl2OnlyWhenGiven) {
  for (const std::string anl2 : {"", "Rad 2"}) {
    settings.Allmaent.Anl2 = anl2;
    Start();
    u.SkrivIndata(InputRows(0));
    EXPECT_EQ(At("Anläggning: ").second, 3 * h);
    EXPECT_EQ(At("Namn: ").second, (anl2.empty() ? 4 : 5) * h);
  }
}

// The room row stands at 20h; r44 at 65h reaches 4 lines from the bottom and
// continues page 2 right below the header and both heading lines.
TEST_F(Reports, InputTableContinuesOnPage2WithHeadings) {
  Start();
  u.SkrivIndata(InputRows(50));
  EXPECT_EQ(At("r43"), std::pair(1, 64 * h));
  EXPECT_EQ(At("r44"), std::pair(2, 5 * h));
  EXPECT_EQ(At(kHeader, 2), std::pair(2, h));
  EXPECT_EQ(At("sida 2"), std::pair(2, h));
  EXPECT_EQ(At("HuvudYta", 2), std::pair(2, 3 * h));
  EXPECT_EQ(At("   Delyta", 2), std::pair(2, 4 * h));
  EXPECT_EQ(At("m2*K/W", 2), std::pair(2, 4 * h));  // mi is a resistance
}

TEST_F(Reports, DetailedResultsOf40RowsTakeANewPageWith30LinesLeft) {
  for (const int linesLeft : {30, 45}) {
    Start(kBottom - linesLeft * h - 3 * h);
    u.SkrivResultat(Results(true, 40 - ResultTable::kHeadingRows), true);
    if (linesLeft == 30) {
      EXPECT_EQ(At("RESULTAT DETALJERAD"), std::pair(2, h));
      EXPECT_EQ(At("sida 2"), std::pair(2, h));
      EXPECT_EQ(At(kHeader).first, 0) << "no program header on that page";
    } else {
      EXPECT_EQ(At("RESULTAT DETALJERAD").first, 1);
    }
  }
}

// The first row is written 9 lines below where the report starts. A room
// row within ten lines of the bottom (result view), or any row within three,
// goes to a new page: header, the three heading lines, an empty line, the
// row at 7h. The first row takes the title and headings along: title at 3h,
// the row at 9h.
TEST_F(Reports, ResultRowsBreakToANewPage) {
  const struct {
    bool detailed;
    int startLinesUp, rows;
    std::string firstMoved;
    int movedTo;  // lines from the top of page 2
  } cases[] = {
      {false, 19, 3, "Kontor", 9},  // the room row lands 10 lines from the bottom
      {false, 20, 3, "", 0},        // 11 lines: the room stays
      {false, 21, 11, "r8", 7},     // the row 3 lines from the bottom moves
      {true, 12, 3, "Kontor", 9},   // the detailed view has no room rule
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.startLinesUp);
    Start(kBottom - c.startLinesUp * h);
    u.SkrivResultat(Results(c.detailed, c.rows), c.detailed);
    EXPECT_EQ(At("   Delyta").first != 0, c.detailed);
    EXPECT_EQ(Count(Op::NewPage), c.firstMoved.empty() ? 0 : 1);
    if (c.firstMoved.empty()) continue;
    EXPECT_EQ(At(c.firstMoved), std::pair(2, c.movedTo * h));
    EXPECT_EQ(At(kHeader), std::pair(2, h));
    EXPECT_EQ(At(c.detailed ? "RESULTAT DETALJERAD" : "RESULTAT").first, c.movedTo == 9 ? 2 : 1);
  }
}

TEST(WallScale, LargestAtWhichEverySurfaceFitsItsCell) {
  using Sizes = std::vector<std::array<float, 2>>;
  const Sizes example = {{4, 2.5f}, {4, 2.5f}, {4, 2.5f}, {4, 2.5f}, {6, 4}, {6, 4}};
  const Sizes tall = {{1, 4}, {1, 4}, {1, 4}, {1, 4}, {1, 2}, {1, 2}};
  EXPECT_EQ(VaeggSkala(1680, 1320, example), 280);
  EXPECT_EQ(VaeggSkala(1680, 1320, tall), 330);  // trunc(1320 / 4)
  // A 1,5 × 1,2 × 2,4 m WC on an A4 page: its floor is relatively wider than
  // a cell, yet its walls must fit the cells' height: 1387 / 2,4.
  const Sizes wc = {{1.5f, 2.4f}, {1.2f, 2.4f}, {1.2f, 2.4f}, {1.5f, 2.4f}, {1.5f, 1.2f}, {1.5f, 1.2f}};
  EXPECT_EQ(VaeggSkala(1653, 1387, wc), 577);
  EXPECT_EQ(VaeggSkala(1680, 1320, {}), 0);
  EXPECT_EQ(VaeggSkala(1680, 0, example), 0);
}

// A 6456-pixel page: the header ends at 1056, so B = 1680 and A = 1320;
// the floor (6 × 4 m, S = 280) fills the lowest left cell, 1680 × 1120.
TEST_F(Reports, WallViewsOfTheExampleRoom) {
  canvas = RecordingCanvas(4800, 6456, 200);
  testing::RoomBuilder room(6, 4, 2.5);
  room.record().Ytor[FrontWall][0].X2.SetText("4");
  room.record().Ytor[RearWall][0].X2.SetText("4");
  testing::WriteProject(settings.ProjektFil, {&room.record()});
  Start();
  u.SkrivVaeggVyer(1);
  EXPECT_EQ(At("Rumsnamn: ").second, 1056 - 3 * h);
  EXPECT_EQ(At("sida 1").first, 1);
  std::vector<Call> rectangles;
  std::copy_if(canvas.calls.begin(), canvas.calls.end(), std::back_inserter(rectangles),
               [](const Call& c) { return c.op == Op::Rectangle; });
  const Call floor = rectangles.at(Floor);
  EXPECT_EQ(std::vector({floor.x1, floor.y1, floor.x2 - floor.x1, floor.y2 - floor.y1}),
            std::vector({480, 1056 + 2 * (480 + 1320), 1680, 1120}));
}

// Surfaces without a usable width or height are neither scaled nor drawn;
// rows and points with a missing cell are skipped, the next ones drawn.
TEST_F(Reports, WallViewsLeaveOutWhatIsNotEntered) {
  const struct {
    const char* name;
    std::function<void(TRoomRecord&)> change;
    int rectangles, lines;
  } cases[] = {
      {"complete", [](TRoomRecord&) {}, 7, 4},
      {"no width", [](TRoomRecord& r) { r.Ytor[FrontWall][0].X2.SetText(""); }, 5, 0},
      {"height not a number", [](TRoomRecord& r) { r.Ytor[FrontWall][0].Y2.SetText("x"); }, 5,
       0},
      {"none usable", [](TRoomRecord& r) { for (auto& b : r.Ytor) b[0].Y2.SetText("0"); }, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::RoomBuilder room(4, 5, 2.5);
    room.SubSurface(FrontWall, 1, "Utan X1", 1, 2, 1, 2, 12)
        .SubSurface(FrontWall, 2, "Fönster", 1, 2, 1, 2, 12)
        .Point(FrontWall, 0, 1, 1, 1)
        .Point(FrontWall, 1, 2, 1, 1);
    room.record().Ytor[FrontWall][1].X1.SetText("");
    room.record().Punkter[FrontWall][1].Zp.SetText("");
    c.change(room.record());
    testing::WriteProject(settings.ProjektFil, {&room.record()});
    Start();
    u.SkrivVaeggVyer(1);
    EXPECT_EQ(Count(Op::Rectangle), c.rectangles);
    EXPECT_EQ(Count(Op::Line), c.lines);
    EXPECT_EQ(At("Vägg fram").first != 0, c.lines > 0);
    EXPECT_EQ(At("Rumsnamn: ").first, 1);
  }
}

// Rooms 1 and 3: input on page 1, walls on page 2; room 3 from page 3,
// numbered from 1 again, its walls read from record 3.
TEST_F(Reports, JobPrintsEachChosenRoomByItsOwnNumber) {
  testing::RoomBuilder kontor(4, 5, 2.5), hall(6, 4, 3);
  hall.record().RumsNamn.SetText("Hall");
  testing::WriteProject(settings.ProjektFil, {&kontor.record(), &hall.record(), &hall.record()});
  RoomTables tables;
  tables.Indata = [](int room) { return InputRows(2, "Rum " + std::to_string(room)); };
  SkrivUt(canvas, settings, {true, false, false, true}, {1, 3}, tables);
  std::vector<std::pair<std::string, int>> pages;
  for (const Call& c : canvas.Texts())
    if (c.y1 == h && c.x1 == 4368) pages.emplace_back(c.text, c.page);
  EXPECT_EQ(pages, (std::vector<std::pair<std::string, int>>{
                       {"sida 1", 1}, {"sida 2", 2}, {"sida 1", 3}, {"sida 2", 4}}));
  EXPECT_EQ(At("Rum 3"), std::pair(3, 8 * h));
  EXPECT_EQ(At("Hall"), std::pair(4, 8 * h));
  EXPECT_EQ(canvas.calls.back().op, Op::End);
}

TEST_F(Reports, JobWithoutTheInputReportOrFailing) {
  RoomTables tables;
  tables.Resultat = [](int, bool detailed) { return Results(detailed, 2); };
  // The result report then opens the room's pages, numbered from 1.
  SkrivUt(canvas, settings, {false, true, false, false}, {1}, tables);
  EXPECT_EQ(At(kHeader), std::pair(1, h));
  EXPECT_EQ(At("sida 1"), std::pair(1, h));
  EXPECT_EQ(At("RESULTAT"), std::pair(1, 4 * h));
  tables.Indata = [](int) -> std::vector<InputViewRow> { throw std::runtime_error("fel"); };
  EXPECT_THROW(SkrivUt(canvas, settings, {}, {1}, tables), std::runtime_error);
  EXPECT_EQ(canvas.calls.back().op, Op::Abort);
}

TEST_F(Reports, EmptyErrorListPrintsItsHeadOnly) {
  SkrivFelLista(canvas, settings, {});
  std::vector<std::string> texts;
  for (const Call& c : canvas.Texts()) texts.push_back(c.text);
  EXPECT_EQ(texts, (std::vector<std::string>{kHeader, "sida 1", "Anläggning: ", "Kv. Björken",
                                             "FELINFORMATION", "Nr", "Rumsnamn", "Yta", "DelYta",
                                             "Felmeddelande"}));
  EXPECT_EQ(At("FELINFORMATION").second, At("Anläggning: ").second + 4 * h);
  EXPECT_EQ(canvas.Find("Kv. Björken").x1, 47 * 24) << "clear of the label";
  EXPECT_EQ(canvas.Find("Rumsnamn").x1, 25 * 24);
  EXPECT_EQ(canvas.calls.front().text, "projekt");
  EXPECT_EQ(canvas.calls.back().op, Op::End);
}

// Rows run from 11h; row 54 reaches 4 lines from the bottom and follows the
// heading line of page 2 directly.
TEST_F(Reports, LongErrorListBreaksWithoutAnEmptyLine) {
  std::vector<ErrorRow> rows;
  for (int i = 0; i < 60; ++i) rows.push_back({std::to_string(i), "Kontor", "Golv", "", "fel"});
  SkrivFelLista(canvas, settings, rows);
  EXPECT_EQ(At("53").first, 1);
  EXPECT_EQ(At("54"), std::pair(2, 4 * h));
  EXPECT_EQ(At("Nr", 2), std::pair(2, 3 * h));
}

struct HeadCase {
  const char* name;
  int start;  // RadY after what the page holds; 0: a job of the detailed results alone
  int rows;
  bool closingEmptyRow;
};
class NoPageOfHeadsOnly : public Reports, public ::testing::WithParamInterface<HeadCase> {};

// Every page holds a row of its report, and the title stands on the page of
// the table's first row.
TEST_P(NoPageOfHeadsOnly, EveryPageHoldsARow) {
  const HeadCase& c = GetParam();
  ResultTable table = Results(c.start == 0, c.rows);
  if (c.closingEmptyRow) table.AddRow();
  RoomTables tables;
  tables.Resultat = [&table](int, bool) { return table; };
  if (c.start == 0) {
    SkrivUt(canvas, settings, {false, false, true, false}, {1}, tables);
  } else {
    Start(c.start);
    u.Skriv(u.K[1], "r99");  // the end of the report before
    u.SkrivResultat(table, false);
  }
  std::vector<bool> hasRow(canvas.Pages() + 1);
  for (const Call& t : canvas.Texts())
    hasRow[t.page] = hasRow[t.page] || t.text == "Kontor" || (t.text[0] == 'r' && std::isdigit(t.text[1]));
  for (int page = 1; page <= canvas.Pages(); ++page) EXPECT_TRUE(hasRow[page]) << "page " << page;
  const Call title = canvas.Find(c.start ? "RESULTAT" : "RESULTAT DETALJERAD");
  EXPECT_EQ(title.page, canvas.Find("Kontor").page);
}
INSTANTIATE_TEST_SUITE_P(Reports, NoPageOfHeadsOnly,
                         ::testing::Values(HeadCase{"DetailedResultsAlone", 0, 80, false},
                                           // that row 3 lines from the bottom
                                           HeadCase{"ClosingEmptyRow", 4600, 9, true},
                                           // the title fits, the room row would not
                                           HeadCase{"TitleWithTheFirstRow", 5000, 3, false}),
                         testing::CaseName());

class TextSize : public Reports, public ::testing::WithParamInterface<int> {};

// A whole job at every text size, its texts as long as the fields hold and
// a long path, wider than Arial is: each text box lies within the printable
// area and overlaps no other on its page but the wall views' numbers in 6
// points, which lie where the surfaces put them.
TEST_P(TextSize, NothingOverlapsOrLeavesThePrintableArea) {
  canvas.lineHeight = 9;  // Arial's height is 1,15 of its size
  settings.TextStorlek = GetParam();
  settings.FilNamn = "/hem/anna/" + std::string(140, 'p') + "/projekt";
  const std::string w15(15, 'W');
  settings.Allmaent = {std::string(60, 'W'), std::string(60, 'M'), std::string(30, 'W'), w15, w15};
  testing::RoomBuilder room(4, 5, 2.5);
  room.record().RumsNamn.SetText(w15);
  room.SubSurface(FrontWall, 1, w15, 1, 3, 1, 2, 12).SubSurface(LeftWall, 1, w15, 1, 3, 1, 2, 12);
  room.Point(FrontWall, 0, 2, 1.25, 1).Point(Floor, 0, 2, 2.5, 1);
  room.record().Ytor[FrontWall][1].UVarde.SetText("1234567890,12345");
  testing::WriteProject(settings.ProjektFil, {&room.record()});
  SkrivUt(canvas, settings, {}, {1}, TablesFromFile(settings.ProjektFil, false));
  SkrivFelLista(canvas, settings, {{"1", w15, w15, w15, std::string(40, 'W')}});

  std::vector<Call> boxes;
  for (Call c : canvas.calls) {
    if (c.op == Op::Begin) boxes.clear();  // the error list is a document of its own
    if (c.op != Op::Text) continue;
    const auto characters = std::count_if(c.text.begin(), c.text.end(), [](char ch) { return (ch & 0xC0) != 0x80; });
    c.x2 = c.x1 + static_cast<int>(characters) * c.size * canvas.charWidth;
    c.y2 = c.y1 + c.size * canvas.lineHeight;
    EXPECT_TRUE(c.x1 >= 0 && c.x2 <= 4800 && c.y1 >= 0 && c.y2 <= kBottom) << c.text;
    for (const Call& o : boxes)
      EXPECT_FALSE(o.page == c.page && c.x1 < o.x2 && o.x1 < c.x2 && c.y1 < o.y2 && o.y1 < c.y2)
          << c.text << " overlaps " << o.text;
    if (c.size > 6) boxes.push_back(c);
  }
}
INSTANTIATE_TEST_SUITE_P(Reports, TextSize, ::testing::Range(8, 13),
                         [](const auto& size) { return std::to_string(size.param) + "pt"; });

}  // namespace
}  // namespace virano
