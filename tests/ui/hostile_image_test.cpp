#include <random>

#include "editor_fixture.h"
#include "editors/c_armor.h"
#include "editors/c_character.h"
#include "editors/c_formation.h"
#include "editors/c_monster.h"
#include "editors/c_shop.h"
#include "editors/c_spell.h"
#include "editors/c_weapon.h"
#include "graphics/c_font_dlg.h"
#include "text/c_text.h"

namespace talvek {
namespace {

class HostileImageTest : public test::EditorFixture {
protected:
    template <typename Dialog>
    void openAndSave()
    {
        Dialog dialog(context());
        click(dialog, "saveButton");
        EXPECT_EQ(savedFile(), image.bytes());
    }
};

// Every editor opens and saves on images no editor was made for, without reading or writing out of bounds.
TEST_F(HostileImageTest, EveryEditorOpensAndSavesOnGarbage)
{
    std::mt19937 random(5);
    std::vector<std::uint8_t> noise(0x40010);
    for (auto &byte : noise)
        byte = static_cast<std::uint8_t>(random());
    services.yesNoAnswers = std::deque<bool>(100, true);
    for (const auto &bytes : {std::vector<std::uint8_t>(0x40010, 0x00), std::vector<std::uint8_t>(0x40010, 0xFF),
                              std::vector<std::uint8_t>(0x40011, 0x8A), noise}) {
        openBytes(bytes);
        openAndSave<CArmor>();
        openAndSave<CCharacter>();
        openAndSave<CMonster>();
        openAndSave<CSpell>();
        openAndSave<CWeapon>();
        openAndSave<CText>();
        openAndSave<CShop>();
        openAndSave<CFontDlg>();
        openAndSave<CFormation>();
    }
}

} // namespace
} // namespace talvek
