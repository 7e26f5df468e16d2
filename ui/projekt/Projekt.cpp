#include "projekt/Projekt.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <exception>

#include "project/input_check.h"
#include "project/numbers.h"
#include "project/recordfile.h"
#include "rules/Thermal.h"

namespace virano {

namespace {

std::filesystem::path Sokvag(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

template <std::size_t N>
void Satt(ShortString<N>& field, const QString& text) {
  field.SetText(text.toStdString());
}

template <std::size_t N>
QString Text(const ShortString<N>& field) {
  return QString::fromStdString(field.Text());
}

QString NollOmTom(const QString& text) { return text.isEmpty() ? QStringLiteral("0") : text; }

// The reason a file is not taken as a project: its path, and on the next
// line the system's text.
QString Avvisning(const QString& filNamn, const std::exception& error) {
  const auto* fileError = dynamic_cast<const FileError*>(&error);
  const std::string reason = fileError != nullptr ? fileError->reason() : error.what();
  return QStringLiteral("Filen kan inte öppnas som VIRANO-projekt: ") +
         QDir::toNativeSeparators(filNamn + QStringLiteral(".rot")) + QLatin1Char('\r') +
         QString::fromStdString(reason);
}

TUtfall Misslyckat(const std::exception& error) {
  return {TUtfall::kMisslyckat, QString::fromUtf8(error.what())};
}

}  // namespace

QString Idag() { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); }

TProjekt::TProjekt(bool decimalPunkt)
    : decimalPunkt_(decimalPunkt), arbetspost_(std::make_unique<TRoomRecord>()) {}

TProjekt::~TProjekt() = default;

TVisatRum TProjekt::VisatRum(int yta) const {
  return {filOK_ ? filNamn_ : QString(), rum_, yta < 0 ? 0 : yta, decimalPunkt_};
}

// --- Projects ---------------------------------------------------------------

TUtfall TProjekt::Oeppna(const QString& path, const TAllmData& allm, const TRumsfaelt& rum) {
  filOK_ = true;
  nyFil_ = false;
  rumSparat_ = false;
  // Errors found before belong to the project shown before.
  kontrollFannFel_ = false;
  filNamn_ = QString::fromStdString(PathWithoutExtension(path.toStdString()));
  if (QFileInfo::exists(ProjektFil())) {
    int version = 0;
    try {
      OeppnaBefintlig(rum, version);
    } catch (const std::exception& error) {
      const QString orsak = Avvisning(filNamn_, error);
      Stang();
      return {TUtfall::kAvvisat, orsak};
    }
    if (version != DerivedVersion(decimalPunkt_)) {
      Stang();
      return {TUtfall::kFelVersion, {}, version};
    }
    rum_ = hoegstaRum_;
    return {TUtfall::kOeppnat};
  }
  try {
    Skapa(allm, rum);
  } catch (const std::exception& error) {
    // A project that could not be created is not open.
    Stang();
    return Misslyckat(error);
  }
  rum_ = 1;
  return {TUtfall::kSkapat};
}

void TProjekt::OeppnaBefintlig(const TRumsfaelt& rum, int& version) {
  rumEjLagrat_ = false;
  const ProjectFile file(Sokvag(ProjektFil()));
  // A project that cannot be stored into is refused like an unreadable one.
  file.CheckWritable();
  const long long rooms = file.Count() - 1;
  hoegstaRum_ = static_cast<int>(rooms);
  TRoomRecord& rec = *arbetspost_;
  file.Read(0, rec);
  version = StoredFileVersion(rec);
  if (version != DerivedVersion(decimalPunkt_)) return;
  Satt(rec.FilVersion, QString::number(version));
  allm_ = {Text(rec.Anl1),     Text(rec.Anl2),        Text(rec.Signatur), Text(rec.Datum),
           Text(rec.RevDatum), Text(rec.TextStorlek), Text(rec.Radavst)};
  dataAendrad_ = false;
  if (rooms < 1) {
    // Only the general record: room 1 is written when shown, as a new room
    // of the room boxes.
    hoegstaRum_ = 1;
    RumsfaeltTillPost(rum);
    rumEjLagrat_ = true;
  }
}

void TProjekt::Skapa(const TAllmData& allm, const TRumsfaelt& rum) {
  nyFil_ = true;
  const ProjectFile file(Sokvag(ProjektFil()));
  file.Create();
  TAllmData ny = allm;
  ny.Datum = Idag();
  ny.RevDatum.clear();
  SkrivAllmData(ny);
  // Room 1: the room boxes, and no surfaces and no points.
  RumsfaeltTillPost(rum);
  SkrivTomtRum(1);
  rumSparat_ = true;
  hoegstaRum_ = 1;
  rumEjLagrat_ = true;
  dataAendrad_ = false;
}

void TProjekt::Stang() {
  filOK_ = false;
  rumEjLagrat_ = false;
  kontrollFannFel_ = false;
  filNamn_.clear();
  rum_ = 1;
  hoegstaRum_ = 1;
}

TUtfall TProjekt::SparaSom(const QString& stem, const TAllmData& allm) {
  try {
    ProjectFile(Sokvag(ProjektFil())).CopyTo(Sokvag(stem + QStringLiteral(".rot")));
  } catch (const std::exception& error) {
    return Misslyckat(error);
  }
  filNamn_ = stem;
  allm_ = allm;
  allm_.Datum = Idag();
  allm_.RevDatum.clear();
  return SparaAllmData(allm_);
}

// --- Transfers --------------------------------------------------------------

void TProjekt::SkrivAllmData(const TAllmData& allm) {
  TRoomRecord& rec = *arbetspost_;
  Satt(rec.FilVersion, QString::number(DerivedVersion(decimalPunkt_)));
  Satt(rec.Anl1, allm.Anl1);
  Satt(rec.Anl2, allm.Anl2);
  Satt(rec.Signatur, allm.Signatur);
  Satt(rec.Datum, allm.Datum);
  Satt(rec.RevDatum, allm.RevDatum);
  Satt(rec.TextStorlek, allm.TextStorlek);
  Satt(rec.Radavst, allm.Radavst);
  ProjectFile(Sokvag(ProjektFil())).Write(0, rec);
  allm_ = allm;
  dataAendrad_ = false;
}

TUtfall TProjekt::SparaAllmData(const TAllmData& allm) {
  if (filNamn_.isEmpty()) return {};
  try {
    SkrivAllmData(allm);
  } catch (const std::exception& error) {
    return Misslyckat(error);
  }
  return {};
}

void TProjekt::RumsfaeltTillPost(const TRumsfaelt& rum) {
  TRoomRecord& rec = *arbetspost_;
  Satt(rec.RumsNamn, rum.RumsNamn);
  Satt(rec.LuftHast, rum.LuftHast);
  Satt(rec.IncROT, rum.IncROT);
  Satt(rec.RumsTemp, rum.RumsTemp);
  Satt(rec.Rot, rum.Rot);
  Satt(rec.MinRot, rum.MinRot);
  rec.HeatSystem.Set(rum.HeatSystem);
  Satt(rec.WattPerKvmTak, NollOmTom(rum.WattPerKvmTak));
  Satt(rec.Temp05OG, NollOmTom(rum.Temp05OG));
  Satt(rec.Temp18OG, NollOmTom(rum.Temp18OG));
}

TUtfall TProjekt::SparaData(const TRumsfaelt& rum, const TYtvy& vy) {
  if (filNamn_.isEmpty()) return {};
  TRoomRecord& rec = *arbetspost_;
  RumsfaeltTillPost(rum);
  if (vy.yta >= 0 && vy.yta < kMainSurfaceCount) {
    for (std::size_t r = 0; r < vy.rader.size() && r < kSurfaceRowsPerBlock; ++r)
      for (int c = 0; c < TSurfaceRow::kCellCount; ++c)
        Satt(rec.Ytor[vy.yta][r].cell(c), vy.rader[r][c]);
    for (std::size_t r = 0; r < vy.punkter.size() && r < kPointRowsPerBlock; ++r)
      for (int c = 0; c < TPointRow::kCellCount; ++c)
        Satt(rec.Punkter[vy.yta][r].cell(c), vy.punkter[r][c]);
  }
  try {
    ProjectFile(Sokvag(ProjektFil())).Write(rum_, rec);
  } catch (const std::exception& error) {
    return Misslyckat(error);
  }
  rumSparat_ = true;  // only once stored: a failed store stamps no date
  rumEjLagrat_ = false;
  dataAendrad_ = false;
  return {};
}

THamtning TProjekt::HamtaData() {
  if (filNamn_.isEmpty()) return THamtning::kIngetProjekt;
  auto read = std::make_unique<TRoomRecord>();
  try {
    ProjectFile(Sokvag(ProjektFil())).Read(rum_, *read);
  } catch (const ReadPastEndError&) {
    return THamtning::kIngenPost;
  }
  // Read into the same record: showing a room can show it again from within
  // (the room temperature's change handler), and the outer showing goes on
  // reading the record it was given.
  *arbetspost_ = *read;
  return THamtning::kLaest;
}

void TProjekt::Visad() {
  rumEjLagrat_ = false;
  dataAendrad_ = false;
}

void TProjekt::SkrivTomtRum(int k) {
  for (auto& block : arbetspost_->Ytor) block.fill(TSurfaceRow{});
  for (auto& block : arbetspost_->Punkter) block.fill(TPointRow{});
  ProjectFile(Sokvag(ProjektFil())).Write(k, *arbetspost_);
}

void TProjekt::NyttRumNollStaell() {
  if (filNamn_.isEmpty()) return;  // no project: nothing to write into
  SkrivTomtRum(rum_);
}

void TProjekt::GeUppAendringar() {
  dataAendrad_ = false;
  rumSparat_ = false;
  rumEjLagrat_ = false;
}

// --- Rooms ------------------------------------------------------------------

void TProjekt::NyttRum() {
  rumEjLagrat_ = true;
  ++hoegstaRum_;
}

TRadering TProjekt::RaderaRum() {
  // Errors found may be the deleted room's.
  kontrollFannFel_ = false;
  const ProjectFile file(Sokvag(ProjektFil()));
  const int rooms = static_cast<int>(file.Count() - 1);
  const int k = rum_;
  if (k == rooms && k == 1) return {1, false, true, true};
  if (k == rooms) {
    file.Truncate(rooms);
    --hoegstaRum_;
    rumEjLagrat_ = false;
    return {k - 1, false, false};
  }
  if (k < rooms) {
    // The rooms after k move down by one; room k shows the next one.
    file.Remove(k);
    --hoegstaRum_;
    return {k, true, false};
  }
  // The shown room has no record yet: the room before it is read from the
  // file, not written empty as a new room would be.
  --hoegstaRum_;
  rumEjLagrat_ = false;
  return {k - 1, false, true};
}

void TProjekt::BoerjaOm(const TRumsfaelt& rum) {
  RumsfaeltTillPost(rum);
  rumEjLagrat_ = true;
}

std::vector<QString> TProjekt::RumsNamn() const {
  std::vector<QString> names;
  if (filNamn_.isEmpty()) return names;
  ProjectFile(Sokvag(ProjektFil())).ReadEach([&names](long long k, const TRoomRecord& room) {
    if (k > 0) names.push_back(Text(room.RumsNamn));
    return true;
  });
  return names;
}

std::unique_ptr<TRoomRecord> TProjekt::LaesRum(int rum) const {
  if (filNamn_.isEmpty()) return nullptr;
  const ProjectFile file(Sokvag(ProjektFil()));
  if (file.Count() == 0) return nullptr;
  auto post = std::make_unique<TRoomRecord>();
  file.Read(rum, *post);
  return post;
}

// --- Surface temperatures and checks ----------------------------------------

bool TProjekt::UppdateraYtTemp(const QString& rumsTemp) {
  const ProjectFile file(Sokvag(ProjektFil()));
  TRoomRecord& rec = *arbetspost_;
  try {
    file.Read(rum_, rec);
  } catch (const ReadPastEndError&) {
    return false;  // the room has no record yet: the window keeps the temperature
  }
  const std::string trum = rumsTemp.toStdString();
  Satt(rec.RumsTemp, QString::fromStdString(DecimalFormat(trum, decimalPunkt_)));
  // The record is written also when no row has the values to compute from
  // and when a value is not a number, with the rows computed until then.
  std::exception_ptr failure;
  try {
    for (int r = 0; r < kSurfaceRowsPerBlock && !trum.empty(); ++r) {
      for (auto& block : rec.Ytor) {
        TSurfaceRow& row = block[r];
        if (row.Mi.Empty() || row.UVarde.Empty() || row.TempUtsida.Empty()) continue;
        if (ResistanceTooLarge(row.UVarde.Text(), row.Mi.Text(), decimalPunkt_)) continue;
        row.YtTemp.SetText(YtTemperaturText(trum, row.UVarde.Text(), row.Mi.Text(),
                                            row.TempUtsida.Text(), decimalPunkt_));
      }
    }
  } catch (const ConversionError&) {
    if (!LaddarRum()) failure = std::current_exception();
  } catch (...) {
    failure = std::current_exception();
  }
  file.Write(rum_, rec);
  if (failure) std::rethrow_exception(failure);
  return true;
}

TKontroll TProjekt::Felsok(int rum) {
  if (filNamn_.isEmpty()) return {};
  kontrollFannFel_ = false;
  try {
    // The room is read apart: the working record keeps the shown room.
    TKontroll kontroll{rum, CheckRoomFile(Sokvag(ProjektFil()), Sokvag(FelFil()), rum, decimalPunkt_), {}};
    kontrollFannFel_ = !kontroll.fel.empty();
    return kontroll;
  } catch (const FileError& error) {
    return {rum, {}, QString::fromUtf8(error.what())};
  }
}

TKontroll TProjekt::FelsokAll() {
  if (!filOK_) return {};
  kontrollFannFel_ = false;
  try {
    // The file is read once, a few rooms at a time; the walk stops at the
    // first room with errors, or at the last room.
    const ProjectFile file(Sokvag(ProjektFil()));
    const long long rooms = file.Count() - 1;
    TKontroll kontroll;
    file.ReadEach([&](long long k, const TRoomRecord& room) {
      if (k == 0) return true;
      kontroll = {static_cast<int>(k), RoomErrors(room, static_cast<int>(k), decimalPunkt_), {}};
      return k < rooms && kontroll.fel.empty();
    });
    if (kontroll.rum > 0) WriteErrorFile(Sokvag(FelFil()), kontroll.fel);
    kontrollFannFel_ = !kontroll.fel.empty();
    return kontroll;
  } catch (const FileError& error) {
    return {0, {}, QString::fromUtf8(error.what())};
  }
}

std::vector<TErrorRecord> TProjekt::SenasteFel() const {
  if (filNamn_.isEmpty() || !QFileInfo::exists(FelFil())) return {};
  return ErrorFile(Sokvag(FelFil())).ReadAll();
}

}  // namespace virano
