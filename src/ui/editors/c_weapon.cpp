#include "c_weapon.h"

#include "app/changed_marker.h"
#include "app/save_note.h"
#include "app/save_shortcut.h"
#include "app/form_helpers.h"
#include "app/record_offset_label.h"
#include "app/ui_services.h"
#include "app/where_used_list.h"
#include "graphics/swatch_geometry.h"
#include "records/weapon_record.h"
#include "ui_c_weapon.h"

namespace talvek {

CWeapon::CWeapon(const EditorContext &context, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CWeapon>()), context_(context)
{
    ui->setupUi(this);
    addSaveNote(this);
    elementChecks_ = {ui->dimensionCheck, ui->fireCheck,  ui->mindCheck, ui->lightningCheck,
                      ui->instaDeathCheck, ui->poisonCheck, ui->bodyCheck, ui->iceCheck};
    raceChecks_ = {ui->airCheck,   ui->waterCheck,  ui->earthCheck, ui->giantCheck,
                   ui->magicCheck, ui->dragonCheck, ui->wereCheck,  ui->undeadCheck};
    addedEffect_ = std::make_unique<AddedEffectControls>(
        ui->addedEffectList, std::array<QCheckBox *, kAilmentBoxCount>{ui->ailment1Check, ui->ailment2Check,
                                                                       ui->ailment3Check, ui->ailment4Check,
                                                                       ui->ailment5Check, ui->ailment6Check,
                                                                       ui->ailment7Check});
    for (auto *edit : {ui->accuracyEdit, ui->attackPowerEdit, ui->evadeEdit, ui->intSoulPenaltyEdit})
        form::makeDigitsOnly(edit);
    ui->colorSwatches->setSource(&context_.image, &context_.palette);
    ui->colorSwatches->setGeometryRule({weapon_swatches::kLeft, weapon_swatches::kTop}, weapon_swatches::colorAt);
    ui->editGfxButton->setEnabled(false);

    for (int i = 0; i < weapon::kRecordCount; ++i)
        ui->weaponList->addItem(form::fromUtf8(weapon::rowName(context_.image, i, context_.table)));
    const auto castSpells = weapon::castSpellList(context_.image, context_.table);
    for (std::size_t e = 1; e < castSpells.labels.size(); ++e)
        ui->castSpellCombo->addItem(form::fromUtf8(castSpells.labels[e]));
    // Every AI record whose spell byte names nothing is listed with its own label; the user hears once.
    if (castSpells.invalidRecords > 0)
        context_.services.showMessage(this, QString::fromUtf8(kInvalidAiRecordMessage));

    connect(ui->weaponList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showRecord(row);
    });
    connect(ui->typeCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        const auto caption = weapon::elementGroupCaption(index < 0 ? std::nullopt : std::optional<int>(index));
        ui->elementGroup->setTitle(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
    });
    connect(ui->changePaletteButton, &QPushButton::clicked, this, &CWeapon::changePalette);
    connect(ui->colorSwatches, &ColorSwatchesView::colorClicked, this, &CWeapon::editColor);
    connect(ui->saveButton, &QPushButton::clicked, this, &CWeapon::save);
    connect(ui->exitButton, &QPushButton::clicked, this, &QDialog::reject);
    ui->changePaletteButton->setEnabled(false);
    addRecordOffsetLabel(
        ui->weaponList, [this](int row) { return weapon::recordOffset(row) + context_.image.romBase(); },
        QStringLiteral("recordOffsetLabel"));
    refs_ = CrossReferences::build(context_.image, context_.table);
    whereUsed_ = WhereUsedList::addTo(this, ui->weaponList, context_, [this](RomImage &image) { storeFields(image, selectedRecord()); });
    ui->weaponList->setCurrentRow(0);
    addSaveShortcut(this, ui->saveButton, ui->weaponList);
    changedMarker_ = ChangedMarker::attach(this, context_.image, [this](RomImage &image) { storeFields(image, selectedRecord()); });
}

