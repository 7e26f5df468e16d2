#pragma once
// The PDF file a report is printed to: checked before anything is printed,
// so that no other file is ever replaced by a report, and written whole or
// not at all.
#include <QByteArray>
#include <optional>
#include <string>

namespace virano {

// Why a report may not be written to `target`, as a sentence naming it; nothing
// when it may: the file does not exist yet, is empty, or is a PDF file (a
// symbolic link is judged by the file it leads to). A folder, a device and a
// file of any other kind are refused.
std::optional<std::string> PdfTargetProblem(const std::string& target);

// Writes the document `pdf` to `target`: beside the file that `target` names,
// or that its symbolic link leads to (the link stays), under a temporary name
// that takes the file's name once every byte is written and flushed to disk.
// In a folder that takes no new files, a writable file is written in place.
// PrintError with the system's reason when any step fails; no temporary file
// is left, and the earlier file of that name is kept.
void WritePdfFile(const std::string& target, const QByteArray& pdf);

}  // namespace virano
