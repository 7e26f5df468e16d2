#pragma once
// The main window: the view of the open project and the handlers of its
// controls. The project's state and its operations on the file are the
// project object's; the window maps its controls to and from it. The
// definition is spread over the Rot*.cpp files by concern:
//   RotLifecycle.cpp         creation, activation, closing, window events
//   RotLayout.cpp            menu, top bar, tab control
//   RotLayoutFilhantering.cpp, RotLayoutAllmIndata.cpp,
//   RotLayoutIndata.cpp, RotLayoutSammanst.cpp   the four tabs
//   RotTabs.cpp              leaving and entering tabs
//   RotColumns.cpp           tab widths and grid column widths
//   RotHelp.cpp              About box, manual, keyboard commands
//   RotHeating.cpp           heating system, air velocity and target ROT
//   RotTransfer.cpp          moving data between the window and the open
//                            project; the one road from what is typed to
//                            what is stored
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
#include <optional>
#include <vector>

#include "app/Dialogs.h"
#include "project/record.h"
#include "projekt/Projekt.h"
#include "rules/Points.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFileSystemWatcher;
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
  // `programBibl` stands for the program's folder and `decimalPunkt` for the
  // system's decimal separator when given (tests).
  explicit TForm1(Dialogs& dialogs, const QStringList& arguments = {},
                  TSplashForm* splash = nullptr, const QString& programBibl = {},
                  std::optional<bool> decimalPunkt = std::nullopt);
  ~TForm1() override;

  Dialogs& Dlg() const { return dialogs_; }
  // The open project: its file, the working record, the shown room and the
  // flags of the program run.
  const TProjekt& Projekt() const { return *projekt_; }
  bool DecimalPunkt() const;
  // The program's directory, native separators.
  const QString& ProgramBibl() const { return ProgramBibl_; }
  // The project path given on the command line, or empty.
  const QString& StartFil() const { return StartFil_; }
  // Opens a document with the desktop's application for it; false on failure.
  std::function<bool(const QString& path)> OpenDocument;
  // The tab shown.
  Tab ActivePage() const;

  // The other windows, each a window of its own, created hidden with the
  // main window; the ROT map when first opened.
  std::unique_ptr<TChooseDirForm> ChooseDirForm;
  std::unique_ptr<TAboutBox> AboutBox;
  std::unique_ptr<TForm2> Form2;
  TKartaForm* KartaForm = nullptr;

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

  // Window and record transfer; a store tells what it came to.
  TUtfall SparaAllmData();
  // Shows the general data read when the project was opened.
  void HamtaAllmData();
  TUtfall SparaData();
  void HamtaData();
  TUtfall SparaTest();
  void NollStaellIndata();
  void NollStaellSammanst();
  void NyttRumNollStaell();
  void RumsNamnChange();
  // The ceiling heating output and the two air temperatures.
  void WattPerKvmTakChange();

  // Projects and rooms.
  void OpenButtonClick();
  void FilValKontroll(const QString& path);
  void SaveAsButtonClick();
  void NyttRumButtonClick();
  void RaderaRumButtonClick();
  void UpDown1Changing(bool& allowChange);
  void NummerChange();
  void ComboBox2Change();

  // Users, deleting projects and directories, the companion programs.
  void LaddaAnvandare();  // loads the user list, creating the file when missing
  // Fills the user list anew when the users file holds other users.
  void LaesAnvandareIgen();
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
  // The user's choice of a main surface.
  void ComboBox1Val();
  void StringGrid1SetEditText();
  void StringGrid2SetEditText();
  void FormConstrainedResize();
  void KolumnBredd();
  // Keyboard commands of the grids and the window.
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
  // The rule of a velocity typed, not chosen, since the box took its text.
  void LuftHastSkriven();
  void IncROTChange();
  void IncROTExit();
  void RotChange();

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

  // Summary views, the input check and the error list.
  void VisaResultatRadioGroupClick();
  void VisaIndataGrid();
  void VisaIndata();
  void VisaResultatGrid();
  void VisaRum();
  void StringGrid3DrawCell(int ACol, int ARow, QPainter& painter, const QRect& rect);
  // Checks room RumTest into the error file and shows the errors found.
  void Felsok(int RumTest);
  void FelsokAll();
  void Sk1Click();
  void Visa1Click();
  // Shows room `rum` with main surface `yta` on "Indata", as a line of the
  // error list asks.
  void FelAendra(int rum, int yta);

  // Printing: "&Utskrift", the printer of the program run and its set-up
  // dialog (false when cancelled; a PDF file that may not be printed to is
  // refused and the dialog shown again), and a print job on that printer
  // whose failure is shown as "Utskriften misslyckades" with the reason.
  void UtskriftVyerSpeedButtonClick();
  void SkrivUt();
  QPrinter& Skrivare();
  bool SkrivarVal(PrinterChoice purpose);
  ReportSettings UtskriftInstaellningar() const;
  void UtskriftsJobb(const std::function<void(Canvas&, const ReportSettings&)>& job);

  // The menu "Verktyg": the ROT map window and the summary grid's view
  // written as CSV.
  void RotKarta1Click();
  void ExportTabell1Click();

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
  // How a way of leaving an edit stores what was taken.
  enum class Lagring {
    kIngen,      // nothing is stored
    kSparaTest,  // what the tab shows, if changed, and the revision date
    kSparaData,  // the shown room, if changed
    kStaeng,     // the shown tab's data, if changed, as the window closes
  };
  // The one road from what is typed to what is stored, run by every way of
  // leaving an edit: the cell editor's edit ends, the cell being edited is
  // checked, its row's surface temperature computed, a typed air velocity
  // gets its rule; then `lagring`. False when a store failed and the user
  // chose to stay.
  bool TaInmatning(Lagring lagring);
  // The check of the cell being left in the surface grid or the point grid:
  // the system's decimal separator, and a number or nothing but in the
  // surface grid's name column; in the surface grid the row's surface
  // temperature follows.
  void LaemnaYtcell(int col, int row);
  void LaemnaPunktcell(int col, int row);
  // True when a red cell is shown or the check just run found errors: what
  // errors refuse is refused, and the user is told why.
  bool FelHindrar();

  // True while a project is open; otherwise shows "Ingen fil är vald", and
  // the command does nothing.
  bool FilVald();
  // Shows the failure of a store and asks whether to go on without storing:
  // true when stored or when the user goes on, which drops the unsaved
  // changes; false when the user stays.
  bool SparaMedFraga(const TUtfall& utfall);
  // Shows what a project operation came to when it calls for a message.
  void VisaUtfall(const TUtfall& utfall);
  // Shows a check's errors in the error list, or why the check could not be
  // made (each reason once while a tab changes). Its errors refuse what the
  // errors refuse.
  void VisaKontroll(const TKontroll& kontroll);

  // The red cells of the grids, as the grids paint them, into the error mark.
  void UppdateraFelmarkering();
  bool RodCellVisas() const;
  // The room's depth in front of the main surface shown, which limits the
  // points' Zp.
  std::string Rumsdjup() const;

  // What the window shows of the general data and of the room.
  TAllmData AllmDataIFoenster() const;
  TRumsfaelt RumsfaeltIFoenster() const;
  TYtvy YtvyIFoenster() const;
  void VisaAllmData(const TAllmData& allm);
  void VisaRumsfaelt(const TRoomRecord& rec);
  void VisaYtvy(const TRoomRecord& rec, int s);

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
  void ConnectOtherWindows();
  // The point grid's point rows, the first point row first.
  std::vector<PointTexts> PunktRader() const;
  void ConnectSurfaceGridHandlers();
  void ConnectRoomBoxHandlers();
  // Computes or empties the surface temperature of grid row `row` as its
  // U-value, "mi" and outside temperature call for.
  void FyllYtTemp(int row);
  // U-value × "mi" of grid row `row` is larger than 1.
  bool MotstaandFoerStort(int row) const;
  // Users, deletion and companions: wiring, the open project's folder, and
  // pointing the directory chooser there.
  void ConnectUserHandlers();
  QString ProjektBibl() const;
  void PekaKatalogVal();
  void StartaProgram(const QString& name);

  // The room number shown in Nummer, and the main surface chosen (-1: none).
  int VisatRum() const;
  int VisadHuvudyta() const;
  // The room shown, as the other windows follow it.
  TVisatRum VisatRumNu() const;
  // Shows room `number`: sets the stepper, and runs NummerChange also when
  // the number shown already was that.
  void VisaRumNummer(int number);
  // The stepper's range follows the project's rooms.
  void VisaHoegstaRum();
  // Ends the open project after a refused file: no project is open.
  void AvvisaFil();
  QString FormatDecimal(const QString& text) const;
  // The room number kept with entry `index` of the room chooser.
  int ComboBox2Rum(int index) const;
  // The rooms "&Utskrift" prints: the shown room, or every entry with
  // "Skriv ut alla rum"; each entry's own room number.
  std::vector<int> UtskriftRum() const;
  // Shows room `room` in summary view `view` for the print job.
  void VisaFoerUtskrift(int view, int room);

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

  QMenu* Verktyg1 = nullptr;
  QAction* RotKarta1 = nullptr;
  QAction* ExportTabell1 = nullptr;

  QString ProgramBibl_;
  QString ManualFil;      // the manual's path, built when it is asked for
  QString StartFil_;
  QString UserFil;        // the users file, Custom.roi
  FileDialogOptions OpenDialog1;  // the open dialog's settings, kept between uses
  FileDialogOptions SaveDialog1;
  // The reasons a check could not be made, shown during this change of tab.
  QStringList visadeKontrollfel_;
  bool tabbyte_ = false;
  // The main surface shown when the chooser took the focus, and whether a
  // failed store keeps it shown.
  int ytaVidInfart_ = -1;
  bool ytbyteHindrat_ = false;

  Dialogs& dialogs_;
  QStringList arguments_;
  TSplashForm* splash_;
  QString programBibl_;
  std::shared_ptr<QPrinter> printer_;  // made when first asked for
  QString pdfFoerslag_;                // the PDF file last proposed to print to
  QFileSystemWatcher* anvandarBevakning_ = nullptr;  // the users file and its folder
  QByteArray anvandarfil_;  // the users file as the list shows it
  QByteArray AnvandarfilensBytes() const;
  std::unique_ptr<TProjekt> projekt_;
};

// True when `locale` cannot read "2,2": its decimal separator is a point.
bool SystemDecimalPunkt(const QLocale& locale);

}  // namespace virano
