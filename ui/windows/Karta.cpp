#include "windows/Karta.h"

#include <QBuffer>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "app/Export.h"
#include "app/RecordText.h"
#include "project/numbers.h"
#include "rules/Csv.h"
#include "widgets/Colours.h"

namespace virano {

// What a map is computed from.
struct TKartaForm::Indata {
  QString fil;
  int rum = 0;
  MainSurface yta = FrontWall;
  MapQuantity storhet = MapQuantity::Rot;
  ComfortCategory kategori = ComfortCategory::A;
  long double avstand = 0, steg = 0;
  std::shared_ptr<const TRoomRecord> post;  // the stored room, read for the map alone

  bool operator==(const Indata& other) const {
    return fil == other.fil && rum == other.rum && yta == other.yta && storhet == other.storhet &&
           kategori == other.kategori && avstand == other.avstand &&
           steg == other.steg && std::memcmp(post.get(), other.post.get(), sizeof(TRoomRecord)) == 0;
  }

  RotMapRequest Begaeran() const {
    RotMapRequest request;
    request.surface = yta;
    request.quantity = storhet;
    request.category = kategori;
    request.distance = avstand;
    request.step = steg;
    return request;
  }
};

// A map being computed on a thread of its own.
struct TKartaForm::Jobb {
  std::atomic<bool> avbryt{false};
  std::thread trad;
};

TKartaYta::TKartaYta(const RotKartaData& karta, QWidget* parent) : QWidget(parent), data_(karta) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setMinimumSize(320, 220);
}

void TKartaYta::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  RotKartaBild(data_, size()).Paint(painter);
}

void TKartaYta::mouseMoveEvent(QMouseEvent* event) {
  if (OnPunkt) OnPunkt(RotKartaBild(data_, size()).PointText(event->position().toPoint()));
}

void TKartaYta::leaveEvent(QEvent*) {
  if (OnPunkt) OnPunkt({});
}

