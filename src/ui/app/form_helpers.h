#pragma once

#include <cstdint>
#include <optional>
#include <string>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QString;

namespace talvek::form {

// Digits only, as the number edits of the editors accept, and wide enough for their largest value.
void makeDigitsOnly(QLineEdit *edit, int digits = 3);
// Widens an edit (at least; never narrower than the layout makes it) to show a number of that many digits.
void fitDigits(QLineEdit *edit, int digits);
void setDecimal(QLineEdit *edit, std::int64_t value);
// The leading decimal integer of the edit's text; no number reads 0.
[[nodiscard]] std::int64_t decimalOf(const QLineEdit *edit);
// The same, but only when the user typed in the edit or its text differs from what setDecimal last showed:
// what the user did not change is not written back.
[[nodiscard]] std::optional<std::int64_t> editedDecimal(const QLineEdit *edit);

// A check box whose stored state Save keeps unless the user changes it: showChecked shows a state;
// changedChecked is the box's state when it differs from the one shown, or nothing.
void showChecked(QAbstractButton *box, bool checked);
[[nodiscard]] std::optional<bool> changedChecked(const QAbstractButton *box);

// Selects a list position, or nothing when the stored byte has no entry.
void selectPosition(QComboBox *combo, std::optional<int> position);
// The selected position, or nothing when no entry is selected.
[[nodiscard]] std::optional<int> positionOf(const QComboBox *combo);

[[nodiscard]] QString fromUtf8(const std::string &text);

// The text of a multi-line edit exactly as typed, line breaks as LF: unlike toPlainText, non-breaking
// spaces stay non-breaking.
[[nodiscard]] QString rawPlainText(const QPlainTextEdit *edit);

// "%X": upper-case hexadecimal without prefix or leading zeros.
[[nodiscard]] QString hex(std::int64_t value);
// A hexadecimal edit: digits and A to F only, kept in upper case; setHex shows a value, editedHex reads it
// back only when the user changed it (like editedDecimal).
void makeHexDigitsOnly(QLineEdit *edit);
void setHex(QLineEdit *edit, std::int64_t value);
[[nodiscard]] std::optional<std::int64_t> editedHex(const QLineEdit *edit);
// Keeps an edit in upper case as the user types, like an upper-case edit control.
void makeUpperCase(QLineEdit *edit);

} // namespace talvek::form
