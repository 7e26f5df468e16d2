#pragma once
// The open project: its file, the working record, the shown room, the state
// flags of a program run and the operations on them, without a window. The
// main window shows what it holds and gives it what the user typed; each
// operation tells what it came to.
#include <QString>
#include <array>
#include <memory>
#include <vector>

#include "project/record.h"
#include "projekt/VisatRum.h"

namespace virano {

// The general data of the tabs "Allmänna indata" and "Filhantering", as the
// window shows them.
struct TAllmData {
  QString Anl1, Anl2, Signatur, Datum, RevDatum, TextStorlek, Radavst;
};

// The room's own boxes on "Indata", as the window shows them.
struct TRumsfaelt {
  QString RumsNamn, LuftHast, IncROT, RumsTemp, Rot, MinRot;
  int HeatSystem = 0;
  QString WattPerKvmTak, Temp05OG, Temp18OG;
};

// What the window shows of one main surface: its surface rows from the main
// surface's own row on, and its point rows; the block rows after them are
// kept as stored.
struct TYtvy {
  using Ytrad = std::array<QString, TSurfaceRow::kCellCount>;
  using Punktrad = std::array<QString, TPointRow::kCellCount>;
  int yta = -1;  // the main surface shown; -1: the grids belong to none
  std::vector<Ytrad> rader;
  std::vector<Punktrad> punkter;
};

// What an operation came to.
struct TUtfall {
  enum Slag {
    kKlart,       // done
    kOeppnat,     // a project was opened
    kSkapat,      // a new project was created
    kFelVersion,  // the project is of another program version; none is open
    kAvvisat,     // refused: `orsak` says why
    kMisslyckat,  // the file could not be read or written: `orsak` is the system's text
  };
  TUtfall() = default;
  TUtfall(Slag s, QString varfoer = {}, int filversion = 0)
      : slag(s), orsak(std::move(varfoer)), version(filversion) {}

  Slag slag = kKlart;
  QString orsak;
  int version = 0;  // kFelVersion: the version the file holds

  bool Lyckat() const { return slag == kKlart || slag == kOeppnat || slag == kSkapat; }
};

// A room read for showing.
enum class THamtning {
  kIngetProjekt,  // no project is open: nothing was read
  kIngenPost,     // the room has no record yet
  kLaest,         // the working record holds the room
};

// What the check of one room or of all rooms found.
struct TKontroll {
  int rum = 0;                      // the room whose errors these are
  std::vector<TErrorRecord> fel;    // its errors, as the error file holds them
  QString misslyckades;             // not empty: the check could not be made, and why
  bool Gjord() const { return misslyckades.isEmpty(); }
};

// What deleting the shown room leaves to show.
struct TRadering {
  int visa = 1;               // the room number to show next
  bool laesOm = false;        // the room under the same number is read and shown again
  bool toemFoenster = false;  // the window's room input is emptied first
  bool nyttForsta = false;    // the only room stays as a new room 1 (BoerjaOm)
};

class TProjekt {
 public:
  explicit TProjekt(bool decimalPunkt);
  ~TProjekt();
  TProjekt(const TProjekt&) = delete;
  TProjekt& operator=(const TProjekt&) = delete;

  // --- State ------------------------------------------------------------
  bool DecimalPunkt() const { return decimalPunkt_; }
  // The open project's path without extension; empty while none is open.
  const QString& FilNamn() const { return filNamn_; }
  QString ProjektFil() const { return filNamn_ + QStringLiteral(".rot"); }
  QString FelFil() const { return filNamn_ + QStringLiteral(".rof"); }
  bool FilOK() const { return filOK_; }
  bool NyFil() const { return nyFil_; }
  bool DataAendrad() const { return dataAendrad_; }
  bool RumEjLagrat() const { return rumEjLagrat_; }
  bool RumSparat() const { return rumSparat_; }
  // A red cell is shown, or the check just run found errors.
  bool FelMarkerat() const { return rodaCeller_ || kontrollFannFel_; }
  bool RodaCeller() const { return rodaCeller_; }
  // A room is being shown: the changes it makes in the window store nothing.
  bool LaddarRum() const { return laddar_ > 0; }

  // The room shown, and the stepper's highest room: the rooms in the file,
  // and one more while a new room is not yet stored.
  int Rum() const { return rum_; }
  int HoegstaRum() const { return hoegstaRum_; }
  // The working record: every transfer between the window and the project
  // file passes through it. While a room is shown it holds that room's
  // stored record, since a store writes the main surfaces not shown from it.
  const TRoomRecord& Arbetspost() const { return *arbetspost_; }
  // The general data as last read or stored.
  const TAllmData& AllmData() const { return allm_; }
  TVisatRum VisatRum(int yta) const;

