#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "records/added_effect.h"

class QCheckBox;
class QListWidget;

namespace talvek {

// The added-effect list and its seven ailment boxes, as the weapon and monster editors show them. Save
// rewrites an effect byte only when the user changed the entry or a box: a byte the controls cannot show
// exactly (bits an entry does not use) stays as it is otherwise.
class AddedEffectControls {
public:
    AddedEffectControls(QListWidget *list, const std::array<QCheckBox *, kAilmentBoxCount> &boxes);

    // Shows a stored byte: the list row (none: no row selected) and every box from the byte's bits; boxes
    // the byte's entry does not use are cleared, so no tick of an earlier record or entry stays behind.
    void show(std::uint8_t byte, std::optional<int> row);
    // The entry to store, or nothing when the user changed neither the entry nor a box since show.
    [[nodiscard]] std::optional<int> changedEntry() const;
    [[nodiscard]] std::array<bool, kAilmentBoxCount> ailments() const;

private:
    void entryChanged(int row);

    QListWidget *list_;
    std::array<QCheckBox *, kAilmentBoxCount> boxes_;
    std::uint8_t stored_ = 0;
    int shownRow_ = -1;
    std::array<bool, kAilmentBoxCount> shownBoxes_{};
    bool showing_ = false;
};

} // namespace talvek
