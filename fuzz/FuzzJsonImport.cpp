// Omvandlare's JSON import of any bytes: a document that is refused is
// refused with the converter's own error; a project it makes is exported and
// imported again to the same records.
#include <QByteArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <cstring>

#include "FuzzSupport.h"
#include "Omvandling.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace virano;
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(
      QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), &error);
  if (error.error != QJsonParseError::NoError) return 0;
  std::vector<TRoomRecord> records;
  try {
    records = omvandlare::ProjectFromJson(document);
  } catch (const omvandlare::ConverterError&) {
    return 0;
  }
  const auto again = omvandlare::ProjectFromJson(QJsonDocument::fromJson(omvandlare::ProjectToJson(records)));
  if (again.size() != records.size() ||
      std::memcmp(again.data(), records.data(), records.size() * sizeof(TRoomRecord)) != 0)
    fuzz::Broken("an imported project exported and imported again differs");
  return 0;
}
