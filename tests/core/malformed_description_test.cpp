// Malformed descriptions: each is refused with the error and the place where
// reading stopped, and nothing is read from outside the data.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "core_test_support.h"
#include "window_description.h"

namespace {

using coretest::describe;
using testdesc::Bytes;
using testdesc::DescriptionSpec;
using testdesc::Written;

Bytes storedBytes() { return Bytes(kWindowDescription, kWindowDescription + kWindowDescriptionSize); }

struct MalformedCase {
    const char* name;
    // Changes the program's description before it is written; may be null.
    std::function<void(DescriptionSpec&)> change;
    // Changes the written bytes; may be null.
    std::function<void(Written&)> patch;
    rt::ReadError error;
    // The field whose first byte is where reading must stop; empty: not checked.
    std::string stopsAt;
};

void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.name; }

class MalformedDescription : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedDescription, IsRefusedWithItsReadError) {
    const MalformedCase& c = GetParam();
    DescriptionSpec layout = testdesc::programDescription();
    if (c.change) c.change(layout);
    Written written = layout.write();
    if (c.patch) c.patch(written);

    const rt::DescriptionResult result = coretest::read(written.bytes);
    ASSERT_FALSE(result.description) << "read although malformed";
    EXPECT_EQ(result.failure.error, c.error) << describe(result.failure);
    EXPECT_LE(result.failure.offset, written.bytes.size()) << describe(result.failure);
    if (!c.stopsAt.empty()) {
        EXPECT_EQ(result.failure.offset, written.at(c.stopsAt))
            << describe(result.failure) << "; expected to stop at " << c.stopsAt;
    }
}

// A patch that stores `value` in the 32-bit field `field`.
std::function<void(Written&)> set(std::string field, std::uint32_t value) {
    return [field, value](Written& w) { testdesc::patchU32(w.bytes, w.at(field), value); };
}

// A patch that sets the unit's record size so that the record ends just before `field`.
std::function<void(Written&)> endRecordBefore(std::size_t unit, std::string field) {
    return [unit, field](Written& w) {
        const std::string kind = testdesc::unitField(0, unit, "kind");
        testdesc::patchU32(w.bytes, w.at(testdesc::unitField(0, unit, "size")),
                           static_cast<std::uint32_t>(w.at(testdesc::unitField(0, unit, field)) - w.at(kind)));
    };
}

using E = rt::ReadError;
constexpr std::uint32_t kHuge = 0xFFFFFFFF;
// Bytes of unit data in the stored unit block: 471 less 3 ids and 3 offsets.
constexpr std::uint32_t kUnitDataSize = 471 - 24;

