// talvek_bench: how long the editors take on the sample image, in one run so the ratios are fair.
#include <filesystem>
#include <random>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/editor_context.h"
#include "app/ui_services.h"
#include "editors/c_armor.h"
#include "editors/c_character.h"
#include "editors/c_formation.h"
#include "editors/c_monster.h"
#include "editors/c_shop.h"
#include "editors/c_spell.h"
#include "editors/c_weapon.h"
#include "graphics/c_font_dlg.h"
#include "graphics/c_graphic.h"
#include "graphics/viewer_pictures.h"
#include "history/history_store.h"
#include "patch/bps_patch.h"
#include "history/recorded_save.h"
#include "records/image_diff.h"
#include "records/record_json.h"
#include "records/weapon_record.h"
#include "search/cross_references.h"
#include "search/text_search.h"
#include "app/c_find_dlg.h"
#include "rom/rom_file.h"
#include "sample/sample_image_builder.h"
#include "text/c_text.h"
#include "text/keyword_list.h"
#include "text/text_groups.h"

namespace {

using namespace talvek;

// Answers nothing and shows nothing.
class QuietServices : public UiServices {
public:
    void showMessage(QWidget *, const QString &, const QString &) override {}
    std::optional<QString> chooseRomToOpen(QWidget *) override { return std::nullopt; }
    std::optional<QString> chooseFileToOpen(QWidget *, const QString &, const QString &) override { return std::nullopt; }
    std::optional<QString> chooseFileToSave(QWidget *, const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    bool askYesNo(QWidget *, const QString &, const QString &) override { return true; }
    Answer askYesNoCancel(QWidget *, const QString &, const QString &) override { return Answer::Yes; }
    int runDialog(QDialog &) override { return QDialog::Rejected; }
    std::optional<int> pickNesColor(QWidget *, const NesPalette &, int) override { return std::nullopt; }
    std::optional<int> pickBattlePalette(QWidget *, const RomImage &, const NesPalette &, int) override
    {
        return std::nullopt;
    }
};

struct Fixture {
    Fixture()
    {
        const std::string data = TALVEK_DATA_DIR;
        dte = TextTable::loadFromFile(data + "/StandardDTETable.tbl").value();
        plain = TextTable::loadFromFile(data + "/StandardTable.tbl").value();
        palette.loadFromFile(data + "/NESPalette.pal");
        path = (std::filesystem::temp_directory_path() / "talvek-bench.nes").string();
        const auto bytes = SampleImageBuilder(dte).build(SampleKind::Standard);
        (void)saveRomFile(path, bytes);
        image = readRomFile(path).value();
        saves.onDisk = image.bytes();
    }
    ~Fixture()
    {
        std::filesystem::remove(path);
        std::filesystem::remove_all(HistoryStore::folderFor(path));
    }
    EditorContext context() { return {image, dte, plain, palette, services, saves, navigation}; }

    TextTable dte, plain;
    NesPalette palette;
    QuietServices services;
    std::string path;
    RomImage image;
    SaveState saves{{}, true, false, &dte, &dte};
    EditorNavigation navigation;
};

Fixture &fixture()
{
    static Fixture instance;
    return instance;
}

template <typename Dialog>
void openDialog(benchmark::State &state)
{
    for (auto _ : state) {
        Dialog dialog(fixture().context());
        benchmark::DoNotOptimize(&dialog);
    }
}

template <typename Dialog>
void saveDialog(benchmark::State &state)
{
    Dialog dialog(fixture().context());
    auto *save = dialog.template findChild<QPushButton *>(QStringLiteral("saveButton"));
    for (auto _ : state)
        save->click();
}

void openGraphic(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        CGraphic viewer(f.image, f.palette, f.services, characterSpriteBlock(f.image), 0);
        benchmark::DoNotOptimize(viewer.findChild<QWidget *>(QStringLiteral("pictureView")));
    }
}

void bareAtomicWrite(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(saveRomFile(fixture().path, fixture().image.bytes()));
}

void decodeAllTexts(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        const KeywordList keywords = KeywordList::build(f.image, f.dte);
        std::size_t characters = 0;
        for (int group = 0; group < static_cast<int>(kTextGroups.size()); ++group) {
            const int entries = std::max(kTextGroups[static_cast<std::size_t>(group)].entries, 1);
            for (int n = 0; n < entries; ++n)
                characters += readTextEntry(f.image, group, locateTextEntry(f.image, group, n), f.dte, keywords).text.size();
        }
        benchmark::DoNotOptimize(characters);
    }
}

