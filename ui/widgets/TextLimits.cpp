#include "widgets/TextLimits.h"

#include <QLineEdit>

#include "project/codepage.h"

namespace virano {

QValidator::State TAnsiValidator::validate(QString& input, int&) const {
  // A character the file held in a byte the code page leaves unassigned is
  // read as U+FFFD; it stays, so that the rest of the text can be edited.
  QString text = input;
  text.remove(QChar::ReplacementCharacter);
  return InCodePage(text.toStdString()) ? Acceptable : Invalid;
}

void LimitText(QLineEdit* edit, int capacity) {
  edit->setValidator(new TAnsiValidator(edit));
  if (capacity > 0) edit->setMaxLength(capacity);
}

}  // namespace virano
