#include "app/Application.h"

#include <QMessageBox>
#include <exception>

#include "app/Dialogs.h"

namespace virano {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("VIRANO"));
  setStyle(QStringLiteral("Fusion"));
  // The program speaks Swedish whatever the locale: so do Qt's own dialogs.
  LoadSwedishQtTexts();
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowException(QString::fromUtf8(error.what()));
  } catch (...) {
    ShowException(QStringLiteral("Okänt fel"));
  }
  return true;
}

void TApplication::ShowException(const QString& text) {
  if (errorDialogs_ != nullptr) {
    errorDialogs_->Message(text, MessageKind::Error);
    return;
  }
  QMessageBox::critical(activeWindow(), QStringLiteral("Fel"), MessageText(text));
}

}  // namespace virano
