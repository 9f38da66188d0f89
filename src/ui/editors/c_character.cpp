#include "c_character.h"

#include "app/changed_marker.h"
#include "app/save_note.h"
#include "app/tab_order.h"
#include "app/save_shortcut.h"
#include "app/form_helpers.h"
#include "app/record_offset_label.h"
#include "records/character_record.h"
#include "app/ui_services.h"
#include "graphics/c_graphic.h"
#include "graphics/viewer_pictures.h"
#include "text/text_codec.h"
#include "ui_c_character.h"

namespace talvek {

namespace {

constexpr int kCharacterEditorCaller = 0;

template <typename Widget>
Widget *child(QObject *parent, const QString &name)
{
    auto *widget = parent->findChild<Widget *>(name);
    Q_ASSERT(widget);
    return widget;
}

} // namespace

CCharacter::CCharacter(const EditorContext &context, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CCharacter>()), context_(context)
{
    using namespace character;
    ui->setupUi(this);
    addSaveNote(this);
    hpMpEdits_ = {ui->hpLeftEdit, ui->hpRightEdit, ui->mpLeftEdit, ui->mpRightEdit};
    statEdits_ = {ui->strEdit, ui->agiEdit, ui->vitEdit, ui->intEdit, ui->soulEdit};
    const char *skillKeys[] = {"fist", "shield", "knife", "cane", "spear", "sword", "axe", "bow"};
    for (int s = 0; s < kSkillCount; ++s) {
        skillLevelEdits_[s] = child<QLineEdit>(this, QString::fromLatin1(skillKeys[s]) + QStringLiteral("LevelEdit"));
        skillExpEdits_[s] = child<QLineEdit>(this, QString::fromLatin1(skillKeys[s]) + QStringLiteral("ExpEdit"));
    }
    for (int k = 0; k < kSpellSlotCount; ++k) {
        const QString slot = QStringLiteral("spell") + QString::number(k + 1);
        spellCombos_[k] = child<QComboBox>(this, slot + QStringLiteral("Combo"));
        spellLevelEdits_[k] = child<QLineEdit>(this, slot + QStringLiteral("LevelEdit"));
        spellExpEdits_[k] = child<QLineEdit>(this, slot + QStringLiteral("ExpEdit"));
    }
    equipmentCombos_ = {ui->headCombo,     ui->bodyCombo,  ui->gloveCombo, ui->rightHandCombo,
                        ui->leftHandCombo, ui->belt1Combo, ui->belt2Combo};

    // The number edits take digits only; the spell level and experience edits take any text.
    for (auto *edit : hpMpEdits_)
        form::makeDigitsOnly(edit, 5);
    for (auto *edit : statEdits_)
        form::makeDigitsOnly(edit);
    for (auto *edit : {ui->magEdit, ui->evadeLeftEdit, ui->evadeRightEdit, ui->magDefLeftEdit, ui->magDefRightEdit})
        form::makeDigitsOnly(edit);
    form::makeDigitsOnly(ui->gilEdit, 7);
    for (int s = 0; s < kSkillCount; ++s) {
        form::makeDigitsOnly(skillLevelEdits_[s]);
        form::makeDigitsOnly(skillExpEdits_[s]);
    }
    for (int k = 0; k < kSpellSlotCount; ++k) {
        form::fitDigits(spellLevelEdits_[k], 3);
        form::fitDigits(spellExpEdits_[k], 3);
    }

    for (int i = 0; i < kRecordCount; ++i)
        ui->characterList->addItem(form::fromUtf8(displayName(context_.image, i, context_.table)));
    for (auto *combo : spellCombos_)
        fillItemList(combo, kSpellList);
    for (int slot = 0; slot < kSlotCount; ++slot)
        fillItemList(equipmentCombos_[slot], kSlotLists[slot]);

    connect(ui->characterList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showRecord(row);
    });
    // Only the user's own choice applies the hand rule, not showing a record.
    connect(ui->rightHandCombo, &QComboBox::activated, this,
            [this] { applyHandRule(ui->rightHandCombo, ui->leftHandCombo); });
    connect(ui->leftHandCombo, &QComboBox::activated, this,
            [this] { applyHandRule(ui->leftHandCombo, ui->rightHandCombo); });
    connect(ui->saveButton, &QPushButton::clicked, this, &CCharacter::save);
    connect(ui->exitButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->editSpriteButton, &QPushButton::clicked, this, &CCharacter::editSprite);
    addRecordOffsetLabel(
        ui->characterList, [this](int row) { return character::recordOffset(row) + context_.image.romBase(); },
        QStringLiteral("recordOffsetLabel"));
    ui->characterList->setCurrentRow(0);
    addSaveShortcut(this, ui->saveButton, ui->characterList);
    // Tab reads the way the eye does: the list, the fields beside it, then each group left to right, then the buttons.
    chainTabOrder(this, {"characterList", "gilEdit", "backRowCheck", "leftHandedCheck", "hpLeftEdit", "hpRightEdit",
                         "mpLeftEdit", "mpRightEdit", "strEdit", "agiEdit", "vitEdit", "intEdit", "soulEdit", "magEdit",
                         "evadeLeftEdit", "evadeRightEdit", "magDefLeftEdit", "magDefRightEdit", "fistLevelEdit", "fistExpEdit",
                         "shieldLevelEdit", "shieldExpEdit", "knifeLevelEdit", "knifeExpEdit", "caneLevelEdit", "caneExpEdit",
                         "spearLevelEdit", "spearExpEdit", "swordLevelEdit", "swordExpEdit", "axeLevelEdit", "axeExpEdit",
                         "bowLevelEdit", "bowExpEdit", "headCombo", "bodyCombo", "gloveCombo", "rightHandCombo", "leftHandCombo",
                         "belt1Combo", "belt2Combo", "spell1Combo", "spell1LevelEdit", "spell1ExpEdit", "spell2Combo",
                         "spell2LevelEdit", "spell2ExpEdit", "spell3Combo", "spell3LevelEdit", "spell3ExpEdit", "spell4Combo",
                         "spell4LevelEdit", "spell4ExpEdit", "spell5Combo", "spell5LevelEdit", "spell5ExpEdit", "spell6Combo",
                         "spell6LevelEdit", "spell6ExpEdit", "spell7Combo", "spell7LevelEdit", "spell7ExpEdit", "spell8Combo",
                         "spell8LevelEdit", "spell8ExpEdit", "spell9Combo", "spell9LevelEdit", "spell9ExpEdit", "spell10Combo",
                         "spell10LevelEdit", "spell10ExpEdit", "spell11Combo", "spell11LevelEdit", "spell11ExpEdit",
                         "spell12Combo", "spell12LevelEdit", "spell12ExpEdit", "spell13Combo", "spell13LevelEdit",
                         "spell13ExpEdit", "spell14Combo", "spell14LevelEdit", "spell14ExpEdit", "spell15Combo",
                         "spell15LevelEdit", "spell15ExpEdit", "spell16Combo", "spell16LevelEdit", "spell16ExpEdit",
                         "saveButton", "editSpriteButton", "exitButton"});
    changedMarker_ = ChangedMarker::attach(this, context_.image, [this](RomImage &image) { storeFields(image, selectedRecord()); });
}

