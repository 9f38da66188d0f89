#include <QApplication>
#include <QStyle>

#include "editor_fixture.h"
#include "editors/c_character.h"
#include "editors/c_monster.h"
#include "editors/c_shop.h"

namespace talvek {
namespace {

class NumberBoxWidthTest : public test::EditorFixture {
protected:
    // Whether a number shows whole: the edit holds the text, the line edit's 2-pixel side margins and the
    // style's frame on both sides.
    static bool showsWhole(QLineEdit *edit, const QString &number)
    {
        const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
        return edit->fontMetrics().horizontalAdvance(number) + 2 * 2 + 2 * frame <= edit->width();
    }

    template <typename Dialog>
    void expectWhole(std::initializer_list<std::pair<const char *, const char *>> boxes)
    {
        Dialog dialog(context());
        dialog.show(); // at the size it opens with, on a 1366 x 768 screen
        ASSERT_LE(dialog.width(), 1366);
        ASSERT_LE(dialog.height(), 768);
        QApplication::processEvents();
        for (const auto &[name, number] : boxes)
            EXPECT_TRUE(showsWhole(find<QLineEdit>(dialog, name), QString::fromLatin1(number)))
                << dialog.windowTitle().toStdString() << " " << name << " cuts " << number;
    }
};

TEST_F(NumberBoxWidthTest, LargestValuesShowWhole)
{
    openSample();
    expectWhole<CMonster>({{"hpEdit", "65535"}, {"mpEdit", "65535"}, {"strengthEdit", "255"}, {"drop1GilEdit", "65535"}});
    expectWhole<CCharacter>({{"hpLeftEdit", "65535"}, {"mpRightEdit", "65535"}, {"gilEdit", "9999999"},
                             {"strEdit", "255"}, {"spell16ExpEdit", "255"}});
    expectWhole<CShop>({{"buy1Edit", "65535"}, {"sell4Edit", "65535"}});
}

} // namespace
} // namespace talvek
