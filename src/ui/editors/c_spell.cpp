#include "c_spell.h"

#include "app/changed_marker.h"
#include "app/save_note.h"
#include "app/where_used_list.h"
#include "app/save_shortcut.h"
#include "app/form_helpers.h"
#include "app/record_offset_label.h"
#include "app/ui_services.h"
#include "graphics/swatch_geometry.h"
#include "records/ai_list.h"
#include "records/spell_record.h"
#include "text/number_parsing.h"
#include "ui_c_spell.h"

namespace talvek {

namespace {

QString text(std::string_view label)
{
    return QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
}

std::optional<int> rowOf(const QListWidget *list)
{
    return list->currentRow() < 0 ? std::nullopt : std::optional<int>(list->currentRow());
}

} // namespace

CSpell::CSpell(const EditorContext &context, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CSpell>()), context_(context)
{
    ui->setupUi(this);
    addSaveNote(this);
    elementChecks_ = {ui->dimensionCheck, ui->fireCheck,  ui->mindCheck, ui->lightningCheck,
                      ui->instaDeathCheck, ui->poisonCheck, ui->bodyCheck, ui->iceCheck};
    statusChecks_ = {ui->status1Check, ui->status2Check, ui->status3Check, ui->status4Check,
                     ui->status5Check, ui->status6Check, ui->status7Check};
    for (auto *edit : {ui->powerEdit, ui->accuracyModifierEdit, ui->aiLevelEdit, ui->aiAccuracyEdit})
        form::makeDigitsOnly(edit);
    form::makeHexDigitsOnly(ui->animationEdit); // shown and read as hexadecimal
    ui->colorSwatches->setSource(&context_.image, &context_.palette);
    ui->colorSwatches->setGeometryRule({spell_swatches::kLeft, spell_swatches::kTop}, spell_swatches::colorAt);

    spellNames_ = {"Unused"};
    for (const auto &name : ai_list::spellNames(context_.image, context_.table)) {
        spellNames_.push_back(name);
        ui->spellList->addItem(form::fromUtf8(name));
        ui->aiSpellCombo->addItem(form::fromUtf8(name));
    }
    for (auto label : spell::kTypeLabels)
        ui->spellTypeList->addItem(text(label));
    for (auto label : ai_list::kTargetingLabels)
        ui->targetingList->addItem(text(label));
    for (const auto &row : ai_list::recordLabels(context_.image, context_.table, "Unused").labels)
        ui->aiList->addItem(form::fromUtf8(row));

    connect(ui->spellList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showSpell(row);
    });
    connect(ui->spellTypeList, &QListWidget::currentRowChanged, this, &CSpell::applyTypeRule);
    connect(ui->aiList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showAiRecord(row);
    });
    connect(ui->aiSpellCombo, &QComboBox::currentIndexChanged, this, &CSpell::updateAiRowText);
    connect(ui->aiLevelEdit, &QLineEdit::textChanged, this, &CSpell::updateAiRowText);
    connect(ui->changePaletteButton, &QPushButton::clicked, this, &CSpell::changePalette);
    connect(ui->colorSwatches, &ColorSwatchesView::colorClicked, this, &CSpell::editColor);
    connect(ui->saveButton, &QPushButton::clicked, this, &CSpell::save);
    connect(ui->exitButton, &QPushButton::clicked, this, &QDialog::reject);

    addRecordOffsetLabel(
        ui->spellList, [this](int row) { return spell::recordOffset(row) + context_.image.romBase(); },
        QStringLiteral("recordOffsetLabel"));
    addRecordOffsetLabel(
        ui->aiList, [this](int row) { return ai_list::recordOffset(row) + context_.image.romBase(); },
        QStringLiteral("aiRecordOffsetLabel"));
    refs_ = CrossReferences::build(context_.image, context_.table);
    whereUsed_ = WhereUsedList::addTo(this, ui->aiList, context_, [this](RomImage &image) { storeFields(image, selectedSpell()); });
    whereUsed_->setToolTip(QStringLiteral("Where the selected AI record is used"));
    ui->spellList->setCurrentRow(0);
    addSaveShortcut(this, ui->saveButton, ui->spellList);
    ui->aiList->setCurrentRow(0);
    changedMarker_ = ChangedMarker::attach(this, context_.image, [this](RomImage &image) { storeFields(image, selectedSpell()); });
}

CSpell::~CSpell() = default;

void CSpell::openAt(const EditorTarget &target)
{
    QListWidget *list = target.aiRecord ? ui->aiList : ui->spellList;
    if (target.record >= 0 && target.record < list->count()) {
        list->setCurrentRow(target.record);
        list->setFocus();
    }
}

int CSpell::selectedSpell() const
{
    return std::max(ui->spellList->currentRow(), 0);
}

void CSpell::showSpell(int s)
{
    const spell::SpellForm record = spell::read(context_.image, s);
    {
        const QSignalBlocker blocker(ui->spellTypeList);
        ui->spellTypeList->setCurrentRow(record.type.value_or(-1));
    }
    form::setDecimal(ui->accuracyModifierEdit, record.accuracyModifier.value_or(0));
    form::setDecimal(ui->powerEdit, record.power.value_or(0));
    for (std::size_t bit = 0; bit < elementChecks_.size(); ++bit)
        elementChecks_[bit]->setChecked(record.elements & (1u << bit));
    palette_ = record.palette;
    showPalette();
    form::setHex(ui->animationEdit, record.animation.value_or(0));
    applyTypeRule();
    if (changedMarker_)
        changedMarker_->rebase();
}

