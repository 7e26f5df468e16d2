// The main window's life: creation, activation, closing and the window
// events that lead to its handlers.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QUrl>
#include <exception>

#include "app/Pictures.h"
#include "main/Rot.h"
#include "project/numbers.h"
#include "project/record.h"
#include "rules/WindowRules.h"
#include "widgets/Colours.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"
#include "widgets/StringGrid.h"
#include "widgets/UpDown.h"
#include "windows/FelInfo.h"
#include "windows/Katalog.h"
#include "windows/Ombox.h"
#include "windows/Splash.h"

namespace virano {

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool OpenWithDesktop(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace

bool SystemDecimalPunkt(const QLocale& locale) {
  QLocale strict = locale;
  strict.setNumberOptions(strict.numberOptions() | QLocale::RejectGroupSeparator);
  bool converted = false;
  strict.toDouble(QStringLiteral("2,2"), &converted);
  return !converted;
}

TForm1::TForm1(Dialogs& dialogs, const QStringList& arguments, TSplashForm* splash,
               const QString& programBibl, std::optional<bool> decimalPunkt)
    : dialogs_(dialogs),
      arguments_(arguments),
      splash_(splash),
      programBibl_(programBibl),
      projekt_(std::make_unique<TProjekt>(
          decimalPunkt.value_or(SystemDecimalPunkt(QLocale::system())))) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("VIRANO - Beräkning av riktad operativ temperatur"));
  setWindowIcon(ProgramIcon());
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  SetColour(this, QPalette::Text, colours::kBlue);
  OpenDocument = OpenWithDesktop;

  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("ClientArea"));
  setCentralWidget(central);
  BuildMenu();
  BuildTopBar(central);
  BuildPageControl(central);
  setMinimumSize(764, 535);
  resize(765, 535);

  ConnectHandlers();
  // The keys of the grids, and the sizes and the entry the window follows,
  // are seen on the controls that have them.
  for (QObject* watched : std::initializer_list<QObject*>{PageControl1, StringGrid1, StringGrid2,
                                                          StringGrid3, ComboBox1})
    watched->installEventFilter(this);
  // F1 opens the manual wherever the focus is in the window.
  connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
          [this] { Manual1Click(); });

  try {
    FormCreate();
  } catch (const std::exception& error) {
    dialogs_.Message(QString::fromUtf8(error.what()), MessageKind::Error);
  }

  ConnectOtherWindows();
}

void TForm1::ConnectOtherWindows() {
  ChooseDirForm = std::make_unique<TChooseDirForm>(dialogs_);
  ChooseDirForm->setObjectName(QStringLiteral("ChooseDirForm"));
  PekaKatalogVal();
  AboutBox = std::make_unique<TAboutBox>();
  Form2 = std::make_unique<TForm2>(this);
  // The error list asks for a jump and for printing by its signals.
  connect(Form2.get(), &TForm2::Hoppa, this, [this](int rum, int yta) { FelAendra(rum, yta); });
  connect(Form2.get(), &TForm2::SkrivarValBegaerd, this, [this] { SkrivarVal(PrinterChoice::Choose); });
  connect(Form2.get(), &TForm2::UtskriftBegaerd, this, [this](const std::vector<ErrorRow>& rows) {
    UtskriftsJobb([&rows](Canvas& canvas, const ReportSettings& settings) {
      SkrivFelLista(canvas, settings, rows);
    });
  });
}

TForm1::~TForm1() {
  // The focus leaves the controls while the window's state is whole: a box
  // that finishes its edit on the way reaches live handlers.
  hide();
}

void TForm1::ConnectHandlers() {
  for (QLineEdit* edit : {Anl1, Anl2, Signatur})
    connect(edit, &QLineEdit::textChanged, this, [this] { Anl1Change(); });
  for (QSpinBox* spin : {TextStorlek, Radavst})
    connect(spin, &QSpinBox::textChanged, this, [this] { TextStorlekChange(); });
  connect(ExitSpeedButton, &QPushButton::clicked, this, [this] { ExitSpeedButtonClick(); });
  connect(Avsluta1, &QAction::triggered, this, [this] { ExitSpeedButtonClick(); });
  connect(Om1, &QAction::triggered, this, [this] { Om1Click(); });
  connect(Manual1, &QAction::triggered, this, [this] { Manual1Click(); });
  connect(RadioGroup1, &TRadioGroup::Click, this, [this] { RadioGroup1Click(); });
  PageControl1->OnChanging = [this](bool& allowChange) { PageControl1Changing(allowChange); };
  PageControl1->OnChange = [this] { PageControl1Change(); };
  ConnectProjectHandlers();
  ConnectUserHandlers();
  ConnectSummaryHandlers();
  ConnectVerktyg();
  ConnectPointHandlers();
  ConnectSurfaceGridHandlers();
  ConnectRoomBoxHandlers();
}

