#include "app/SkrivardialogTexter.h"

#include <QHash>

namespace virano {
namespace {

struct Text {
  const char* context;
  const char* source;
  const char* swedish;
};

// Qt's texts, as its widgets ask for them, and the program's Swedish.
constexpr Text kTexts[] = {
    {"QPrintDialog", "Print", "Skriv ut"},
    {"QPrintDialog", "&Print", "&Skriv ut"},
    {"QPrintDialog", "&Options >>", "&Alternativ >>"},
    {"QPrintDialog", "&Options <<", "&Alternativ <<"},
    {"QPrintDialog", "Print to File (PDF)", "Skriv ut till fil (PDF)"},
    {"QPrintDialog", "Print To File ...", "Skriv ut till fil ..."},
    {"QPrintDialog", "Local file", "Lokal fil"},
    {"QPrintDialog", "Write PDF file", "Skriv PDF-fil"},
    {"QPrintDialog", "All Pages", "Alla sidor"},
    {"QPrintDialog", "Odd Pages", "Udda sidor"},
    {"QPrintDialog", "Even Pages", "Jämna sidor"},
    {"QPrintDialog", "Left to Right, Top to Bottom", "Vänster till höger, uppifrån och ned"},
    {"QPrintDialog", "Left to Right, Bottom to Top", "Vänster till höger, nedifrån och upp"},
    {"QPrintDialog", "Right to Left, Bottom to Top", "Höger till vänster, nedifrån och upp"},
    {"QPrintDialog", "Right to Left, Top to Bottom", "Höger till vänster, uppifrån och ned"},
    {"QPrintDialog", "Bottom to Top, Left to Right", "Nedifrån och upp, vänster till höger"},
    {"QPrintDialog", "Bottom to Top, Right to Left", "Nedifrån och upp, höger till vänster"},
    {"QPrintDialog", "Top to Bottom, Left to Right", "Uppifrån och ned, vänster till höger"},
    {"QPrintDialog", "Top to Bottom, Right to Left", "Uppifrån och ned, höger till vänster"},
    {"QPrintDialog", "%1 is a directory.\nPlease choose a different file name.",
     "%1 är en mapp.\nVälj ett annat filnamn."},
    {"QPrintDialog", "File %1 is not writable.\nPlease choose a different file name.",
     "Filen %1 går inte att skriva.\nVälj ett annat filnamn."},
    {"QPrintDialog", "%1 already exists.\nDo you want to overwrite it?",
     "%1 finns redan.\nVill du skriva över den?"},
    {"QPrintDialog",
     "Options 'Pages Per Sheet' and 'Page Set' cannot be used together.\nPlease turn one of those "
     "options off.",
     "Alternativen 'Sidor per ark' och 'Sidurval' kan inte användas samtidigt.\nStäng av ett av "
     "dem."},
    {"QPrintWidget", "Printer", "Skrivare"},
    {"QPrintWidget", "&Name:", "&Namn:"},
    {"QPrintWidget", "P&roperties", "&Egenskaper"},
    {"QPrintWidget", "Location:", "Plats:"},
    {"QPrintWidget", "Preview", "Förhandsgranskning"},
    {"QPrintWidget", "Type:", "Typ:"},
    {"QPrintWidget", "Output &file:", "Utdata&fil:"},
    {"QPrintSettingsOutput", "Copies", "Kopior"},
    {"QPrintSettingsOutput", "Copies:", "Kopior:"},
    {"QPrintSettingsOutput", "Print range", "Utskriftsintervall"},
    {"QPrintSettingsOutput", "Print all", "Skriv ut alla"},
    {"QPrintSettingsOutput", "Pages from", "Sidor från"},
    {"QPrintSettingsOutput", "to", "till"},
    {"QPrintSettingsOutput", "Pages", "Sidor"},
    {"QPrintSettingsOutput", "Current Page", "Aktuell sida"},
    {"QPrintSettingsOutput", "Selection", "Markering"},
    {"QPrintSettingsOutput", "Page Set:", "Sidurval:"},
    {"QPrintSettingsOutput", "Collate", "Sortera"},
    {"QPrintSettingsOutput", "Reverse", "Omvänd ordning"},
    {"QPrintSettingsOutput", "Options", "Alternativ"},
    {"QPrintSettingsOutput", "Output Settings", "Utskriftsinställningar"},
    {"QPrintSettingsOutput", "Color Mode", "Färgläge"},
    {"QPrintSettingsOutput", "Color", "Färg"},
    {"QPrintSettingsOutput", "Grayscale", "Gråskala"},
    {"QPrintSettingsOutput", "Double Sided Printing", "Dubbelsidig utskrift"},
    {"QPrintSettingsOutput", "Off", "Av"},
    {"QPrintSettingsOutput", "Long side binding", "Bindning längs långsidan"},
    {"QPrintSettingsOutput", "Short side binding", "Bindning längs kortsidan"},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by "
     "a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "Ange sidor eller intervall åtskilda med kommatecken. Ett intervall är två tal med "
     "bindestreck emellan, t.ex. skriver 3,5-7,9 ut sidorna 3, 5, 6, 7 och 9."},
    {"QPrintPropertiesDialog", "Printer Properties", "Skrivarens egenskaper"},
    {"QPrintPropertiesDialog", "Job Options", "Utskriftsjobb"},
    {"QPrintPropertiesWidget", "Page", "Sida"},
    {"QPrintPropertiesWidget", "Advanced", "Avancerat"},
    {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
     "Några alternativ strider mot varandra. Rätta dem."},
    {"QPageSetupWidget", "Paper", "Papper"},
    {"QPageSetupWidget", "Page size:", "Pappersstorlek:"},
    {"QPageSetupWidget", "Width:", "Bredd:"},
    {"QPageSetupWidget", "Height:", "Höjd:"},
    {"QPageSetupWidget", "Paper source:", "Papperskälla:"},
    {"QPageSetupWidget", "Custom", "Anpassad"},
    {"QPageSetupWidget", "Orientation", "Orientering"},
    {"QPageSetupWidget", "Portrait", "Stående"},
    {"QPageSetupWidget", "Landscape", "Liggande"},
    {"QPageSetupWidget", "Reverse landscape", "Omvänt liggande"},
    {"QPageSetupWidget", "Reverse portrait", "Omvänt stående"},
    {"QPageSetupWidget", "Margins", "Marginaler"},
    {"QPageSetupWidget", "top margin", "övre marginal"},
    {"QPageSetupWidget", "left margin", "vänster marginal"},
    {"QPageSetupWidget", "right margin", "höger marginal"},
    {"QPageSetupWidget", "bottom margin", "nedre marginal"},
    {"QPageSetupWidget", "Page Layout", "Sidlayout"},
    {"QPageSetupWidget", "Page order:", "Sidordning:"},
    {"QPageSetupWidget", "Pages per sheet:", "Sidor per ark:"},
    {"QPageSetupWidget", "Millimeters (mm)", "Millimeter (mm)"},
    {"QPageSetupWidget", "Inches (in)", "Tum (in)"},
    {"QPageSetupWidget", "Points (pt)", "Punkter (pt)"},
    {"QCupsJobWidget", "Job", "Jobb"},
    {"QCupsJobWidget", "Job Control", "Jobbstyrning"},
    {"QCupsJobWidget", "Scheduled printing:", "Schemalagd utskrift:"},
    {"QCupsJobWidget", "Print Immediately", "Skriv ut direkt"},
    {"QCupsJobWidget", "Hold Indefinitely", "Vänta tills vidare"},
    {"QCupsJobWidget", "Day (06:00 to 17:59)", "Dag (06:00 till 17:59)"},
    {"QCupsJobWidget", "Night (18:00 to 05:59)", "Natt (18:00 till 05:59)"},
    {"QCupsJobWidget", "Second Shift (16:00 to 23:59)", "Andra skiftet (16:00 till 23:59)"},
    {"QCupsJobWidget", "Third Shift (00:00 to 07:59)", "Tredje skiftet (00:00 till 07:59)"},
    {"QCupsJobWidget", "Weekend (Saturday to Sunday)", "Helg (lördag till söndag)"},
    {"QCupsJobWidget", "Specific Time", "Vid angiven tid"},
    {"QCupsJobWidget", "Billing information:", "Debiteringsuppgifter:"},
    {"QCupsJobWidget", "Job priority:", "Jobbprioritet:"},
    {"QCupsJobWidget", "Banner Pages", "Försättsblad"},
    {"QCupsJobWidget", "Start:", "Början:"},
    {"QCupsJobWidget", "End:", "Slut:"},
    {"QCupsJobWidget", "None", "Inget"},
    {"QCupsJobWidget", "Unclassified", "Oklassificerad"},
    {"QCupsJobWidget", "Confidential", "Konfidentiell"},
    {"QCupsJobWidget", "Classified", "Klassificerad"},
    {"QCupsJobWidget", "Secret", "Hemlig"},
    {"QCupsJobWidget", "Top Secret", "Topphemlig"},
    // The standard buttons of the dialog and of its questions.
    {"QPlatformTheme", "Cancel", "Avbryt"},
    {"QPlatformTheme", "&Yes", "&Ja"},
    {"QPlatformTheme", "&No", "&Nej"},
};

QByteArray Key(const char* context, const char* source) {
  return QByteArray(context) + '\x1f' + QByteArray(source);
}

}  // namespace

QString TSkrivardialogTexter::translate(const char* context, const char* sourceText, const char*,
                                        int) const {
  static const QHash<QByteArray, QString> texts = [] {
    QHash<QByteArray, QString> table;
    for (const Text& text : kTexts)
      table.insert(Key(text.context, text.source), QString::fromUtf8(text.swedish));
    return table;
  }();
  if (context == nullptr || sourceText == nullptr) return {};
  return texts.value(Key(context, sourceText));
}

}  // namespace virano
