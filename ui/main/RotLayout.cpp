// The frame of the main window: menu, top bar and the tab control.
#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>
#include <algorithm>

#include "main/Rot.h"
#include "main/RotLayoutKit.h"
#include "widgets/PageControl.h"

namespace virano {

using namespace layout;

void TForm1::BuildMenu() {
  MainMenu1 = Named(menuBar(), "MainMenu1");
  auto item = [this](QMenu* menu, const char* name, const QString& text) {
    return Named(menu->addAction(text), name);
  };
  Filer1 = Named(MainMenu1->addMenu(QStringLiteral("&Filer")), "Filer1");
  Ny1 = item(Filer1, "Ny1", QStringLiteral("&Ny"));
  Oppna1 = item(Filer1, "Oppna1", QStringLiteral("&Öppna..."));
  SparaSom1 = item(Filer1, "SparaSom1", QStringLiteral("Spara &Som..."));
  SparaSom1->setEnabled(false);
  Filer1->addSeparator();
  Konvertering1 = item(Filer1, "Konvertering1", QStringLiteral("&Konvertering"));
  Filer1->addSeparator();
  RaderaBibl1 = item(Filer1, "RaderaBibl1", QStringLiteral("Radera &Bibl"));
  RaderaFil1 = item(Filer1, "RaderaFil1", QStringLiteral("&Radera Fil"));
  Filer1->addSeparator();
  Avsluta1 = item(Filer1, "Avsluta1", QStringLiteral("&Avsluta"));

  Fel1 = Named(MainMenu1->addMenu(QStringLiteral("F&el")), "Fel1");
  Sk1 = item(Fel1, "Sk1", QStringLiteral("&Sök"));
  Visa1 = item(Fel1, "Visa1", QStringLiteral("&Visa"));

  Hjalp1 = Named(MainMenu1->addMenu(QStringLiteral("&Hjälp")), "Hjalp1");
  Manual1 = item(Hjalp1, "Manual1", QStringLiteral("&Manual"));
  Hjalp1->addSeparator();
  Om1 = item(Hjalp1, "Om1", QStringLiteral("&Om.."));
}

void TForm1::BuildTopBar(QWidget* central) {
  Panel1 = Panel("Panel1", central);
  Panel1->setFrameShape(QFrame::StyledPanel);
  Panel1->setFrameShadow(QFrame::Raised);
  Panel1->setFixedHeight(31);
  Path = Label("Path", QStringLiteral("Sökväg:"), Panel1);
  VisaFilNamn = Label("VisaFilNamn", QStringLiteral("..."), Panel1);
  VisaFilNamn->setTextInteractionFlags(Qt::TextSelectableByMouse);
  ExitSpeedButton = Button("ExitSpeedButton", QStringLiteral("E&xit"), Panel1);
  ExitSpeedButton->setFocusPolicy(Qt::NoFocus);

  auto* bar = new QHBoxLayout(Panel1);
  bar->setContentsMargins(8, 2, 4, 2);
  bar->addWidget(Path);
  bar->addWidget(VisaFilNamn, 1);
  bar->addWidget(ExitSpeedButton);
}

void TForm1::BuildPageControl(QWidget* central) {
  PageControl1 = Named(new TPageControl(central), "PageControl1");
  Filhantering = Named(new QWidget, "Filhantering");
  AllmIndata = Named(new QWidget, "AllmIndata");
  Indata = Named(new QWidget, "Indata");
  Sammanst = Named(new QWidget, "Sammanst");
  PageControl1->addTab(Filhantering, QStringLiteral("Filhantering"));
  PageControl1->addTab(AllmIndata, QStringLiteral("Allmänna indata"));
  PageControl1->addTab(Indata, QStringLiteral("Indata"));
  PageControl1->addTab(Sammanst, QStringLiteral("Sammanställning"));
  PageControl1->setCurrentIndex(kFilhantering);

  BuildFilhantering();
  BuildAllmIndata();
  BuildIndata();
  BuildSammanst();

  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(Panel1);
  column->addWidget(PageControl1, 1);
}

}  // namespace virano

namespace virano::layout {

void KeepSorted(QComboBox* combo) {
  QObject::connect(combo->model(), &QAbstractItemModel::rowsInserted, combo, [combo] {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    std::sort(items.begin(), items.end(), [](const QString& a, const QString& b) {
      return QString::localeAwareCompare(a.toLower(), b.toLower()) < 0;
    });
    const QString text = combo->currentText();
    const QSignalBlocker blocker(combo);
    for (int i = 0; i < items.size(); ++i) combo->setItemText(i, items[i]);
    combo->setEditText(text);
  });
}

}  // namespace virano::layout
