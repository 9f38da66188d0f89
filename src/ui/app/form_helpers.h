#pragma once

#include <cstdint>
#include <optional>
#include <string>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QString;

namespace talvek::form {

// Digits only, as the number edits of the editors accept.
void makeDigitsOnly(QLineEdit *edit);
void setDecimal(QLineEdit *edit, std::int64_t value);
// The leading decimal integer of the edit's text; no number reads 0.
[[nodiscard]] std::int64_t decimalOf(const QLineEdit *edit);

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
// Keeps an edit in upper case as the user types, like an upper-case edit control.
void makeUpperCase(QLineEdit *edit);

} // namespace talvek::form
