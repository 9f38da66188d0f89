#include "ailment_boxes.h"

#include <QCheckBox>

#include "records/added_effect.h"

namespace talvek {

void showAilmentBoxes(const std::array<QCheckBox *, 7> &boxes, int effectEntry)
{
    for (int box = 0; box < kAilmentBoxCount; ++box) {
        QCheckBox *check = boxes[static_cast<std::size_t>(box)];
        check->setVisible(boxShown(effectEntry, box));
        const auto label = ailmentLabel(effectEntry, box);
        if (!label.empty())
            check->setText(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())));
    }
}

} // namespace talvek
