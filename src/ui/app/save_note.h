#pragma once

class QString;
class QWidget;

namespace talvek {

// The short note beside an editor's Save button that says what the last Save did ("Saved 14:02:11",
// "Nothing changed"), so no message box needs a click. Made once, when the editor is built, so nothing moves
// when the first note appears.
void addSaveNote(QWidget *editor);
// Shows text in the editor's note; nothing when the editor has none (the main window).
void showSaveNote(QWidget *editor, const QString &text);

} // namespace talvek
