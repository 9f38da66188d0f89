#include <gtest/gtest.h>

#include <random>

#include "patch/ips_patch.h"

namespace talvek {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes randomBytes(std::size_t size, unsigned seed)
{
    Bytes bytes(size);
    std::mt19937 random(seed);
    for (auto &byte : bytes)
        byte = static_cast<std::uint8_t>(random());
    return bytes;
}

struct PatchCase {
    const char *label;
    Bytes original;
    Bytes modified;
};

std::vector<PatchCase> patchCases()
{
    std::vector<PatchCase> cases;
    const Bytes base = randomBytes(0x40010, 1);
    auto with = [&](const char *label, auto change, const Bytes &from) {
        Bytes modified = from;
        change(modified);
        cases.push_back({label, from, modified});
    };
    with("no change", [](Bytes &) {}, base);
    with("one byte", [](Bytes &b) { b[0x1234] ^= 0xFF; }, base);
    with("the last byte", [](Bytes &b) { b.back() ^= 0x01; }, base);
    with("the first byte", [](Bytes &b) { b[0] ^= 0x01; }, base);
    with("a run longer than 0xFFFF", [](Bytes &b) { std::fill(b.begin() + 0x100, b.begin() + 0x100 + 0x18000, 0xAA); },
         base);
    with("a long literal", [](Bytes &b) {
        for (std::size_t i = 0x200; i < 0x200 + 0x12345; ++i)
            b[i] = static_cast<std::uint8_t>(~b[i]);
    }, base);
    with("scattered bytes", [](Bytes &b) {
        for (std::size_t i = 7; i < b.size(); i += 1001)
            b[i] ^= 0x5A;
    }, base);
    const Bytes large = randomBytes(0x500000, 2);
    with("a change at 0x454F46", [](Bytes &b) { b[0x454F46] ^= 0xFF; }, large);
    with("a run from 0x454F46", [](Bytes &b) { std::fill(b.begin() + 0x454F46, b.begin() + 0x454F46 + 40, 0x11); }, large);
    with("a record crossing 0x454F46 at a split", [](Bytes &b) {
        for (std::size_t i = 0x454F46 - 0xFFFF; i < 0x454F46 + 20; ++i)
            b[i] = static_cast<std::uint8_t>(~b[i]);
    }, large);
    with("a shorter file", [](Bytes &b) { b.resize(0x30000); b[5] ^= 1; }, base);
    with("a longer file", [](Bytes &b) { b.resize(0x40020, 0x00); b[0x40015] = 7; }, base);
    return cases;
}

TEST(IpsPatch, CreateThenApplyReproducesTheModifiedFile)
{
    for (const auto &c : patchCases()) {
        const Bytes patch = ips::createPatch(c.original, c.modified);
        ASSERT_EQ(std::string(patch.begin(), patch.begin() + 5), "PATCH") << c.label;
        const auto applied = ips::applyPatch(c.original, patch);
        EXPECT_TRUE(applied.bytes == c.modified) << c.label;
    }
}

TEST(IpsPatch, RecordsAreSmallAndRunsCompress)
{
    const Bytes original(0x20000, 0);
    Bytes modified = original;
    std::fill(modified.begin(), modified.begin() + 0x18000, 0xAA);
    const Bytes patch = ips::createPatch(original, modified);
    EXPECT_LT(patch.size(), 40u) << "two run-length records";
    const auto applied = ips::applyPatch(original, patch);
    EXPECT_EQ(applied.records, 2);
    EXPECT_EQ(applied.bytesWritten, 0x18000);
    EXPECT_EQ(ips::createPatch(original, original), (Bytes{'P', 'A', 'T', 'C', 'H', 'E', 'O', 'F'}));
}

TEST(IpsPatch, DamagedPatchesAreRefused)
{
    const Bytes rom(100, 1);
    const std::pair<const char *, Bytes> cases[] = {
        {"no header", Bytes{'P', 'A', 'T', 'C', 'X', 'E', 'O', 'F'}},
        {"empty", Bytes{}},
        {"no EOF", Bytes{'P', 'A', 'T', 'C', 'H', 0, 0, 1, 0, 1, 9}},
        {"record past its end", Bytes{'P', 'A', 'T', 'C', 'H', 0, 0, 1, 0, 5, 9, 9, 'E', 'O', 'F'}},
        {"cut run", Bytes{'P', 'A', 'T', 'C', 'H', 0, 0, 1, 0, 0, 0}},
        {"cut offset", Bytes{'P', 'A', 'T', 'C', 'H', 0, 0}},
        {"garbage after EOF", Bytes{'P', 'A', 'T', 'C', 'H', 'E', 'O', 'F', 1}},
    };
    for (const auto &[label, patch] : cases)
        EXPECT_THROW((void)ips::applyPatch(rom, patch), ips::PatchError) << label;
}

TEST(IpsPatch, ChangesPast16MiBCannotBePatched)
{
    const Bytes original(0x1000010, 0);
    Bytes modified = original;
    modified[0x1000008] = 1;
    EXPECT_THROW((void)ips::createPatch(original, modified), ips::PatchError);
}

} // namespace
} // namespace talvek
