#pragma once
// The main window: all state of a program run and the handlers of its
// controls. The definition is spread over the Rot*.cpp files by concern:
//   RotLifecycle.cpp         creation, activation, closing, window events
//   RotLayout.cpp            menu, top bar, tab control
//   RotLayoutFilhantering.cpp, RotLayoutAllmIndata.cpp,
//   RotLayoutIndata.cpp, RotLayoutSammanst.cpp   the four tabs
//   RotTabs.cpp              leaving and entering tabs
//   RotColumns.cpp           tab widths and grid column widths
//   RotHelp.cpp              About box, manual, keyboard commands
//   RotHeating.cpp           heating system, air velocity and target ROT
//   RotTransfer.cpp          moving data between the window, the working
//                            record and the project file
//   RotProject.cpp           opening, creating and copying projects
//   RotRooms.cpp             adding, deleting and stepping through rooms
//   RotSurface.cpp           choosing the main surface shown
//   RotSurfaceGrid.cpp       editing the surface grid
//   RotRoomTemp.cpp          surface temperatures and the room temperature
//   RotPoints.cpp            the point grid and placing points with F2
//   RotDrawing.cpp           the room drawing
//   RotUsers.cpp             users, deleting projects and directories,
//                            starting the companion programs
//   RotSummary.cpp           the summary views and the room chooser
//   RotCheck.cpp             the input check and the jump from the error list
//   RotPrint.cpp             the print jobs and the printer of the program run
//   RotVerktyg.cpp           the menu "Verktyg": the ROT map window and the
//                            summary grid as CSV
#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

#include "app/Dialogs.h"
#include "project/record.h"
#include "projekt/VisatRum.h"
#include "rules/Points.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPainter;
class QPrinter;
class QPushButton;
class QRect;
class QSpinBox;
class QToolButton;

namespace virano {

class Canvas;
struct ReportSettings;
class TAboutBox;
class TChooseDirForm;
class TForm2;
class TKartaForm;
class TPageControl;
class TPaintBox;
class TRadioGroup;
class TSplashForm;
class TStringGrid;
class TUpDown;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  // The tabs in their order.
  enum Tab { kFilhantering = 0, kAllmIndata = 1, kIndata = 2, kSammanst = 3 };
  // The summary's views, the items of "Visa på skärm".
  enum View { kIndataView = 0, kResultatView = 1, kDetaljView = 2 };

  // Builds the window and runs FormCreate. `arguments` are the program's
  // arguments without the program name; `splash` is closed by FormCreate.
  // `programBibl` stands for the program's folder when given (tests).
  explicit TForm1(Dialogs& dialogs, const QStringList& arguments = {},
                  TSplashForm* splash = nullptr, const QString& programBibl = {});
  ~TForm1() override;

  Dialogs& Dlg() const { return dialogs_; }

  // --- State of the program run ---------------------------------------
  QString FilNamn;        // open project's path without extension; empty: none
  bool FilOK = false;     // a project is open and passed the version check
  bool DataAendrad = false;  // the window changed since the last store
  bool FelMarkerat = false;  // an error is marked; leaving "Indata" is refused
  bool RumEjLagrat = false;  // the shown room is new and not yet stored
  bool RumSparat = false;  // a room was stored since the revision date was stamped
  bool NyFil = false;      // the open project was created in this run: no revision date
  bool DecimalPunkt = false;  // the system's decimal separator is a point
  QString ProgramBibl;    // the program's directory, native separators
  QString ManualFil;      // the manual's path, built when it is asked for
  QString StartFil;       // the project path given on the command line, or empty
  FileDialogOptions OpenDialog1;  // the open dialog's settings, kept between uses
  FileDialogOptions SaveDialog1;
  // Opens a document with the desktop's application for it; false on failure.
  std::function<bool(const QString& path)> OpenDocument;
  // The working record: every transfer between the window and the project
  // file passes through it. While "Indata" shows a room it holds that room's
  // stored record, since SparaData writes the main surfaces not shown from it.
  TRoomRecord WorkingRecord{};