CWeapon::~CWeapon() = default;

void CWeapon::openAt(const EditorTarget &target)
{
    if (target.record >= 0 && target.record < weapon::kRecordCount)
        ui->weaponList->setCurrentRow(target.record);
}

int CWeapon::selectedRecord() const
{
    return std::max(ui->weaponList->currentRow(), 0);
}

void CWeapon::showRecord(int i)
{
    const weapon::WeaponForm record = weapon::read(context_.image, i);
    form::selectPosition(ui->typeCombo, record.type);
    form::setDecimal(ui->accuracyEdit, record.accuracy.value_or(0));
    form::setDecimal(ui->attackPowerEdit, record.attackPower.value_or(0));
    form::setDecimal(ui->evadeEdit, record.evade.value_or(0));
    form::setDecimal(ui->intSoulPenaltyEdit, record.intSoulPenalty.value_or(0));
    for (std::size_t bit = 0; bit < 8; ++bit) {
        elementChecks_[bit]->setChecked(record.elements & (1u << bit));
        raceChecks_[bit]->setChecked(record.races & (1u << bit));
    }
    palette_ = record.palette;
    showPalette();
    ui->changePaletteButton->setEnabled(i >= weapon::kFirstOwnPalette);

    const std::uint8_t effect = context_.image.game(weapon::recordOffset(i) + weapon::Effect);
    addedEffect_->show(effect, decodeAddedEffect(effect).entry);
    form::selectPosition(ui->castSpellCombo, record.castSpellEntry);
    const auto caption = weapon::elementGroupCaption(record.type);
    ui->elementGroup->setTitle(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
    if (whereUsed_)
        whereUsed_->showPlaces(refs_.usesOfItem(weapon::itemIdOf(i)), ui->weaponList->item(i)->text());
    if (changedMarker_)
        changedMarker_->rebase();
}

void CWeapon::showPalette()
{
    ui->paletteValueLabel->setText(selectedRecord() >= weapon::kFirstOwnPalette
                                       ? form::hex(palette_)
                                       : QStringLiteral("--"));
    ui->colorSwatches->setBattlePalette(palette_);
}

void CWeapon::changePalette()
{
    if (const auto chosen = context_.services.pickBattlePalette(this, context_.image, context_.palette, palette_)) {
        palette_ = *chosen;
        showPalette();
    }
}

void CWeapon::editColor(int color)
{
    if (selectedRecord() < weapon::kFirstOwnPalette)
        return; // positions 0 to 9 have no palette of their own
    if (recolorBattlePalette(context_, this, palette_, color))
        ui->colorSwatches->update();
}

void CWeapon::save()
{
    const int i = selectedRecord();
    storeFields(context_.image, i);
    saveWholeImage(context_, this);
    refs_ = CrossReferences::build(context_.image, context_.table);
    showRecord(i);
}

void CWeapon::storeFields(RomImage &image, int i) const
{
    weapon::WeaponForm record;
    record.type = form::positionOf(ui->typeCombo);
    record.accuracy = form::editedDecimal(ui->accuracyEdit);
    record.attackPower = form::editedDecimal(ui->attackPowerEdit);
    record.evade = form::editedDecimal(ui->evadeEdit);
    record.intSoulPenalty = form::editedDecimal(ui->intSoulPenaltyEdit);
    for (std::size_t bit = 0; bit < 8; ++bit) {
        if (elementChecks_[bit]->isChecked())
            record.elements |= static_cast<std::uint8_t>(1u << bit);
        if (raceChecks_[bit]->isChecked())
            record.races |= static_cast<std::uint8_t>(1u << bit);
    }
    record.addedEffect = addedEffect_->changedEntry();
    record.ailments = addedEffect_->ailments();
    record.castSpellEntry = form::positionOf(ui->castSpellCombo);
    record.palette = palette_;
    weapon::store(image, i, record);
}

} // namespace talvek
