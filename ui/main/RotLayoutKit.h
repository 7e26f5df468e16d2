#pragma once
// Helpers the tab builders share: named controls in the window's colours.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "widgets/Colours.h"
#include "widgets/TextLimits.h"

namespace virano::layout {

// Every control gets its name as object name, so it can be found by it.
template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

// A group box with a maroon caption; its labels are maroon too.
inline QGroupBox* Group(const char* name, const QString& caption, QWidget* parent) {
  auto* group = Named(new QGroupBox(caption, parent), name);
  SetColour(group, QPalette::WindowText, colours::kMaroon);
  return group;
}

// A one-line edit with its default text that takes what the code page can
// store and, when limit > 0, at most `limit` characters.
inline QLineEdit* Edit(const char* name, const QString& text, QWidget* parent, int limit = 0) {
  auto* edit = Named(new QLineEdit(text, parent), name);
  LimitText(edit, limit);
  return edit;
}

inline QLabel* Label(const char* name, const QString& text, QWidget* parent) {
  return Named(new QLabel(text, parent), name);
}

inline QPushButton* Button(const char* name, const QString& text, QWidget* parent) {
  return Named(new QPushButton(text, parent), name);
}

// The captions of the file-handling buttons are navy.
inline QPushButton* FileButton(const char* name, const QString& text, QWidget* parent) {
  QPushButton* button = Button(name, text, parent);
  SetColour(button, QPalette::ButtonText, colours::kNavy);
  return button;
}

// A frame without a border used to group controls.
inline QFrame* Panel(const char* name, QWidget* parent) {
  auto* panel = Named(new QFrame(parent), name);
  panel->setFrameShape(QFrame::NoFrame);
  return panel;
}

// Combo boxes show their text in blue, also when the text is not editable.
inline QComboBox* Combo(const char* name, bool editable, QWidget* parent) {
  auto* combo = Named(new QComboBox(parent), name);
  combo->setEditable(editable);
  SetColour(combo, QPalette::ButtonText, colours::kBlue);
  return combo;
}

// Keeps the items of a combo box in alphabetical order, however added.
void KeepSorted(QComboBox* combo);

inline QCheckBox* Check(const char* name, const QString& text, bool checked, QWidget* parent) {
  auto* box = Named(new QCheckBox(text, parent), name);
  box->setChecked(checked);
  return box;
}

}  // namespace virano::layout
