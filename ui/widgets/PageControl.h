#pragma once
// A tab control whose change of tab can be refused, and its tab bar.
#include <QTabBar>
#include <QTabWidget>
#include <functional>

namespace virano {

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

}  // namespace virano
