#pragma once
// Small controls the windows are built from: a tab control whose change can
// be refused, a radio group, an up-down control and a drawing area of shapes,
// and the window's colours.
#include <QColor>
#include <QGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>
#include <functional>
#include <vector>

#include "project/room_drawing.h"

class QButtonGroup;
class QLineEdit;
class QRadioButton;
class QToolButton;

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

class TPageControl;

// The tab bar of TPageControl: clicks, arrow keys and the wheel ask the
// page control before the tab changes.
class TTabBar : public QTabBar {
  Q_OBJECT
 public:
  explicit TTabBar(TPageControl* owner);
  // Every tab's width in pixels; 0 lets each tab size itself to its caption.
  void SetTabWidth(int width);
  int TabWidth() const { return tabWidth_; }

 protected:
  QSize tabSizeHint(int index) const override;
  QSize minimumTabSizeHint(int index) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  TPageControl* owner_;
  int tabWidth_ = 0;
};

// A tab control whose change of tab can be refused. A change the user makes
// (a click, the arrow keys on the tabs, Ctrl+Tab, Ctrl+Shift+Tab,
// Ctrl+PageDown, Ctrl+PageUp) or that SelectPage asks for runs OnChanging
// first, with the old tab shown; when it allows, the tab changes and
// OnChange runs with the new tab shown. setCurrentIndex() changes the tab
// without running either.
class TPageControl : public QTabWidget {
  Q_OBJECT
 public:
  explicit TPageControl(QWidget* parent = nullptr);

  // Changes to tab `index` as the user would; false when refused.
  bool SelectPage(int index);
  void SetTabWidth(int width) { bar_->SetTabWidth(width); }
  int TabWidth() const { return bar_->TabWidth(); }
  TTabBar* Bar() const { return bar_; }

  std::function<void(bool& allowChange)> OnChanging;
  std::function<void()> OnChange;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TTabBar* bar_;
};

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

// Two arrow buttons that step a position between Min and Max and write it
// into the associated box. OnChanging runs before a step and may refuse it.
class TUpDown : public QWidget {
  Q_OBJECT
 public:
  explicit TUpDown(QWidget* parent = nullptr);

  void SetAssociate(QLineEdit* associate);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  void SetMin(int min) { min_ = min; }
  void SetMax(int max) { max_ = max; }
  // Sets the position (clamped to Min..Max) and the associate's text, without OnChanging.
  void SetPosition(int position);
  // A step as a click on an arrow makes it: +1 or -1.
  void Step(int delta);

  std::function<void(bool& allowChange)> OnChanging;

 signals:
  void Click();

 private:
  QToolButton* down_;
  QToolButton* up_;
  QLineEdit* associate_ = nullptr;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

// A drawing area that paints a list of shapes over its background, in their
// order, also whenever it is uncovered. A click emits Click, every change of
// its size Resized.
class TPaintBox : public QWidget {
  Q_OBJECT
 public:
  explicit TPaintBox(QWidget* parent = nullptr);
  // Replaces the drawing; an empty list clears the area.
  void SetShapes(std::vector<Shape> shapes);
  // Draws `shapes` over the present drawing.
  void AddShapes(const std::vector<Shape>& shapes);
  const std::vector<Shape>& Shapes() const { return shapes_; }

 signals:
  void Click();
  void Resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::vector<Shape> shapes_;
};

}  // namespace virano