  // --- Handlers -----------------------------------------------------------
  void FormCreate();
  void FormActivate();
  void FormClose(bool& canClose);
  void PageControl1Changing(bool& allowChange);
  void PageControl1Change();
  void ExitSpeedButtonClick();
  void Anl1Change();
  void TextStorlekChange();
  void Om1Click();
  void Manual1Click();
  void RadioGroup1Click();

  // Window and record transfer.
  void SparaAllmData();
  // Reads record 0 and, when its version is this program's, shows the
  // general data. Returns the version read.
  int HamtaAllmData();
  void SparaData();
  void HamtaData();
  void SparaTest();
  void NollStaellIndata();
  void NollStaellSammanst();
  void NyttRumNollStaell();
  void RumsNamnChange();
  // The ceiling heating output and the two air temperatures.
  void WattPerKvmTakChange();

  // Projects and rooms.
  void OpenButtonClick();
  void FilValKontroll();
  void SaveAsButtonClick();
  void NyttRumButtonClick();
  void RaderaRumButtonClick();
  void UpDown1Changing(bool& allowChange);
  void NummerChange();
  void ComboBox2Change();
  // The room number kept with entry `index` of the room chooser (its user
  // data); entries without one stand for room index + 1.
  int ComboBox2Rum(int index) const;

  // Commands that need a project, and stores that may fail.
  // True while a project is open; otherwise shows "Ingen fil är vald", and
  // the command does nothing.
  bool FilVald();
  // Runs `store`. When it fails, shows the error and asks whether to go on
  // without storing: true when stored or when the user goes on, which drops
  // the unsaved changes; false when the user stays.
  bool SparaMedFraga(const std::function<void()>& store);

  // Users, deleting projects and directories, the companion programs.
  QString UserFil;  // the users file, Custom.roi
  void LaddaAnvandare();  // loads the user list, creating the file when missing
  void UserComboBoxClick();
  void UserComboBoxDblClick();
  void NyAnvButtonClick();
  void UserInfoUpDate();
  void RedigeraUserButtonClick();
  void KonverteringButtonClick();
  void RaderaBiblButtonClick();
  void RaderaFilButtonClick();

  // The main surface shown, and edits of the grids.
  void ComboBox1Enter();
  void ComboBox1Click();
  void StringGrid1SetEditText();
  void StringGrid2SetEditText();
  void FormConstrainedResize();
  void KolumnBredd();
  // Keyboard commands of the whole window, seen before the focused control.
  void FormKeyDown(int key, Qt::KeyboardModifiers shift, bool& handled);

  // Editing the surface grid, surface temperatures, the room temperature,
  // the air velocity and the target ROT.
  void StringGrid1Enter();
  void StringGrid1SelectCell(int col, int row, bool& canSelect);
  void StringGrid1Exit();
  void StringGrid1DrawCell(int col, int row, QPainter& painter, const QRect& rect);
  void InfogaYtorButtonClick();
  void RaderaYtorButtonClick();
  // The surface temperature of grid row `row` from its U-value, "mi" and
  // outside temperature; the caller writes it into column 8.
  QString YtTemperatur(int row);
  void RumsTempChange();
  void LuftHastComboBoxClick();
  void LuftHastComboBoxExit();
  void IncROTChange();
  void IncROTExit();
  void RotChange();
  bool LaddarRum = false;  // HamtaData is showing a room: changes it makes store nothing

  // Control points and the room drawing, which is redrawn after every
  // change that affects it.
  void StringGrid2SelectCell(int col, int row, bool& canSelect);
  void StringGrid2Exit();
  void StringGrid2DrawCell(int col, int row, QPainter& painter, const QRect& rect);
  // Delete in the point grid: empties the current point row after the
  // question; false when the user cancels.
  bool RaderaPunkt();
  void UnderSokningsPunkt();
  void PaintBox1Click();
  void Rita();
  void KoordinatSystem();
  void CheckBox1Click();

  // The tab shown.
  Tab ActivePage() const;

