#include "editor_context.h"

#include "app/save_note.h"
#include "app/ui_services.h"
#include "graphics/battle_palettes.h"
#include "records/image_diff.h"
#include "rom/rom_file.h"

#include <QDialog>
#include <QStringList>
#include <QTime>

#include "search/editor_target.h"

namespace talvek {

bool fieldsDifferFromImage(const RomImage &image, const std::function<void(RomImage &)> &store)
{
    RomImage scratch = image;
    store(scratch);
    return scratch.bytes() != image.bytes();
}

bool goToPlace(const EditorContext &context, QDialog *editor, const Place &place, bool fieldsChanged)
{
    if (!editorTargetOf(place))
        return false; // a shared entry that no record uses
    if (fieldsChanged && !context.services.askYesNo(editor, QString::fromUtf8(kLeaveUnsavedQuestion)))
        return false;
    context.navigation.next = place;
    editor->reject();
    return true;
}

bool recolorBattlePalette(const EditorContext &context, QWidget *parent, int palette, int color)
{
    if (palette >= kBattlePaletteCount) {
        // Its colours would be bytes of the data that follows the palette arrays.
        context.services.showMessage(parent, QStringLiteral("Battle palette %1 lies past the %2 battle palettes, so "
                                                            "its colours cannot be changed. Choose another palette.")
                                                 .arg(QString::number(palette, 16).toUpper())
                                                 .arg(kBattlePaletteCount));
        return false;
    }
    const int current = context.image.game(battlePaletteOffset(palette, color));
    const auto chosen = context.services.pickNesColor(parent, context.palette, current);
    if (!chosen)
        return false;
    return writeBattlePaletteColor(context.image, palette, color, static_cast<std::uint8_t>(*chosen));
}

ChangeSummarizer restorePointSummarizer(const SaveState &saves)
{
    if (!saves.standardNames || !saves.prototypeNames)
        return {};
    const NameTables names{*saves.standardNames, *saves.prototypeNames};
    return [names](std::span<const std::uint8_t> before, std::span<const std::uint8_t> after) {
        return summarizeDiff(before, after, names);
    };
}

bool saveWholeImage(const EditorContext &context, QWidget *parent)
{
    SaveState &saves = context.saves;
    if (context.image.bytes() == saves.onDisk) {
        showSaveNote(parent, QStringLiteral("Nothing changed"));
        return true; // nothing is written and no restore point recorded
    }
    showSaveNote(parent, {});
    SaveRequest request{context.image.path(), context.image.bytes(), &saves.onDisk, saves.recordHistory,
                        restorePointSummarizer(saves)};
    SaveReport report = saveRecorded(request);
    if (report.outcome == SaveOutcome::ChangedOnDisk) {
        if (!context.services.askYesNo(parent, QString::fromUtf8(kChangedOnDiskQuestion)))
            return false;
        request.expectedOnDisk = nullptr;
        report = saveRecorded(request);
    }
    if (report.outcome != SaveOutcome::Saved) {
        context.services.showMessage(parent, QString::fromUtf8(kSaveFailedMessage));
        return false;
    }
    saves.onDisk = context.image.bytes();
    showSaveNote(parent, QStringLiteral("Saved %1").arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))));
    if (!report.warnings.empty() && !saves.historyWarningShown) {
        saves.historyWarningShown = true;
        QStringList lines;
        for (const auto &warning : report.warnings)
            lines << QString::fromStdString(warning);
        context.services.showMessage(parent, lines.join(QLatin1Char('\n')) + QStringLiteral("\n\nThe ROM was saved."));
    }
    return true;
}

} // namespace talvek
