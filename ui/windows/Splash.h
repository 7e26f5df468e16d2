#pragma once
// The splash window shown while the program starts.
#include <QWidget>

class QLabel;

namespace virano {

// Borderless, 341 × 256 pixels, centred on the screen, wholly filled by one
// picture. It deletes itself when closed.
class TSplashForm : public QWidget {
  Q_OBJECT
 public:
  explicit TSplashForm(QWidget* parent = nullptr);
  QLabel* Image1;
};

}  // namespace virano