namespace {

QLineEdit* LengthBox(const char* name, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QLatin1String(name));
  box->setMaximumWidth(60);
  SetColour(box, QPalette::Text, colours::kBlue);
  return box;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TKartaForm::TKartaForm(Dialogs& dialogs, const TVisatRum& rum, QWidget* parent)
    : QWidget(parent, Qt::Window),
      Storhet(new QComboBox(this)),
      Kategori(new QComboBox(this)),
      Avstand(LengthBox("Avstand", this)),
      Steg(LengthBox("Steg", this)),
      KartaYta(new TKartaYta(data_, this)),
      Punkt(new QLabel(this)),
      Status(new QLabel(this)),
      ProgressBar1(new QProgressBar(this)),
      SparaBildButton(new QPushButton(QStringLiteral("Spara bild..."), this)),
      ExportCsvButton(new QPushButton(QStringLiteral("Exportera CSV..."), this)),
      dialogs_(dialogs),
      rum_(rum),
      uppdatering_(new QTimer(this)) {
  setObjectName(QStringLiteral("KartaForm"));
  setWindowTitle(QStringLiteral("ROT-karta"));
  const bool punkt = rum.decimalPunkt;
  Storhet->setObjectName(QStringLiteral("Storhet"));
  Storhet->addItems({QStringLiteral("ROT"), QStringLiteral("Strålningsasymmetri")});
  Storhet->setToolTip(QStringLiteral("Vad kartan visar"));
  Kategori->setObjectName(QStringLiteral("Kategori"));
  Kategori->addItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
  Kategori->setToolTip(QStringLiteral("Kategorin vars gränser asymmetrin bedöms mot"));
  Kategori->setEnabled(false);
  Avstand->setText(Text(DecimalFormat("1,0", punkt)));
  Avstand->setToolTip(QStringLiteral("Punkternas avstånd från ytan"));
  Steg->setText(Text(DecimalFormat("0,10", punkt)));
  Steg->setToolTip(QStringLiteral("Avståndet mellan punkterna"));
  KartaYta->setObjectName(QStringLiteral("KartaYta"));
  Punkt->setObjectName(QStringLiteral("Punkt"));
  Status->setObjectName(QStringLiteral("Status"));
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setMaximumWidth(160);
  ProgressBar1->hide();
  SparaBildButton->setObjectName(QStringLiteral("SparaBildButton"));
  ExportCsvButton->setObjectName(QStringLiteral("ExportCsvButton"));
  SparaBildButton->setEnabled(false);
  ExportCsvButton->setEnabled(false);

  auto* bar = new QHBoxLayout;
  bar->addWidget(Storhet);
  bar->addWidget(new QLabel(QStringLiteral("Kategori"), this));
  bar->addWidget(Kategori);
  bar->addSpacing(8);
  bar->addWidget(new QLabel(QStringLiteral("Avstånd från ytan"), this));
  bar->addWidget(Avstand);
  bar->addWidget(new QLabel(QStringLiteral("m    Steg"), this));
  bar->addWidget(Steg);
  bar->addWidget(new QLabel(QStringLiteral("m"), this));
  bar->addStretch(1);
  bar->addWidget(ProgressBar1);
  bar->addWidget(SparaBildButton);
  bar->addWidget(ExportCsvButton);
  auto* foot = new QHBoxLayout;
  foot->addWidget(Punkt);
  foot->addStretch(1);
  foot->addWidget(Status);
  auto* column = new QVBoxLayout(this);
  column->addLayout(bar);
  column->addWidget(KartaYta, 1);
  column->addLayout(foot);
  resize(780, 540);

  uppdatering_->setSingleShot(true);
  uppdatering_->setInterval(0);
  connect(uppdatering_, &QTimer::timeout, this, [this] { UppdateraNu(); });
  for (QLineEdit* box : {Avstand, Steg})
    connect(box, &QLineEdit::editingFinished, this, [this] { Uppdatera(); });
  connect(Storhet, &QComboBox::currentIndexChanged, this, [this](int index) {
    Kategori->setEnabled(index == 1);
    Uppdatera();
  });
  connect(Kategori, &QComboBox::currentIndexChanged, this, [this] { Uppdatera(); });
  KartaYta->OnPunkt = [this](const QString& text) { Punkt->setText(text); };
  connect(SparaBildButton, &QPushButton::clicked, this, [this] { SparaBildButtonClick(); });
  connect(ExportCsvButton, &QPushButton::clicked, this, [this] { ExportCsvButtonClick(); });
}

TKartaForm::~TKartaForm() { Avbryt(); }

void TKartaForm::Visa() {
  show();
  raise();
  activateWindow();
  Uppdatera();
}

void TKartaForm::VisaRum(const TVisatRum& rum) {
  rum_ = rum;
  Uppdatera();
}

void TKartaForm::Uppdatera() {
  if (isVisible()) uppdatering_->start();
}

bool TKartaForm::Beraknar() const { return jobb_ != nullptr || uppdatering_->isActive(); }

void TKartaForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Uppdatera();
}

void TKartaForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TKartaForm::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  // Closed, not minimised: the computation going on stops.
  if (event->spontaneous()) return;
  uppdatering_->stop();
  Avbryt();
}

void TKartaForm::VisaStatus(const QString& text, bool fel) {
  Status->setText(text);
  SetColour(Status, QPalette::WindowText,
            fel ? colours::kRed : palette().color(QPalette::WindowText));
}