void TForm1::ConnectProjectHandlers() {
  connect(OpenButton, &QPushButton::clicked, this, [this] { OpenButtonClick(); });
  connect(Ny1, &QAction::triggered, this, [this] { OpenButtonClick(); });
  connect(Oppna1, &QAction::triggered, this, [this] { OpenButtonClick(); });
  connect(SaveAsButton, &QPushButton::clicked, this, [this] { SaveAsButtonClick(); });
  connect(SparaSom1, &QAction::triggered, this, [this] { SaveAsButtonClick(); });
  connect(NyttRumButton, &QPushButton::clicked, this, [this] { NyttRumButtonClick(); });
  connect(RaderaRumButton, &QPushButton::clicked, this, [this] { RaderaRumButtonClick(); });
  UpDown1->OnChanging = [this](bool& allowChange) { UpDown1Changing(allowChange); };
  connect(Nummer, &QLineEdit::textChanged, this, [this] { NummerChange(); });
  // Only a choice the user makes runs the choosers' handlers.
  connect(ComboBox2, &QComboBox::activated, this, [this] { ComboBox2Change(); });
  connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Val(); });
  connect(RumsNamn, &QLineEdit::textChanged, this, [this] { RumsNamnChange(); });
  connect(LuftHastComboBox, &QComboBox::currentTextChanged, this, [this] { RumsNamnChange(); });
  for (QLineEdit* edit : {WattPerKvmTak, Temp05OG, Temp18OG})
    connect(edit, &QLineEdit::textChanged, this, [this] { WattPerKvmTakChange(); });
  StringGrid1->OnSetEditText = [this](int, int, const QString&) { StringGrid1SetEditText(); };
  StringGrid2->OnSetEditText = [this](int, int, const QString&) { StringGrid2SetEditText(); };
}

void TForm1::FormCreate() {
  setWindowTitle(windowTitle() + QStringLiteral(" Version ") + Text(kVersionText));
  ProgramBibl_ = QDir::toNativeSeparators(
      programBibl_.isEmpty() ? QCoreApplication::applicationDirPath() : programBibl_);
  if (splash_ != nullptr) {
    splash_->close();  // deletes itself
    splash_ = nullptr;
  }
  Pixels->setText(QStringLiteral("Din skärmupplösning är ") + QString::number(logicalDpiX()) +
                  QStringLiteral(" pixels / tum"));
  // A users file that cannot be read leaves the user list empty.
  try {
    LaddaAnvandare();
  } catch (const std::exception& error) {
    dialogs_.Message(QString::fromUtf8(error.what()), MessageKind::Error);
  }
  // The minimum ROT's default comes before the command-line project, which
  // stores it into a new project's room or shows a loaded room's own.
  MinRot->setText(Rot->text());
  if (!arguments_.isEmpty()) {
    StartFil_ = arguments_.constFirst();
    // A project that cannot be opened leaves the program started without one.
    try {
      FilValKontroll(StartFil_);
    } catch (const std::exception& error) {
      dialogs_.Message(QString::fromUtf8(error.what()), MessageKind::Error);
    }
  }
  GroupBox10->setTitle(
      QString::fromStdString(MaxTeckenCaption(GroupBox10->title().toStdString(), Anl1->maxLength(), true)));
  GroupBox11->setTitle(QString::fromStdString(
      MaxTeckenCaption(GroupBox11->title().toStdString(), Signatur->maxLength(), false)));
  if (QScreen* shown = screen()) move(shown->availableGeometry().topLeft());
}

void TForm1::FormActivate() {
  for (int c = 0; c < TSurfaceRow::kCellCount; ++c) {
    StringGrid1->SetCells(c, 0, Text(kSurfaceHeading0[c]));
    StringGrid1->SetCells(c, 1, Text(kSurfaceHeading1[c]));
  }
  StringGrid1->Repaint();
  for (int c = 0; c < TPointRow::kCellCount; ++c) StringGrid2->SetCells(c, 0, Text(kPointHeading[c]));
  KolumnBredd();
  if (ActivePage() == kIndata) PaintBox1Click();
}

void TForm1::FormClose(bool& canClose) {
  dialogs_.Beep();
  canClose = dialogs_.QuestionYesNo(QStringLiteral("Avsluta programmet?"));
  if (canClose) canClose = TaInmatning(Lagring::kStaeng);
}

void TForm1::ExitSpeedButtonClick() { close(); }

void TForm1::Anl1Change() { projekt_->MarkeraAendrad(); }

void TForm1::TextStorlekChange() { projekt_->MarkeraAendrad(); }

TForm1::Tab TForm1::ActivePage() const { return static_cast<Tab>(PageControl1->currentIndex()); }

void TForm1::closeEvent(QCloseEvent* event) {
  // Refused until FormClose has said yes, so that an error on the way keeps
  // the window open.
  event->ignore();
  bool canClose = true;
  FormClose(canClose);
  if (!canClose) return;
  event->accept();
  emit Closed();
}

void TForm1::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  // Every resize of the window resizes the tab control, which stretches
  // with it; its new size is known here.
  if (event->type() == QEvent::Resize && watched == PageControl1) {
    FormConstrainedResize();
    return false;
  }
  if (event->type() == QEvent::Resize &&
      (watched == StringGrid1 || watched == StringGrid2 || watched == StringGrid3)) {
    // A grid on a tab shown for the first time gets its size only then.
    KolumnBredd();
    return false;
  }
  if (event->type() == QEvent::FocusIn && watched == ComboBox1) {
    // Coming back from its own list or from another window is no entry.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) ComboBox1Enter();
    return false;
  }
  if (event->type() == QEvent::KeyPress && (watched == StringGrid1 || watched == StringGrid2)) {
    // A key the grid itself gets, no cell editor being open.
    auto* key = static_cast<QKeyEvent*>(event);
    bool handled = false;
    FormKeyDown(key->key(), key->modifiers(), handled);
    return handled;
  }
  return false;
}

}  // namespace virano
