#include "Omvandling.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>

#include "project/numbers.h"
#include "project/recordfile.h"

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

// --- Project to JSON ----------------------------------------------------

// A JSON value whose objects keep their members in the order they were
// added: the record's order.
struct NodeMember;
struct Node {
  enum Kind { String, Number, Object, Array } kind = Object;
  QString string;
  qint64 number = 0;
  std::vector<NodeMember> members;  // an object's
  std::vector<Node> items;          // an array's

  static Node Of(const QString& text);
  static Node Of(qint64 value);
  static Node List();
  void Add(const QString& key, Node value);
};

struct NodeMember {
  QString key;
  Node value;
};

// Defined once NodeMember is complete.
Node Node::Of(const QString& text) { return {String, text, 0, {}, {}}; }
Node Node::Of(qint64 value) { return {Number, {}, value, {}, {}}; }
Node Node::List() { return {Array, {}, 0, {}, {}}; }
void Node::Add(const QString& key, Node value) { members.push_back({key, std::move(value)}); }

template <std::size_t N>
Node Text(const ShortString<N>& field) {
  return Node::Of(QString::fromStdString(field.Text()));
}

// A string in quotes: quotes and backslashes escaped, and the control
// characters (C0, DEL and C1, which stand for bytes the code page leaves
// unassigned) written as \u00XX so that they show.
void WriteString(const QString& text, QByteArray& out) {
  QString escaped;
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u == '"' || u == '\\')
      escaped += QLatin1Char('\\') + c;
    else if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
      escaped += QStringLiteral("\\u%1").arg(static_cast<int>(u), 4, 16, QLatin1Char('0'));
    else
      escaped += c;
  }
  out += '"' + escaped.toUtf8() + '"';
}

void Write(const Node& node, int depth, QByteArray& out) {
  const QByteArray inner((depth + 1) * 4, ' '), outer(depth * 4, ' ');
  switch (node.kind) {
    case Node::String:
      WriteString(node.string, out);
      return;
    case Node::Number:
      out += QByteArray::number(node.number);
      return;
    case Node::Object:
      if (node.members.empty()) {
        out += "{}";
        return;
      }
      out += "{\n";
      for (std::size_t i = 0; i < node.members.size(); ++i) {
        out += inner;
        WriteString(node.members[i].key, out);
        out += ": ";
        Write(node.members[i].value, depth + 1, out);
        out += i + 1 < node.members.size() ? ",\n" : "\n";
      }
      out += outer + "}";
      return;
    case Node::Array:
      if (node.items.empty()) {
        out += "[]";
        return;
      }
      out += "[\n";
      for (std::size_t i = 0; i < node.items.size(); ++i) {
        out += inner;
        Write(node.items[i], depth + 1, out);
        out += i + 1 < node.items.size() ? ",\n" : "\n";
      }
      out += outer + "]";
      return;
  }
}

template <typename Row, std::size_t Rows, std::size_t Cells>
Node BlocksToJson(const std::array<std::array<Row, Rows>, kMainSurfaceCount>& blocks,
                  const char* const (&names)[Cells]) {
  Node result;
  for (int s = 0; s < kMainSurfaceCount; ++s) {
    Node rows = Node::List();
    for (std::size_t r = 0; r < Rows; ++r) {
      const Row& row = blocks[s][r];
      bool used = false;
      for (std::size_t c = 0; c < Cells; ++c) used = used || !row.cell(static_cast<int>(c)).Empty();
      if (!used) continue;
      Node cells;
      cells.Add(QStringLiteral("rad"), Node::Of(static_cast<qint64>(r)));
      for (std::size_t c = 0; c < Cells; ++c)
        cells.Add(QLatin1String(names[c]), Text(row.cell(static_cast<int>(c))));
      rows.items.push_back(std::move(cells));
    }
    result.Add(Caption(s), std::move(rows));
  }
  return result;
}

