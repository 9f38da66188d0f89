#include "ai_list.h"

#include "record_fields.h"
#include "rom/read_trace.h"
#include "text/text_codec.h"

namespace talvek::ai_list {

std::vector<std::string> spellNames(const RomImage &image, const TextTable &table)
{
    const LabelReads label;
    std::vector<std::string> names;
    for (int s = 0; s < kSpellNameCount; ++s) {
        const auto pointer = readTextPointer(image, kSpellNamePointers, s);
        names.push_back(decodeString(image.bytes(), textPointerTarget(image, kSpellNameBank, pointer), table));
    }
    return names;
}

std::optional<std::string> rowText(const std::vector<std::string> &names, std::string_view firstName,
                                   std::uint8_t spellByte, std::int64_t level)
{
    if (spellByte > names.size())
        return std::nullopt;
    const std::string name = spellByte == 0 ? std::string(firstName) : names[spellByte - 1u];
    return name + " " + std::to_string(level);
}

std::string invalidRowText(std::uint8_t spellByte, std::int64_t level)
{
    return "[no spell " + std::to_string(spellByte) + "] " + std::to_string(level);
}

RecordLabels recordLabels(const RomImage &image, const TextTable &table, std::string_view firstName)
{
    const LabelReads label;
    const auto names = spellNames(image, table);
    RecordLabels result;
    for (int e = 0; e < kRecordCount; ++e) {
        const std::uint8_t spell = image.game(recordOffset(e) + Spell);
        const std::uint8_t level = image.game(recordOffset(e) + Level);
        if (spell == 0xFF) {
            result.labels.emplace_back("Unused");
        } else if (auto text = rowText(names, firstName, spell, level)) {
            result.labels.push_back(*text);
        } else {
            ++result.invalidRecords;
            result.labels.push_back(invalidRowText(spell, level));
        }
    }
    return result;
}

RecordLabels choiceLabels(const RomImage &image, const TextTable &table, std::string_view entry0,
                          std::string_view firstName)
{
    RecordLabels choices = recordLabels(image, table, firstName);
    choices.labels.insert(choices.labels.begin(), std::string(entry0));
    return choices;
}

AiForm read(const RomImage &image, int j)
{
    const std::int64_t at = recordOffset(j);
    AiForm form;
    const std::uint8_t spell = image.game(at + Spell);
    form.spellPosition = spell == 0 ? std::optional<int>(0) : kSpellList.positionOf(spell);
    form.level = image.game(at + Level);
    form.accuracy = image.game(at + Accuracy);
    const std::uint8_t targeting = image.game(at + Targeting);
    if (targeting >= 1 && targeting <= 6)
        form.targetingRow = targeting - 1;
    form.consumptionRate = image.game(at + ConsumptionRate);
    return form;
}

void store(RomImage &image, int j, const AiForm &form)
{
    const std::int64_t at = recordOffset(j);
    if (form.spellPosition)
        image.setGame(at + Spell, kSpellList.byteAt(*form.spellPosition));
    storeTypedByte(image, at + Level, form.level, 1, 16);
    storeTypedByte(image, at + Accuracy, form.accuracy, 0, 100);
    if (form.targetingRow)
        image.setGame(at + Targeting, static_cast<std::uint8_t>(*form.targetingRow + 1));
    storeTypedByte(image, at + ConsumptionRate, form.consumptionRate, 0, 100);
}

} // namespace talvek::ai_list
