#include "Omvandling.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>
#include <cmath>
#include <cstring>
#include <limits>

#include "project/numbers.h"

namespace virano::omvandlare {
namespace {

const QString kTyp = QStringLiteral("VIRANO-projekt");
constexpr std::size_t kRecordSize = sizeof(TRoomRecord);
constexpr int kMaxRooms = 32767;  // room numbers are 16-bit
const char* const kSurfaceCells[TSurfaceRow::kCellCount] = {
    "Namn", "X1", "X2", "Y1", "Y2", "UVarde", "Mi", "TempUtsida", "YtTemp"};
const char* const kPointCells[TPointRow::kCellCount] = {"Xp", "Yp", "Zp"};

// The text fields of the general record and of a room, by name.
template <typename Record, typename Visit>
void GeneralFields(Record& r, Visit&& visit) {
  visit("FilVersion", r.FilVersion);
  visit("TextStorlek", r.TextStorlek);
  visit("Radavst", r.Radavst);
  visit("Signatur", r.Signatur);
  visit("Anl1", r.Anl1);
  visit("Anl2", r.Anl2);
  visit("Datum", r.Datum);
  visit("RevDatum", r.RevDatum);
}

template <typename Record, typename Visit>
void RoomFields(Record& r, Visit&& visit) {
  visit("RumsNamn", r.RumsNamn);
  visit("LuftHast", r.LuftHast);
  visit("IncROT", r.IncROT);
  visit("RumsTemp", r.RumsTemp);
  visit("Rot", r.Rot);
  visit("MinRot", r.MinRot);
  visit("WattPerKvmTak", r.WattPerKvmTak);
  visit("Temp05OG", r.Temp05OG);
  visit("Temp18OG", r.Temp18OG);
}

QString Caption(int s) {
  return QString::fromUtf8(kMainSurfaceCaptions[s].data(),
                           static_cast<qsizetype>(kMainSurfaceCaptions[s].size()));
}

template <std::size_t N>
QJsonValue Text(const ShortString<N>& field) {
  return QString::fromStdString(field.Text());
}

// --- Project to JSON ----------------------------------------------------

template <typename Row, std::size_t Rows, std::size_t Cells>
QJsonObject BlocksToJson(const std::array<std::array<Row, Rows>, kMainSurfaceCount>& blocks,
                         const char* const (&names)[Cells]) {
  QJsonObject result;
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    QJsonArray rows;
    for (std::size_t r = 0; r < Rows; ++r) {
      const Row& row = blocks[s][r];
      bool used = false;
      for (std::size_t c = 0; c < Cells; ++c) used = used || !row.cell(static_cast<int>(c)).Empty();
      if (!used) continue;
      QJsonObject cells{{QStringLiteral("rad"), static_cast<int>(r)}};
      for (std::size_t c = 0; c < Cells; ++c)
        cells[QLatin1String(names[c])] = Text(row.cell(static_cast<int>(c)));
      rows.append(cells);
    }
    result[Caption(s)] = rows;
  }
  return result;
}

QJsonObject RoomToJson(const TRoomRecord& room) {
  QJsonObject result;
  RoomFields(room, [&](const char* name, const auto& field) { result[QLatin1String(name)] = Text(field); });
  result[QStringLiteral("HeatSystem")] = room.HeatSystem.Get();
  result[QStringLiteral("Ytor")] = BlocksToJson(room.Ytor, kSurfaceCells);
  result[QStringLiteral("Punkter")] = BlocksToJson(room.Punkter, kPointCells);
  return result;
}

// --- JSON to project ----------------------------------------------------

[[noreturn]] void Fail(const QString& path, const QString& what) {
  throw ConverterError(QStringLiteral("Fel i JSON-dokumentet vid %1: %2").arg(path, what));
}

QJsonObject ObjectAt(const QJsonValue& value, const QString& path) {
  if (!value.isObject()) Fail(path, QStringLiteral("ska vara ett objekt"));
  return value.toObject();
}

// The value under `key`, or `fallback` when the key is missing.
QJsonValue ValueOr(const QJsonObject& object, const QString& key, const QJsonValue& fallback) {
  return object.contains(key) ? object[key] : fallback;
}

QJsonArray ArrayAt(const QJsonValue& value, const QString& path) {
  if (!value.isArray()) Fail(path, QStringLiteral("ska vara en lista"));
  return value.toArray();
}

// Refuses every key of `object` that is not in `known`.
void OnlyKnownKeys(const QJsonObject& object, const QStringList& known, const QString& path) {
  for (auto it = object.begin(); it != object.end(); ++it)
    if (!known.contains(it.key())) Fail(path + QLatin1Char('.') + it.key(), QStringLiteral("okänt fält"));
}

// A whole number in [min, max]; `fallback` when the key is missing.
int IntAt(const QJsonObject& object, const QString& key, int min, int max, int fallback,
          const QString& path) {
  if (!object.contains(key)) return fallback;
  const QJsonValue value = object[key];
  const double number = value.toDouble();
  if (!value.isDouble() || std::floor(number) != number || number < min || number > max)
    Fail(path + QLatin1Char('.') + key,
         QStringLiteral("ska vara ett heltal från %1 till %2").arg(min).arg(max));
  return static_cast<int>(number);
}

// A text field; a missing key leaves it empty.
template <std::size_t N>
void ReadText(const QJsonObject& object, const QString& key, ShortString<N>& field,
              const QString& path) {
  field = ShortString<N>{};
  if (!object.contains(key)) return;
  const QString where = path + QLatin1Char('.') + key;
  if (!object[key].isString()) Fail(where, QStringLiteral("ska vara en text"));
  const std::string text = object[key].toString().toStdString();
  if (!InCodePage(text)) Fail(where, QStringLiteral("texten har tecken som inte kan lagras"));
  if (Utf8ToAnsi(text).size() > N)
    Fail(where, QStringLiteral("texten är för lång, högst %1 tecken").arg(N));
  field.SetText(text);
}

template <typename Record, typename Fields>
void ReadFields(const QJsonObject& object, Record& record, Fields&& fields, const QString& path) {
  fields(record, [&](const char* name, auto& field) {
    ReadText(object, QLatin1String(name), field, path);
  });
}

template <typename Row, std::size_t Rows, std::size_t Cells>
void BlocksFromJson(const QJsonValue& value, std::array<std::array<Row, Rows>, kMainSurfaceCount>& blocks,
                    const char* const (&names)[Cells], const QString& path) {
  QStringList captions, cellKeys{QStringLiteral("rad")};
  for (int s = 0; s < kMainSurfaceCount; ++s) captions << Caption(s);
  for (const char* name : names) cellKeys << QLatin1String(name);
  const QJsonObject object = ObjectAt(value, path);
  OnlyKnownKeys(object, captions, path);
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    const QString blockPath = path + QLatin1Char('.') + captions[s];
    const QJsonArray rows = ArrayAt(ValueOr(object, captions[s], QJsonArray()), blockPath);
    QSet<int> seen;
    for (qsizetype i = 0; i < rows.size(); ++i) {
      const QString rowPath = blockPath + QStringLiteral("[%1]").arg(i);
      const QJsonObject cells = ObjectAt(rows[i], rowPath);
      OnlyKnownKeys(cells, cellKeys, rowPath);
      if (!cells.contains(QStringLiteral("rad"))) Fail(rowPath + QStringLiteral(".rad"), QStringLiteral("saknas"));
      const int r = IntAt(cells, QStringLiteral("rad"), 0, static_cast<int>(Rows) - 1, 0, rowPath);
      if (seen.contains(r)) Fail(rowPath + QStringLiteral(".rad"), QStringLiteral("raden finns redan"));
      seen.insert(r);
      for (std::size_t c = 0; c < Cells; ++c)
        ReadText(cells, QLatin1String(names[c]), blocks[s][r].cell(static_cast<int>(c)), rowPath);
    }
  }
}

