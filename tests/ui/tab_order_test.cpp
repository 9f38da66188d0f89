#include "editor_fixture.h"
#include "editors/c_character.h"
#include "text/c_text.h"

#include <QPlainTextEdit>

namespace talvek {
namespace {

// What Tab reaches, in order, from the first widget: the names of the widgets in the focus chain that take
// focus by Tab and are shown and enabled.
std::vector<std::string> tabOrder(QWidget &dialog, const char *first)
{
    const auto takesTab = [&](QWidget *w) {
        return (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&dialog) && w->isEnabled() && w != &dialog;
    };
    QWidget *start = dialog.findChild<QWidget *>(QString::fromLatin1(first));
    std::vector<std::string> names;
    QWidget *widget = start;
    do {
        if (takesTab(widget) && !widget->objectName().startsWith(QStringLiteral("qt_")))
            names.push_back(widget->objectName().toStdString());
        widget = widget->nextInFocusChain();
    } while (widget && widget != start && names.size() < 400);
    return names;
}

class TabOrderTest : public test::EditorFixture {};

TEST_F(TabOrderTest, TabReadsTheCharacterAndTextEditorsAsTheEyeDoes)
{
    openSample();
    CCharacter character(context());
    const auto order = tabOrder(character, "characterList");
    ASSERT_GT(order.size(), 40u);
    const std::vector<std::string> start{"characterList", "gilEdit", "backRowCheck", "leftHandedCheck", "hpLeftEdit"};
    EXPECT_EQ(std::vector<std::string>(order.begin(), order.begin() + 5), start);
    const std::vector<std::string> end{"saveButton", "editSpriteButton", "exitButton"};
    EXPECT_EQ(std::vector<std::string>(order.end() - 3, order.end()), end);
    const auto at = [&](const char *name) { return std::ranges::find(order, name) - order.begin(); };
    EXPECT_LT(at("magDefRightEdit"), at("fistLevelEdit"));
    EXPECT_LT(at("bowExpEdit"), at("headCombo"));
    EXPECT_LT(at("belt2Combo"), at("spell1Combo"));

    CText text(context());
    EXPECT_EQ(tabOrder(text, "groupList"),
              (std::vector<std::string>{"groupList", "entryList", "nameEdit", "valueEdit", "fingerEdit", "preferDteCheck",
                                        "helpButton", "saveButton", "exitButton"}));
    find<QListWidget>(text, "groupList")->setCurrentRow(11); // dialogue: the box takes the name's place
    EXPECT_EQ(tabOrder(text, "groupList"),
              (std::vector<std::string>{"groupList", "entryList", "dialogueEdit", "valueEdit", "fingerEdit",
                                        "preferDteCheck", "helpButton", "saveButton", "exitButton"}));
    EXPECT_TRUE(find<QPlainTextEdit>(text, "dialogueEdit")->tabChangesFocus()) << "Tab leaves the dialogue box";
}

} // namespace
} // namespace talvek
