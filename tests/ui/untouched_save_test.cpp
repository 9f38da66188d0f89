#include <QCheckBox>
#include <QListWidget>

#include <functional>
#include <random>
#include <sstream>

#include "editor_fixture.h"
#include "editors/c_armor.h"
#include "editors/c_character.h"
#include "editors/c_formation.h"
#include "editors/c_monster.h"
#include "editors/c_shop.h"
#include "editors/c_spell.h"
#include "editors/c_weapon.h"
#include "image_normalisations.h"
#include "text/c_text.h"

namespace talvek {
namespace {

// Every editor, Save pressed on every record without touching a control: the file keeps every byte but the
// normalisations the editors make on purpose (listed in the README).
class UntouchedSaveTest : public test::EditorFixture {
protected:
    // Selects each row of the lists in turn (rows of several lists move together) and presses Save.
    template <typename Dialog>
    void saveEveryRecord(std::initializer_list<const char *> lists, const std::function<void(Dialog &)> &perRecord = {})
    {
        Dialog dialog(context());
        int rows = 0;
        for (const char *list : lists)
            rows = std::max(rows, find<QListWidget>(dialog, list)->count());
        for (int row = 0; row < rows; ++row) {
            for (const char *list : lists)
                if (row < find<QListWidget>(dialog, list)->count())
                    selectRow(dialog, list, row);
            click(dialog, "saveButton");
            if (perRecord)
                perRecord(dialog);
        }
    }

    void expectOnlyNormalised(const std::vector<std::uint8_t> &original, const char *editor)
    {
        const auto saved = savedFile();
        ASSERT_EQ(saved.size(), original.size());
        std::ostringstream unexplained;
        int count = 0;
        for (std::size_t at = 0; at < saved.size(); ++at)
            if (saved[at] != original[at] && !test::isNormalisation(image, original, saved, at) && count++ < 12)
                unexplained << std::hex << " 0x" << at << ": " << int(original[at]) << "->" << int(saved[at]);
        EXPECT_EQ(count, 0) << editor << " changed untouched bytes:" << unexplained.str();
    }

    static std::vector<std::uint8_t> randomImage(std::size_t size, unsigned seed)
    {
        std::mt19937 random(seed);
        std::vector<std::uint8_t> bytes(size);
        for (auto &byte : bytes)
            byte = static_cast<std::uint8_t>(random());
        return bytes;
    }
};

TEST_F(UntouchedSaveTest, EveryEditorOnRandomImages)
{
    services.yesNoAnswers = std::deque<bool>(100000, false);
    for (const auto &[size, seed] : {std::pair<std::size_t, unsigned>{0x40010, 1}, {0x80010, 2}}) {
        const auto original = randomImage(size, seed);
        const auto run = [&](const char *editor, const std::function<void()> &sweep) {
            openBytes(original);
            sweep();
            expectOnlyNormalised(original, editor);
        };
        run("Armor", [&] { saveEveryRecord<CArmor>({"armorList"}); });
        run("Character", [&] { saveEveryRecord<CCharacter>({"characterList"}); });
        run("Monster", [&] { saveEveryRecord<CMonster>({"monsterList"}); });
        run("Weapon", [&] { saveEveryRecord<CWeapon>({"weaponList"}); });
        run("Spells", [&] { saveEveryRecord<CSpell>({"spellList", "aiList"}); });
        run("Shop", [&] { saveEveryRecord<CShop>({"shopList"}); });
        run("Formation", [&] {
            saveEveryRecord<CFormation>({"formationList"}, [](CFormation &dialog) {
                // The second quantity set of the same formation, then back.
                auto *second = find<QCheckBox>(dialog, "formation2Check");
                QTest::mouseClick(second, Qt::LeftButton);
                click(dialog, "saveButton");
                QTest::mouseClick(second, Qt::LeftButton);
            });
        });
        run("Text", [&] {
            CText dialog(context());
            for (int g = 0; g < kEpilogueGroup; ++g) {
                selectRow(dialog, "groupList", g);
                const int entries = std::max(1, find<QListWidget>(dialog, "entryList")->count());
                for (int n = 0; n < entries; n += 7) {
                    selectRow(dialog, "entryList", n);
                    click(dialog, "saveButton");
                }
            }
        });
    }
}

} // namespace
} // namespace talvek