TRoomRecord RoomFromJson(const QJsonValue& value, const QString& path) {
  const QJsonObject object = ObjectAt(value, path);
  QStringList known{QStringLiteral("HeatSystem"), QStringLiteral("Ytor"), QStringLiteral("Punkter")};
  TRoomRecord room{};
  RoomFields(room, [&](const char* name, auto&) { known << QLatin1String(name); });
  OnlyKnownKeys(object, known, path);
  ReadFields(object, room, [](auto& r, auto&& visit) { RoomFields(r, visit); }, path);
  room.HeatSystem.Set(IntAt(object, QStringLiteral("HeatSystem"), std::numeric_limits<std::int32_t>::min(),
                            std::numeric_limits<std::int32_t>::max(), 0, path));
  BlocksFromJson(ValueOr(object, QStringLiteral("Ytor"), QJsonObject()), room.Ytor, kSurfaceCells,
                 path + QStringLiteral(".Ytor"));
  BlocksFromJson(ValueOr(object, QStringLiteral("Punkter"), QJsonObject()), room.Punkter, kPointCells,
                 path + QStringLiteral(".Punkter"));
  return room;
}

// --- Files --------------------------------------------------------------

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw ConverterError(QStringLiteral("Kan inte läsa %1: %2").arg(path, file.errorString()));
  return file.readAll();
}

// Writes `bytes` by a temporary file that replaces `path` only when whole.
void WriteFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    throw ConverterError(QStringLiteral("Kan inte skriva %1: %2").arg(path, file.errorString()));
}