void encodeAllDialogue(benchmark::State &state)
{
    Fixture &f = fixture();
    const KeywordList keywords = KeywordList::build(f.image, f.dte);
    std::vector<std::pair<int, std::string>> texts;
    for (int group : {11, 12, 13})
        for (int n = 0; n < kTextGroups[static_cast<std::size_t>(group)].entries; ++n)
            texts.emplace_back(group, readTextEntry(f.image, group, locateTextEntry(f.image, group, n), f.dte, keywords).text);
    for (auto _ : state) {
        const TextEntryEncoder encoder(f.dte, keywords);
        for (const auto &[group, text] : texts)
            benchmark::DoNotOptimize(encoder.encode(group, text, 0));
    }
}

void exportThenImport(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        const std::string text = exportAllRecords(f.image, f.dte).dump(2);
        importAllRecords(f.image, json_support::Json::parse(text), f.dte);
    }
}

// The sample with 100 fields changed: every armour's defence and 60 weapons' accuracy.
std::vector<std::uint8_t> sampleWithHundredChanges()
{
    auto bytes = fixture().image.bytes();
    for (int k = 1; k <= 40; ++k)
        bytes[static_cast<std::size_t>(0x30010 + 6 * k)] ^= 0x10;
    for (int k = 1; k <= 60; ++k)
        bytes[static_cast<std::size_t>(weapon::recordOffset(k) + weapon::Accuracy)] ^= 0x10;
    return bytes;
}

void diffHundredFields(benchmark::State &state)
{
    Fixture &f = fixture();
    const RomImage changed(sampleWithHundredChanges(), "changed.nes");
    std::size_t lines = 0;
    for (auto _ : state)
        lines = diffImages(f.image, f.dte, changed, f.dte).size();
    state.counters["lines"] = static_cast<double>(lines);
}

// A save as the editors make it: the file checked, a restore point with its summary, the atomic write.
void recordedSave(benchmark::State &state)
{
    Fixture &f = fixture();
    auto bytes = f.image.bytes();
    const NameTables names{f.dte, f.dte};
    auto onDisk = readRomFile(f.path).value().bytes(); // what the editor last read or wrote
    for (auto _ : state) {
        bytes[0x30016] ^= 1; // one armour field, as a user's save
        SaveRequest request{f.path, bytes, &onDisk, true,
                            [&](auto before, auto after) { return summarizeDiff(before, after, names); }};
        benchmark::DoNotOptimize(saveRecorded(request).outcome);
        onDisk = bytes;
    }
    std::filesystem::remove_all(HistoryStore::folderFor(f.path));
    (void)saveRomFile(f.path, f.image.bytes()); // the file as the editors' benchmarks expect it
    f.saves.onDisk = f.image.bytes();
}

// history of a ROM with 1,000 restore points: reading and listing them.
void listThousandPoints(benchmark::State &state)
{
    const std::string path = (std::filesystem::temp_directory_path() / "talvek-bench-history.nes").string();
    auto bytes = fixture().image.bytes();
    (void)saveRomFile(path, bytes);
    std::filesystem::remove_all(HistoryStore::folderFor(path));
    for (int k = 0; k < 1000; ++k) {
        bytes[static_cast<std::size_t>(0x30016 + 6 * (k % 40))] ^= 1;
        SaveRequest request{path, bytes, nullptr, true, [k](auto, auto) { return "armor " + std::to_string(k); }};
        (void)saveRecorded(request);
    }
    std::uintmax_t historyBytes = 0;
    for (const auto &entry : std::filesystem::directory_iterator(HistoryStore::folderFor(path)))
        historyBytes += entry.file_size();
    for (auto _ : state) {
        HistoryStore store(path);
        std::string error;
        benchmark::DoNotOptimize(store.load(&error));
    }
    state.counters["history KiB"] = static_cast<double>(historyBytes) / 1024.0;
    std::filesystem::remove_all(HistoryStore::folderFor(path));
    std::filesystem::remove(path);
}

// The sample with 300 bytes changed at scattered places.
std::vector<std::uint8_t> sampleWithScatteredChanges()
{
    auto bytes = fixture().image.bytes();
    std::mt19937 random(3);
    for (int k = 0; k < 300; ++k)
        bytes[16 + random() % (bytes.size() - 16)] ^= static_cast<std::uint8_t>(1 + random() % 255);
    return bytes;
}

void createBps(benchmark::State &state)
{
    const auto changed = sampleWithScatteredChanges();
    std::size_t size = 0;
    for (auto _ : state)
        size = bps::createPatch(fixture().image.bytes(), changed).size();
    state.counters["patch bytes"] = static_cast<double>(size);
}

void applyBps(benchmark::State &state)
{
    const auto patch = bps::createPatch(fixture().image.bytes(), sampleWithScatteredChanges());
    for (auto _ : state)
        benchmark::DoNotOptimize(bps::applyPatch(fixture().image.bytes(), patch));
}

