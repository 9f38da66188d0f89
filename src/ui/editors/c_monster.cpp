#include "c_monster.h"

#include <algorithm>

#include "app/changed_marker.h"
#include "app/save_note.h"
#include "app/where_used_list.h"
#include "app/save_shortcut.h"
#include "app/form_helpers.h"
#include "app/record_offset_label.h"
#include "records/monster_record.h"
#include "app/ui_services.h"
#include "records/record_fields.h"
#include "ui_c_monster.h"

namespace talvek {

using namespace monster;

namespace {

template <typename Widget>
Widget *child(QObject *parent, const QString &name)
{
    return parent->findChild<Widget *>(name);
}

QString indexLabel(int n)
{
    return QStringLiteral("Index %1").arg(n);
}

void fillIndexes(QComboBox *combo, int count)
{
    for (int n = 0; n < count; ++n)
        combo->addItem(indexLabel(n));
}

std::uint8_t bitsOf(const std::array<QCheckBox *, 8> &checks)
{
    std::uint8_t bits = 0;
    for (std::size_t bit = 0; bit < checks.size(); ++bit)
        if (checks[bit]->isChecked())
            bits |= static_cast<std::uint8_t>(1u << bit);
    return bits;
}

void showBits(const std::array<QCheckBox *, 8> &checks, std::uint8_t bits)
{
    for (std::size_t bit = 0; bit < checks.size(); ++bit)
        form::showChecked(checks[bit], bits & (1u << bit));
}

// The bits of a set whose boxes the user changed, or nothing.
std::optional<std::uint8_t> changedBits(const std::array<QCheckBox *, 8> &checks)
{
    const bool changed =
        std::any_of(checks.begin(), checks.end(), [](const QCheckBox *box) { return form::changedChecked(box); });
    return changed ? std::optional<std::uint8_t>(bitsOf(checks)) : std::nullopt;
}

QString usage(int users)
{
    return QStringLiteral("used by %1").arg(users);
}

} // namespace

CMonster::CMonster(const EditorContext &context, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CMonster>()), context_(context)
{
    ui->setupUi(this);
    addSaveNote(this);
    nibbleCombos_ = {ui->hitsIndexCombo,    ui->accuracyIndexCombo, ui->strengthIndexCombo, ui->addedEffectIndexCombo,
                     ui->blocksIndexCombo,  ui->evadeIndexCombo,    ui->defenseIndexCombo,  ui->magDefIndexCombo,
                     ui->magEvaIndexCombo,  ui->raceIndexCombo,     ui->resistIndexCombo,   ui->weaknessIndexCombo,
                     ui->moraleIndexCombo,  ui->absorbIndexCombo};
    const char *bitPrefixes[] = {"race", "resist", "absorb", "weakness"};
    for (std::size_t set = 0; set < bitChecks_.size(); ++set)
        for (std::size_t bit = 0; bit < 8; ++bit)
            bitChecks_[set][bit] =
                child<QCheckBox>(this, QString::fromLatin1(bitPrefixes[set]) + QString::number(bit + 1) + QStringLiteral("Check"));
    for (int i = 0; i < kAttacksPerScript; ++i)
        attackCombos_[static_cast<std::size_t>(i)] = child<QComboBox>(this, QStringLiteral("attack%1Combo").arg(i + 1));
    std::array<QCheckBox *, kAilmentBoxCount> ailmentChecks{};
    for (int k = 0; k < kAilmentBoxCount; ++k)
        ailmentChecks[static_cast<std::size_t>(k)] = child<QCheckBox>(this, QStringLiteral("ailment%1Check").arg(k + 1));
    addedEffect_ = std::make_unique<AddedEffectControls>(ui->addedEffectList, ailmentChecks);
    for (int i = 0; i < kDropsPerSet; ++i)
        drops_[static_cast<std::size_t>(i)] = {child<QComboBox>(this, QStringLiteral("drop%1Combo").arg(i + 1)),
                                               child<QCheckBox>(this, QStringLiteral("drop%1GilCheck").arg(i + 1)),
                                               child<QLineEdit>(this, QStringLiteral("drop%1GilEdit").arg(i + 1))};
    for (auto *edit : {ui->hpEdit, ui->mpEdit})
        form::makeDigitsOnly(edit, 5);
    for (auto *edit : {ui->hitsEdit, ui->blocksEdit, ui->magDefEdit, ui->accuracyEdit, ui->evadeEdit, ui->magEvaEdit,
                       ui->strengthEdit, ui->defenseEdit, ui->moraleEdit})
        form::makeDigitsOnly(edit);
    for (const DropRow &row : drops_)
        form::fitDigits(row.amount, 5); // the gil edits take any text
    ui->editSpriteButton->setEnabled(false);

    fillIndexes(ui->hpIndexCombo, kHpMpCount);
    fillIndexes(ui->mpIndexCombo, kHpMpCount);
    for (auto *combo : nibbleCombos_)
        fillIndexes(combo, kSmallTableCount);
    fillIndexes(ui->spoilsSetCombo, kSpoilsSetCount);
    for (auto script : kScriptNames)
        ui->aiScriptCombo->addItem(QString::fromUtf8(script.data(), static_cast<qsizetype>(script.size())));
    for (int m = 0; m < kRecordCount; ++m)
        ui->monsterList->addItem(form::fromUtf8(name(context_.image, m, context_.table)));
    const auto attacks = attackList(context_.image, context_.table);
    for (auto *combo : attackCombos_)
        for (std::size_t e = 1; e < attacks.labels.size(); ++e)
            combo->addItem(form::fromUtf8(attacks.labels[e]));
    items_ = itemList(context_.image, context_.table);
    if (attacks.invalidRecords > 0)
        context_.services.showMessage(this, QStringLiteral("An invalid argument was encountered."));

    connect(ui->monsterList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showMonster(row);
    });
    connect(ui->aiScriptCombo, &QComboBox::currentIndexChanged, this, [this] {
        setUpAttacks();
        updateUsage();
    });
    for (auto *combo : {ui->hpIndexCombo, ui->mpIndexCombo})
        connect(combo, &QComboBox::currentIndexChanged, this, &CMonster::showValues);
    for (std::size_t field = 0; field < nibbleCombos_.size(); ++field) {
        const bool bitSet = field == Race || field == Resist || field == Weakness || field == Absorb;
        connect(nibbleCombos_[field], &QComboBox::currentIndexChanged, this,
                bitSet ? &CMonster::showBitSets : &CMonster::showValues);
    }
    connect(ui->spoilsSetCombo, &QComboBox::currentIndexChanged, this, [this] {
        showDrops();
        updateUsage();
    });
    for (int i = 0; i < kDropsPerSet; ++i) {
        connect(drops_[static_cast<std::size_t>(i)].gil, &QCheckBox::clicked, this, [this, i] { switchDropRow(i); });
        connect(drops_[static_cast<std::size_t>(i)].combo, &QComboBox::activated, this, [this, i] { dropChosen(i); });
    }
    connect(ui->saveButton, &QPushButton::clicked, this, &CMonster::save);
    connect(ui->exitButton, &QPushButton::clicked, this, &QDialog::reject);
    addRecordOffsetLabel(
        ui->monsterList, [this](int row) { return monster::recordOffset(row) + context_.image.romBase(); },
        QStringLiteral("recordOffsetLabel"));
    refs_ = CrossReferences::build(context_.image, context_.table);
    whereUsed_ = WhereUsedList::addTo(this, ui->monsterList, context_, [this](RomImage &image) { storeFields(image, selectedMonster()); });
    ui->monsterList->setCurrentRow(0);
    addSaveShortcut(this, ui->saveButton, ui->monsterList);
    changedMarker_ = ChangedMarker::attach(this, context_.image, [this](RomImage &image) { storeFields(image, selectedMonster()); });
}

