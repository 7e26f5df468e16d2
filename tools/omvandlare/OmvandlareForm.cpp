#include "OmvandlareForm.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/Dialogs.h"

namespace virano {

using omvandlare::Mode;

TOmvandlareForm::TOmvandlareForm(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      Version1Button(new QRadioButton(
          QStringLiteral("Till &version 1 (projekt från en annan programversion)"), this)),
      TillJsonButton(new QRadioButton(QStringLiteral("Projekt till &JSON-dokument"), this)),
      FranJsonButton(new QRadioButton(QStringLiteral("JSON-dokument till &projekt"), this)),
      FranEdit(new QLineEdit(this)),
      TillEdit(new QLineEdit(this)),
      FranButton(new QPushButton(QStringLiteral("Bläddra..."), this)),
      TillButton(new QPushButton(QStringLiteral("Bläddra..."), this)),
      KonverteraButton(new QPushButton(QStringLiteral("&Konvertera"), this)),
      StangButton(new QPushButton(QStringLiteral("&Stäng"), this)),
      dialogs_(dialogs) {
  setWindowTitle(QStringLiteral("Omvandlare - konvertering av VIRANO-projekt"));
  auto* intro = new QLabel(
      QStringLiteral("Gör om en projektfil från en annan programversion så att den kan öppnas i "
                     "VIRANO, eller skriv ett projekt som ett läsbart JSON-dokument och tillbaka. "
                     "Filen som läses ändras aldrig."),
      this);
  intro->setWordWrap(true);

  auto* modes = new QGroupBox(QStringLiteral("Konvertering"), this);
  auto* modeLayout = new QVBoxLayout(modes);
  auto* group = new QButtonGroup(this);
  for (QRadioButton* button : {Version1Button, TillJsonButton, FranJsonButton}) {
    group->addButton(button);
    modeLayout->addWidget(button);
    connect(button, &QRadioButton::toggled, this, [this](bool on) {
      if (on) ProposeTill();
    });
  }
  Version1Button->setChecked(true);

  auto* fran = new QLabel(QStringLiteral("&Från fil:"), this);
  fran->setBuddy(FranEdit);
  auto* till = new QLabel(QStringLiteral("&Till fil:"), this);
  till->setBuddy(TillEdit);
  auto* files = new QGridLayout;
  files->addWidget(fran, 0, 0);
  files->addWidget(FranEdit, 0, 1);
  files->addWidget(FranButton, 0, 2);
  files->addWidget(till, 1, 0);
  files->addWidget(TillEdit, 1, 1);
  files->addWidget(TillButton, 1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(KonverteraButton);
  buttons->addWidget(StangButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(modes);
  layout->addLayout(files);
  layout->addStretch(1);
  layout->addLayout(buttons);

  connect(FranButton, &QPushButton::clicked, this, [this] { FranButtonClick(); });
  connect(TillButton, &QPushButton::clicked, this, [this] { TillButtonClick(); });
  connect(FranEdit, &QLineEdit::editingFinished, this, [this] { ProposeTill(); });
  connect(KonverteraButton, &QPushButton::clicked, this, [this] { KonverteraButtonClick(); });
  connect(StangButton, &QPushButton::clicked, this, &QWidget::close);
  resize(560, 320);
}

Mode TOmvandlareForm::ChosenMode() const {
  if (TillJsonButton->isChecked()) return Mode::ToJson;
  if (FranJsonButton->isChecked()) return Mode::FromJson;
  return Mode::Version1;
}

QString TOmvandlareForm::Filter(bool json) const {
  return json ? QStringLiteral("JSON-dokument (*.json)|*.json|Alla filer (*.*)|*.*")
              : QStringLiteral("Indata filer (*.rot)|*.rot|Alla filer (*.*)|*.*");
}

void TOmvandlareForm::ProposeTill() {
  const QString fran = FranEdit->text();
  if (fran.isEmpty()) return;
  const QFileInfo info(fran);
  const QString stem = QDir(info.path()).filePath(info.completeBaseName());
  static const QString endings[] = {QStringLiteral("_v1.rot"), QStringLiteral(".json"),
                                    QStringLiteral(".rot")};
  TillEdit->setText(QDir::toNativeSeparators(stem + endings[static_cast<int>(ChosenMode())]));
}

void TOmvandlareForm::FranButtonClick() {
  FileDialogOptions options;
  options.title = QStringLiteral("Fil att konvertera");
  options.filter = Filter(ChosenMode() == Mode::FromJson);
  options.mustExist = true;
  options.startDir = QFileInfo(FranEdit->text()).path();
  if (const auto chosen = dialogs_.OpenFile(options)) {
    FranEdit->setText(QDir::toNativeSeparators(*chosen));
    ProposeTill();
  }
}

void TOmvandlareForm::TillButtonClick() {
  FileDialogOptions options;
  options.title = QStringLiteral("Spara som");
  options.filter = Filter(ChosenMode() == Mode::ToJson);
  options.startDir = QFileInfo(TillEdit->text()).path();
  options.fileName = TillEdit->text();
  if (const auto chosen = dialogs_.SaveFile(options)) TillEdit->setText(QDir::toNativeSeparators(*chosen));
}

bool TOmvandlareForm::KonverteraButtonClick() {
  const QString fran = FranEdit->text(), till = TillEdit->text();
  if (fran.isEmpty() || till.isEmpty()) {
    dialogs_.Message(QStringLiteral("Välj först filen som ska läsas och filen som ska skrivas"),
                     MessageKind::Warning);
    return false;
  }
  if (QFileInfo::exists(till) && !omvandlare::SameFile(fran, till) &&
      !dialogs_.QuestionYesNo(till + QStringLiteral(" finns redan.\rVill du ersätta den?"), Question::Deletes))
    return false;
  try {
    omvandlare::Convert(ChosenMode(), fran, till);
  } catch (const std::exception& error) {
    dialogs_.Message(QString::fromUtf8(error.what()), MessageKind::Error);
    return false;
  }
  dialogs_.Message(QStringLiteral("Klart. ") + till + QStringLiteral(" är skriven."),
                   MessageKind::Information);
  return true;
}

}  // namespace virano