std::vector<TRoomRecord> RecordsFrom(const QByteArray& bytes, const QString& path) {
  if (bytes.isEmpty() || bytes.size() % static_cast<qsizetype>(kRecordSize) != 0)
    throw ConverterError(
        QStringLiteral("%1 är ingen projektfil: storleken är inte ett helt antal poster om %2 byte")
            .arg(path)
            .arg(kRecordSize));
  std::vector<TRoomRecord> records(static_cast<std::size_t>(bytes.size()) / kRecordSize);
  std::memcpy(records.data(), bytes.constData(), static_cast<std::size_t>(bytes.size()));
  return records;
}

QByteArray BytesOf(const std::vector<TRoomRecord>& records) {
  return QByteArray(reinterpret_cast<const char*>(records.data()),
                    static_cast<qsizetype>(records.size() * kRecordSize));
}

}  // namespace

QJsonDocument ProjectToJson(const std::vector<TRoomRecord>& records) {
  QJsonObject general;
  if (!records.empty())
    GeneralFields(records[0], [&](const char* name, const auto& field) {
      general[QLatin1String(name)] = Text(field);
    });
  QJsonArray rooms;
  for (std::size_t k = 1; k < records.size(); ++k) rooms.append(RoomToJson(records[k]));
  return QJsonDocument(QJsonObject{
      {QStringLiteral("typ"), kTyp}, {QStringLiteral("allmant"), general}, {QStringLiteral("rum"), rooms}});
}

std::vector<TRoomRecord> ProjectFromJson(const QJsonDocument& document) {
  if (!document.isObject()) Fail(QStringLiteral("dokumentet"), QStringLiteral("ska vara ett objekt"));
  const QJsonObject top = document.object();
  OnlyKnownKeys(top, {QStringLiteral("typ"), QStringLiteral("allmant"), QStringLiteral("rum")},
                QStringLiteral("dokumentet"));
  if (top[QStringLiteral("typ")].toString() != kTyp)
    Fail(QStringLiteral("typ"), QStringLiteral("ska vara \"%1\"").arg(kTyp));
  std::vector<TRoomRecord> records(1);
  const QJsonObject general = ObjectAt(top[QStringLiteral("allmant")], QStringLiteral("allmant"));
  QStringList known;
  GeneralFields(records[0], [&](const char* name, auto&) { known << QLatin1String(name); });
  OnlyKnownKeys(general, known, QStringLiteral("allmant"));
  ReadFields(general, records[0], [](auto& r, auto&& visit) { GeneralFields(r, visit); },
             QStringLiteral("allmant"));
  const QJsonArray rooms = ArrayAt(top[QStringLiteral("rum")], QStringLiteral("rum"));
  if (rooms.isEmpty() || rooms.size() > kMaxRooms)
    Fail(QStringLiteral("rum"),
         QStringLiteral("antalet rum är %1; en projektfil rymmer 1 till %2").arg(rooms.size()).arg(kMaxRooms));
  for (qsizetype k = 0; k < rooms.size(); ++k)
    records.push_back(RoomFromJson(rooms[k], QStringLiteral("rum[%1]").arg(k)));
  return records;
}

std::vector<TRoomRecord> ToVersion1(std::vector<TRoomRecord> records) {
  const int version = DerivedVersion(false);
  bool current = false;
  try {
    current = StoredFileVersion(records.at(0)) == version;
  } catch (const std::exception&) {
    // A version that is no number is another version.
  }
  if (current)
    throw ConverterError(
        QStringLiteral("Filen är redan av version %1 och behöver ingen konvertering").arg(version));
  records[0].FilVersion.SetText(std::to_string(version));
  return records;
}

bool SameFile(const QString& a, const QString& b) {
  const QFileInfo x(a), y(b);
  if (x.absoluteFilePath() == y.absoluteFilePath()) return true;
  return x.exists() && y.exists() && x.canonicalFilePath() == y.canonicalFilePath();
}

void Convert(Mode mode, const QString& in, const QString& out) {
  if (SameFile(in, out))
    throw ConverterError(QStringLiteral("Ut-filen får inte vara samma fil som in-filen"));
  const QByteArray bytes = ReadFile(in);
  switch (mode) {
    case Mode::Version1:
      WriteFile(out, BytesOf(ToVersion1(RecordsFrom(bytes, in))));
      return;
    case Mode::ToJson:
      WriteFile(out, ProjectToJson(RecordsFrom(bytes, in)).toJson(QJsonDocument::Indented));
      return;
    case Mode::FromJson: {
      QJsonParseError error{};
      const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
      if (error.error != QJsonParseError::NoError)
        throw ConverterError(QStringLiteral("%1 är inget giltigt JSON-dokument: %2 (vid tecken %3)")
                                  .arg(in, error.errorString())
                                  .arg(error.offset));
      WriteFile(out, BytesOf(ProjectFromJson(document)));
      return;
    }
  }
}

}  // namespace virano::omvandlare
