#include <QLabel>

#include <functional>
#include <memory>

#include "editor_fixture.h"
#include "editors/c_armor.h"
#include "editors/c_character.h"
#include "editors/c_formation.h"
#include "editors/c_monster.h"
#include "editors/c_shop.h"
#include "editors/c_spell.h"
#include "editors/c_weapon.h"

namespace talvek {
namespace {

// Each record editor shows where the selected record lies in the file, RomBase included.
class RecordOffsetTest : public test::EditorFixture {};

struct OffsetCase {
    const char *editor;
    std::function<std::unique_ptr<QDialog>(const EditorContext &)> open;
    const char *list;
    const char *label;
    int row;
    std::int64_t offset; // in a standard image
};

template <typename Dialog>
std::unique_ptr<QDialog> make(const EditorContext &context)
{
    return std::make_unique<Dialog>(context);
}

TEST_F(RecordOffsetTest, EveryEditorShowsTheSelectedRecordsOffset)
{
    const OffsetCase cases[] = {
        {"Armor", make<CArmor>, "armorList", "recordOffsetLabel", 1, 0x30016},
        {"Character", make<CCharacter>, "characterList", "recordOffsetLabel", 2, 0x1090},
        {"Monster", make<CMonster>, "monsterList", "recordOffsetLabel", 3, 0x307F1},
        {"Weapon", make<CWeapon>, "weaponList", "recordOffsetLabel", 4, 0x3012A},
        {"Spells", make<CSpell>, "spellList", "recordOffsetLabel", 5, 0x3060C},
        {"Spells", make<CSpell>, "aiList", "aiRecordOffsetLabel", 6, 0x30364},
        {"Shop", make<CShop>, "shopList", "recordOffsetLabel", 7, 0x38655},
        {"Formation", make<CFormation>, "formationList", "recordOffsetLabel", 8, 0x2C670},
    };
    for (const auto kind : {SampleKind::Standard, SampleKind::Combo}) {
        openSample(kind);
        const std::int64_t base = kind == SampleKind::Combo ? 0x40000 : 0;
        for (const auto &c : cases) {
            const auto dialog = c.open(context());
            EXPECT_TRUE(find<QLabel>(*dialog, c.label)->text().startsWith(QStringLiteral("Record at 0x")))
                << c.editor << ": shown from the opening";
            selectRow(*dialog, c.list, c.row);
            EXPECT_EQ(find<QLabel>(*dialog, c.label)->text(),
                      QStringLiteral("Record at 0x%1").arg(QString::number(c.offset + base, 16).toUpper()))
                << c.editor << " " << c.list;
        }
    }
}

} // namespace
} // namespace talvek
