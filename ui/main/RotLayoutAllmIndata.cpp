// The tab "Allmänna indata": the project's general data.
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "main/Rot.h"
#include "main/RotLayoutKit.h"

namespace virano {

using namespace layout;

namespace {

// A group holding its edits one under the other.
QGroupBox* EditGroup(const char* name, const QString& caption, QWidget* parent,
                     std::initializer_list<QLineEdit*> edits, int width) {
  QGroupBox* group = Group(name, caption, parent);
  auto* column = new QVBoxLayout(group);
  column->setContentsMargins(10, 6, 10, 8);
  for (QLineEdit* edit : edits) {
    edit->setParent(group);
    edit->setFixedWidth(width);
    column->addWidget(edit);
  }
  return group;
}

}  // namespace

void TForm1::BuildAllmIndata() {
  QWidget* tab = AllmIndata;
  Anl1 = Edit("Anl1", {}, tab, 60);
  Anl2 = Edit("Anl2", {}, tab, 60);
  Signatur = Edit("Signatur", {}, tab, 25);
  Datum = Edit("Datum", {}, tab, decltype(TRoomRecord::Datum)::kCapacity);
  RevDatum = Edit("RevDatum", {}, tab, decltype(TRoomRecord::RevDatum)::kCapacity);

  // Wide enough for 60 average characters.
  const int wide = QFontMetrics(font()).averageCharWidth() * 62 + 12;
  const int date = QFontMetrics(font()).horizontalAdvance(QStringLiteral("0000-00-00")) + 40;
  GroupBox10 = EditGroup("GroupBox10", QStringLiteral("Anläggning"), tab, {Anl1, Anl2}, wide);
  GroupBox11 = EditGroup("GroupBox11", QStringLiteral("Signatur"), tab, {Signatur}, wide / 2);
  GroupBox12 = EditGroup("GroupBox12", QStringLiteral("Datum skapad"), tab, {Datum}, date);
  GroupBox13 = EditGroup("GroupBox13", QStringLiteral("Datum reviderad"), tab, {RevDatum}, date);

  auto* dates = new QHBoxLayout;
  dates->setSpacing(12);
  dates->addWidget(GroupBox12);
  dates->addWidget(GroupBox13);
  dates->addStretch(1);

  auto* page = new QVBoxLayout(tab);
  page->setContentsMargins(12, 12, 12, 12);
  page->setSpacing(12);
  page->addWidget(GroupBox10, 0, Qt::AlignLeft);
  page->addWidget(GroupBox11, 0, Qt::AlignLeft);
  page->addLayout(dates);
  page->addStretch(1);
}

}  // namespace virano
