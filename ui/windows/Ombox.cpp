#include "windows/Ombox.h"

#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/Pictures.h"

namespace virano {

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent),
      ProgramIcon(new QLabel(this)),
      ProductName(new QLabel(QStringLiteral("VIRANO"), this)),
      Version(new QLabel(QStringLiteral("Version 1,x"), this)),
      Comments(new QLabel(QStringLiteral("Riktad operativ temperatur ROT"), this)),
      OKButton(new QPushButton(QStringLiteral("OK"), this)) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("Om.."));
  setWindowIcon(virano::ProgramIcon());
  ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
  ProductName->setObjectName(QStringLiteral("ProductName"));
  Version->setObjectName(QStringLiteral("Version"));
  Comments->setObjectName(QStringLiteral("Comments"));
  OKButton->setObjectName(QStringLiteral("OKButton"));

  ProgramIcon->setPixmap(ProgramIconPixmap(48));
  QFont bold = ProductName->font();
  bold.setBold(true);
  bold.setPointSize(bold.pointSize() + 4);
  ProductName->setFont(bold);

  // The texts on a sunken panel, the OK button below it.
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setFrameShadow(QFrame::Sunken);
  auto* inner = new QGridLayout(panel);
  inner->addWidget(ProgramIcon, 0, 0, 2, 1, Qt::AlignTop);
  inner->addWidget(ProductName, 0, 1);
  inner->addWidget(Version, 1, 1);
  inner->addWidget(Comments, 2, 0, 1, 2);
  inner->setColumnStretch(1, 1);
  inner->setHorizontalSpacing(16);

  auto* layout = new QGridLayout(this);
  layout->addWidget(panel, 0, 0, 1, 3);
  layout->addWidget(OKButton, 1, 1);
  layout->setColumnStretch(0, 1);
  layout->setColumnStretch(2, 1);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
  setFixedSize(300, 170);
}

void TAboutBox::showEvent(QShowEvent* event) {
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft());
  }
  QDialog::showEvent(event);
}

}  // namespace virano
