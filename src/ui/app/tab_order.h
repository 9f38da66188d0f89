#pragma once

#include <initializer_list>

class QWidget;

namespace talvek {

// Chains Tab through a dialog's widgets in the order given by object name (the order the eye reads them);
// a name the dialog lacks is skipped.
void chainTabOrder(QWidget *dialog, std::initializer_list<const char *> names);

} // namespace talvek
