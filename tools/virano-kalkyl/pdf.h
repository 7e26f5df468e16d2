#pragma once
// virano-kalkyl --pdf: a project's printed reports written to a PDF file,
// as the window's print job writes them on an A4 PDF printer.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace virano {

struct PdfOptions {
  std::optional<std::string> file;  // --pdf RAPPORT.pdf
  bool indata = false;              // --indata
  bool resultat = false;            // --resultat
  bool vaggvyer = false;            // --vaggvyer
  std::string error;                // what was wrong with the options
};

// Takes --pdf RAPPORT.pdf, --indata, --resultat and --vaggvyer out of `args`.
PdfOptions TakePdfOptions(std::vector<std::string>& args);

// Prints the chosen reports (none chosen: all four; --detalj chooses the
// detailed results) of room `room`, or of every named room, of a project
// whose version was checked. Returns the exit status; a failure's message
// goes to standard error.
int WritePdf(const PdfOptions& options, bool detalj, const std::filesystem::path& project,
             std::optional<int> room, bool decimalPunkt);

}  // namespace virano
