// Edit settings the dialogs' forms ask for: a length limit, upper-case entry,
// digits only, masked entry.
#pragma once

#include <optional>

class QLineEdit;
class QWidget;

namespace dialogs {

// At most maxLength characters, typed letters turned to upper case.
void MakeUpperCaseEdit(QLineEdit* edit, int maxLength);
// The same, shown as "*".
void MakePasswordEdit(QLineEdit* edit, int maxLength);
// At most maxLength decimal digits; centred when asked.
void MakeDigitEdit(QLineEdit* edit, int maxLength, bool centred = false);

// Leaving the field (when it was changed) or pressing Enter limits the number
// typed to lo..hi and selects the whole text.
void LimitOnExit(QLineEdit* edit, int lo, int hi);

// The number in a digit field. A text that is no number (an empty field is
// the one such text a digit field takes) is reported in an error box, as any
// failed conversion is, and gives nothing: the caller then does nothing more.
std::optional<int> FieldNumber(const QLineEdit* edit);

// Enables an input with the window colour, or disables it in silver; the
// text keeps its colour either way.
void SetInputEnabled(QWidget* input, bool enabled);

}  // namespace dialogs
