// A random user: opens editors from the main window and clicks, ticks and types at random, and checks every
// Save against the image map. Bounded in time (TALVEK_MONKEY_SECONDS, 30 by default); TALVEK_MONKEY_SEED
// replays one session. On a failure it prints the seed and the actions that led there.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <set>
#include <sstream>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/c_rom_editor_dlg.h"
#include "graphics/color_swatches_view.h"
#include "records/image_map.h"
#include "scripted_ui_services.h"
#include "test_support.h"

namespace talvek {
namespace {

class Monkey {
public:
    Monkey(unsigned seed, test::ScriptedUiServices &services, CRomEditorDlg &window)
        : random_(seed), services_(services), window_(window), onDisk_(test::readFile(window.image().path()))
    {
    }

    // Opens a number of editors one after another and acts in each.
    void run(int editors)
    {
        services_.onDialog = [this](QDialog &dialog) {
            if (depth_ > 0)
                return int(QDialog::Rejected); // a window opened from an editor (sprites): looked at, closed
            ++depth_;
            actIn(dialog);
            --depth_;
            return int(QDialog::Rejected);
        };
        for (int e = 0; e < editors && !failed(); ++e) {
            current_ = kEditors[random_() % kEditors.size()].kind;
            unsynced_.insert(current_);
            log("open " + std::string(editorInfo(current_).caption));
            window_.launchEditor(current_);
        }
        services_.onDialog = nullptr;
    }

    [[nodiscard]] bool failed() const { return !failure_.empty(); }
    [[nodiscard]] std::string report() const { return failure_ + "\nactions:\n" + actions_.str(); }

private:
    void actIn(QDialog &dialog)
    {
        const int count = 5 + static_cast<int>(random_() % 40);
        for (int a = 0; a < count && !failed(); ++a) {
            const unsigned what = random_() % 100;
            if (what < 3) {
                log("exit");
                if (auto *exit = dialog.findChild<QPushButton *>(QStringLiteral("exitButton")))
                    exit->click();
                return;
            }
            if (what < 15)
                save(dialog);
            else if (what < 30)
                pickRow(dialog);
            else if (what < 55)
                typeInto(dialog);
            else if (what < 67)
                tick(dialog);
            else if (what < 80)
                choose(dialog);
            else if (what < 88)
                clickSquare(dialog);
            else if (what < 92)
                clickOtherButton(dialog);
            else
                typeText(dialog);
        }
        save(dialog);
    }

    template <typename Widget>
    Widget *any(QDialog &dialog)
    {
        QList<Widget *> widgets;
        for (Widget *widget : dialog.findChildren<Widget *>())
            if (widget->isEnabled() && widget->isVisibleTo(&dialog))
                widgets << widget;
        return widgets.isEmpty() ? nullptr : widgets[static_cast<int>(random_() % widgets.size())];
    }

    void pickRow(QDialog &dialog)
    {
        if (auto *list = any<QListWidget>(dialog); list && list->count() > 0) {
            const int row = static_cast<int>(random_() % list->count());
            log("row " + list->objectName().toStdString() + " " + std::to_string(row));
            list->setCurrentRow(row);
        }
    }

    // What a user might type into a number box: small and large numbers, signs, hex, letters, nothing.
    QString randomNumberText()
    {
        static const char *const samples[] = {"0", "1", "7", "15", "99", "100", "101", "255", "256", "999", "4095",
                                              "9999", "65535", "65536", "99999", "9999999", "10000000",
                                              "4294967296", "-1", "-300", "", "abc", "0x1F", "12a", " 5"};
        if (random_() % 3 == 0)
            return QString::number(random_() % 100000);
        return QString::fromLatin1(samples[random_() % std::size(samples)]);
    }

    void typeInto(QDialog &dialog)
    {
        QList<QLineEdit *> edits;
        for (QLineEdit *edit : dialog.findChildren<QLineEdit *>())
            if (edit->isEnabled() && !edit->isReadOnly() && edit->isVisibleTo(&dialog)
                && !qobject_cast<QComboBox *>(edit->parentWidget()))
                edits << edit;
        if (edits.isEmpty())
            return;
        QLineEdit *edit = edits[static_cast<int>(random_() % edits.size())];
        const QString text = randomNumberText();
        log("type " + edit->objectName().toStdString() + " \"" + text.toStdString() + "\"");
        edit->selectAll();
        edit->del();
        QTest::keyClicks(edit, text);
    }

