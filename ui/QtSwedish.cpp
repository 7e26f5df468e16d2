// Qt's own dialogs in Swedish: its Swedish catalogue, and the texts of the
// file and printer dialogs that the catalogue lacks.
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <map>
#include <string_view>
#include <utility>

#include "Dialogs.h"

namespace virano {
namespace {

using Key = std::pair<std::string_view, std::string_view>;  // context, source text

// The texts of the file and printer dialogs that Qt's Swedish catalogue lacks.
const std::map<Key, const char*>& MissingTexts() {
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
      {{"QPlatformTheme", "OK"}, "OK"},
      {{"QPlatformTheme", "Open"}, "Öppna"},
      {{"QPlatformTheme", "Save"}, "Spara"},
      {{"QPlatformTheme", "Cancel"}, "Avbryt"},
      {{"QPlatformTheme", "Close"}, "Stäng"},
      {{"QPlatformTheme", "Yes"}, "Ja"},
      {{"QPlatformTheme", "No"}, "Nej"},
      {{"QPrintDialog", "&Print"}, "&Skriv ut"},
      {{"QPrintDialog", "&Options >>"}, "&Alternativ >>"},
      {{"QPrintDialog", "&Options <<"}, "&Alternativ <<"},
      {{"QPrintDialog", "All Pages"}, "Alla sidor"},
      {{"QPrintDialog", "Odd Pages"}, "Udda sidor"},
      {{"QPrintDialog", "Even Pages"}, "Jämna sidor"},
      {{"QPrintDialog", "Local file"}, "Lokal fil"},
      {{"QPrintDialog", "Print to File (PDF)"}, "Skriv till fil (PDF)"},
      {{"QPrintDialog", "Write PDF file"}, "Skriver en PDF-fil"},
      {{"QPrintDialog", "Left to Right, Top to Bottom"}, "Vänster till höger, uppifrån och ned"},
      {{"QPrintDialog", "Left to Right, Bottom to Top"}, "Vänster till höger, nedifrån och upp"},
      {{"QPrintDialog", "Right to Left, Bottom to Top"}, "Höger till vänster, nedifrån och upp"},
      {{"QPrintDialog", "Right to Left, Top to Bottom"}, "Höger till vänster, uppifrån och ned"},
      {{"QPrintDialog", "Bottom to Top, Left to Right"}, "Nedifrån och upp, vänster till höger"},
      {{"QPrintDialog", "Bottom to Top, Right to Left"}, "Nedifrån och upp, höger till vänster"},
      {{"QPrintDialog", "Top to Bottom, Left to Right"}, "Uppifrån och ned, vänster till höger"},
      {{"QPrintDialog", "Top to Bottom, Right to Left"}, "Uppifrån och ned, höger till vänster"},
      {{"QPrintWidget", "&Name:"}, "&Namn:"},
      {{"QPrintWidget", "P&roperties"}, "&Egenskaper"},
      {{"QPrintWidget", "Location:"}, "Plats:"},
      {{"QPrintWidget", "Type:"}, "Typ:"},
      {{"QPrintWidget", "Output &file:"}, "&Utskriftsfil:"},
      {{"QPrintWidget", "Preview"}, "Förhandsgranska"},
      {{"QPrintSettingsOutput", "Options"}, "Alternativ"},
      {{"QPrintSettingsOutput", "Output Settings"}, "Utskrift"},
      {{"QPrintSettingsOutput", "Copies:"}, "Kopior:"},
      {{"QPrintSettingsOutput", "Reverse"}, "Omvänd ordning"},
      {{"QPrintSettingsOutput", "Pages"}, "Sidor"},
      {{"QPrintSettingsOutput", "Page Set:"}, "Sidurval:"},
      {{"QPrintSettingsOutput", "Current Page"}, "Aktuell sida"},
      {{"QPrintSettingsOutput", "Color Mode"}, "Färgläge"},
      {{"QPrintSettingsOutput", "Color"}, "Färg"},
      {{"QPrintSettingsOutput", "Grayscale"}, "Gråskala"},
      {{"QPrintSettingsOutput", "Double Sided Printing"}, "Dubbelsidig utskrift"},
      {{"QPrintSettingsOutput", "Off"}, "Av"},
      {{"QPrintSettingsOutput", "Long side binding"}, "Bindning längs långsidan"},
      {{"QPrintSettingsOutput", "Short side binding"}, "Bindning längs kortsidan"},
      {{"QPrintSettingsOutput",
        "Specify pages or ranges separated by commas. Ranges are specified by two numbers "
        "separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9."},
       "Ange sidor eller intervall åtskilda med kommatecken. Ett intervall anges med två tal och "
       "ett bindestreck emellan; 3,5-7,9 skriver till exempel ut sidorna 3, 5, 6, 7 och 9."},
      {{"QPrintPropertiesDialog", "Printer Properties"}, "Skrivaregenskaper"},
      {{"QPrintPropertiesDialog", "Job Options"}, "Utskriftsjobb"},
      {{"QPrintPropertiesWidget", "Page"}, "Sida"},
      {{"QPrintPropertiesWidget", "Advanced"}, "Avancerat"},
      {{"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them."},
       "Några alternativ strider mot varandra. Rätta dem."},
      {{"QPageSetupWidget", "Paper"}, "Papper"},
      {{"QPageSetupWidget", "Width:"}, "Bredd:"},
      {{"QPageSetupWidget", "Height:"}, "Höjd:"},
      {{"QPageSetupWidget", "Custom"}, "Anpassad"},
      {{"QPageSetupWidget", "Orientation"}, "Orientering"},
      {{"QPageSetupWidget", "Reverse portrait"}, "Omvänt stående"},
      {{"QPageSetupWidget", "Reverse landscape"}, "Omvänt liggande"},
      {{"QPageSetupWidget", "Margins"}, "Marginaler"},
      {{"QPageSetupWidget", "top margin"}, "övre marginal"},
      {{"QPageSetupWidget", "bottom margin"}, "nedre marginal"},
      {{"QPageSetupWidget", "left margin"}, "vänster marginal"},
      {{"QPageSetupWidget", "right margin"}, "höger marginal"},
      {{"QPageSetupWidget", "Page Layout"}, "Sidlayout"},
      {{"QPageSetupWidget", "Pages per sheet:"}, "Sidor per ark:"},
      {{"QPageSetupWidget", "Page order:"}, "Sidordning:"},
      {{"QPageSetupWidget", "Millimeters (mm)"}, "Millimeter (mm)"},
      {{"QPageSetupWidget", "Inches (in)"}, "Tum (in)"},
      {{"QPageSetupWidget", "Points (pt)"}, "Punkter (pt)"},
      {{"QCupsJobWidget", "Job"}, "Jobb"},
      {{"QCupsJobWidget", "Job Control"}, "Jobbstyrning"},
      {{"QCupsJobWidget", "Scheduled printing:"}, "Schemalagd utskrift:"},
      {{"QCupsJobWidget", "Print Immediately"}, "Skriv ut genast"},
      {{"QCupsJobWidget", "Hold Indefinitely"}, "Vänta tills vidare"},
      {{"QCupsJobWidget", "Day (06:00 to 17:59)"}, "Dag (06:00 till 17:59)"},
      {{"QCupsJobWidget", "Night (18:00 to 05:59)"}, "Natt (18:00 till 05:59)"},
      {{"QCupsJobWidget", "Second Shift (16:00 to 23:59)"}, "Andra skiftet (16:00 till 23:59)"},
      {{"QCupsJobWidget", "Third Shift (00:00 to 07:59)"}, "Tredje skiftet (00:00 till 07:59)"},
      {{"QCupsJobWidget", "Weekend (Saturday to Sunday)"}, "Helg (lördag till söndag)"},
      {{"QCupsJobWidget", "Specific Time"}, "Angiven tid"},
      {{"QCupsJobWidget", "Billing information:"}, "Debiteringsuppgift:"},
      {{"QCupsJobWidget", "Job priority:"}, "Jobbprioritet:"},
      {{"QCupsJobWidget", "Banner Pages"}, "Försättsblad"},
      {{"QCupsJobWidget", "Start:"}, "Början:"},
      {{"QCupsJobWidget", "End:"}, "Slut:"},
      {{"QCupsJobWidget", "None"}, "Inget"},
      {{"QCupsJobWidget", "Standard"}, "Standard"},
      {{"QCupsJobWidget", "Unclassified"}, "Ej klassificerad"},
      {{"QCupsJobWidget", "Confidential"}, "Konfidentiell"},
      {{"QCupsJobWidget", "Classified"}, "Klassificerad"},
      {{"QCupsJobWidget", "Secret"}, "Hemlig"},
      {{"QCupsJobWidget", "Top Secret"}, "Kvalificerat hemlig"},
  };
  return texts;
}

class TMissingTexts : public QTranslator {
 public:
  using QTranslator::QTranslator;
  QString translate(const char* context, const char* sourceText, const char*, int) const override {
    if (context == nullptr || sourceText == nullptr) return {};
    const auto found = MissingTexts().find({context, sourceText});
    return found == MissingTexts().end() ? QString() : QString::fromUtf8(found->second);
  }
  bool isEmpty() const override { return false; }
};

}  // namespace

void LoadSwedishQtTexts() {
  auto* catalogue = new QTranslator(QCoreApplication::instance());
  if (catalogue->load(QStringLiteral("qt_sv"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(catalogue);
  QCoreApplication::installTranslator(new TMissingTexts(QCoreApplication::instance()));
}

}  // namespace virano
