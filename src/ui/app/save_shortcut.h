#pragma once

class QDialog;
class QPushButton;
class QWidget;

namespace talvek {

// Ctrl+S presses the editor's Save, and after every Save the record list takes the keyboard focus back, so a
// user can walk the records with the arrow keys and save without the mouse.
void addSaveShortcut(QDialog *dialog, QPushButton *saveButton, QWidget *recordList);

} // namespace talvek