// Reading every name and text of the image, then finding a two-letter string in them: a search from scratch.
void searchWholeImage(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        const TextSearch search = TextSearch::build(f.image, f.dte);
        benchmark::DoNotOptimize(search.find({"er"}).size());
    }
}

void findInBuiltIndex(benchmark::State &state)
{
    Fixture &f = fixture();
    const TextSearch search = TextSearch::build(f.image, f.dte);
    for (auto _ : state)
        benchmark::DoNotOptimize(search.find({"er"}).size());
}

void buildCrossReferences(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(CrossReferences::build(f.image, f.dte).usesOfItem(1).size());
}

// One keystroke in the Find window: the list filtered again and refilled, alternating a short and a longer query
// so every iteration changes the results.
void findWindowKeystroke(benchmark::State &state)
{
    Fixture &f = fixture();
    CFindDlg find(f.image, nullptr);
    find.refresh(f.dte);
    bool longer = false;
    for (auto _ : state) {
        find.searchEdit()->setText(longer ? QStringLiteral("he") : QStringLiteral("h"));
        longer = !longer;
        benchmark::DoNotOptimize(find.resultList()->count());
    }
}

} // namespace

BENCHMARK(openDialog<CArmor>)->Name("open/Armor")->Unit(benchmark::kMillisecond);
BENCHMARK(openDialog<CCharacter>)->Name("open/Character")->Unit(benchmark::kMillisecond);
BENCHMARK(openDialog<CMonster>)->Name("open/Monster")->Unit(benchmark::kMillisecond);
BENCHMARK(openDialog<CSpell>)->Name("open/Spells")->Unit(benchmark::kMillisecond);
BENCHMARK(openDialog<CWeapon>)->Name("open/Weapon")->Unit(benchmark::kMillisecond);
BENCHMARK(openDialog<CText>)->Name("open/Text")->Unit(benchmark::kMillisecond);
BENCHMARK(openDialog<CShop>)->Name("open/Shop")->Unit(benchmark::kMillisecond);
BENCHMARK(openDialog<CFontDlg>)->Name("open/Font")->Unit(benchmark::kMillisecond);
BENCHMARK(openDialog<CFormation>)->Name("open/Formation")->Unit(benchmark::kMillisecond);
BENCHMARK(openGraphic)->Name("open/Graphics viewer")->Unit(benchmark::kMillisecond);
BENCHMARK(bareAtomicWrite)->Name("save/bare atomic write")->Unit(benchmark::kMillisecond);
BENCHMARK(saveDialog<CArmor>)->Name("save/Armor")->Unit(benchmark::kMillisecond);
BENCHMARK(saveDialog<CCharacter>)->Name("save/Character")->Unit(benchmark::kMillisecond);
BENCHMARK(saveDialog<CMonster>)->Name("save/Monster")->Unit(benchmark::kMillisecond);
BENCHMARK(saveDialog<CSpell>)->Name("save/Spells")->Unit(benchmark::kMillisecond);
BENCHMARK(saveDialog<CWeapon>)->Name("save/Weapon")->Unit(benchmark::kMillisecond);
BENCHMARK(saveDialog<CText>)->Name("save/Text")->Unit(benchmark::kMillisecond);
BENCHMARK(saveDialog<CShop>)->Name("save/Shop")->Unit(benchmark::kMillisecond);
BENCHMARK(saveDialog<CFormation>)->Name("save/Formation")->Unit(benchmark::kMillisecond);
BENCHMARK(decodeAllTexts)->Name("codec/decode every text")->Unit(benchmark::kMillisecond);
BENCHMARK(encodeAllDialogue)->Name("codec/encode all dialogue")->Unit(benchmark::kMillisecond);
BENCHMARK(exportThenImport)->Name("cli/export then import")->Unit(benchmark::kMillisecond);
BENCHMARK(createBps)->Name("patch/create BPS, 300 scattered changes")->Unit(benchmark::kMillisecond);
BENCHMARK(applyBps)->Name("patch/apply BPS, 300 scattered changes")->Unit(benchmark::kMillisecond);
BENCHMARK(recordedSave)->Name("history/save with restore point")->Unit(benchmark::kMillisecond);
BENCHMARK(diffHundredFields)->Name("history/diff of 100 changed fields")->Unit(benchmark::kMillisecond);
BENCHMARK(searchWholeImage)->Name("find/read and search the whole image for \"er\"")->Unit(benchmark::kMillisecond);
BENCHMARK(findInBuiltIndex)->Name("find/search a read index for \"er\"")->Unit(benchmark::kMillisecond);
BENCHMARK(buildCrossReferences)->Name("find/build the cross-reference index")->Unit(benchmark::kMillisecond);
BENCHMARK(findWindowKeystroke)->Name("find/Find window, one keystroke")->Unit(benchmark::kMillisecond);
BENCHMARK(listThousandPoints)->Name("history/read 1000 restore points")->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
