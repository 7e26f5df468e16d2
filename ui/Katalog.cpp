#include "Katalog.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace virano {

TChooseDirForm::TChooseDirForm(QWidget* parent)
    : QDialog(parent),
      DirLabel(new QLabel(this)),
      DirectoryListBox1(new QListWidget(this)),
      DriveComboBox1(new QComboBox(this)),
      DirEdit(new QLineEdit(this)),
      RaderaButton(new QPushButton(QStringLiteral("&Radera"), this)),
      CancelButton(new QPushButton(QStringLiteral("Avbryt"), this)) {
  setObjectName(QStringLiteral("ChooseDirForm"));
  setModal(true);
  DirLabel->setObjectName(QStringLiteral("DirLabel"));
  DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
  DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
  DirEdit->setObjectName(QStringLiteral("DirEdit"));
  RaderaButton->setObjectName(QStringLiteral("RaderaButton"));
  CancelButton->setObjectName(QStringLiteral("CancelButton"));

  DirEdit->setMaxLength(8);
  DirEdit->setReadOnly(true);
  for (const QFileInfo& drive : QDir::drives())
    DriveComboBox1->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()));

  auto* katalog = new QLabel(QStringLiteral("&Katalog"), this);
  katalog->setBuddy(DirectoryListBox1);
  auto* enhet = new QLabel(QStringLiteral("&Enhet"), this);
  enhet->setBuddy(DriveComboBox1);
  auto* val = new QLabel(QStringLiteral("Katalog&val"), this);
  val->setBuddy(DirEdit);

  auto* layout = new QGridLayout(this);
  layout->addWidget(val, 0, 0);
  layout->addWidget(DirEdit, 1, 0);
  layout->addWidget(DirLabel, 2, 0, 1, 2);
  layout->addWidget(katalog, 3, 0);
  layout->addWidget(DirectoryListBox1, 4, 0, 3, 1);
  layout->addWidget(enhet, 7, 0);
  layout->addWidget(DriveComboBox1, 8, 0);
  layout->addWidget(RaderaButton, 4, 1);
  layout->addWidget(CancelButton, 5, 1);
  layout->setRowStretch(6, 1);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  resize(360, 300);
}

}  // namespace virano
