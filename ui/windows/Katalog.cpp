#include "windows/Katalog.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStorageInfo>
#include <QTreeView>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "app/Dialogs.h"

namespace virano {
namespace {

QString Native(const QString& path) { return QDir::toNativeSeparators(QDir::cleanPath(path)); }

// The mount points of the file systems that can be browsed.
QStringList MountedFileSystems() {
  QStringList roots;
  for (const QStorageInfo& storage : QStorageInfo::mountedVolumes())
    if (storage.isValid() && storage.isReady()) roots << Native(storage.rootPath());
  roots.sort();
  roots.removeDuplicates();
  return roots;
}

QString ExistingParent(QString path) {
  while (!QFileInfo(path).isDir() && QFileInfo(path).absolutePath() != path)
    path = QFileInfo(path).absolutePath();
  return path;
}

}  // namespace

QString LastComponent(const QString& path) {
  const QString native = Native(path);
  return native.mid(native.lastIndexOf(QDir::separator()) + 1);
}

TChooseDirForm::TChooseDirForm(Dialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      DirLabel(new QLabel(this)),
      DirectoryListBox1(new QTreeView(this)),
      DriveComboBox1(new QComboBox(this)),
      DirEdit(new QLineEdit(this)),
      RaderaButton(new QPushButton(QStringLiteral("&Radera"), this)),
      CancelButton(new QPushButton(QStringLiteral("Avbryt"), this)),
      dialogs_(dialogs),
      model_(new QFileSystemModel(this)) {
  setObjectName(QStringLiteral("ChooseDirForm"));
  setModal(true);
  DirLabel->setObjectName(QStringLiteral("DirLabel"));
  DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
  DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
  DirEdit->setObjectName(QStringLiteral("DirEdit"));
  RaderaButton->setObjectName(QStringLiteral("RaderaButton"));
  CancelButton->setObjectName(QStringLiteral("CancelButton"));

  DirEdit->setMaxLength(8);  // the full name is in the label above and in the question
  DirEdit->setReadOnly(true);
  DirLabel->setWordWrap(true);
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  model_->setReadOnly(true);
  DirectoryListBox1->setModel(model_);
  DirectoryListBox1->setHeaderHidden(true);
  for (int column = 1; column < model_->columnCount(); ++column)
    DirectoryListBox1->hideColumn(column);

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
  connect(RaderaButton, &QPushButton::clicked, this, [this] { RaderaButtonClick(); });
  connect(DriveComboBox1, &QComboBox::activated, this, [this] { DriveChanged(); });
  connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) DirectoryChanged(model_->filePath(current));
          });
  // The tree fills and sorts itself in the background: the choice is shown
  // as its folders come in, until the user takes over the tree.
  connect(model_, &QFileSystemModel::directoryLoaded, this, [this] { ShowChoice(); });
  connect(model_, &QAbstractItemModel::layoutChanged, this, [this] { ShowChoice(); });
  connect(DirectoryListBox1, &QTreeView::pressed, this, [this] { followChoice_ = false; });
  connect(DirectoryListBox1->verticalScrollBar(), &QScrollBar::actionTriggered, this,
          [this] { followChoice_ = false; });
  resize(420, 380);
  SetDirectory(QDir::currentPath());
}

void TChooseDirForm::SetDirectory(const QString& path) {
  const QString chosen = Native(ExistingParent(QDir(path).absolutePath()));
  const QString root = Native(QStorageInfo(chosen).rootPath());
  if (DriveComboBox1->findText(root) < 0) DriveComboBox1->addItem(root);
  DriveComboBox1->setCurrentIndex(DriveComboBox1->findText(root));
  model_->setRootPath(QDir::fromNativeSeparators(root));
  DirectoryListBox1->setRootIndex(model_->index(QDir::fromNativeSeparators(root)));
  DirectoryChanged(chosen);
  followChoice_ = true;
  ShowChoice();
}

void TChooseDirForm::ShowChoice() {
  const QModelIndex index = model_->index(QDir::fromNativeSeparators(directory_));
  if (!followChoice_ || !index.isValid()) return;
  if (DirectoryListBox1->currentIndex() != index) DirectoryListBox1->setCurrentIndex(index);
  DirectoryListBox1->scrollTo(index);
}

void TChooseDirForm::Update() {
  DriveComboBox1->clear();
  DriveComboBox1->addItems(MountedFileSystems());
  SetDirectory(directory_);
}

void TChooseDirForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Update();
}

void TChooseDirForm::DirectoryChanged(const QString& path) {
  directory_ = Native(path);
  DirLabel->setText(directory_);
  DirEdit->setText(LastComponent(directory_));
}

void TChooseDirForm::DriveChanged() { SetDirectory(DriveComboBox1->currentText()); }

void TChooseDirForm::RaderaButtonClick() {
  const QString path = directory_;
  const QString name = LastComponent(path);
  DirEdit->setText(name);
  if (!dialogs_.QuestionYesNo(QStringLiteral("Radera ") + name + QStringLiteral(" ?"), Question::Deletes))
    return;
  SetDirectory(QFileInfo(path).absolutePath());
  // Only an empty directory is removed.
  if (::rmdir(QFile::encodeName(path).constData()) != 0) {
    const int error = errno;
    dialogs_.Message(QString::fromLocal8Bit(std::strerror(error)) + QStringLiteral(": ") + path,
                     MessageKind::Error);
  }
}

}  // namespace virano
