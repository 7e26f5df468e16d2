// Qt's own dialogs in Swedish: its Swedish catalogue, and the texts of the
// file dialogs and of the print dialog that the catalogue lacks.
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <map>
#include <string_view>
#include <utility>

#include "app/Dialogs.h"
#include "app/SkrivardialogTexter.h"

namespace virano {
namespace {

using Key = std::pair<std::string_view, std::string_view>;  // context, source text

// The texts of the file dialogs that Qt's Swedish catalogue lacks.
const std::map<Key, const char*>& FileDialogTexts() {
  static const std::map<Key, const char*> texts = {
      {{"QFileDialog", "Look in:"}, "Leta i:"},
      {{"QFileDialog", "&New Folder"}, "&Ny mapp"},
      {{"QFileDialog", "Create a New Folder"}, "Skapa en ny mapp"},
      {{"QFileDialog", "Change to detail view mode"}, "Byt till detaljerad vy"},
      {{"QFileDialog", "Change to list view mode"}, "Byt till listvy"},
      {{"QFileDialog", "Go back"}, "Gå tillbaka"},
      {{"QFileDialog", "Go forward"}, "Gå framåt"},
      {{"QFileDialog", "Go to the parent directory"}, "Gå till överordnad mapp"},
      {{"QFileDialog", "Show "}, "Visa "},
      {{"QFileDialog", "Files"}, "Filer"},
      {{"QFileDialog", "Sidebar"}, "Sidopanel"},
      {{"QFileDialog", "List of places and bookmarks"}, "Platser och bokmärken"},
      {{"QFileSystemModel", "Computer"}, "Dator"},
      {{"QAbstractFileIconProvider", "Drive"}, "Enhet"},
      {{"QAbstractFileIconProvider", "Folder"}, "Mapp"},
      {{"QPlatformTheme", "Open"}, "Öppna"},
      {{"QPlatformTheme", "Save"}, "Spara"},
  };
  return texts;
}

class TFileDialogTexts : public QTranslator {
 public:
  using QTranslator::QTranslator;
  QString translate(const char* context, const char* sourceText, const char*, int) const override {
    if (context == nullptr || sourceText == nullptr) return {};
    const auto found = FileDialogTexts().find({context, sourceText});
    return found == FileDialogTexts().end() ? QString() : QString::fromUtf8(found->second);
  }
  bool isEmpty() const override { return false; }
};

}  // namespace

void LoadSwedishQtTexts() {
  auto* catalogue = new QTranslator(QCoreApplication::instance());
  if (catalogue->load(QStringLiteral("qt_sv"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(catalogue);
  QCoreApplication::installTranslator(new TSkrivardialogTexter(QCoreApplication::instance()));
  QCoreApplication::installTranslator(new TFileDialogTexts(QCoreApplication::instance()));
}

}  // namespace virano
