#pragma once
// The user's choice of an entry from an editable combo box's list.
#include <functional>

class QComboBox;

namespace virano {

// Runs `action` when the user chooses an entry of the editable `box` from
// its list, with the mouse or the arrow keys. The box reports a typed text
// that matches an entry as chosen too when it loses the focus (to another
// control, a message or a window closing) or Enter is pressed in it: that
// is no choice.
void OnListChoice(QComboBox* box, std::function<void()> action);

}  // namespace virano
