#include "editor_fixture.h"
#include "editors/c_armor.h"
#include "editors/c_character.h"
#include "editors/c_formation.h"
#include "editors/c_monster.h"
#include "editors/c_shop.h"
#include "editors/c_spell.h"
#include "editors/c_weapon.h"
#include "text/c_text.h"

namespace talvek {
namespace {

// Every editor fits a 1366 x 768 screen with a title bar and a 40-pixel taskbar, on the sample and with the
// largest record of each list shown (hidden boxes that appear must not push it past the screen).
class DialogSizeTest : public test::EditorFixture {
protected:
    template <typename Dialog>
    void expectFits(const char *list = nullptr)
    {
        Dialog dialog(context());
        const auto check = [&] {
            const QSize hint = dialog.sizeHint();
            EXPECT_LE(hint.width(), 1366) << dialog.windowTitle().toStdString();
            EXPECT_LE(hint.height(), 700) << dialog.windowTitle().toStdString();
        };
        check();
        if (!list)
            return;
        auto *records = find<QListWidget>(dialog, list);
        for (int row = 0; row < records->count(); ++row) {
            records->setCurrentRow(row);
            if (dialog.sizeHint().height() > 700) {
                ADD_FAILURE() << dialog.windowTitle().toStdString() << " record " << row << " is "
                              << dialog.sizeHint().height() << " pixels tall";
                return;
            }
        }
    }
};

TEST_F(DialogSizeTest, EveryEditorFitsA1366By768Screen)
{
    openSample();
    expectFits<CArmor>("armorList");
    expectFits<CCharacter>("characterList");
    expectFits<CFormation>("formationList");
    expectFits<CMonster>("monsterList");
    expectFits<CShop>("shopList");
    expectFits<CSpell>("spellList");
    expectFits<CWeapon>("weaponList");
    expectFits<CText>("groupList");
}

} // namespace
} // namespace talvek