  // --- What the window marks -------------------------------------------
  // An edit of what the window shows, and its end without a store.
  void MarkeraAendrad() { dataAendrad_ = true; }
  void GloemAendring() { dataAendrad_ = false; }
  // Whether the grids shown hold a cell painted red.
  void SattRodaCeller(bool roda) { rodaCeller_ = roda; }
  // The user selected a cell: the errors of the last check are seen.
  void KontrollSedd() { kontrollFannFel_ = false; }
  // The room number the window shows now.
  void SattRum(int rum) { rum_ = rum; }
  // While the returned object lives, a room is being shown.
  class Laddning {
   public:
    explicit Laddning(TProjekt& projekt) : projekt_(projekt) { ++projekt_.laddar_; }
    ~Laddning() { --projekt_.laddar_; }
    Laddning(const Laddning&) = delete;
    Laddning& operator=(const Laddning&) = delete;

   private:
    TProjekt& projekt_;
  };
  Laddning Laddar() { return Laddning(*this); }

  // --- Projects ----------------------------------------------------------
  // Opens the project at `path` (its extension is left out), or creates it
  // when there is no such file: the new project's general data are `allm`
  // with today's date and no revision date, its room 1 holds `rum` and no
  // surfaces. Opened shows the last room, created room 1.
  TUtfall Oeppna(const QString& path, const TAllmData& allm, const TRumsfaelt& rum);
  // No project is open any more.
  void Stang();
  // Copies the project to `stem` + ".rot" and goes on there; the copy counts
  // as a project created today, whose general data are `allm`.
  TUtfall SparaSom(const QString& stem, const TAllmData& allm);

  // --- Transfers ---------------------------------------------------------
  // Stores `allm` into record 0.
  TUtfall SparaAllmData(const TAllmData& allm);
  // Stores the room boxes and the shown main surface into the shown room's record.
  TUtfall SparaData(const TRumsfaelt& rum, const TYtvy& vy);
  // Reads the shown room into the working record. Once the window shows
  // it, Visad() ends the load.
  THamtning HamtaData();
  void Visad();
  // Writes the shown room as a room without surfaces and points, keeping the
  // working record's room fields.
  void NyttRumNollStaell();
  // A room was stored since the revision date was stamped, in a project not
  // created in this run: the window stamps today's date and stores record 0.
  bool VillStamplaRevDatum() const { return rumSparat_ && filOK_ && !nyFil_; }
  void RevDatumStamplad() { rumSparat_ = false; }
  // The user went on without storing: the changes are given up, a new room
  // not yet stored among them.
  void GeUppAendringar();

  // --- Rooms -------------------------------------------------------------
  // A new room follows the last one; showing its number writes it.
  void NyttRum();
  // Deletes the shown room. The only room keeps its record and is shown
  // again as a new room, whose boxes BoerjaOm gives.
  TRadering RaderaRum();
  void BoerjaOm(const TRumsfaelt& rum);
  // The names of the rooms in room order, empty for a room without a name.
  std::vector<QString> RumsNamn() const;
  // Room `rum` as stored, read apart from the working record; nothing when
  // no project is open or its file holds no record.
  std::unique_ptr<TRoomRecord> LaesRum(int rum) const;

  // --- Surface temperatures and checks -----------------------------------
  // Stores `rumsTemp` as the shown room's room temperature and computes the
  // surface temperatures of all its rows that carry a U-value, "mi" and an
  // outside temperature. A value that is not a number stops the rows there;
  // the record is written all the same and the error follows, unless a room
  // is being shown, where such a value is no error. False when the room has
  // no record yet.
  bool UppdateraYtTemp(const QString& rumsTemp);
  // Checks room `rum` into the error file.
  TKontroll Felsok(int rum);
  // Checks the rooms in turn, stopping at the first with errors; the error
  // file holds what the walk ended with.
  TKontroll FelsokAll();
  // The lines of the last check, as the error file holds them.
  std::vector<TErrorRecord> SenasteFel() const;

 private:
  void SkrivAllmData(const TAllmData& allm);
  void RumsfaeltTillPost(const TRumsfaelt& rum);
  void SkrivTomtRum(int k);
  void OeppnaBefintlig(const TRumsfaelt& rum, int& version);
  void Skapa(const TAllmData& allm, const TRumsfaelt& rum);

  bool decimalPunkt_;
  QString filNamn_;
  bool filOK_ = false;
  bool nyFil_ = false;
  bool dataAendrad_ = false;
  bool rumEjLagrat_ = false;
  bool rumSparat_ = false;
  bool rodaCeller_ = false;
  bool kontrollFannFel_ = false;
  int laddar_ = 0;
  int rum_ = 1;
  int hoegstaRum_ = 1;
  std::unique_ptr<TRoomRecord> arbetspost_;
  TAllmData allm_;
};

// Today's date in the system's short date format.
QString Idag();

}  // namespace virano
