#include "widgets/Colours.h"

#include <QApplication>
#include <QWidget>

namespace virano {

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  // Disabled controls keep the style's grey.
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Active, role, colour);
  palette.setColor(QPalette::Inactive, role, colour);
  widget->setPalette(palette);
}

void MarkField(QWidget* field, bool wrong) {
  const QColor window = QApplication::palette().color(QPalette::Base);
  SetColour(field, QPalette::Base, wrong ? colours::kRed : window);
}

void SetButtonFace(QWidget* field) {
  SetColour(field, QPalette::Base, QApplication::palette().color(QPalette::Button));
}

}  // namespace virano
