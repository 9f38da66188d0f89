#include <gtest/gtest.h>

#include <random>
#include <string>

#include "patch/bps_patch.h"
#include "rom/checksum.h"
#include "test_support.h"

namespace talvek {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const std::string &text)
{
    return {text.begin(), text.end()};
}

void appendU32(Bytes &out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A patch put together by hand from the format's description: header, actions, then the three CRC-32s.
Bytes handMade(const Bytes &source, const Bytes &target, const Bytes &headerAndActions)
{
    Bytes patch = headerAndActions;
    appendU32(patch, crc32Of(source));
    appendU32(patch, crc32Of(target));
    appendU32(patch, crc32Of(patch));
    return patch;
}

TEST(BpsPatch, AppliesAPatchWrittenByHandFromTheFormat)
{
    // SourceRead 3, TargetRead "xy", SourceCopy 5 from +3, TargetCopy 4 from +8 (overlapping its own output).
    const Bytes source = bytesOf("ABCDEFGH");
    const Bytes target = bytesOf("ABCxyDEFGHGHGH");
    const Bytes actions{'B', 'P', 'S', '1', 0x88, 0x8E, 0x80, 0x88, 0x85, 'x', 'y', 0x92, 0x86, 0x8F, 0x90};
    EXPECT_EQ(bps::applyPatch(source, handMade(source, target, actions)), target);

    // A number of two bytes: one SourceRead of 300 bytes is ((300 - 1) << 2) = 1196, written 0x2C 0x88.
    Bytes long300(300);
    for (std::size_t i = 0; i < long300.size(); ++i)
        long300[i] = static_cast<std::uint8_t>(i % 251);
    const Bytes header{'B', 'P', 'S', '1', 0x2C, 0x81, 0x2C, 0x81, 0x84, 'm', 'e', 't', 'a', 0x2C, 0x88};
    EXPECT_EQ(bps::applyPatch(long300, handMade(long300, long300, header)), long300);
}

TEST(BpsPatch, CreateThenApplyGivesTheTargetCompactly)
{
    const auto sample = test::sampleBytes();
    std::mt19937 random(3);

    auto scattered = sample;
    for (int k = 0; k < 300; ++k)
        scattered[16 + random() % (sample.size() - 16)] ^= static_cast<std::uint8_t>(1 + random() % 255);
    auto moved = sample;
    std::copy_n(sample.begin() + 0x10010, 0x2000, moved.begin() + 0x30010); // a block copied elsewhere
    std::copy_n(sample.begin() + 0x20010, 0x1000, moved.begin() + 0x20410); // and one shifted
    auto longer = sample;
    longer.insert(longer.end(), sample.begin(), sample.begin() + 5000);
    const Bytes shorter(sample.begin(), sample.begin() + 4000);

    const struct {
        const char *what;
        const Bytes &target;
        std::size_t largest;
    } cases[] = {
        {"300 scattered bytes", scattered, 300 * 4 + 40},
        {"moved blocks", moved, 80},
        {"grown by a copy of its start", longer, 60},
        {"cut short", shorter, 40},
        {"unchanged", sample, 30},
    };
    for (const auto &c : cases) {
        const auto patch = bps::createPatch(sample, c.target);
        EXPECT_EQ(bps::applyPatch(sample, patch), c.target) << c.what;
        EXPECT_LE(patch.size(), c.largest) << c.what;
    }
    EXPECT_EQ(bps::applyPatch(Bytes{}, bps::createPatch(Bytes{}, bytesOf("new"))), bytesOf("new"));
}

TEST(BpsPatch, RefusesDamagedOrForeignPatchesNamingTheValues)
{
    const Bytes source = bytesOf("ABCDEFGH");
    const Bytes target = bytesOf("ABCxyDEFGHGHGH");
    const auto patch = bps::createPatch(source, target);

    auto expectRefusal = [&](const Bytes &rom, const Bytes &bad, const std::string &part) {
        try {
            (void)bps::applyPatch(rom, bad);
            ADD_FAILURE() << "applied: " << part;
        } catch (const bps::PatchError &error) {
            EXPECT_NE(std::string(error.what()).find(part), std::string::npos) << error.what();
        }
    };
    auto damaged = patch;
    damaged[5] ^= 1;
    char stored[9], actual[9];
    std::snprintf(stored, sizeof stored, "%08x", crc32Of(std::span(patch).first(patch.size() - 4)));
    std::snprintf(actual, sizeof actual, "%08x", crc32Of(std::span(damaged).first(damaged.size() - 4)));
    expectRefusal(source, damaged, std::string("stored as ") + stored + " but its bytes give " + actual);
    char wanted[9], got[9];
    std::snprintf(wanted, sizeof wanted, "%08x", crc32Of(source));
    std::snprintf(got, sizeof got, "%08x", crc32Of(bytesOf("ABCDEFGX")));
    expectRefusal(bytesOf("ABCDEFGX"), patch, std::string("whose CRC32 is ") + wanted + "; this ROM's CRC32 is " + got);
    expectRefusal(source, bytesOf("PATCH"), "not a BPS patch");
    for (std::size_t length = 0; length < patch.size(); ++length)
        EXPECT_THROW((void)bps::applyPatch(source, Bytes(patch.begin(), patch.begin() + static_cast<std::ptrdiff_t>(length))),
                     bps::PatchError)
            << "cut to " << length;

    // Well-formed CRCs around impossible contents.
    const Bytes huge{'B', 'P', 'S', '1', 0x88, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x81, 0x80};
    expectRefusal(source, handMade(source, target, huge), "larger than any ROM");
    const Bytes pastSource{'B', 'P', 'S', '1', 0x88, 0x8E, 0x80, 0xB4}; // SourceRead 14 of an 8-byte ROM
    expectRefusal(source, handMade(source, target, pastSource), "past the end of the ROM");
    const Bytes pastTarget{'B', 'P', 'S', '1', 0x88, 0x82, 0x80, 0x88}; // SourceRead 3 into a 2-byte target
    expectRefusal(source, handMade(source, bytesOf("AB"), pastTarget), "past the end of the target");
    const Bytes copyBefore{'B', 'P', 'S', '1', 0x88, 0x82, 0x80, 0x86, 0x83}; // SourceCopy 2 from -1
    expectRefusal(source, handMade(source, bytesOf("AB"), copyBefore), "before the start");
    const Bytes unwritten{'B', 'P', 'S', '1', 0x88, 0x82, 0x80, 0x87, 0x80}; // TargetCopy 2 from 0 of nothing
    expectRefusal(source, handMade(source, bytesOf("AB"), unwritten), "not written yet");
    const Bytes shortActions{'B', 'P', 'S', '1', 0x88, 0x82, 0x80, 0x80}; // SourceRead 1 of a 2-byte target
    expectRefusal(source, handMade(source, bytesOf("AB"), shortActions), "before the target is complete");
    expectRefusal(source, handMade(source, bytesOf("ABX"), {'B', 'P', 'S', '1', 0x88, 0x83, 0x80, 0x88}), "CRC32 is");
}

} // namespace
} // namespace talvek