void CSpell::applyTypeRule()
{
    const std::optional<int> type = rowOf(ui->spellTypeList);
    ui->statusGroup->setVisible(spell::statusGroupShown(type));
    // The boxes are re-read from the buffer: ticks made since the last Save are reset.
    const auto boxes = spell::statusBoxes(context_.image.game(spell::recordOffset(selectedSpell()) + spell::Status));
    for (int box = 0; box < spell::kStatusBoxCount; ++box) {
        QCheckBox *check = statusChecks_[static_cast<std::size_t>(box)];
        check->setVisible(spell::statusBoxShown(type, box));
        const auto label = spell::statusBoxLabel(type, box);
        if (!label.empty())
            check->setText(text(label));
        check->setChecked(boxes[static_cast<std::size_t>(box)]);
    }
    ui->powerLabel->setText(text(spell::powerLabel(type)));
}

void CSpell::showAiRecord(int j)
{
    const ai_list::AiForm record = ai_list::read(context_.image, j);
    // Byte 0 shows position 0 like 0xFF; a byte naming no spell shows nothing.
    form::selectPosition(ui->aiSpellCombo, record.spellPosition);
    form::setDecimal(ui->aiLevelEdit, record.level.value_or(0));
    form::setDecimal(ui->aiAccuracyEdit, record.accuracy.value_or(0));
    ui->targetingList->setCurrentRow(record.targetingRow.value_or(-1));
    form::setDecimal(ui->consumptionRateEdit, record.consumptionRate.value_or(0));
    updateAiRowText();
    if (whereUsed_)
        whereUsed_->showPlaces(refs_.usesOfAiRecord(j), QStringLiteral("AI record %1").arg(j));
    if (changedMarker_)
        changedMarker_->rebase();
}

void CSpell::updateAiRowText()
{
    QListWidgetItem *row = ui->aiList->currentItem();
    if (!row)
        return;
    const int position = ui->aiSpellCombo->currentIndex();
    const std::int64_t level = form::decimalOf(ui->aiLevelEdit); // not clamped: the row shows what was typed
    if (position < 0) {
        const std::uint8_t spell = context_.image.game(ai_list::recordOffset(ui->aiList->currentRow()) + ai_list::Spell);
        row->setText(form::fromUtf8(ai_list::invalidRowText(spell, level)));
        return;
    }
    row->setText(form::fromUtf8(spellNames_[static_cast<std::size_t>(position)] + " " + std::to_string(level)));
}

void CSpell::showPalette()
{
    ui->paletteValueLabel->setText(form::hex(palette_));
    ui->colorSwatches->setBattlePalette(palette_);
}

void CSpell::changePalette()
{
    if (const auto chosen = context_.services.pickBattlePalette(this, context_.image, context_.palette, palette_)) {
        palette_ = *chosen;
        showPalette();
    }
}

void CSpell::editColor(int color)
{
    if (recolorBattlePalette(context_, this, palette_, color))
        ui->colorSwatches->update();
}

void CSpell::save()
{
    const int s = selectedSpell();
    storeFields(context_.image, s);
    saveWholeImage(context_, this);
    refs_ = CrossReferences::build(context_.image, context_.table);
    showSpell(s); // the AI controls are not refreshed
    if (const int j = ui->aiList->currentRow(); j >= 0 && whereUsed_)
        whereUsed_->showPlaces(refs_.usesOfAiRecord(j), QStringLiteral("AI record %1").arg(j));
}

void CSpell::storeFields(RomImage &image, int s) const
{
    spell::SpellForm record;
    record.type = rowOf(ui->spellTypeList);
    record.accuracyModifier = form::editedDecimal(ui->accuracyModifierEdit);
    record.power = form::editedDecimal(ui->powerEdit);
    for (std::size_t bit = 0; bit < elementChecks_.size(); ++bit)
        if (elementChecks_[bit]->isChecked())
            record.elements |= static_cast<std::uint8_t>(1u << bit);
    for (std::size_t box = 0; box < statusChecks_.size(); ++box)
        record.status[box] = statusChecks_[box]->isChecked(); // hidden boxes keep their bits
    record.palette = palette_;
    record.animation = form::editedHex(ui->animationEdit);
    spell::store(image, s, record);

    if (const int j = ui->aiList->currentRow(); j >= 0) {
        ai_list::AiForm ai;
        ai.spellPosition = form::positionOf(ui->aiSpellCombo);
        ai.level = form::editedDecimal(ui->aiLevelEdit);
        ai.accuracy = form::editedDecimal(ui->aiAccuracyEdit);
        ai.targetingRow = rowOf(ui->targetingList);
        ai.consumptionRate = form::editedDecimal(ui->consumptionRateEdit);
        ai_list::store(image, j, ai);
    }
}

} // namespace talvek
