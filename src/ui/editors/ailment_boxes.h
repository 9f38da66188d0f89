#pragma once

#include <array>

class QCheckBox;

namespace talvek {

// Shows, hides and captions the seven ailment boxes for an added-effect entry; their check states stay.
void showAilmentBoxes(const std::array<QCheckBox *, 7> &boxes, int effectEntry);

} // namespace talvek