CCharacter::~CCharacter() = default;

void CCharacter::openAt(const EditorTarget &target)
{
    if (target.record >= 0 && target.record < ui->characterList->count())
        ui->characterList->setCurrentRow(target.record);
}

void CCharacter::fillItemList(QComboBox *combo, const IdList &list)
{
    // Position 0 ("--none--" or "--unarmed--") comes from the form; names follow.
    for (int position = 1; position <= list.count; ++position)
        combo->addItem(form::fromUtf8(decodeName(context_.image, list.idAt(position), context_.table)));
}

int CCharacter::selectedRecord() const
{
    return std::max(ui->characterList->currentRow(), 0);
}

void CCharacter::showRecord(int i)
{
    using namespace character;
    const CharacterForm record = read(context_.image, i);
    const auto show = [](QLineEdit *edit, const Typed &value) { form::setDecimal(edit, value.value_or(0)); };
    for (std::size_t v = 0; v < hpMpEdits_.size(); ++v)
        show(hpMpEdits_[v], record.hpMp[v]);
    form::setDecimal(ui->gilEdit, readGil(context_.image));
    for (std::size_t s = 0; s < statEdits_.size(); ++s)
        show(statEdits_[s], record.stats[s]);
    show(ui->magEdit, record.magic);
    show(ui->evadeLeftEdit, record.evade.level);
    show(ui->evadeRightEdit, record.evade.exp);
    show(ui->magDefLeftEdit, record.magicDefense.level);
    show(ui->magDefRightEdit, record.magicDefense.exp);
    for (std::size_t s = 0; s < record.skills.size(); ++s) {
        show(skillLevelEdits_[s], record.skills[s].level);
        show(skillExpEdits_[s], record.skills[s].exp);
    }
    for (std::size_t k = 0; k < record.spellLevels.size(); ++k) {
        show(spellLevelEdits_[k], record.spellLevels[k].level);
        show(spellExpEdits_[k], record.spellLevels[k].exp);
        form::selectPosition(spellCombos_[k], record.spells[k]);
    }
    // A row or number byte the boxes cannot show reads unchecked and is kept unless the box is clicked.
    form::showChecked(ui->backRowCheck, record.backRow.value_or(false));
    form::showChecked(ui->leftHandedCheck, record.leftHanded.value_or(false));
    for (std::size_t slot = 0; slot < record.equipment.size(); ++slot)
        form::selectPosition(equipmentCombos_[slot], record.equipment[slot]);
    if (changedMarker_)
        changedMarker_->rebase();
}

