#include "c_armor.h"

#include "app/changed_marker.h"
#include "app/save_note.h"
#include "app/save_shortcut.h"
#include "app/form_helpers.h"
#include "app/record_offset_label.h"
#include "app/ui_services.h"
#include "app/where_used_list.h"
#include "records/armor_json.h"
#include "records/armor_record.h"
#include "ui_c_armor.h"

namespace talvek {

CArmor::CArmor(const EditorContext &context, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CArmor>()), context_(context)
{
    ui->setupUi(this);
    addSaveNote(this);
    // In bit order: 0x01 Dimension ... 0x80 Ice.
    elementChecks_ = {ui->dimensionCheck, ui->fireCheck,  ui->mindCheck, ui->lightningCheck,
                      ui->instaDeathCheck, ui->poisonCheck, ui->bodyCheck, ui->iceCheck};
    for (auto *edit : {ui->defenseEdit, ui->evadePenaltyEdit, ui->intSoulPenaltyEdit, ui->magicDefenseEdit})
        form::makeDigitsOnly(edit);

    for (int r = 0; r < armor::kRecordCount; ++r)
        ui->armorList->addItem(form::fromUtf8(armor::rowName(context_.image, r, context_.table)));

    connect(ui->armorList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showRecord(row);
    });
    connect(ui->saveButton, &QPushButton::clicked, this, &CArmor::save);
    connect(ui->exitButton, &QPushButton::clicked, this, &QDialog::reject);
    addRecordOffsetLabel(
        ui->armorList, [this](int row) { return armor::recordOffset(row) + context_.image.romBase(); },
        QStringLiteral("recordOffsetLabel"));
    refs_ = CrossReferences::build(context_.image, context_.table);
    whereUsed_ = WhereUsedList::addTo(this, ui->armorList, context_, [this](RomImage &image) { storeFields(image, selectedRecord()); });
    ui->armorList->setCurrentRow(0);
    addSaveShortcut(this, ui->saveButton, ui->armorList);
    changedMarker_ = ChangedMarker::attach(this, context_.image, [this](RomImage &image) { storeFields(image, selectedRecord()); });
}

CArmor::~CArmor() = default;

void CArmor::openAt(const EditorTarget &target)
{
    if (target.record >= 0 && target.record < armor::kRecordCount)
        ui->armorList->setCurrentRow(target.record);
}

void CArmor::showWhereUsed()
{
    if (whereUsed_)
        whereUsed_->showPlaces(refs_.usesOfItem(armor::itemIdOf(selectedRecord())),
                               ui->armorList->currentItem() ? ui->armorList->currentItem()->text() : QString());
}

int CArmor::selectedRecord() const
{
    return std::max(ui->armorList->currentRow(), 0);
}

void CArmor::showRecord(int k)
{
    const armor::ArmorForm record = armor::read(context_.image, k);
    form::setDecimal(ui->defenseEdit, record.defense);
    form::setDecimal(ui->evadePenaltyEdit, record.evadePenalty);
    form::setDecimal(ui->intSoulPenaltyEdit, record.intSoulPenalty);
    for (std::size_t bit = 0; bit < elementChecks_.size(); ++bit)
        elementChecks_[bit]->setChecked(record.elementalDefense & (1u << bit));
    form::selectPosition(ui->statBoostCombo, record.statBoostPosition);
    form::setDecimal(ui->magicDefenseEdit, record.magicDefense);
    showWhereUsed();
    if (changedMarker_)
        changedMarker_->rebase();
}

void CArmor::save()
{
    const int k = selectedRecord();
    if (form::positionOf(ui->statBoostCombo) == armor::kMagicPowerPosition)
        context_.services.showMessage(this, QString::fromUtf8(armor::kMagicPowerWarning));
    storeFields(context_.image, k);
    saveWholeImage(context_, this);
    refs_ = CrossReferences::build(context_.image, context_.table);
    showRecord(k);
}

void CArmor::storeFields(RomImage &image, int k) const
{
    armor::ArmorForm record;
    record.defense = form::decimalOf(ui->defenseEdit);
    record.evadePenalty = form::decimalOf(ui->evadePenaltyEdit);
    record.intSoulPenalty = form::decimalOf(ui->intSoulPenaltyEdit);
    for (std::size_t bit = 0; bit < elementChecks_.size(); ++bit)
        if (elementChecks_[bit]->isChecked())
            record.elementalDefense |= static_cast<std::uint8_t>(1u << bit);
    record.statBoostPosition = form::positionOf(ui->statBoostCombo);
    record.magicDefense = form::decimalOf(ui->magicDefenseEdit);
    armor::store(image, k, record);
}

} // namespace talvek
