#include "reports/utskrift.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "engine/calculation.h"
#include "project/numbers.h"
#include "project/recordfile.h"

namespace virano {

namespace {

std::string Header() { return "VIRANO ver. " + std::string(kVersionText) + "     KESTRA"; }

// The document's title: the project's name without directory.
std::string Title(const ReportSettings& settings) {
  return std::filesystem::path(settings.FilNamn).filename().string();
}

// Begins a document, runs `body` and ends the document; on any failure the
// document is dropped and the failure passed on.
template <typename Body>
void Document(Canvas& canvas, const ReportSettings& settings, Body body) {
  canvas.BeginDoc(Title(settings));
  try {
    body();
    canvas.EndDoc();
  } catch (...) {
    canvas.Abort();
    throw;
  }
}

int NextSmallerSize(int size) {
  switch (size) {
    case 12: return 10;
    case 11: return 9;
    case 10: return 8;
    case 9: return 7;
    default: return 6;
  }
}

}  // namespace

AllmData AllmDataFrom(const TRoomRecord& general) {
  return {general.Anl1.Text(), general.Anl2.Text(), general.Signatur.Text(), general.Datum.Text(),
          general.RevDatum.Text()};
}

int AnpassaTextStorlek(Canvas& canvas, int x, int pageWidth, int size, const std::string& fontName,
                       const std::string& text) {
  for (;;) {
    canvas.SetFont(fontName, size);
    if (pageWidth - x >= canvas.TextWidth(text) || size <= 6) return size;
    size = NextSmallerSize(size);
  }
}

// --- The page frame ---------------------------------------------------------

void Utskrift::SkrivarMatt() {
  SidBredd = canvas_.PageWidth();
  SidHoejd = canvas_.PageHeight();
  SidBreddMm = canvas_.PageWidthMm();
  if (SidBredd <= 0 || SidHoejd <= 0 || SidBreddMm <= 0)
    throw PrintError("skrivaren anger ingen utskrivbar yta");
  PixPerMm = static_cast<float>(static_cast<long double>(SidBredd) / SidBreddMm);
}

void Utskrift::Typsnitt() {
  canvas_.SetFont(kTypsnitt, settings_.TextStorlek);
  Storlek = canvas_.FontSize();
  RadHoejd = static_cast<int>(std::nearbyint(Storlek * 0.4L * PixPerMm));
}

int Utskrift::Pixlar(float mm) const {
  return static_cast<int>(std::nearbyint(static_cast<long double>(mm) * PixPerMm));
}

void Utskrift::SetColumns(const std::vector<std::pair<int, float>>& columns) {
  for (const auto& [k, mm] : columns) K[k] = Pixlar(mm);
}

namespace {

// `text` cut to whole UTF-8 characters: `keep` of them from its end when
// `fromStart`, from its start otherwise.
std::string Characters(const std::string& text, std::size_t keep, bool fromStart) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
  if (keep >= starts.size()) return text;
  return fromStart ? text.substr(starts[starts.size() - keep]) : text.substr(0, starts[keep]);
}

}  // namespace

void Utskrift::Skriv(int x, const std::string& text) { SkrivRad({{x, text}}); }

