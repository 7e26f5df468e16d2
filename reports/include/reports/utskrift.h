#pragma once
// The printed reports: the input report ("INDATA"), the result reports
// ("RESULTAT", "RESULTAT DETALJERAD"), the wall views ("VÄGGVYER") and the
// error list ("FELINFORMATION"), on one page frame: Arial at the project's
// text size, a header line with the page number on every page, columns in
// millimetres from the left of the printable area.
//
// The reports take plain data: the summary's input view rows, a result
// table, the rows of the error list, and the project file for the wall
// views. A print job (SkrivUt, SkrivFelLista) draws on a Canvas; a job
// that fails after its document began drops the document and passes the
// error on.
#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/resulttable.h"
#include "project/record.h"
#include "reports/canvas.h"
#include "rules/InputView.h"

namespace virano {

// Every report is written in this font.
inline const std::string kTypsnitt = "Arial";

// The project's general data as printed in the reports' heads.
struct AllmData {
  std::string Anl1, Anl2, Signatur, Datum, RevDatum;
};
AllmData AllmDataFrom(const TRoomRecord& general);

// What a job prints besides the tables: the project and its print setting,
// and the general data as the window's boxes show them.
struct ReportSettings {
  std::string FilNamn;               // the project's path without extension
  std::filesystem::path ProjektFil;  // the project file the wall views read
  int TextStorlek = 10;              // points
  bool DecimalPunkt = false;
  AllmData Allmaent;
};

// The reports chosen with the check boxes of "Skriv ut rum / väggvyer ".
struct ReportChoice {
  bool Indata = true;
  bool Resultat = true;
  bool ResultatDetalj = true;
  bool Vaeggvyer = true;
};

// A room's tables as the summary shows them. The window switches its
// summary to the view and the room asked for and hands over its cells, so
// that it is left on the last view and room printed.
struct RoomTables {
  std::function<std::vector<InputViewRow>(int room)> Indata;
  std::function<ResultTable(int room, bool detailed)> Resultat;
};

// The same tables computed from the project file, without a window.
RoomTables TablesFromFile(const std::filesystem::path& projectFile, bool decimalPunkt);

// One line of the error list: Nr, Rumsnamn, Yta, Delyta, Felmeddelande.
using ErrorRow = std::array<std::string, 5>;

// The print job of "&Utskrift": for each room of `rooms` (room numbers, in
// order; one for the room shown, every room chooser entry's own number for
// "Skriv ut alla rum") the chosen reports, each room after the first on a
// new page. No rooms: nothing is printed.
void SkrivUt(Canvas& canvas, const ReportSettings& settings, const ReportChoice& choice,
             const std::vector<int>& rooms, const RoomTables& tables);

// The print job of the error list window's "Print".
void SkrivFelLista(Canvas& canvas, const ReportSettings& settings,
                   const std::vector<ErrorRow>& rows);

// The largest size tried at which `text` in `fontName` fits between x and
// `pageWidth`: from `size` down 12 → 10, 11 → 9, 10 → 8, 9 → 7, else 6;
// never below 6. Leaves the font at the size returned.
int AnpassaTextStorlek(Canvas& canvas, int x, int pageWidth, int size, const std::string& fontName,
                       const std::string& text);

// The common scale of a room's wall views, in pixels per metre, for cells
// B wide and A high: the largest whole number at which every surface fits
// its cell in width and in height. `sizes` holds each usable main surface's
// width and height; none: 0.
int VaeggSkala(int B, int A, const std::vector<std::array<float, 2>>& sizes);

// The report state of one job and the reports themselves.
class Utskrift {
 public:
  Utskrift(Canvas& canvas, const ReportSettings& settings)
      : canvas_(canvas), settings_(settings) {}

  int SidBredd = 0;    // printable width, pixels
  int SidHoejd = 0;    // printable height, pixels
  int SidBreddMm = 0;  // printable width, millimetres
  float PixPerMm = 0;  // for horizontal and vertical distances alike
  int RadHoejd = 0;    // line height, pixels
  int RadY = 0;        // top of the current line
  int SidNr = 0;
  std::array<int, 13> K{};  // column positions K[1] … K[12], pixels
  int Storlek = 0;          // the font size read back at the start

  // Page metrics and PixPerMm from the printer.
  void SkrivarMatt();
  // Arial at TextStorlek; RadHoejd from the size read back.
  void Typsnitt();
  // round(mm × PixPerMm), halves to even.
  int Pixlar(float mm) const;
  // The page header line at RadY.
  void Sidhuvud();
  // Starts a new page: RadY on its first line, SidNr on by one.
  void NySida();
  // True while the page holds nothing but its header line.
  bool BaraSidhuvud = true;

  // Writes `text` at (x, RadY) so that it ends before `limit`: in a smaller
  // size (12 → 10 → 8 → 6 as AnpassaTextStorlek steps) when it does not fit
  // at the current one, and cut, the cut marked "…", when it does not fit
  // even at 6 points: at its end, or at its start when `cutStart`. An empty
  // text writes nothing.
  void SkrivInom(int x, const std::string& text, int limit, bool cutStart);
  // The texts of one line, each ending a millimetre before the next text
  // of the line, the last at the printable area's right edge: nothing
  // printed overlaps or leaves the printable area.
  void SkrivRad(const std::vector<std::pair<int, std::string>>& cells);
  // One text alone on its line.
  void Skriv(int x, const std::string& text);
  // A path: the start goes when it does not fit, its file name stays.
  void SkrivKapad(int x, const std::string& text);
  // Before a table's title: when the table's first row would start a new
  // page, the title and headings go to that page with it, unless this page
  // holds nothing but its header.
  void TitelTillFoerstaRaden(bool firstRowBreaks);
  // "Anläggning: " with Anl1, and Anl2 on a line of its own when given.
  void Anlaeggning(const AllmData& data);
  // Anläggning, "Namn: " and "Datum: " lines.
  void Projekthuvud(const AllmData& data);

  // The input report of the summary's input view rows, the room row first.
  void KolumnerIndata();
  void SkrivIndata(const std::vector<InputViewRow>& rows);
  void RubrikIndata();
  void NySidaIndata();

  // The result report of a result table, its heading rows included.
  void KolumnerResultat();
  void SkrivResultat(const ResultTable& table, bool detailed);
  // Whether `row` written at RadY goes to a new page.
  bool NySidaFoerResultatRad(const ResultTable::Row& row, bool detailed) const;
  void RubrikResultat(bool detailed);
  void NySidaResultat(bool detailed);

  // The wall views of a room read from the project file, on a page of
  // their own.
  void SkrivVaeggVyer(int room);
  // The common scale of the room's usable main surfaces.
  int RitaVaegg(const TRoomRecord& room, int B, int A);
  // Draws main surface s in the cell at x0 of the row at yr.
  void RitaYta(const TRoomRecord& room, int s, long double x0, int yr, int S);

  // The error list's columns, heading line and page break (SkrivFelLista).
  void KolumnerFel();
  void RubrikFel();
  void NySidaFel();

 private:
  void SetColumns(const std::vector<std::pair<int, float>>& columns);

  Canvas& canvas_;
  const ReportSettings& settings_;
};

}  // namespace virano