Node RoomToJson(const TRoomRecord& room) {
  Node result;
  RoomFields(room, [&](const char* name, const auto& field) {
    result.Add(QLatin1String(name), Text(field));
    // The heating system lies between MinRot and WattPerKvmTak.
    if (std::strcmp(name, "MinRot") == 0)
      result.Add(QStringLiteral("HeatSystem"), Node::Of(qint64{room.HeatSystem.Get()}));
  });
  result.Add(QStringLiteral("Ytor"), BlocksToJson(room.Ytor, kSurfaceCells));
  result.Add(QStringLiteral("Punkter"), BlocksToJson(room.Punkter, kPointCells));
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

// The path of `key` in the object at `path`.
QString Member(const QString& path, const QString& key) {
  return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

// The value under `key`; every key is needed, a missing one is refused.
QJsonValue Required(const QJsonObject& object, const QString& key, const QString& path) {
  if (!object.contains(key)) Fail(Member(path, key), QStringLiteral("saknas"));
  return object[key];
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

// A whole number in [min, max].
int IntAt(const QJsonObject& object, const QString& key, int min, int max, const QString& path) {
  const QJsonValue value = Required(object, key, path);
  const double number = value.toDouble();
  if (!value.isDouble() || std::floor(number) != number || number < min || number > max)
    Fail(path + QLatin1Char('.') + key,
         QStringLiteral("ska vara ett heltal från %1 till %2").arg(min).arg(max));
  return static_cast<int>(number);
}

// A text field.
template <std::size_t N>
void ReadText(const QJsonObject& object, const QString& key, ShortString<N>& field,
              const QString& path) {
  const QJsonValue value = Required(object, key, path);
  const QString where = Member(path, key);
  if (!value.isString()) Fail(where, QStringLiteral("ska vara en text"));
  const std::string text = value.toString().toStdString();
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
    const QJsonArray rows = ArrayAt(Required(object, captions[s], path), blockPath);
    QSet<int> seen;
    for (qsizetype i = 0; i < rows.size(); ++i) {
      const QString rowPath = blockPath + QStringLiteral("[%1]").arg(i);
      const QJsonObject cells = ObjectAt(rows[i], rowPath);
      OnlyKnownKeys(cells, cellKeys, rowPath);
      const int r = IntAt(cells, QStringLiteral("rad"), 0, static_cast<int>(Rows) - 1, rowPath);
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
                            std::numeric_limits<std::int32_t>::max(), path));
  BlocksFromJson(Required(object, QStringLiteral("Ytor"), path), room.Ytor, kSurfaceCells,
                 Member(path, QStringLiteral("Ytor")));
  BlocksFromJson(Required(object, QStringLiteral("Punkter"), path), room.Punkter, kPointCells,
                 Member(path, QStringLiteral("Punkter")));
  return room;
}

// --- Files --------------------------------------------------------------

// A file that cannot be read or written: the system's reason, in the
// language of the user's locale.
[[noreturn]] void FileFailure(const char* what, const QString& path, int error) {
  throw ConverterError(QStringLiteral("%1 %2: %3")
                           .arg(QString::fromUtf8(what), path, QString::fromLocal8Bit(std::strerror(error))));
}

QByteArray ReadFile(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) FileFailure("Kan inte läsa", path, errno);
  QByteArray bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      const int error = errno;
      ::close(fd);
      FileFailure("Kan inte läsa", path, error);
    }
    if (got == 0) break;
    bytes.append(buffer, got);
  }
  ::close(fd);
  return bytes;
}

// Writes `bytes` by a temporary file that replaces `path` only when whole
// (in place where the folder takes no new file).
void WriteFile(const QString& path, const QByteArray& bytes) {
  try {
    rawrecords::ReplaceAll(std::filesystem::path(QFile::encodeName(path).toStdString()),
                           bytes.constData(), static_cast<std::size_t>(bytes.size()));
  } catch (const FileError& error) {
    throw ConverterError(
        QStringLiteral("Kan inte skriva %1: %2").arg(path, QString::fromStdString(error.reason())));
  }
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

QByteArray ProjectToJson(const std::vector<TRoomRecord>& records) {
  Node general;
  if (!records.empty())
    GeneralFields(records[0], [&](const char* name, const auto& field) {
      general.Add(QLatin1String(name), Text(field));
    });
  Node rooms = Node::List();
  for (std::size_t k = 1; k < records.size(); ++k) rooms.items.push_back(RoomToJson(records[k]));
  Node document;
  document.Add(QStringLiteral("typ"), Node::Of(kTyp));
  document.Add(QStringLiteral("allmant"), std::move(general));
  document.Add(QStringLiteral("rum"), std::move(rooms));
  QByteArray text;
  Write(document, 0, text);
  return text + '\n';
}

std::vector<TRoomRecord> ProjectFromJson(const QJsonDocument& document) {
  if (!document.isObject()) Fail(QStringLiteral("dokumentet"), QStringLiteral("ska vara ett objekt"));
  const QJsonObject top = document.object();
  OnlyKnownKeys(top, {QStringLiteral("typ"), QStringLiteral("allmant"), QStringLiteral("rum")},
                QStringLiteral("dokumentet"));
  if (Required(top, QStringLiteral("typ"), {}).toString() != kTyp)
    Fail(QStringLiteral("typ"), QStringLiteral("ska vara \"%1\"").arg(kTyp));
  std::vector<TRoomRecord> records(1);
  const QJsonObject general = ObjectAt(Required(top, QStringLiteral("allmant"), {}), QStringLiteral("allmant"));
  QStringList known;
  GeneralFields(records[0], [&](const char* name, auto&) { known << QLatin1String(name); });
  OnlyKnownKeys(general, known, QStringLiteral("allmant"));
  ReadFields(general, records[0], [](auto& r, auto&& visit) { GeneralFields(r, visit); },
             QStringLiteral("allmant"));
  const QJsonArray rooms = ArrayAt(Required(top, QStringLiteral("rum"), {}), QStringLiteral("rum"));
  // A project of its general data alone is one too.
  if (rooms.size() > kMaxRooms)
    Fail(QStringLiteral("rum"),
         QStringLiteral("antalet rum är %1; en projektfil rymmer högst %2").arg(rooms.size()).arg(kMaxRooms));
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
      WriteFile(out, ProjectToJson(RecordsFrom(bytes, in)));
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
