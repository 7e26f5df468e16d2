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
      users_ = read_ = UserFile(FilePath(path_)).ReadAll();
    } catch (const std::exception& error) {
      // Nothing is saved over a file that could not be read.
      dialogs_.Message(QString::fromUtf8(error.what()), MessageKind::Error);
      SparaButton->setEnabled(false);
    }
  }
  ShowUsers(-1);
}

void TBrukarregForm::FillTable() {
  Tabell->setRowCount(static_cast<int>(users_.size()));
  for (int row = 0; row < Tabell->rowCount(); ++row) {
    Tabell->setItem(row, 0, new QTableWidgetItem(FieldText(users_[row].UserNamn)));
    Tabell->setItem(row, 1, new QTableWidgetItem(FieldText(users_[row].SenastBibl)));
  }
}

void TBrukarregForm::ShowUsers(int select) {
  FillTable();
  if (select >= 0) Tabell->selectRow(select);
  else Tabell->clearSelection();
  // The same row may stay highlighted while another user moved into it.
  RowChosen();
}

int TBrukarregForm::ChosenRow() const {
  const QModelIndexList rows = Tabell->selectionModel()->selectedRows();
  const int row = rows.isEmpty() ? -1 : rows.constFirst().row();
  return row < static_cast<int>(users_.size()) ? row : -1;
}

void TBrukarregForm::RowChosen() {
  const int row = ChosenRow();
  NamnEdit->setText(row < 0 ? QString() : FieldText(users_[row].UserNamn));
  BiblEdit->setText(row < 0 ? QString() : FieldText(users_[row].SenastBibl));
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
  const int row = ChosenRow();
  if (row < 0) return Refuse(QStringLiteral("Välj först en användare i tabellen"));
  if (Refused(row)) return;
  users_[row] = MakeUser(NamnEdit->text().toStdString(), BiblEdit->text().toStdString());
  changed_ = true;
  ShowUsers(row);
}

void TBrukarregForm::TaBortButtonClick() {
  const int row = ChosenRow();
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

bool TBrukarregForm::SammanfoerMedFilen() {
  if (!QFileInfo::exists(path_)) return true;
  std::vector<TUserRecord> stored;
  try {
    stored = UserFile(FilePath(path_)).ReadAll();
  } catch (const std::exception& error) {
    Refuse(QStringLiteral("Användarfilen kunde inte läsas:\r") + QString::fromUtf8(error.what()));
    return false;
  }
  const auto same = [](const TUserRecord& a, const TUserRecord& b) {
    return a.UserNamn.Raw() == b.UserNamn.Raw() && a.SenastBibl.Raw() == b.SenastBibl.Raw();
  };
  std::vector<TUserRecord> merged = users_;
  for (const TUserRecord& user : stored) {
    const std::string name = user.UserNamn.Text();
    const int before = FindUserIgnoringCase(read_, name);
    const int here = FindUserIgnoringCase(merged, name);
    if (before < 0 && here < 0) {
      merged.push_back(user);  // registered meanwhile
    } else if (before < 0 && !same(merged[here], user)) {
      Refuse(QStringLiteral("Användaren \"") + FieldText(user.UserNamn) +
             QStringLiteral("\" har registrerats i VIRANO medan användarfilen var öppen här.\r"
                            "Ge den användare du lagt till ett annat namn och spara igen."));
      return false;
    } else if (before >= 0 && here >= 0 && same(merged[here], read_[before]) &&
               !same(user, read_[before])) {
      merged[here] = user;  // its folder changed meanwhile, not here
    }
  }
  // The table shows them; what is typed in the boxes stays.
  users_ = std::move(merged);
  FillTable();
  return true;
}

bool TBrukarregForm::SparaButtonClick() {
  if (!SammanfoerMedFilen()) return false;
  try {
    UserFile(FilePath(path_)).ReplaceAll(users_);
    read_ = users_;
    changed_ = false;
    return true;
  } catch (const FileError& error) {
    Refuse(QStringLiteral("Användarfilen kunde inte sparas:\r") + path_ + QStringLiteral("\r") +
           QString::fromStdString(error.reason()) + QStringLiteral("\rDen tidigare filen är orörd."));
    return false;
  }
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
