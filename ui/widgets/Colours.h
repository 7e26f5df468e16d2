#pragma once
// The window's colours, and the red of a field whose content is wrong.
#include <QColor>
#include <QPalette>

class QWidget;

namespace virano {

// The window's colours.
namespace colours {
inline const QColor kMaroon{0x80, 0x00, 0x00};  // group captions, labels of input groups
inline const QColor kBlue{0x00, 0x00, 0xff};    // text of edits, combo boxes and grids
inline const QColor kNavy{0x00, 0x00, 0x80};    // captions of the file-handling buttons
inline const QColor kRed{0xff, 0x00, 0x00};     // a wrong or missing field
}  // namespace colours

// Sets one colour role of a widget (and so of its children).
void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);
// Paints a field red while its content is wrong or missing, else in the
// system's window colour.
void MarkField(QWidget* field, bool wrong);
// Gives a read-only field the button-face colour.
void SetButtonFace(QWidget* field);

}  // namespace virano
