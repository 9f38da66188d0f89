#include "c_formation.h"

#include <cstdlib>

#include "app/changed_marker.h"
#include "app/save_note.h"
#include "app/save_shortcut.h"
#include "app/form_helpers.h"
#include "app/record_offset_label.h"
#include "records/formation_record.h"
#include "app/ui_services.h"
#include "records/monster_record.h"
#include "text/number_parsing.h"
#include "text/taglines.h"
#include "ui_c_formation.h"

namespace talvek {

using namespace formation;

CFormation::CFormation(const EditorContext &context, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CFormation>()), context_(context)
{
    ui->setupUi(this);
    addSaveNote(this);
    for (int k = 0; k < kEnemyCount; ++k) {
        const int n = k + 1;
        enemies_[static_cast<std::size_t>(k)] = findChild<QComboBox *>(QStringLiteral("enemy%1Combo").arg(n));
        minimums_[static_cast<std::size_t>(k)] = findChild<QLineEdit *>(QStringLiteral("min%1Edit").arg(n));
        maximums_[static_cast<std::size_t>(k)] = findChild<QLineEdit *>(QStringLiteral("max%1Edit").arg(n));
        palette2Checks_[static_cast<std::size_t>(k)] = findChild<QCheckBox *>(QStringLiteral("palette2Enemy%1Check").arg(n));
        form::makeDigitsOnly(minimums_[static_cast<std::size_t>(k)], 2);
        form::makeDigitsOnly(maximums_[static_cast<std::size_t>(k)], 2);
    }
    ui->patternCombo->setEnabled(false);
    form::makeUpperCase(ui->extraEdit);
    const std::pair<ColorSwatchesView *, int> swatches[] = {{ui->palette1Swatches, 1}, {ui->palette2Swatches, 2}};
    for (const auto &[view, which] : swatches) {
        view->setSource(&context_.image, &context_.palette);
        const int top = which == 1 ? formation_swatches::kTopPalette1 : formation_swatches::kTopPalette2;
        view->setGeometryRule({formation_swatches::kLeft, top}, [which = which](int x, int y) -> std::optional<int> {
            const auto square = formation_swatches::squareAt(x, y);
            return square && square->palette == which ? std::optional<int>(square->color) : std::nullopt;
        });
        connect(view, &ColorSwatchesView::colorClicked, this, [this, which = which](int color) { editColor(which, color); });
    }

    for (int f = 0; f < formation::kRecordCount; ++f)
        ui->formationList->addItem(QStringLiteral("Formation %1").arg(f));
    for (auto *combo : enemies_) {
        combo->addItem(QStringLiteral("--none--")); // an empty slot, monster byte 0xFF
        for (int n = 0; n < kMonsterCount; ++n)
            combo->addItem(form::fromUtf8(monster::name(context_.image, n, context_.table)));
    }
    for (int m = 0; m < kMonsterSetCount; ++m)
        ui->monsterSetCombo->addItem(QStringLiteral("Index %1").arg(m));
    for (int q = 0; q < kQuantitySetCount; ++q)
        ui->quantitySetCombo->addItem(QStringLiteral("Index %1").arg(q));

    connect(ui->formationList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showFormation(row);
    });
    connect(ui->formation2Check, &QCheckBox::clicked, this, [this] { showFormation(selectedFormation()); });
    connect(ui->monsterSetCombo, &QComboBox::activated, this, [this](int set) {
        if (set != monsterSetShown_)
            showMonsterSet();
    });
    connect(ui->quantitySetCombo, &QComboBox::activated, this, [this](int set) {
        if (set != quantitySetShown_)
            showQuantitySet();
    });
    connect(ui->changePalette1Button, &QPushButton::clicked, this, [this] { changePalette(1); });
    connect(ui->changePalette2Button, &QPushButton::clicked, this, [this] { changePalette(2); });
    connect(ui->saveButton, &QPushButton::clicked, this, &CFormation::save);
    connect(ui->exitButton, &QPushButton::clicked, this, &QDialog::reject);
    addRecordOffsetLabel(
        ui->formationList, [this](int row) { return formation::recordOffset(row) + context_.image.romBase(); },
        QStringLiteral("recordOffsetLabel"));
    ui->formationList->setCurrentRow(0);
    addSaveShortcut(this, ui->saveButton, ui->formationList);
    changedMarker_ = ChangedMarker::attach(this, context_.image, [this](RomImage &image) { storeFields(image, selectedFormation()); });
}

CFormation::~CFormation() = default;

void CFormation::openAt(const EditorTarget &target)
{
    if (target.record >= 0 && target.record < ui->formationList->count())
        ui->formationList->setCurrentRow(target.record);
}

int CFormation::selectedFormation() const
{
    return std::max(ui->formationList->currentRow(), 0);
}

