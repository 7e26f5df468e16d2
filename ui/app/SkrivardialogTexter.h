#pragma once
// Swedish texts for Qt's print dialog, its properties dialog and their
// messages, which Qt's own Swedish catalogue leaves in English. Installed
// after that catalogue, so that the whole dialog speaks one language.
#include <QTranslator>

namespace virano {

class TSkrivardialogTexter : public QTranslator {
 public:
  using QTranslator::QTranslator;
  QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                    int n = -1) const override;
  bool isEmpty() const override { return false; }
};

}  // namespace virano
