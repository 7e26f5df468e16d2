// The tab "Indata": one room. The left column holds the room's own boxes,
// the drawing lies in the centre, the right column holds the room number,
// the control points and the heating system, and the surface grid runs
// across the bottom.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "main/Rot.h"
#include "main/RotLayoutKit.h"
#include "project/record.h"
#include "widgets/Colours.h"
#include "widgets/PaintBox.h"
#include "widgets/RadioGroup.h"
#include "widgets/StringGrid.h"
#include "widgets/UpDown.h"

namespace virano {

using namespace layout;

namespace {

constexpr int kLeftColumnWidth = 172;
constexpr int kRightColumnWidth = 172;
constexpr int kFieldHeight = 20;  // edits and combo boxes, kept low to fit the tab

// What the room's fields and the grids' cells hold in the record.
constexpr int kNameCapacity = decltype(TRoomRecord::RumsNamn)::kCapacity;
constexpr int kNumberCapacity = decltype(TRoomRecord::RumsTemp)::kCapacity;
constexpr int kSurfaceCellCapacity = TSurfaceRow::Cell::kCapacity;
constexpr int kPointCellCapacity = TPointRow::Cell::kCapacity;

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A group holding one row of widgets.
QGroupBox* RowGroup(const char* name, const QString& caption, QWidget* parent,
                    std::initializer_list<QWidget*> widgets) {
  QGroupBox* group = Group(name, caption, parent);
  auto* row = new QHBoxLayout(group);
  row->setContentsMargins(6, 0, 6, 3);
  row->setSpacing(4);
  for (QWidget* widget : widgets) {
    widget->setParent(group);
    row->addWidget(widget);
  }
  row->addStretch(1);
  return group;
}

// A number box of the room; `capacity` 0 for one only the program writes.
QLineEdit* NumberEdit(const char* name, const QString& text, QWidget* parent,
                      int capacity = kNumberCapacity) {
  QLineEdit* edit = Edit(name, text, parent, capacity);
  edit->setFixedSize(52, kFieldHeight);
  return edit;
}

}  // namespace

void TForm1::BuildIndata() {
  QWidget* tab = Indata;

  // --- Left column ----------------------------------------------------------
  RumsNamn = Edit("RumsNamn", {}, tab, kNameCapacity);
  RumsNamn->setFixedHeight(kFieldHeight);
  GroupBox5 = RowGroup("GroupBox5", QStringLiteral("&Rumsnamn"), tab, {RumsNamn});
  RumsNamn->setMinimumWidth(kLeftColumnWidth - 16);

  RumsTemp = NumberEdit("RumsTemp", QStringLiteral("20"), tab);
  GroupBox7 = RowGroup("GroupBox7", QStringLiteral("&Temp rum"), tab,
                       {RumsTemp, Label("RumsTempEnhet", QStringLiteral("C"), tab)});

  Rot = NumberEdit("Rot", QStringLiteral("20"), tab);
  GroupBox3 = RowGroup("GroupBox3", QStringLiteral("ROT"), tab,
                       {Rot, Label("RotEnhet", QStringLiteral(" C"), tab)});
  GroupBox3->setToolTip(QStringLiteral("Ritkad operativ temperatur ROT"));

  GroupBox4 = Group("GroupBox4", QStringLiteral("&Lufthastighet m/s"), tab);
  LuftHastComboBox = Combo("LuftHastComboBox", true, GroupBox4);
  LuftHastComboBox->addItems({QStringLiteral("0"), QStringLiteral("0,1"), QStringLiteral("0,15"),
                              QStringLiteral("0,20"), QStringLiteral("0,25"),
                              QStringLiteral("0,30"), QStringLiteral("0,35"),
                              QStringLiteral(">0,35")});
  LuftHastComboBox->setInsertPolicy(QComboBox::NoInsert);
  LimitText(LuftHastComboBox->lineEdit(), kNumberCapacity);
  LuftHastComboBox->setCurrentIndex(2);  // "0,15"
  LuftHastComboBox->setFixedSize(70, kFieldHeight);
  IncROT = NumberEdit("IncROT", QStringLiteral("0"), GroupBox4);
  IncROT->setEnabled(false);
  IncROT->setToolTip(QStringLiteral("Ökning av ROT med hänsyn till lufthastighet"));
  MinRot = NumberEdit("MinRot", {}, GroupBox4, 0);
  MinRot->setReadOnly(true);
  SetButtonFace(MinRot);
  MinRot->setToolTip(QStringLiteral("Minsta ROT med hänsyn till lufthastighet"));
  auto* luft = new QGridLayout(GroupBox4);
  luft->setContentsMargins(6, 0, 6, 3);
  luft->setVerticalSpacing(2);
  luft->addWidget(LuftHastComboBox, 0, 0, 1, 2);
  auto* okning = new QVBoxLayout;
  okning->setSpacing(0);
  okning->addWidget(Label("OkningLabel", QStringLiteral("Ökning av ROT"), GroupBox4));
  okning->addWidget(Label("MhtLabel", QStringLiteral("m.h.t. lufthast."), GroupBox4));
  luft->addLayout(okning, 1, 0);
  luft->addWidget(IncROT, 1, 1);
  luft->addWidget(Label("MinRotLabel", QStringLiteral("Min ROT"), GroupBox4), 2, 0);
  luft->addWidget(MinRot, 2, 1);

  ComboBox1 = Combo("ComboBox1", false, tab);
  for (std::string_view caption : kMainSurfaceCaptions) ComboBox1->addItem(Text(caption));
  ComboBox1->setMaxVisibleItems(kMainSurfaceCount);
  ComboBox1->setCurrentIndex(-1);
  ComboBox1->setMinimumWidth(kLeftColumnWidth - 16);
  ComboBox1->setFixedHeight(kFieldHeight);
  GroupBox2 = RowGroup("GroupBox2", QStringLiteral("&Huvudyta namn"), tab, {ComboBox1});

  // Room temperature and target ROT share a row to leave height to the grid.
  auto* temperatures = new QHBoxLayout;
  temperatures->setSpacing(4);
  for (QGroupBox* group : {GroupBox7, GroupBox3}) {
    group->setFixedWidth((kLeftColumnWidth - 4) / 2);
    temperatures->addWidget(group);
  }
  auto* left = new QVBoxLayout;
  left->setSpacing(2);
  left->addWidget(GroupBox5);
  left->addLayout(temperatures);
  left->addWidget(GroupBox4);
  left->addWidget(GroupBox2);
  for (QGroupBox* group : {GroupBox5, GroupBox4, GroupBox2}) group->setFixedWidth(kLeftColumnWidth);
  left->addStretch(1);

  // --- Drawing --------------------------------------------------------------
  RumsYta = Group("RumsYta", QStringLiteral("Rumsyta"), tab);
  PaintBox1 = Named(new TPaintBox(RumsYta), "PaintBox1");
  auto* drawing = new QVBoxLayout(RumsYta);
  drawing->setContentsMargins(2, 2, 2, 2);
  drawing->addWidget(PaintBox1);

  // --- Right column ---------------------------------------------------------
  GroupBox14 = Group("GroupBox14", QStringLiteral("Löpnummer rum"), tab);
  Nummer = Edit("Nummer", QStringLiteral("1"), GroupBox14);
  Nummer->setReadOnly(true);
  Nummer->setFixedSize(38, kFieldHeight);
  QFont bold = Nummer->font();
  bold.setBold(true);
  Nummer->setFont(bold);
  SetButtonFace(Nummer);
  UpDown1 = Named(new TUpDown(GroupBox14), "UpDown1");
  UpDown1->SetMin(1);
  UpDown1->SetMax(1);
  UpDown1->SetAssociate(Nummer);
  UpDown1->SetPosition(1);
  NyttRumButton = Button("NyttRumButton", QStringLiteral("NYTT RUM"), GroupBox14);
  RaderaRumButton = Button("RaderaRumButton", QStringLiteral("RADERA RUM"), GroupBox14);
  // The room group is enabled once a project is open.
  GroupBox14->setEnabled(false);
  auto* room = new QGridLayout(GroupBox14);
  room->setContentsMargins(6, 0, 6, 3);
  room->setVerticalSpacing(2);
  auto* stepper = new QHBoxLayout;
  stepper->setSpacing(0);
  stepper->addWidget(Nummer);
  stepper->addWidget(UpDown1);
  stepper->addStretch(1);
  room->addLayout(stepper, 0, 0, 2, 1);
  room->addWidget(NyttRumButton, 0, 1);
  room->addWidget(RaderaRumButton, 1, 1);

  GroupBox6 = Group("GroupBox6", QStringLiteral("Undersökningspunkter"), tab);
  Label7 = Label("Label7", QStringLiteral("Mot - "), GroupBox6);
  StringGrid2 = Named(new TStringGrid(3, 11, 1, GroupBox6), "StringGrid2");
  StringGrid2->SetDefaultRowHeight(15);
  StringGrid2->SetMaxLength(kPointCellCapacity);
  StringGrid2->setToolTip(QStringLiteral("Tryck -Delete- för att ta bort markerad rad"));
  auto* points = new QVBoxLayout(GroupBox6);
  points->setContentsMargins(6, 0, 6, 4);
  points->setSpacing(1);
  points->addWidget(Label7);
  points->addWidget(StringGrid2);
  // The heading and the ten points in view at every window size.
  StringGrid2->setFixedHeight(StringGrid2->RowCount() * StringGrid2->DefaultRowHeight() +
                              2 * StringGrid2->frameWidth());

  CheckBox1 = Check("CheckBox1", QStringLiteral("&Visa koordinatsystem"), false, tab);

  Panel2 = Panel("Panel2", tab);
  QStringList systems;
  for (std::string_view caption : kHeatSystemCaptions) systems << Text(caption);
  RadioGroup1 = Named(new TRadioGroup(QStringLiteral("&Uppvärmningssystem"), systems, Panel2),
                      "RadioGroup1");
  SetColour(RadioGroup1, QPalette::WindowText, colours::kMaroon);
  // Two columns leave the height to the ten points and the system's own inputs.
  RadioGroup1->SetColumns(2);
  RadioGroup1->SetItemIndex(0);

  TakHeatPanel = Panel("TakHeatPanel", Panel2);
  WattPerKvmTak = NumberEdit("WattPerKvmTak", QStringLiteral("0"), TakHeatPanel);
  auto* watt = Label("WattLabel", QStringLiteral("&W/m2 takarea"), TakHeatPanel);
  watt->setBuddy(WattPerKvmTak);
  auto* tak = new QGridLayout(TakHeatPanel);
  tak->setContentsMargins(6, 2, 6, 2);
  tak->addWidget(watt, 0, 0);
  tak->addWidget(WattPerKvmTak, 0, 1);
  TakHeatPanel->hide();

  EgetAltPanel = Panel("EgetAltPanel", Panel2);
  Temp05OG = NumberEdit("Temp05OG", QStringLiteral("0"), EgetAltPanel);
  Temp18OG = NumberEdit("Temp18OG", QStringLiteral("0"), EgetAltPanel);
  auto* t05 = Label("Temp05Label", QStringLiteral("Temp &0,5 m Ö.G."), EgetAltPanel);
  t05->setBuddy(Temp05OG);
  auto* t18 = Label("Temp18Label", QStringLiteral("Temp &1,8 m Ö.G."), EgetAltPanel);
  t18->setBuddy(Temp18OG);
  auto* eget = new QGridLayout(EgetAltPanel);
  eget->setContentsMargins(6, 2, 6, 2);
  eget->setVerticalSpacing(2);
  eget->addWidget(t05, 0, 0);
  eget->addWidget(Temp05OG, 0, 1);
  eget->addWidget(t18, 1, 0);
  eget->addWidget(Temp18OG, 1, 1);
  EgetAltPanel->hide();
  for (QFrame* panel : {TakHeatPanel, EgetAltPanel})
    SetColour(panel, QPalette::WindowText, colours::kMaroon);

  auto* heating = new QVBoxLayout(Panel2);
  heating->setContentsMargins(0, 0, 0, 0);
  heating->setSpacing(2);
  heating->addWidget(RadioGroup1);
  heating->addWidget(TakHeatPanel);
  heating->addWidget(EgetAltPanel);
  heating->addStretch(1);

  auto* right = new QVBoxLayout;
  right->setSpacing(2);
  right->addWidget(GroupBox14);
  GroupBox6->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  right->addWidget(GroupBox6);
  right->addWidget(CheckBox1);
  right->addWidget(Panel2, 1);  // the heating panel stretches downwards
  // As wide as the heating systems' two columns need.
  const int rightWidth = std::max(kRightColumnWidth, RadioGroup1->sizeHint().width());
  for (QWidget* widget : {static_cast<QWidget*>(GroupBox14), static_cast<QWidget*>(GroupBox6),
                          static_cast<QWidget*>(CheckBox1), static_cast<QWidget*>(Panel2)})
    widget->setFixedWidth(rightWidth);

  // --- Surface grid ---------------------------------------------------------
  GroupBox1 = Group("GroupBox1", QStringLiteral("Huvudyta och &Delytors koordinater"), tab);
  StringGrid1 = Named(new TStringGrid(TSurfaceRow::kCellCount, 10, 2, GroupBox1), "StringGrid1");
  StringGrid1->SetDefaultRowHeight(17);
  StringGrid1->SetMaxLength(kSurfaceCellCapacity);
  StringGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
  StringGrid1->setToolTip(QStringLiteral("Tryck F2 för att sätta kontrollpunkt för vald yta"));
  RaderaYtorButton = Button("RaderaYtorButton", QStringLiteral("Radera"), GroupBox1);
  RaderaYtorButton->setToolTip(QStringLiteral("Raderar markerad rad"));
  InfogaYtorButton = Button("InfogaYtorButton", QStringLiteral("Infoga"), GroupBox1);
  InfogaYtorButton->setToolTip(QStringLiteral("Infogar rad efter markerad rad"));
  // The grid keeps the focus while its buttons are pressed.
  RaderaYtorButton->setFocusPolicy(Qt::NoFocus);
  InfogaYtorButton->setFocusPolicy(Qt::NoFocus);
  // The buttons above the grid, so that the grid has the group's whole width.
  for (QPushButton* button : {RaderaYtorButton, InfogaYtorButton}) button->setFixedHeight(22);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(4);
  buttons->addStretch(1);
  buttons->addWidget(RaderaYtorButton);
  buttons->addWidget(InfogaYtorButton);
  auto* surfaces = new QVBoxLayout(GroupBox1);
  surfaces->setContentsMargins(6, 0, 6, 4);
  surfaces->setSpacing(2);
  surfaces->addLayout(buttons);
  surfaces->addWidget(StringGrid1, 1);

  auto* page = new QGridLayout(tab);
  page->setContentsMargins(4, 4, 4, 4);
  page->setSpacing(4);
  page->addLayout(left, 0, 0);
  page->addWidget(RumsYta, 0, 1);
  page->addLayout(right, 0, 2, 2, 1);
  page->addWidget(GroupBox1, 1, 0, 1, 2);
  page->setColumnStretch(1, 1);
  page->setRowStretch(1, 1);
}

}  // namespace virano
