#include "widgets/TextLimits.h"

#include <QLineEdit>

#include "project/codepage.h"

namespace virano {

QValidator::State TAnsiValidator::validate(QString& input, int&) const {
  // Every byte a file holds reads as a character that is stored back as
  // that byte, so a text read from a file can always be edited.
  return InCodePage(input.toStdString()) ? Acceptable : Invalid;
}

void LimitText(QLineEdit* edit, int capacity) {
  edit->setValidator(new TAnsiValidator(edit));
  if (capacity > 0) edit->setMaxLength(capacity);
}

}  // namespace virano
