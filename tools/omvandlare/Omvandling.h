#pragma once
// The file converter's work, free of any window: a project of another
// version made a version-1 project, and a project to a readable JSON
// document and back.
#include <QJsonDocument>
#include <QString>
#include <stdexcept>
#include <vector>

#include "project/record.h"

namespace virano::omvandlare {

// A file or document that cannot be converted; the text says why, in Swedish,
// and names the file or the JSON field.
class ConverterError : public std::runtime_error {
 public:
  explicit ConverterError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

enum class Mode { Version1, ToJson, FromJson };

// A project as the text of a JSON document: the general data, then each
// room with its fields and its six surface and six point blocks (rows holding
// text only), every key in the record's order.
QByteArray ProjectToJson(const std::vector<TRoomRecord>& records);

// The records of a project from its JSON document; ConverterError with the
// path of the first field that is missing, wrong, too long or out of range.
std::vector<TRoomRecord> ProjectFromJson(const QJsonDocument& document);

// The records of a project of another version with the version of this
// program; ConverterError when it is this program's version already.
std::vector<TRoomRecord> ToVersion1(std::vector<TRoomRecord> records);

// Converts the file `in` into `out` by `mode`. `out` is written whole or
// not at all, and `in` is never changed. A file that cannot be read or
// written is told with the system's reason in the user's language.
void Convert(Mode mode, const QString& in, const QString& out);

// True when both names lead to one file.
bool SameFile(const QString& a, const QString& b);

}  // namespace virano::omvandlare
