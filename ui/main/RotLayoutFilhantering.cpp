// The tab "Filhantering": files, users and the text settings of the reports.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QSpinBox>
#include <QVBoxLayout>

#include "main/Rot.h"
#include "main/RotLayoutKit.h"

namespace virano {

using namespace layout;

namespace {

// A group of stacked buttons of equal width.
void StackButtons(QGroupBox* group, std::initializer_list<QPushButton*> buttons) {
  auto* stack = new QVBoxLayout(group);
  stack->setContentsMargins(10, 6, 10, 8);
  for (QPushButton* button : buttons) {
    button->setMinimumWidth(96);
    stack->addWidget(button);
  }
  stack->addStretch(1);
}

QSpinBox* SpinEdit(const char* name, int value, int min, int max, QWidget* parent) {
  auto* spin = Named(new QSpinBox(parent), name);
  spin->setRange(min, max);
  spin->setValue(value);
  spin->setMinimumWidth(56);
  return spin;
}

}  // namespace

void TForm1::BuildFilhantering() {
  QWidget* tab = Filhantering;

  GroupBox8 = Group("GroupBox8", QStringLiteral("Filhantering"), tab);
  OpenButton = FileButton("OpenButton", QStringLiteral("Ny / Öppna"), GroupBox8);
  SaveAsButton = FileButton("SaveAsButton", QStringLiteral("&Spara som"), GroupBox8);
  SaveAsButton->setEnabled(false);
  StackButtons(GroupBox8, {OpenButton, SaveAsButton});

  GroupBox9 = Group("GroupBox9", QStringLiteral("Radera"), tab);
  RaderaBiblButton = FileButton("RaderaBiblButton", QStringLiteral("Radera Bibl"), GroupBox9);
  RaderaFilButton = FileButton("RaderaFilButton", QStringLiteral("Radera Fil"), GroupBox9);
  StackButtons(GroupBox9, {RaderaBiblButton, RaderaFilButton});

  MaterialData = Group("MaterialData", QStringLiteral("Tilläggsprogram"), tab);
  KonverteringButton = FileButton("KonverteringButton", QStringLiteral("Konvertering"), MaterialData);
  StackButtons(MaterialData, {KonverteringButton});

  TextStorlekGroupBox = Group("TextStorlekGroupBox", QStringLiteral("Textstyrning utskift"), tab);
  TextStorlek = SpinEdit("TextStorlek", kTextStorlekDefault, 8, 12, TextStorlekGroupBox);
  Radavst = SpinEdit("Radavst", kRadavstDefault, 10, 20, TextStorlekGroupBox);
  auto* texthojd = Label("TexthojdLabel", QStringLiteral("Texthöjd"), TextStorlekGroupBox);
  texthojd->setBuddy(TextStorlek);
  auto* radavstand = Label("RadavstandLabel", QStringLiteral("Radavstånd"), TextStorlekGroupBox);
  radavstand->setBuddy(Radavst);
  auto* text = new QGridLayout(TextStorlekGroupBox);
  text->setContentsMargins(10, 6, 10, 8);
  text->addWidget(texthojd, 0, 0);
  text->addWidget(TextStorlek, 0, 1);
  text->addWidget(radavstand, 1, 0);
  text->addWidget(Radavst, 1, 1);
  text->setColumnStretch(2, 1);

  UserGroupBox = Group("UserGroupBox", QStringLiteral("Användare"), tab);
  UserGroupBox->setToolTip(
      QStringLiteral("För att starta i senaste bibliotek för angiven användare"));
  UserComboBox = Combo("UserComboBox", true, UserGroupBox);
  LimitText(UserComboBox->lineEdit(), decltype(TUserRecord::UserNamn)::kCapacity);
  UserComboBox->setInsertPolicy(QComboBox::NoInsert);
  KeepSorted(UserComboBox);
  UserComboBox->setToolTip(
      QStringLiteral("Dubbelklicka på namn för att visa senast använda bibliotek"));
  UserComboBox->setMinimumWidth(170);
  NyAnvButton = Button("NyAnvButton", QStringLiteral("Ny"), UserGroupBox);
  NyAnvButton->setToolTip(QStringLiteral("Registrera ny användare"));
  RedigeraUserButton = Button("RedigeraUserButton", QStringLiteral("Redigera"), UserGroupBox);
  RedigeraUserButton->setToolTip(QStringLiteral("Redigera användar fil"));
  auto* user = new QHBoxLayout(UserGroupBox);
  user->setContentsMargins(10, 6, 10, 8);
  user->addWidget(UserComboBox, 1);
  user->addWidget(NyAnvButton);
  user->addWidget(RedigeraUserButton);

  Pixels = Label("Pixels", QStringLiteral("Pixels"), tab);

  // The user group at the top right; below it the file, delete and add-on
  // groups side by side; the text settings below the file group.
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(12);
  grid->addWidget(UserGroupBox, 0, 0, 1, 3);
  grid->addWidget(GroupBox8, 1, 0);
  grid->addWidget(GroupBox9, 1, 1);
  grid->addWidget(MaterialData, 1, 2);
  grid->addWidget(TextStorlekGroupBox, 2, 0);

  auto* page = new QGridLayout(tab);
  page->setContentsMargins(12, 12, 12, 8);
  page->addLayout(grid, 0, 1, Qt::AlignTop);
  page->setColumnStretch(0, 1);
  page->setRowStretch(1, 1);
  page->addWidget(Pixels, 2, 0, 1, 2, Qt::AlignLeft | Qt::AlignBottom);
}

}  // namespace virano
