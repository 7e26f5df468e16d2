#pragma once
// Small conversions shared by the handlers that reach the project file:
// record text fields to and from the window, the project file's path and
// today's date.
#include <QDate>
#include <QFile>
#include <QLocale>
#include <QString>
#include <filesystem>
#include <string_view>

#include "project/record.h"
#include "project/recordfile.h"

namespace virano {

// A text of the program's own, such as a caption or a heading.
inline QString Utf8Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <std::size_t N>
QString FieldText(const ShortString<N>& field) {
  return QString::fromStdString(field.Text());
}

// Stores the text, cut to the field's width.
template <std::size_t N>
void SetField(ShortString<N>& field, const QString& text) {
  field.SetText(text.toStdString());
}

inline std::filesystem::path FilePath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// The project file of the project whose path without extension is `filNamn`.
inline ProjectFile ProjektFil(const QString& filNamn) {
  return ProjectFile(FilePath(filNamn + QStringLiteral(".rot")));
}

// Today's date in the system's short date format.
inline QString Idag() { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); }

}  // namespace virano