std::optional<TKartaForm::Indata> TKartaForm::LasIndata() {
  if (rum_.filNamn.isEmpty()) {
    VisaStatus(QStringLiteral("Ingen fil är vald"), true);
    return std::nullopt;
  }
  const bool punkt = rum_.decimalPunkt;
  const auto length = [punkt](QLineEdit* box) -> std::optional<long double> {
    const std::string text = DecimalFormat(box->text().toStdString(), punkt);
    const std::optional<long double> value = TryStrToFloat(text, punkt);
    const bool ok = value && *value > 0;
    MarkField(box, !ok);
    if (ok) box->setText(Text(text));
    return ok ? value : std::nullopt;
  };
  const std::optional<long double> avstand = length(Avstand), steg = length(Steg);
  if (!avstand || !steg) {
    VisaStatus(QStringLiteral("Avstånd och steg ska vara längder i meter större än 0"), true);
    return std::nullopt;
  }
  Indata in;
  in.fil = rum_.filNamn;
  in.rum = rum_.rum;
  const int yta = rum_.yta;
  in.yta = yta >= 0 && yta < kMainSurfaceCount ? MainSurface(yta) : FrontWall;
  in.storhet = Storhet->currentIndex() == 1 ? MapQuantity::Asymmetry : MapQuantity::Rot;
  in.kategori = static_cast<ComfortCategory>(std::clamp(Kategori->currentIndex(), 0, 2));
  in.avstand = *avstand;
  in.steg = *steg;
  auto post = std::make_shared<TRoomRecord>();
  try {
    ProjektFil(in.fil).Read(in.rum, *post);
  } catch (const ReadPastEndError&) {
    VisaStatus(QStringLiteral("Rummet är inte sparat ännu"), true);
    return std::nullopt;
  } catch (const std::exception& error) {
    VisaStatus(QString::fromUtf8(error.what()), true);
    return std::nullopt;
  }
  const TSurfaceRow& huvudyta = post->Ytor[in.yta][0];
  if (huvudyta.X2.Empty() || huvudyta.Y2.Empty()) {
    VisaStatus(Text(std::string(kMainSurfaceCaptions[in.yta])) +
                   QStringLiteral(" har ingen bredd eller höjd"),
               true);
    return std::nullopt;
  }
  if (const auto refusal = RotMapRefusal(*post, in.Begaeran(), punkt)) {
    VisaStatus(Text(*refusal), true);
    return std::nullopt;
  }
  in.post = std::move(post);
  return in;
}

void TKartaForm::UppdateraNu() {
  if (!isVisible()) return;
  const std::optional<Indata> in = LasIndata();
  if (!in) {
    Avbryt();
    senaste_.reset();
    data_ = {};
    Punkt->clear();
    SparaBildButton->setEnabled(false);
    ExportCsvButton->setEnabled(false);
    KartaYta->update();
    return;
  }
  if (senaste_ && *in == *senaste_) return;
  Starta(*in);
}

void TKartaForm::Starta(const Indata& in) {
  Avbryt();
  senaste_ = std::make_unique<Indata>(in);
  const bool punkt = rum_.decimalPunkt;
  data_.map = RotMap{};
  data_.drawing = RoomDrawingOf(*in.post, in.yta, punkt);
  data_.title = KartaTitel(*in.post, in.yta, static_cast<double>(in.avstand), in.storhet,
                           in.kategori, punkt);
  Punkt->clear();
  SparaBildButton->setEnabled(false);
  ExportCsvButton->setEnabled(false);
  KartaYta->update();
  ProgressBar1->setRange(0, 0);
  ProgressBar1->show();
  VisaStatus(QStringLiteral("Beräknar kartan..."), false);

  jobb_ = std::make_unique<Jobb>();
  const int generation = ++generation_;
  RotMapRequest request = in.Begaeran();
  request.cancel = &jobb_->avbryt;
  // Called on the computing thread: the bar is moved on the window's own.
  request.progress = [this, generation](int done, int total) {
    QMetaObject::invokeMethod(
        this,
        [this, generation, done, total] {
          if (generation != generation_) return;
          ProgressBar1->setRange(0, total);
          ProgressBar1->setValue(done);
        },
        Qt::QueuedConnection);
  };
  jobb_->trad = std::thread([this, generation, request, post = in.post, punkt] {
    auto map = std::make_shared<RotMap>();
    QString error;
    try {
      *map = ComputeRotMap(*post, request, punkt);
    } catch (const std::exception& e) {
      error = QString::fromUtf8(e.what());
    }
    QMetaObject::invokeMethod(
        this, [this, generation, map, error] { Klar(generation, map, error); },
        Qt::QueuedConnection);
  });
}

void TKartaForm::Avbryt() {
  if (!jobb_) return;
  jobb_->avbryt = true;
  jobb_->trad.join();
  jobb_.reset();
  ++generation_;
  senaste_.reset();  // its map was never finished
  ProgressBar1->hide();
}

void TKartaForm::Klar(int generation, const std::shared_ptr<RotMap>& map, const QString& error) {
  if (generation != generation_) return;
  jobb_->trad.join();
  jobb_.reset();
  ProgressBar1->hide();
  if (!error.isEmpty()) {
    VisaStatus(QStringLiteral("Kartan kunde inte beräknas: ") + error, true);
    return;
  }
  data_.map = std::move(*map);
  const QString status = data_.map.quantity == MapQuantity::Asymmetry ? AsymmetriStatus() : RotStatus();
  VisaStatus(status, false);
  const bool any = !data_.map.cells.empty();
  SparaBildButton->setEnabled(any);
  ExportCsvButton->setEnabled(any);
  KartaYta->update();
}