CMonster::~CMonster() = default;

void CMonster::openAt(const EditorTarget &target)
{
    if (target.record >= 0 && target.record < monster::kRecordCount)
        ui->monsterList->setCurrentRow(target.record);
}

int CMonster::selectedMonster() const
{
    return std::max(ui->monsterList->currentRow(), 0);
}

MonsterForm CMonster::indexesShown() const
{
    MonsterForm form;
    form.aiEntry = form::positionOf(ui->aiScriptCombo);
    form.hpIndex = form::positionOf(ui->hpIndexCombo);
    form.mpIndex = form::positionOf(ui->mpIndexCombo);
    for (std::size_t field = 0; field < nibbleCombos_.size(); ++field)
        form.nibbles[field] = std::max(nibbleCombos_[field]->currentIndex(), 0);
    form.spoilsSet = form::positionOf(ui->spoilsSetCombo);
    return form;
}

void CMonster::showMonster(int m)
{
    const MonsterForm record = read(context_.image, m);
    {
        // Every index is set first; the values, sets, attacks and drops are then shown once.
        std::vector<std::unique_ptr<QSignalBlocker>> blockers;
        for (QComboBox *combo : nibbleCombos_)
            blockers.push_back(std::make_unique<QSignalBlocker>(combo));
        for (QComboBox *combo : {ui->aiScriptCombo, ui->hpIndexCombo, ui->mpIndexCombo, ui->spoilsSetCombo})
            blockers.push_back(std::make_unique<QSignalBlocker>(combo));
        form::selectPosition(ui->aiScriptCombo, record.aiEntry);
        form::selectPosition(ui->hpIndexCombo, record.hpIndex);
        form::selectPosition(ui->mpIndexCombo, record.mpIndex);
        for (std::size_t field = 0; field < nibbleCombos_.size(); ++field)
            nibbleCombos_[field]->setCurrentIndex(record.nibbles[field]);
        form::selectPosition(ui->spoilsSetCombo, record.spoilsSet);
    }
    showValues();
    setUpAttacks();
    showDrops();
    if (whereUsed_)
        whereUsed_->showPlaces(refs_.usesOfMonster(m), ui->monsterList->item(m)->text());
    if (changedMarker_)
        changedMarker_->rebase();
}