INSTANTIATE_TEST_SUITE_P(
    WindowTable, MalformedDescription,
    ::testing::Values(
        MalformedCase{"empty_data", nullptr, [](Written& w) { w.bytes.clear(); }, E::Truncated, "table size"},
        MalformedCase{"table_size_cut_after_3_bytes", nullptr, [](Written& w) { w.bytes.resize(3); },
                      E::Truncated, "table size"},
        MalformedCase{"table_size_0xFFFFFFFF", nullptr, set("table size", kHuge), E::Truncated, "table size"},
        MalformedCase{"table_size_past_the_end", nullptr, set("table size", 512), E::Truncated, "table size"},
        MalformedCase{"table_size_12_is_not_a_multiple_of_8", nullptr, set("table size", 12), E::BadTableSize, ""},
        MalformedCase{"table_size_4_is_not_a_multiple_of_8", nullptr, set("table size", 4), E::BadTableSize, ""},
        MalformedCase{"table_size_9_is_not_a_multiple_of_8", nullptr, set("table size", 9), E::BadTableSize, ""},
        MalformedCase{"second_window_in_the_table_has_no_record",
                      [](DescriptionSpec& d) { d.windows.push_back(testdesc::windowWithOwnUnit(0x52010002)); },
                      [](Written& w) { w.bytes.resize(w.at("window 1 value")); }, E::Truncated,
                      "window 1 value"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    WindowRecord, MalformedDescription,
    ::testing::Values(
        MalformedCase{"first_text_count_0xFFFFFFFF", nullptr, set("window 0 text 1", kHuge), E::Truncated,
                      "window 0 text 1"},
        MalformedCase{"second_text_count_past_the_end", nullptr, set("window 0 text 2", 500), E::Truncated,
                      "window 0 text 2"},
        MalformedCase{"unit_count_0xFFFFFFFF", nullptr, set("window 0 unit count", kHuge), E::Truncated, ""},
        MalformedCase{"unit_count_too_large_for_its_block", nullptr, set("window 0 unit count", 471 / 8 + 1),
                      E::Truncated, ""},
        MalformedCase{"unit_block_size_0xFFFFFFFF", nullptr, set("window 0 block size", kHuge), E::Truncated,
                      "window 0 block size"},
        MalformedCase{"unit_block_size_one_byte_past_the_end", nullptr, set("window 0 block size", 472),
                      E::Truncated, "window 0 block size"},
        MalformedCase{"unit_block_one_byte_short_of_the_last_record", nullptr, set("window 0 block size", 470),
                      E::Truncated, ""}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    UnitOffsets, MalformedDescription,
    ::testing::Values(
        MalformedCase{"offset_one_past_the_unit_data", nullptr, set("window 0 unit 1 offset", kUnitDataSize + 1),
                      E::BadUnitOffset, "window 0 unit 1 offset"},
        MalformedCase{"offset_0xFFFFFFFF", nullptr, set("window 0 unit 2 offset", kHuge), E::BadUnitOffset,
                      "window 0 unit 2 offset"},
        MalformedCase{"offset_at_the_end_of_the_unit_data", nullptr, set("window 0 unit 0 offset", kUnitDataSize),
                      E::Truncated, "window 0 end"},
        MalformedCase{"offset_3_bytes_before_the_end_of_the_unit_data", nullptr,
                      set("window 0 unit 0 offset", kUnitDataSize - 3), E::Truncated, ""}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    UnitRecord, MalformedDescription,
    ::testing::Values(
        MalformedCase{"record_size_0xFFFFFFFF", nullptr, set("window 0 unit 1 size", kHuge), E::Truncated,
                      "window 0 unit 1 size"},
        MalformedCase{"last_record_size_one_byte_past_the_block", nullptr, set("window 0 unit 2 size", 217),
                      E::Truncated, ""},
        MalformedCase{"record_one_byte_short_of_its_fixed_fields", nullptr, set("window 0 unit 0 size", 102),
                      E::Truncated, ""},
        MalformedCase{"record_ending_before_the_zero_of_its_name", nullptr,
                      [](Written& w) {
                          endRecordBefore(1, "second text")(w);
                          auto size = testdesc::readU32(w.bytes, w.at("window 0 unit 1 size"));
                          testdesc::patchU32(w.bytes, w.at("window 0 unit 1 size"), size - 1);
                      },
                      E::Truncated, "window 0 unit 1 name"},
        MalformedCase{"record_ending_before_its_tag", nullptr, endRecordBefore(2, "tag"), E::Truncated,
                      "window 0 unit 2 tag"},
        MalformedCase{"page_count_0xFFFFFFFF", nullptr, set("window 0 unit 1 page count", kHuge), E::Truncated,
                      "window 0 unit 1 page count"},
        MalformedCase{"page_count_whose_bytes_overflow_32_bits", nullptr,
                      set("window 0 unit 1 page count", 0x40000000), E::Truncated, "window 0 unit 1 page count"},
        MalformedCase{"pointer_block_0xFFFFFFFF", nullptr, set("window 0 unit 0 pointer block", kHuge),
                      E::Truncated, "window 0 unit 0 pointer block"},
        MalformedCase{"pointer_block_one_byte_past_the_record", nullptr,
                      [](Written& w) {
                          const std::size_t block = w.at("window 0 unit 0 pointer block");
                          testdesc::patchU32(w.bytes, block,
                                             static_cast<std::uint32_t>(w.at("window 0 unit 0 end") - block - 4 + 1));
                      },
                      E::Truncated, "window 0 unit 0 pointer block"},
        MalformedCase{"event_count_0xFFFFFFFF", nullptr, set("window 0 unit 1 event count", kHuge), E::Truncated,
                      "window 0 unit 1 event count"},
        MalformedCase{"event_count_whose_bytes_overflow_32_bits", nullptr,
                      set("window 0 unit 1 event count", 0x20000000), E::Truncated, "window 0 unit 1 event count"},
        MalformedCase{"event_count_past_the_record", nullptr, set("window 0 unit 1 event count", 4), E::Truncated,
                      "window 0 unit 1 event count"},
        MalformedCase{"record_ending_inside_its_event_entry", nullptr, endRecordBefore(1, "event 0 handler"),
                      E::Truncated, "window 0 unit 1 event count"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TruncatedDescription, IsRefusedAtEveryLengthShorterThanTheWhole) {
    const Bytes whole = storedBytes();
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const Bytes prefix(whole.begin(), whole.begin() + length);
        const rt::DescriptionResult result = coretest::read(prefix);
        ASSERT_FALSE(result.description) << "read although cut to " << length << " bytes";
        EXPECT_EQ(result.failure.error, rt::ReadError::Truncated) << length << " bytes: " << describe(result.failure);
        EXPECT_LE(result.failure.offset, length) << length << " bytes: " << describe(result.failure);
    }
}

TEST(ChangedDescription, IsReadOrRefusedWithinItsBytesWhateverOneByteHolds) {
    const Bytes whole = storedBytes();
    for (std::size_t at = 0; at < whole.size(); ++at) {
        for (std::uint8_t value : {0x00, 0x01, 0x08, 0x7F, 0x80, 0xFF}) {
            Bytes changed = whole;
            changed[at] = value;
            const rt::DescriptionResult result = coretest::read(changed);
            if (result.description) continue;
            ASSERT_NE(result.failure.error, rt::ReadError::None);
            ASSERT_LE(result.failure.offset, changed.size())
                << "byte " << at << " = " << int(value) << ": " << describe(result.failure);
        }
    }
}

}  // namespace
