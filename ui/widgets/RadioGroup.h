#pragma once
// A group box of radio buttons with one chosen item.
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace virano {

// A group box of radio buttons with one chosen item (or none, -1). Click
// is emitted whenever an item becomes chosen, by the user or by
// SetItemIndex.
class TRadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);
  int ItemIndex() const;
  void SetItemIndex(int index);
  int Count() const;
  QRadioButton* Button(int index) const;
  // Lays the items out in `columns` columns, filling each column in turn.
  void SetColumns(int columns);

 signals:
  void Click();

 private:
  QButtonGroup* group_;
};

}  // namespace virano