void CMonster::showValues()
{
    MonsterForm form = indexesShown();
    readValues(context_.image, form);
    auto show = [](QLineEdit *edit, const Typed &value) {
        // An index past the table shows no value, and the box is off: Save would not write it.
        edit->setEnabled(value.has_value());
        if (value)
            form::setDecimal(edit, *value);
        else
            edit->clear();
    };
    show(ui->hpEdit, form.hp);
    show(ui->mpEdit, form.mp);
    show(ui->hitsEdit, form.hits);
    show(ui->blocksEdit, form.blocks);
    show(ui->magDefEdit, form.magDef);
    show(ui->accuracyEdit, form.accuracy);
    show(ui->evadeEdit, form.evade);
    show(ui->magEvaEdit, form.magEva);
    show(ui->strengthEdit, form.strength);
    show(ui->defenseEdit, form.defense);
    show(ui->moraleEdit, form.morale);

    addedEffect_->show(context_.image.game(kAddedEffects + form.nibbles[Effect]), form.addedEffect);
    showBitSets();
}

void CMonster::showBitSets()
{
    MonsterForm form = indexesShown();
    readValues(context_.image, form);
    showBits(bitChecks_[0], form.race.value_or(0));
    showBits(bitChecks_[3], form.weakness.value_or(0));
    showBits(bitChecks_[1], form.resist.value_or(0));
    showBits(bitChecks_[2], form.absorb.value_or(0));
    updateUsage();
}

void CMonster::setUpAttacks()
{
    MonsterForm form = indexesShown();
    readAttacks(context_.image, form);
    const bool script = form.aiEntry.value_or(0) > 0;
    for (std::size_t i = 0; i < attackCombos_.size(); ++i) {
        attackCombos_[i]->setEnabled(script);
        form::selectPosition(attackCombos_[i], script ? form.attacks[i] : std::optional<int>(0));
    }
}

void CMonster::fillDropRow(int index, bool gil, int selection)
{
    const DropRow &row = drops_[static_cast<std::size_t>(index)];
    RowList &list = rowLists_[static_cast<std::size_t>(index)];
    // The 192 item names are filled only when a row changes kind; the gil amounts are read fresh each time.
    if (gil || list != RowList::Items) {
        row.combo->clear();
        if (gil) {
            for (int i = 0; i < kGilAmountCount; ++i)
                row.combo->addItem(QString::number(readU16(context_.image, kGilAmounts + 2 * i)));
        } else {
            for (const auto &item : items_)
                row.combo->addItem(form::fromUtf8(item));
        }
        list = gil ? RowList::Gil : RowList::Items;
    }
    row.combo->setCurrentIndex(selection);
    row.gil->setChecked(gil);
    if (gil)
        form::setDecimal(row.amount, readU16(context_.image, kGilAmounts + 2 * selection));
    row.amount->setVisible(gil);
}

void CMonster::dropChosen(int index)
{
    // A gil row shows the value of the amount it names now; the value typed for the old amount is dropped.
    const DropRow &row = drops_[static_cast<std::size_t>(index)];
    if (row.gil->isChecked() && row.combo->currentIndex() >= 0)
        form::setDecimal(row.amount, readU16(context_.image, kGilAmounts + 2 * row.combo->currentIndex()));
}