  // Summary views, the input check and the error list.
  void VisaResultatRadioGroupClick();
  void VisaIndataGrid();
  void VisaIndata();
  void VisaResultatGrid();
  void VisaRum();
  void StringGrid3DrawCell(int ACol, int ARow, QPainter& painter, const QRect& rect);
  // Checks room RumTest into the error file; returns the number of errors.
  int Felsok(int RumTest);
  void FelsokAll();
  // The check before a command that errors refuse: room RumTest, or every
  // room when 0. A check that cannot be made (the error file cannot be
  // written, the project file is gone) is shown and refuses nothing.
  void KontrolleraRum(int RumTest);
  void Sk1Click();
  void Visa1Click();
  // Shows room `rum` with main surface `yta` on "Indata", as a line of the
  // error list asks.
  void FelAendra(int rum, int yta);
  // Shows the errors of the last check in the error list.
  void VisaFelLista();
  QString FelFil() const;  // the open project's error file

  // Printing: "&Utskrift", the printer of the program run and its set-up
  // dialog (false when cancelled), and a print job on that printer whose
  // failure is shown as "Utskriften misslyckades" with the reason.
  void UtskriftVyerSpeedButtonClick();
  void SkrivUt();
  QPrinter& Skrivare();
  bool SkrivarVal();
  ReportSettings UtskriftInstaellningar() const;
  void UtskriftsJobb(const std::function<void(Canvas&, const ReportSettings&)>& job);

  // --- Controls, named as in the window's layout ---------------------------
  QMenuBar* MainMenu1;
  QMenu* Filer1;
  QAction* Ny1;
  QAction* Oppna1;
  QAction* SparaSom1;
  QAction* Konvertering1;
  QAction* RaderaBibl1;
  QAction* RaderaFil1;
  QAction* Avsluta1;
  QMenu* Fel1;
  QAction* Sk1;
  QAction* Visa1;
  QMenu* Hjalp1;
  QAction* Manual1;
  QAction* Om1;

  QFrame* Panel1;
  QLabel* Path;
  QLabel* VisaFilNamn;
  QPushButton* ExitSpeedButton;

  TPageControl* PageControl1;
  QWidget* Filhantering;
  QWidget* AllmIndata;
  QWidget* Indata;
  QWidget* Sammanst;

  // "Filhantering"
  QGroupBox* GroupBox8;
  QPushButton* OpenButton;
  QPushButton* SaveAsButton;
  QGroupBox* GroupBox9;
  QPushButton* RaderaBiblButton;
  QPushButton* RaderaFilButton;
  QGroupBox* TextStorlekGroupBox;
  QSpinBox* TextStorlek;
  QSpinBox* Radavst;
  QGroupBox* MaterialData;
  QPushButton* KonverteringButton;
  QGroupBox* UserGroupBox;
  QComboBox* UserComboBox;
  QPushButton* NyAnvButton;
  QPushButton* RedigeraUserButton;
  QLabel* Pixels;

  // "Allmänna indata"
  QGroupBox* GroupBox10;
  QLineEdit* Anl1;
  QLineEdit* Anl2;
  QGroupBox* GroupBox11;
  QLineEdit* Signatur;
  QGroupBox* GroupBox12;
  QLineEdit* Datum;
  QGroupBox* GroupBox13;
  QLineEdit* RevDatum;

  // "Indata"
  QGroupBox* GroupBox5;
  QLineEdit* RumsNamn;
  QGroupBox* GroupBox7;
  QLineEdit* RumsTemp;
  QGroupBox* GroupBox3;
  QLineEdit* Rot;
  QGroupBox* GroupBox4;
  QComboBox* LuftHastComboBox;
  QLineEdit* IncROT;
  QLineEdit* MinRot;
  QGroupBox* GroupBox2;
  QComboBox* ComboBox1;
  QGroupBox* RumsYta;
  TPaintBox* PaintBox1;
  QGroupBox* GroupBox14;
  QLineEdit* Nummer;
  TUpDown* UpDown1;
  QPushButton* NyttRumButton;
  QPushButton* RaderaRumButton;
  QGroupBox* GroupBox6;
  QLabel* Label7;
  TStringGrid* StringGrid2;
  QCheckBox* CheckBox1;
  QFrame* Panel2;
  TRadioGroup* RadioGroup1;
  QFrame* TakHeatPanel;
  QLineEdit* WattPerKvmTak;
  QFrame* EgetAltPanel;
  QLineEdit* Temp05OG;
  QLineEdit* Temp18OG;
  QGroupBox* GroupBox1;
  TStringGrid* StringGrid1;
  QPushButton* RaderaYtorButton;
  QPushButton* InfogaYtorButton;

