#pragma once

#include <cstdint>
#include <functional>

class QLabel;
class QListWidget;
class QString;

namespace talvek {

// Puts a line "Record at 0x30016" under a record list, following its selection, so a ROM hacker can find
// the shown record in a hex editor. offsetOf gives a row's file offset (RomBase included).
QLabel *addRecordOffsetLabel(QListWidget *list, std::function<std::int64_t(int row)> offsetOf,
                             const QString &objectName);

} // namespace talvek