    void typeText(QDialog &dialog)
    {
        static const char *const samples[] = {"Potion", "Hello\nworld", "{7F}{00}", "x", "", "The Echo Herb costs 530 gil.",
                                              "ÄÖÜ", "{", "}", "{ZZ}", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"};
        if (auto *box = any<QPlainTextEdit>(dialog); box && !box->isReadOnly()) {
            const QString text = QString::fromUtf8(samples[random_() % std::size(samples)]);
            log("text " + box->objectName().toStdString() + " \"" + text.toStdString() + "\"");
            box->setPlainText(text);
        }
    }

    void tick(QDialog &dialog)
    {
        if (auto *box = any<QCheckBox>(dialog)) {
            log("tick " + box->objectName().toStdString());
            box->click();
        }
    }

    void choose(QDialog &dialog)
    {
        if (auto *combo = any<QComboBox>(dialog); combo && combo->count() > 0) {
            const int position = static_cast<int>(random_() % combo->count());
            log("choose " + combo->objectName().toStdString() + " " + std::to_string(position));
            combo->setCurrentIndex(position);
            emit combo->activated(position);
        }
    }

    // A click anywhere on a colour-square widget, the picker answering with a random colour or Cancel.
    void clickSquare(QDialog &dialog)
    {
        if (auto *squares = any<ColorSwatchesView>(dialog)) {
            const QPoint at(static_cast<int>(random_() % std::max(1, squares->width())),
                            static_cast<int>(random_() % std::max(1, squares->height())));
            services_.colorAnswers.assign(4, random_() % 5 == 0 ? std::optional<int>() : std::optional<int>(random_() % 64));
            log("square " + squares->objectName().toStdString() + " at " + std::to_string(at.x()) + ","
                + std::to_string(at.y()));
            QTest::mouseClick(squares, Qt::LeftButton, {}, at);
        }
    }

    // Buttons other than Save and Exit (palette choice, sprites, help); a palette chosen may lie past the
    // palette arrays.
    void clickOtherButton(QDialog &dialog)
    {
        QList<QPushButton *> buttons;
        for (QPushButton *button : dialog.findChildren<QPushButton *>())
            if (button->isEnabled() && button->objectName() != QStringLiteral("saveButton")
                && button->objectName() != QStringLiteral("exitButton") && !button->objectName().isEmpty())
                buttons << button;
        if (buttons.isEmpty())
            return;
        QPushButton *button = buttons[static_cast<int>(random_() % buttons.size())];
        services_.paletteAnswers.assign(2, std::optional<int>(random_() % 256));
        log("click " + button->objectName().toStdString());
        button->click();
    }

    void save(QDialog &dialog)
    {
        auto *saveButton = dialog.findChild<QPushButton *>(QStringLiteral("saveButton"));
        if (!saveButton || !saveButton->isEnabled())
            return;
        services_.yesNoAnswers.assign(8, random_() % 2 == 0);
        log(std::string("save (questions answered ") + (services_.yesNoAnswers.front() ? "Yes)" : "No)"));
        const std::size_t messages = services_.messages.size();
        saveButton->click();
        const bool reported = services_.messages.size() > messages;
        const auto file = test::readFile(window_.image().path());
        check(file, reported);
        if (failed() || reported || file != window_.image().bytes())
            return;

        // Saved: the file holds the buffer, and the next Save has nothing left to change (but with "Prefer
        // DTE" cleared, the Text editor's Save encodes the text on screen again, by design).
        unsynced_ = {current_};
        if (auto *preferDte = dialog.findChild<QCheckBox *>(QStringLiteral("preferDteCheck")); preferDte && !preferDte->isChecked())
            return;
        log("save again");
        saveButton->click();
        if (const auto again = test::readFile(window_.image().path());
            services_.messages.size() == messages && again != file)
            fail("a Save right after a Save changed the file: " + differences(file, again));
    }

    void check(const std::vector<std::uint8_t> &file, bool reported)
    {
        if (!reported && file != window_.image().bytes())
            fail("after a Save without a message the file differs from the image in memory");
        if (file.size() != onDisk_.size()) {
            fail("a Save changed the size of the file");
            return;
        }
        // Every byte the Save changed lies in a region of the editors used since the file last held the buffer.
        const ImageMap map(window_.image());
        std::vector<MapRegion> writable;
        for (const EditorKind kind : unsynced_)
            for (const MapRegion &region : map.writableBy(kind))
                writable.push_back(region);
        for (std::size_t i = 0; i < file.size(); ++i) {
            if (file[i] == onDisk_[i] || allWithin({static_cast<std::int64_t>(i)}, writable))
                continue;
            const MapRegion *region = map.regionAt(static_cast<std::int64_t>(i));
            std::ostringstream what;
            what << "byte 0x" << std::hex << i << " changed " << int(onDisk_[i]) << " -> " << int(file[i]) << " ("
                 << (region ? region->name : "in no region") << "), outside what the editors used may write";
            fail(what.str());
            return;
        }
        onDisk_ = file;
    }

    std::string differences(const std::vector<std::uint8_t> &before, const std::vector<std::uint8_t> &after) const
    {
        const ImageMap map(window_.image());
        std::ostringstream what;
        int shown = 0;
        for (std::size_t i = 0; i < std::min(before.size(), after.size()) && shown < 8; ++i)
            if (before[i] != after[i]) {
                const MapRegion *region = map.regionAt(static_cast<std::int64_t>(i));
                what << std::hex << (shown++ ? ", 0x" : "0x") << i << " " << int(before[i]) << "->" << int(after[i])
                     << " (" << (region ? region->name : "no region") << ")";
            }
        return what.str();
    }

    void log(const std::string &action) { actions_ << "  " << action << '\n'; }
    void fail(const std::string &why)
    {
        if (failure_.empty())
            failure_ = why;
    }

    std::mt19937 random_;
    test::ScriptedUiServices &services_;
    CRomEditorDlg &window_;
    std::vector<std::uint8_t> onDisk_;
    std::set<EditorKind> unsynced_;
    EditorKind current_ = EditorKind::Armor;
    int depth_ = 0;
    std::ostringstream actions_;
    std::string failure_;
};

std::vector<std::uint8_t> imageOfSession(unsigned seed)
{
    switch (seed % 4) {
    case 0: return test::sampleBytes(SampleKind::Standard);
    case 1: return test::sampleBytes(SampleKind::Combo);
    case 2: return test::randomisedSample(SampleKind::Standard, seed);
    default: return test::randomisedSample(SampleKind::Combo, seed);
    }
}

TEST(Monkey, EverySaveWritesOnlyWhereTheOpenEditorsMay)
{
    const char *secondsSetting = std::getenv("TALVEK_MONKEY_SECONDS");
    const char *seedSetting = std::getenv("TALVEK_MONKEY_SEED");
    const auto budget = std::chrono::seconds(secondsSetting ? std::atoi(secondsSetting) : 30);
    const unsigned firstSeed = seedSetting ? static_cast<unsigned>(std::strtoul(seedSetting, nullptr, 10)) : 1;
    const auto start = std::chrono::steady_clock::now();
    int sessions = 0;
    for (unsigned seed = firstSeed; sessions == 0 || (!seedSetting && std::chrono::steady_clock::now() - start < budget);
         ++seed, ++sessions) {
        test::TempDir dir;
        test::ScriptedUiServices services;
        services.openAnswers.push_back(QString::fromStdString(dir.write("rom.nes", imageOfSession(seed))));
        CRomEditorDlg window(services, DataFileLocator({TALVEK_DATA_DIR}));
        ASSERT_TRUE(window.initialise());
        Monkey monkey(seed, services, window);
        monkey.run(6);
        ASSERT_FALSE(monkey.failed()) << "TALVEK_MONKEY_SEED=" << seed << " replays this session: " << monkey.report();
    }
    std::cout << "[ monkey   ] " << sessions << " sessions from seed " << firstSeed << '\n';
}

} // namespace
} // namespace talvek