  // "Sammanställning"
  TRadioGroup* VisaResultatRadioGroup;
  QFrame* Panel3;
  QLabel* Label10;
  QComboBox* ComboBox2;
  QGroupBox* GroupBox15;
  QToolButton* UtskriftVyerSpeedButton;
  QCheckBox* CheckBox2;
  QCheckBox* IndataCheckBox;
  QCheckBox* ResultatCheckBox;
  QCheckBox* ResultDetaljCheckBox;
  QCheckBox* WallsCheckBox;
  TStringGrid* StringGrid3;

  // The other windows, created hidden with the main window.
  std::unique_ptr<TChooseDirForm> ChooseDirForm;
  std::unique_ptr<TAboutBox> AboutBox;
  std::unique_ptr<TForm2> Form2;

  // The menu "Verktyg": the ROT map window (made when first opened, owned as
  // a child of the window) and the summary grid's view written as CSV.
  void RotKarta1Click();
  void ExportTabell1Click();
  QMenu* Verktyg1 = nullptr;
  QAction* RotKarta1 = nullptr;
  QAction* ExportTabell1 = nullptr;
  TKartaForm* KartaForm = nullptr;

 signals:
  // The shown room, its main surface or the stored room may have changed.
  void VisatRumAendrat(const TVisatRum& rum);
  // The window has closed; the program ends.
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenu();
  void BuildTopBar(QWidget* central);
  void BuildPageControl(QWidget* central);
  void BuildFilhantering();
  void BuildAllmIndata();
  void BuildIndata();
  void BuildSammanst();
  void ConnectHandlers();
  void ConnectProjectHandlers();
  void ConnectSummaryHandlers();
  void ConnectVerktyg();  // builds the menu "Verktyg" and connects it
  void ConnectPointHandlers();
  // The point grid's point rows, the first point row first.
  std::vector<PointTexts> PunktRader() const;
  void ConnectSurfaceGridHandlers();
  void ConnectRoomBoxHandlers();
  // Computes or empties the surface temperature of grid row `row` as its
  // U-value, "mi" and outside temperature call for.
  void FyllYtTemp(int row);
  // Users, deletion and companions: wiring, the open project's folder, and
  // pointing the directory chooser there.
  void ConnectUserHandlers();
  QString ProjektBibl() const;
  void PekaKatalogVal();
  void StartaProgram(const QString& name);

  // The room number shown in Nummer, and the main surface chosen (-1: none).
  int VisatRum() const;
  // The room shown, as the other windows follow it.
  TVisatRum VisatRumNu() const;
  int VisadHuvudyta() const;
  // Shows room `number`: sets the stepper, and runs NummerChange also when
  // the number shown already was that.
  void VisaRumNummer(int number);
  // SparaData and NyttRumNollStaell for room `k`.
  void SparaRum(int k);
  // Stores the room boxes, as the window shows them, into the working record.
  void RumsfaltTillPost();
  void SkrivTomtRum(int k);
  // Ends the open project after a refused file: no project is open.
  void AvvisaFil();
  QString FormatDecimal(const QString& text) const;
  // The rooms "&Utskrift" prints: the chooser's entry, or every entry with
  // "Skriv ut alla rum"; each entry's own room number.
  std::vector<int> UtskriftRum() const;
  // Shows room `room` in summary view `view` for the print job.
  void VisaFoerUtskrift(int view, int room);

  Dialogs& dialogs_;
  QStringList arguments_;
  TSplashForm* splash_;
  QString programBibl_;
  std::shared_ptr<QPrinter> printer_;  // made when first asked for
};

// True when `locale` cannot read "2,2": its decimal separator is a point.
bool SystemDecimalPunkt(const QLocale& locale);

}  // namespace virano