void CCharacter::save()
{
    const int i = selectedRecord();
    storeFields(context_.image, i);
    saveWholeImage(context_, this);
    showRecord(i);
}

void CCharacter::storeFields(RomImage &image, int i) const
{
    using namespace character;
    CharacterForm record;
    using form::editedDecimal;
    for (std::size_t v = 0; v < hpMpEdits_.size(); ++v)
        record.hpMp[v] = editedDecimal(hpMpEdits_[v]);
    for (std::size_t s = 0; s < statEdits_.size(); ++s)
        record.stats[s] = editedDecimal(statEdits_[s]);
    record.magic = editedDecimal(ui->magEdit);
    record.evade = {editedDecimal(ui->evadeLeftEdit), editedDecimal(ui->evadeRightEdit)};
    record.magicDefense = {editedDecimal(ui->magDefLeftEdit), editedDecimal(ui->magDefRightEdit)};
    for (std::size_t s = 0; s < record.skills.size(); ++s)
        record.skills[s] = {editedDecimal(skillLevelEdits_[s]), editedDecimal(skillExpEdits_[s])};
    for (std::size_t k = 0; k < record.spellLevels.size(); ++k) {
        record.spellLevels[k] = {editedDecimal(spellLevelEdits_[k]), editedDecimal(spellExpEdits_[k])};
        record.spells[k] = form::positionOf(spellCombos_[k]);
    }
    for (std::size_t slot = 0; slot < record.equipment.size(); ++slot)
        record.equipment[slot] = form::positionOf(equipmentCombos_[slot]);
    record.backRow = form::changedChecked(ui->backRowCheck);
    record.leftHanded = form::changedChecked(ui->leftHandedCheck);

    if (const auto gil = editedDecimal(ui->gilEdit))
        storeGil(image, *gil);
    store(image, i, record);
}

void CCharacter::editSprite()
{
    // The same 4 x 4 block whichever character is selected; the viewer only reads.
    CGraphic viewer(context_.image, context_.palette, context_.services, characterSpriteBlock(context_.image),
                    kCharacterEditorCaller, this);
    context_.services.runDialog(viewer);
}

void CCharacter::applyHandRule(QComboBox *changed, QComboBox *other)
{
    other->setCurrentIndex(character::otherHandAfterChange(changed->currentIndex(), other->currentIndex()));
}

} // namespace talvek