QString TKartaForm::RotStatus() const {
  const bool punkt = rum_.decimalPunkt;
  const auto [low, high] = std::minmax_element(
      data_.map.cells.begin(), data_.map.cells.end(),
      [](const RotMapCell& a, const RotMapCell& b) { return a.ROT < b.ROT; });
  QString status = QStringLiteral("%1 punkter").arg(data_.map.cells.size());
  if (low != data_.map.cells.end())
    status += QStringLiteral(", ROT %1 till %2 °C")
                  .arg(Text(FormatFixed(low->ROT, 2, punkt)), Text(FormatFixed(high->ROT, 2, punkt)));
  if (data_.map.minRot) {
    const auto below = std::count_if(data_.map.cells.begin(), data_.map.cells.end(),
                                     [](const RotMapCell& cell) { return cell.belowMinimum; });
    status += QStringLiteral(", %1 under Min ROT %2 °C")
                  .arg(below)
                  .arg(Text(FormatGeneral(*data_.map.minRot, punkt)));
  }
  return status;
}

QString TKartaForm::AsymmetriStatus() const {
  const std::vector<RotMapCell>& cells = data_.map.cells;
  QString status = QStringLiteral("%1 punkter").arg(cells.size());
  const auto largest = std::max_element(cells.begin(), cells.end(), [](const auto& a, const auto& b) {
    return std::fabs(a.asymmetry) < std::fabs(b.asymmetry);
  });
  if (largest == cells.end()) return status;
  const auto over = std::count_if(cells.begin(), cells.end(), [](const RotMapCell& cell) {
    return cell.overLimit;
  });
  return status + QStringLiteral(", största asymmetri %1 K vid %2 / %3, %4 över gränsen")
                      .arg(Text(KelvinText(largest->asymmetry, rum_.decimalPunkt)),
                           Text(FormatFixed(largest->Xp, 2, rum_.decimalPunkt)),
                           Text(FormatFixed(largest->Yp, 2, rum_.decimalPunkt)))
                      .arg(over);
}

void TKartaForm::Exportera(const QString& title, const QString& filter, const QString& suffix,
                           const std::function<QByteArray()>& bytes) {
  if (data_.map.cells.empty() || !senaste_) return;
  FileDialogOptions options;
  options.title = title;
  options.filter = filter;
  options.startDir = QFileInfo(senaste_->fil).absolutePath();
  const std::string_view yta = kMainSurfaceCaptions[senaste_->yta];
  QString ytan = QString::fromUtf8(yta.data(), static_cast<qsizetype>(yta.size()));
  if (senaste_->storhet == MapQuantity::Asymmetry) ytan += QStringLiteral(" asymmetri");
  options.fileName = QStringLiteral("%1 rum %2 %3.%4")
                         .arg(QFileInfo(senaste_->fil).fileName())
                         .arg(senaste_->rum)
                         .arg(ytan, suffix);
  if (const std::optional<QString> path = ExportFilVal(dialogs_, options, suffix))
    SkrivExportFil(dialogs_, *path, bytes());
}

void TKartaForm::SparaBildButtonClick() {
  Exportera(QStringLiteral("Spara bild"), QStringLiteral("PNG-bilder (*.png)|*.png"),
            QStringLiteral("png"), [this] {
              QByteArray bytes;
              QBuffer buffer(&bytes);
              buffer.open(QIODevice::WriteOnly);
              RotKartaImage(data_, KartaYta->size()).save(&buffer, "PNG");
              return bytes;
            });
}

void TKartaForm::ExportCsvButtonClick() {
  Exportera(QStringLiteral("Exportera CSV"), QStringLiteral("CSV-filer (*.csv)|*.csv"),
            QStringLiteral("csv"), [this] {
              const bool punkt = rum_.decimalPunkt;
              return QByteArray::fromStdString(CsvText(MapTable(data_.map, punkt), punkt));
            });
}

}  // namespace virano