void CMonster::showDrops()
{
    MonsterForm form = indexesShown();
    readDrops(context_.image, form);
    for (std::size_t i = 0; i < drops_.size(); ++i) {
        drops_[i].combo->setEnabled(form.spoilsSet.has_value());
        drops_[i].gil->setEnabled(form.spoilsSet.has_value());
        fillDropRow(static_cast<int>(i), form.drops[i].gil, form.drops[i].selection);
    }
}

void CMonster::switchDropRow(int row)
{
    fillDropRow(row, drops_[static_cast<std::size_t>(row)].gil->isChecked(), 0);
}

void CMonster::updateUsage()
{
    const MonsterForm form = indexesShown();
    auto showUsers = [](QLabel *label, std::optional<int> users) { label->setText(users ? usage(*users) : QString()); };
    const RomImage &image = context_.image;
    showUsers(ui->hpUsageLabel, form.hpIndex ? std::optional<int>(usersOf(image, Table::HpMp, *form.hpIndex)) : std::nullopt);
    showUsers(ui->mpUsageLabel, form.mpIndex ? std::optional<int>(usersOf(image, Table::HpMp, *form.mpIndex)) : std::nullopt);
    const std::pair<QLabel *, Nibble> nibbleLabels[] = {
        {ui->hitsUsageLabel, Hits},         {ui->blocksUsageLabel, Blocks},     {ui->magDefUsageLabel, MagDef},
        {ui->accuracyUsageLabel, Accuracy}, {ui->evadeUsageLabel, Evade},       {ui->magEvaUsageLabel, MagEva},
        {ui->strengthUsageLabel, Strength}, {ui->defenseUsageLabel, Defense},   {ui->moraleUsageLabel, Morale},
        {ui->raceUsageLabel, Race},         {ui->resistUsageLabel, Resist},     {ui->absorbUsageLabel, Absorb},
        {ui->weaknessUsageLabel, Weakness}, {ui->addedEffectUsageLabel, Effect}};
    for (const auto &[label, field] : nibbleLabels)
        showUsers(label, usersOf(image, tableOf(field), form.nibbles[static_cast<std::size_t>(field)]));
    showUsers(ui->aiUsageLabel, form.aiEntry.value_or(0) > 0
                                    ? std::optional<int>(usersOfScript(image, *form.aiEntry - 1))
                                    : std::nullopt);
    showUsers(ui->spoilsUsageLabel,
              form.spoilsSet ? std::optional<int>(usersOfSpoilsSet(image, *form.spoilsSet)) : std::nullopt);
}

void CMonster::save()
{
    const int m = selectedMonster();
    storeFields(context_.image, m);
    saveWholeImage(context_, this);
    refs_ = CrossReferences::build(context_.image, context_.table);
    showMonster(m);
}

void CMonster::storeFields(RomImage &image, int m) const
{
    MonsterForm form = indexesShown();
    // Only what the user changed is written: two boxes on one shared entry never overwrite each other's edit.
    using form::editedDecimal;
    form.hp = editedDecimal(ui->hpEdit);
    form.mp = editedDecimal(ui->mpEdit);
    form.hits = editedDecimal(ui->hitsEdit);
    form.blocks = editedDecimal(ui->blocksEdit);
    form.magDef = editedDecimal(ui->magDefEdit);
    form.accuracy = editedDecimal(ui->accuracyEdit);
    form.evade = editedDecimal(ui->evadeEdit);
    form.magEva = editedDecimal(ui->magEvaEdit);
    form.strength = editedDecimal(ui->strengthEdit);
    form.defense = editedDecimal(ui->defenseEdit);
    form.morale = editedDecimal(ui->moraleEdit);
    form.race = changedBits(bitChecks_[0]);
    form.resist = changedBits(bitChecks_[1]);
    form.absorb = changedBits(bitChecks_[2]);
    form.weakness = changedBits(bitChecks_[3]);
    form.addedEffect = addedEffect_->changedEntry();
    form.ailments = addedEffect_->ailments();
    for (std::size_t i = 0; i < attackCombos_.size(); ++i)
        form.attacks[i] = form::positionOf(attackCombos_[i]);
    for (std::size_t i = 0; i < drops_.size(); ++i)
        form.drops[i] = {drops_[i].gil->isChecked(), std::max(drops_[i].combo->currentIndex(), 0),
                         form::editedDecimal(drops_[i].amount)};
    store(image, m, form);
}

} // namespace talvek