void CFormation::showFormation(int f)
{
    const FormationForm record = read(context_.image, f, ui->formation2Check->isChecked());
    form::selectPosition(ui->monsterSetCombo, record.monsterSet);
    form::selectPosition(ui->quantitySetCombo, record.quantitySet);
    // A fresh line each time a formation is shown; the 31st tagline is never used.
    ui->flavourLabel->setText(form::fromUtf8(std::string(kTaglines[static_cast<std::size_t>(std::rand() % 30)])));
    palettes_ = {record.palette1, record.palette2};
    showPalettes();
    for (std::size_t k = 0; k < palette2Checks_.size(); ++k)
        palette2Checks_[k]->setChecked(record.palette2Enemies[k]);
    ui->extraEdit->setText(form::hex(record.extra.value_or(0)));
    showMonsterSet();
    showQuantitySet();
    if (changedMarker_)
        changedMarker_->rebase();
}

void CFormation::showMonsterSet()
{
    FormationForm form;
    form.monsterSet = form::positionOf(ui->monsterSetCombo);
    monsterSetShown_ = ui->monsterSetCombo->currentIndex();
    readMonsterSet(context_.image, form);
    for (std::size_t k = 0; k < enemies_.size(); ++k) {
        form::selectPosition(enemies_[k], form.monsters[k]);
        enemies_[k]->setEnabled(form.monsterSet.has_value()); // a set past the table is not written
    }
    updateUsage();
}

void CFormation::showQuantitySet()
{
    FormationForm form;
    form.quantitySet = form::positionOf(ui->quantitySetCombo);
    quantitySetShown_ = ui->quantitySetCombo->currentIndex();
    readQuantitySet(context_.image, form);
    for (std::size_t k = 0; k < minimums_.size(); ++k) {
        for (auto *edit : {minimums_[k], maximums_[k]})
            edit->setEnabled(form.quantitySet.has_value()); // a set past the table is not written
        form::setDecimal(minimums_[k], form.counts[k].min);
        form::setDecimal(maximums_[k], form.counts[k].max);
    }
    updateUsage();
}

void CFormation::updateUsage()
{
    const auto monsterSet = form::positionOf(ui->monsterSetCombo);
    const auto quantitySet = form::positionOf(ui->quantitySetCombo);
    ui->monsterSetUsageLabel->setText(
        monsterSet ? QStringLiteral("used by %1").arg(usersOfMonsterSet(context_.image, *monsterSet)) : QString());
    ui->quantitySetUsageLabel->setText(
        quantitySet ? QStringLiteral("used by %1").arg(usersOfQuantitySet(context_.image, *quantitySet)) : QString());
}

void CFormation::showPalettes()
{
    ui->palette1Value->setText(form::hex(palettes_[0]));
    ui->palette2Value->setText(form::hex(palettes_[1]));
    ui->palette1Swatches->setBattlePalette(palettes_[0]);
    ui->palette2Swatches->setBattlePalette(palettes_[1]);
}

void CFormation::changePalette(int which)
{
    int &palette = palettes_[static_cast<std::size_t>(which - 1)];
    if (const auto chosen = context_.services.pickBattlePalette(this, context_.image, context_.palette, palette)) {
        palette = *chosen;
        showPalettes();
    }
}

void CFormation::editColor(int which, int color)
{
    // Both rows may show the same palette.
    if (recolorBattlePalette(context_, this, palettes_[static_cast<std::size_t>(which - 1)], color)) {
        ui->palette1Swatches->update();
        ui->palette2Swatches->update();
    }
}

void CFormation::save()
{
    const int f = selectedFormation();
    storeFields(context_.image, f);
    saveWholeImage(context_, this);
    showFormation(f);
}

void CFormation::storeFields(RomImage &image, int f) const
{
    FormationForm record;
    record.monsterSet = form::positionOf(ui->monsterSetCombo);
    record.quantitySet = form::positionOf(ui->quantitySetCombo);
    record.palette1 = palettes_[0];
    record.palette2 = palettes_[1];
    for (std::size_t k = 0; k < enemies_.size(); ++k) {
        record.palette2Enemies[k] = palette2Checks_[k]->isChecked();
        record.monsters[k] = form::positionOf(enemies_[k]);
        record.counts[k] = {form::decimalOf(minimums_[k]), form::decimalOf(maximums_[k])};
    }
    // Text without a hexadecimal number keeps the stored byte.
    const std::string extra = ui->extraEdit->text().trimmed().toStdString();
    if (!extra.empty() && std::isxdigit(static_cast<unsigned char>(extra.front())))
        record.extra = parseLeadingHex(extra);
    store(image, f, record, ui->formation2Check->isChecked());
}

} // namespace talvek