void Utskrift::SkrivInom(int x, const std::string& text, int limit, bool cutStart) {
  if (text.empty()) return;
  BaraSidhuvud = false;
  const int size = canvas_.FontSize();
  const int room = limit - x;
  // Smaller sizes as the path of the input report takes them, down to 6.
  int fitted = size;
  while (fitted > 6 && canvas_.TextWidth(text) > room) {
    fitted = std::min(fitted, NextSmallerSize(fitted));
    canvas_.SetFont(kTypsnitt, fitted);
  }
  // Even at 6 points too wide: cut, the cut marked with "…".
  std::string shown = text;
  const auto characters = static_cast<std::size_t>(std::count_if(
      text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
  for (std::size_t keep = characters; keep > 0 && canvas_.TextWidth(shown) > room; --keep) {
    const std::string part = Characters(text, keep - 1, cutStart);
    shown = cutStart ? "…" + part : part + "…";
  }
  canvas_.TextOut(x, RadY, shown);
  if (fitted != size) canvas_.SetFont(kTypsnitt, size);
}

void Utskrift::SkrivRad(const std::vector<std::pair<int, std::string>>& cells) {
  const int gap = Pixlar(1);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    // A text ends a millimetre before the next text on the line begins, or
    // at the printable area's right edge.
    int limit = SidBredd;
    for (std::size_t j = i + 1; j < cells.size(); ++j)
      if (!cells[j].second.empty() && cells[j].first > cells[i].first) {
        limit = cells[j].first - gap;
        break;
      }
    SkrivInom(cells[i].first, cells[i].second, limit, false);
  }
}

void Utskrift::Sidhuvud() {
  const bool bara = BaraSidhuvud;
  SkrivRad({{K[1], Header()}, {K[12], "sida " + std::to_string(SidNr)}});
  BaraSidhuvud = bara;
}

void Utskrift::NySida() {
  canvas_.NewPage();
  RadY = RadHoejd;
  ++SidNr;
  BaraSidhuvud = true;
}

void Utskrift::TitelTillFoerstaRaden(bool firstRowBreaks) {
  if (!firstRowBreaks || BaraSidhuvud) return;
  NySida();
  Sidhuvud();
  RadY += 2 * RadHoejd;
}

void Utskrift::SkrivKapad(int x, const std::string& text) { SkrivInom(x, text, SidBredd, true); }

void Utskrift::Anlaeggning(const AllmData& data) {
  SkrivRad({{K[1], "Anläggning: "}, {K[2], data.Anl1}});
  RadY += RadHoejd;
  if (!data.Anl2.empty()) {
    Skriv(K[2], data.Anl2);
    RadY += RadHoejd;
  }
}

void Utskrift::Projekthuvud(const AllmData& data) {
  Anlaeggning(data);
  SkrivRad({{K[1], "Namn: "}, {K[2], data.Signatur}});
  RadY += RadHoejd;
  SkrivRad({{K[1], "Datum: "}, {K[2], data.Datum}, {K[5], "Reviderad: "}, {K[7], data.RevDatum}});
  RadY += RadHoejd;
}

// --- The input report -------------------------------------------------------

void Utskrift::KolumnerIndata() {
  SetColumns({{1, 14}, {2, 47}, {3, 58}, {4, 69}, {5, 80}, {6, 91}, {7, 107}, {8, 122},
              {9, 137}, {10, 160}, {11, 171}, {12, 182}});
}

void Utskrift::SkrivIndata(const std::vector<InputViewRow>& rows) {
  const int h = RadHoejd;
  const InputViewRow room = rows.empty() ? InputViewRow{} : rows.front();
  KolumnerIndata();
  SidNr = 1;
  Sidhuvud();
  RadY += 2 * h;
  Projekthuvud(settings_.Allmaent);
  Skriv(K[1], "Sökväg: ");
  AnpassaTextStorlek(canvas_, K[2], SidBredd, Storlek, kTypsnitt, settings_.FilNamn);
  SkrivKapad(K[2], settings_.FilNamn);
  canvas_.SetFont(kTypsnitt, settings_.TextStorlek);

  RadY += 2 * h;
  const std::pair<const char*, std::string> lines[] = {
      {"Rumsnamn:", room[0]},
      {"Lufthastighet:", room[9] + " m/s"},
      {"Rumstemperatur:", room[10] + "°" + "C"},
      {"Riktad OP temp:", room[11] + "°" + "C   Rot/Min Rot"},
  };
  for (const auto& [label, value] : lines) {
    SkrivRad({{K[1], label}, {K[2], value}});
    RadY += h;
  }
  SkrivRad({{K[1], "Uppvärmn.system:"}, {K[2], room[12]}, {K[5], room[13]}});

  RadY += 3 * h;
  // The table's first row lies five lines below its title.
  TitelTillFoerstaRaden(!rows.empty() && RadY + 5 * h >= SidHoejd - 4 * h);
  Skriv(K[5], "INDATA");
  RadY += 2 * h;
  RubrikIndata();
  for (const InputViewRow& row : rows) {
    RadY += h;
    if (RadY >= SidHoejd - 4 * h) NySidaIndata();
    std::vector<std::pair<int, std::string>> cells;
    for (int c = 0; c <= 8; ++c) cells.emplace_back(K[c + 1], row[c]);
    for (int c = 14; c <= 16; ++c) cells.emplace_back(K[c - 4], row[c]);
    SkrivRad(cells);
  }
}

void Utskrift::RubrikIndata() {
  const char* line1[] = {"HuvudYta", "X1", "X2", "Y1", "Y2", "u-värde", "mi", "Temp.", "Yttemp.",
                         "Kontrollpunkter", "", ""};
  const char* line2[] = {"   Delyta", "", "", "", "", "W/m2K", "m2*K/W", "Utsida C", "C",
                         "Xp", "Yp", "Zp"};
  for (const auto* line : {line1, line2}) {
    std::vector<std::pair<int, std::string>> cells;
    for (int k = 1; k <= 12; ++k) cells.emplace_back(K[k], line[k - 1]);
    SkrivRad(cells);
    RadY += RadHoejd;
  }
}

void Utskrift::NySidaIndata() {
  NySida();
  Sidhuvud();
  RadY += 2 * RadHoejd;
  RubrikIndata();
}

// --- The result reports -----------------------------------------------------

void Utskrift::KolumnerResultat() {
  SetColumns({{1, 14}, {2, 42}, {3, 60}, {4, 78}, {5, 96}, {6, 118}, {7, 140}, {8, 158},
              {9, 175}, {12, 182}});
}

bool Utskrift::NySidaFoerResultatRad(const ResultTable::Row& row, bool detailed) const {
  // A room's block does not begin within the last ten lines of a page.
  return (!detailed && row[9] == "NR" && RadY >= SidHoejd - 10 * RadHoejd) ||
         RadY >= SidHoejd - 3 * RadHoejd;
}

void Utskrift::SkrivResultat(const ResultTable& table, bool detailed) {
  const int h = RadHoejd;
  KolumnerResultat();
  RadY += 3 * h;
  const char* title = detailed ? "RESULTAT DETALJERAD" : "RESULTAT";
  if (detailed && RadY + table.RowCount() * h > SidHoejd && !BaraSidhuvud) {
    // The detailed table is taken whole to a page of its own.
    NySida();
    SkrivRad({{K[4], title}, {K[12], "sida " + std::to_string(SidNr)}});
  } else {
    // The title and headings stay with the first row, six lines below.
    bool firstRowBreaks = false;
    if (table.RowCount() > ResultTable::kHeadingRows) {
      const int titleY = RadY;
      RadY += 6 * h;
      firstRowBreaks = NySidaFoerResultatRad(table.rows[ResultTable::kHeadingRows], detailed);
      RadY = titleY;
    }
    TitelTillFoerstaRaden(firstRowBreaks);
    Skriv(K[4], title);
  }
  RadY += 2 * h;
  RubrikResultat(detailed);
  for (int r = ResultTable::kHeadingRows; r < table.RowCount(); ++r) {
    const ResultTable::Row& row = table.rows[r];
    RadY += h;
    if (NySidaFoerResultatRad(row, detailed)) {
      // The table's closing empty row starts no page of its own.
      const bool empty = std::all_of(row.begin(), row.end(), [](const std::string& c) { return c.empty(); });
      if (empty && r + 1 == table.RowCount()) break;
      NySidaResultat(detailed);
    }
    std::vector<std::pair<int, std::string>> cells;
    for (int c = 0; c <= 8; ++c) cells.emplace_back(K[c + 1], row[c]);
    SkrivRad(cells);
  }
}

void Utskrift::RubrikResultat(bool detailed) {
  const char* lines[3][9] = {
      {"Rum", "Kontroll", "Riktad", "Rums-", "Summa", "Summa", "Vinkel-", "Yttemp.",
       "Vinkelkoeff."},
      {"  Huvudyta", "punkt", "operativ", "temp.", "vinkel-", "vinkelkoeff.", "koeff.", "",
       "* yttemp."},
      {detailed ? "   Delyta" : "", "Nr", "temp.", "i punkten", "koeff.", "* yttemp.", "", "",
       ""},
  };
  for (const auto& line : lines) {
    std::vector<std::pair<int, std::string>> cells;
    for (int c = 0; c < 9; ++c) cells.emplace_back(K[c + 1], line[c]);
    SkrivRad(cells);
    RadY += RadHoejd;
  }
}

void Utskrift::NySidaResultat(bool detailed) {
  NySida();
  Sidhuvud();
  RadY += 2 * RadHoejd;
  RubrikResultat(detailed);
  RadY += RadHoejd;
}

// --- The error list ---------------------------------------------------------

void Utskrift::KolumnerFel() { SetColumns({{1, 14}, {2, 25}, {3, 65}, {4, 90}, {5, 120}, {12, 182}}); }

void Utskrift::RubrikFel() {
  const char* heading[] = {"Nr", "Rumsnamn", "Yta", "DelYta", "Felmeddelande"};
  std::vector<std::pair<int, std::string>> cells;
  for (int c = 0; c < 5; ++c) cells.emplace_back(K[c + 1], heading[c]);
  SkrivRad(cells);
}

void Utskrift::NySidaFel() {
  NySida();
  Sidhuvud();
  RadY += 2 * RadHoejd;
  RubrikFel();
  RadY += RadHoejd;
}

void SkrivFelLista(Canvas& canvas, const ReportSettings& settings,
                   const std::vector<ErrorRow>& rows) {
  Utskrift u(canvas, settings);
  u.SkrivarMatt();
  u.KolumnerFel();
  Document(canvas, settings, [&] {
    u.Typsnitt();
    const int h = u.RadHoejd;
    u.RadY = h;
    u.SidNr = 1;
    u.Sidhuvud();
    u.RadY += 2 * h;
    // The texts stand where the input report puts them: the list's own
    // second column lies within the label "Anläggning: ".
    u.K[2] = u.Pixlar(47);
    u.Anlaeggning(settings.Allmaent);
    u.KolumnerFel();
    u.RadY += 3 * h;
    // The list's first row lies four lines below its title.
    u.TitelTillFoerstaRaden(!rows.empty() && u.RadY + 4 * h >= u.SidHoejd - 4 * h);
    u.Skriv(u.K[3], "FELINFORMATION");
    u.RadY += 2 * h;
    u.RubrikFel();
    u.RadY += h;
    for (const ErrorRow& row : rows) {
      u.RadY += h;
      if (u.RadY >= u.SidHoejd - 4 * h) u.NySidaFel();
      std::vector<std::pair<int, std::string>> cells;
      for (int c = 0; c < 5; ++c) cells.emplace_back(u.K[c + 1], row[c]);
      u.SkrivRad(cells);
    }
  });
}

// --- The print job ----------------------------------------------------------

RoomTables TablesFromFile(const std::filesystem::path& projectFile, bool decimalPunkt) {
  RoomTables tables;
  tables.Indata = [projectFile, decimalPunkt](int room) {
    auto record = std::make_unique<TRoomRecord>();
    ProjectFile(projectFile).Read(room, *record);
    return InputViewRows(*record, decimalPunkt);
  };
  tables.Resultat = [projectFile, decimalPunkt](int room, bool detailed) {
    ResultTable table;
    table.SetUp(detailed);
    Kalkyl(projectFile, room, detailed, decimalPunkt, table);
    return table;
  };
  return tables;
}

void SkrivUt(Canvas& canvas, const ReportSettings& settings, const ReportChoice& choice,
             const std::vector<int>& rooms, const RoomTables& tables) {
  if (rooms.empty()) return;
  Utskrift u(canvas, settings);
  u.SkrivarMatt();
  Document(canvas, settings, [&] {
    u.Typsnitt();
    u.RadY = u.RadHoejd;
    for (std::size_t i = 0; i < rooms.size(); ++i) {
      const int room = rooms[i];
      if (i > 0) {
        canvas.NewPage();
        u.RadY = u.RadHoejd;
        u.BaraSidhuvud = true;
      }
      if (choice.Indata) {
        u.SkrivIndata(tables.Indata(room));
      } else if (choice.Resultat || choice.ResultatDetalj) {
        // Without the input report the result report opens the room's
        // pages: numbered from 1, under the header line.
        u.KolumnerResultat();
        u.SidNr = 1;
        u.Sidhuvud();
      }
      if (choice.Resultat) u.SkrivResultat(tables.Resultat(room, false), false);
      if (choice.ResultatDetalj) u.SkrivResultat(tables.Resultat(room, true), true);
      if (choice.Vaeggvyer) u.SkrivVaeggVyer(room);
    }
  });
}

}  // namespace virano
