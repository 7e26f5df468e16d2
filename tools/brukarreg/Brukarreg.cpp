#include "Brukarreg.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>
#include <exception>

#include "app/Dialogs.h"
#include "app/RecordText.h"
#include "project/users.h"

namespace virano {

TBrukarregForm::TBrukarregForm(Dialogs& dialogs, const QString& path, QWidget* parent)
    : QWidget(parent),
      FilLabel(new QLabel(this)),
      Tabell(new QTableWidget(0, 2, this)),
      NamnEdit(new QLineEdit(this)),
      BiblEdit(new QLineEdit(this)),
      BladdraButton(new QPushButton(QStringLiteral("Bl&äddra..."), this)),
      TomButton(new QPushButton(QStringLiteral("T&öm"), this)),
      LaggTillButton(new QPushButton(QStringLiteral("&Lägg till"), this)),
      AndraButton(new QPushButton(QStringLiteral("Ändr&a"), this)),
      TaBortButton(new QPushButton(QStringLiteral("&Ta bort"), this)),
      SparaButton(new QPushButton(QStringLiteral("&Spara"), this)),
      StangButton(new QPushButton(QStringLiteral("Stän&g"), this)),
      dialogs_(dialogs),
      path_(path) {
  setWindowTitle(QStringLiteral("Brukarreg - användare i VIRANO"));
  FilLabel->setText(QStringLiteral("Användarfil: ") + path_);
  FilLabel->setWordWrap(true);
  Tabell->setHorizontalHeaderLabels(
      {QStringLiteral("Användare"), QStringLiteral("Senast använda bibliotek")});
  Tabell->horizontalHeader()->setStretchLastSection(true);
  Tabell->setColumnWidth(0, 160);
  Tabell->setSelectionBehavior(QAbstractItemView::SelectRows);
  Tabell->setSelectionMode(QAbstractItemView::SingleSelection);
  Tabell->setEditTriggers(QAbstractItemView::NoEditTriggers);
  NamnEdit->setPlaceholderText(QStringLiteral("högst 20 tecken"));

  auto* namn = new QLabel(QStringLiteral("&Namn:"), this);
  namn->setBuddy(NamnEdit);
  auto* bibl = new QLabel(QStringLiteral("&Bibliotek:"), this);
  bibl->setBuddy(BiblEdit);
  auto* fields = new QGridLayout;
  fields->addWidget(namn, 0, 0);
  fields->addWidget(NamnEdit, 0, 1, 1, 3);
  fields->addWidget(bibl, 1, 0);
  fields->addWidget(BiblEdit, 1, 1);
  fields->addWidget(BladdraButton, 1, 2);
  fields->addWidget(TomButton, 1, 3);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {LaggTillButton, AndraButton, TaBortButton}) buttons->addWidget(button);
  buttons->addStretch(1);
  buttons->addWidget(SparaButton);
  buttons->addWidget(StangButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(FilLabel);
  layout->addWidget(Tabell, 1);
  layout->addLayout(fields);
  layout->addLayout(buttons);

  connect(Tabell, &QTableWidget::itemSelectionChanged, this, [this] { RowChosen(); });
  connect(LaggTillButton, &QPushButton::clicked, this, [this] { LaggTillButtonClick(); });
  connect(AndraButton, &QPushButton::clicked, this, [this] { AndraButtonClick(); });
  connect(TaBortButton, &QPushButton::clicked, this, [this] { TaBortButtonClick(); });
  connect(BladdraButton, &QPushButton::clicked, this, [this] { BladdraButtonClick(); });
  connect(TomButton, &QPushButton::clicked, BiblEdit, &QLineEdit::clear);
  connect(SparaButton, &QPushButton::clicked, this, [this] { SparaButtonClick(); });
  connect(StangButton, &QPushButton::clicked, this, &QWidget::close);
  resize(620, 420);
  Load();
}

void TBrukarregForm::Load() {
  if (QFileInfo::exists(path_)) {
    try {
      users_ = UserFile(FilePath(path_)).ReadAll();
    } catch (const std::exception& error) {
      // Nothing is saved over a file that could not be read.
      dialogs_.Message(QString::fromUtf8(error.what()), MessageKind::Error);
      SparaButton->setEnabled(false);
    }
  }
  ShowUsers(-1);
}

void TBrukarregForm::ShowUsers(int select) {
  Tabell->setRowCount(static_cast<int>(users_.size()));
  for (int row = 0; row < Tabell->rowCount(); ++row) {
    Tabell->setItem(row, 0, new QTableWidgetItem(FieldText(users_[row].UserNamn)));
    Tabell->setItem(row, 1, new QTableWidgetItem(FieldText(users_[row].SenastBibl)));
  }
  if (select >= 0) Tabell->selectRow(select);
}

void TBrukarregForm::RowChosen() {
  const int row = Tabell->currentRow();
  if (row < 0 || row >= static_cast<int>(users_.size())) return;
  NamnEdit->setText(FieldText(users_[row].UserNamn));
  BiblEdit->setText(FieldText(users_[row].SenastBibl));
}

void TBrukarregForm::Refuse(const QString& text) {
  dialogs_.Beep();
  dialogs_.Message(text, MessageKind::Error);
}

bool TBrukarregForm::Refused(int skip) {
  const auto problem = UserEntryProblem(users_, skip, NamnEdit->text().toStdString(),
                                        BiblEdit->text().toStdString());
  if (problem) Refuse(QString::fromStdString(*problem));
  return problem.has_value();
}

void TBrukarregForm::LaggTillButtonClick() {
  if (Refused(-1)) return;
  users_.push_back(MakeUser(NamnEdit->text().toStdString(), BiblEdit->text().toStdString()));
  changed_ = true;
  ShowUsers(static_cast<int>(users_.size()) - 1);
}

void TBrukarregForm::AndraButtonClick() {
  const int row = Tabell->currentRow();
  if (row < 0) return Refuse(QStringLiteral("Välj först en användare i tabellen"));
  if (Refused(row)) return;
  users_[row] = MakeUser(NamnEdit->text().toStdString(), BiblEdit->text().toStdString());
  changed_ = true;
  ShowUsers(row);
}

void TBrukarregForm::TaBortButtonClick() {
  const int row = Tabell->currentRow();
  if (row < 0) return Refuse(QStringLiteral("Välj först en användare i tabellen"));
  if (!dialogs_.QuestionYesNo(QStringLiteral("Ta bort användaren \"") +
                                  FieldText(users_[row].UserNamn) + QStringLiteral("\"?"),
                              Question::Deletes))
    return;
  users_.erase(users_.begin() + row);
  changed_ = true;
  ShowUsers(std::min(row, static_cast<int>(users_.size()) - 1));
}

void TBrukarregForm::BladdraButtonClick() {
  if (const auto folder = dialogs_.ChooseFolder(QStringLiteral("Välj bibliotek"), BiblEdit->text()))
    BiblEdit->setText(QDir::toNativeSeparators(*folder));
}

bool TBrukarregForm::SparaButtonClick() {
  QSaveFile file(path_);
  const QByteArray bytes(reinterpret_cast<const char*>(users_.data()),
                         static_cast<qsizetype>(users_.size() * sizeof(TUserRecord)));
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
    changed_ = false;
    return true;
  }
  Refuse(QStringLiteral("Användarfilen kunde inte sparas:\r") + path_ + QStringLiteral("\r") +
         file.errorString() + QStringLiteral("\rDen tidigare filen är orörd."));
  return false;
}

void TBrukarregForm::closeEvent(QCloseEvent* event) {
  const bool keepOpen =
      changed_ && SparaButton->isEnabled() &&
      dialogs_.QuestionYesNo(QStringLiteral("Ändringarna är inte sparade.\rSpara innan programmet stängs?")) &&
      !SparaButtonClick();
  if (keepOpen) event->ignore();
  else event->accept();
}

}  // namespace virano
