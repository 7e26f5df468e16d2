#pragma once
// What a box or a grid cell takes: no more characters than its record field
// holds, and only characters the project file's code page can store.
#include <QValidator>

class QLineEdit;

namespace virano {

// Refuses text with a character the code page lacks.
class TAnsiValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

// Limits `edit` to the code page and, when capacity > 0, to that many characters.
void LimitText(QLineEdit* edit, int capacity);

}  // namespace virano
