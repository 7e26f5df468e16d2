#include "widgets/ComboChoice.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QTimer>

namespace virano {

void OnListChoice(QComboBox* box, std::function<void()> action) {
  struct Filter : QObject {
    bool finishing = false;  // the box is finishing a typed text
    bool eventFilter(QObject*, QEvent* event) override {
      const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
      const bool finishes = event->type() == QEvent::FocusOut ||
                            (key != nullptr && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter));
      if (finishes && !finishing) {
        finishing = true;
        QTimer::singleShot(0, this, [this] { finishing = false; });
      }
      return false;
    }
  };
  auto* filter = new Filter;
  filter->setParent(box);
  box->installEventFilter(filter);
  QObject::connect(box, &QComboBox::activated, filter, [filter, action = std::move(action)] {
    if (!filter->finishing) action();
  });
}

}  // namespace virano
