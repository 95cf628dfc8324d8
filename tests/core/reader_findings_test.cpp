// Inputs on which the fuzz targets (tests/fuzz) found the readers of outside
// input at fault, kept as they were found: the store file's reader and the
// script reader must take each of them without harm.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "app/script/script_parser.h"
#include "store/counter_store.h"
#include "store/reg_file.h"

namespace zormia {
namespace {

constexpr std::string_view kKey = "HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly";

// Carriage returns before a line feed belong to the line end, however many there
// are. A CR kept in a line's text was written back as half of a CR LF; read again,
// `"blob"=hex:00,01,\` then took the line written after it ("sza") as its
// continuation, and the saved counter was lost.
TEST(ReaderFindings, CarriageReturnsBeforeALineFeedEndTheLine) {
    const std::string key = "[HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly]";
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"binary data ending in CR CR LF", "REGEDIT4\n" + key + "\n\"blob\"=hex:00,01,\\\r\r\n"},
        {"key line ending in CR CR at the end of the file", "REGEDIT4\n" + key + "\r\r"},
        {"values ending in CR CR LF in a CR LF file",
         "REGEDIT4\r\n" + key + "\r\r\n\"sza\"=dword:00000007\r\r\r\n\"x\"=hex:01,\\\r\r\n"},
    };
    std::array<RegFile::NamedDword, 10> counters;
    for (std::size_t i = 0; i < counters.size(); ++i) {
        counters[i] = {kCounterNames[i], static_cast<std::int32_t>(i) * 3 - 4};
    }
    for (const auto& c : cases) {
        std::optional<RegFile> file = RegFile::parse(c.text);
        ASSERT_TRUE(file) << c.what;
        EXPECT_TRUE(file->keyExists(kKey)) << c.what;
        // Written back unchanged, the file still holds the key.
        const std::optional<RegFile> unchanged = RegFile::parse(file->serialise());
        ASSERT_TRUE(unchanged) << c.what;
        EXPECT_TRUE(unchanged->keyExists(kKey)) << c.what;

        ASSERT_TRUE(file->setDwords(kKey, counters)) << c.what;
        const std::optional<RegFile> saved = RegFile::parse(file->serialise());
        ASSERT_TRUE(saved) << c.what;
        const std::vector<RegFile::Value> read = saved->values(kKey, kCounterNames);
        for (std::size_t i = 0; i < counters.size(); ++i) {
            EXPECT_EQ(read[i].type, RegFile::ValueType::Dword)
                << c.what << ": " << kCounterNames[i];
            EXPECT_EQ(read[i].dword, counters[i].data) << c.what << ": " << kCounterNames[i];
        }
    }
    // A value whose line ends in CR CR LF reads as it would with one CR.
    const std::optional<RegFile> file = RegFile::parse(cases[2].text);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->value(kKey, "sza").type, RegFile::ValueType::Dword);
    EXPECT_EQ(file->value(kKey, "sza").dword, 7);
}

// A word of an expectation's line may hold carriage returns, which a blank at
// either end of the line does not: the key's length was taken from the line with
// its CRs trimmed away, past the end of what was left, and the reader threw.
TEST(ReaderFindings, ExpectationWhoseKeyHoldsCarriageReturns) {
    const std::string found =
        "t n cp763e88@+8\n8\n00\nexpect \r\r\r\repo:\rutn +\n3500\ne#xpe#ct  n +12e";
    std::size_t start = 0;
    while (start < found.size()) {
        std::size_t end = found.find('\n', start);
        if (end == std::string::npos) end = found.size();
        EXPECT_NO_THROW(parseScriptLine(std::string_view(found).substr(start, end - start)));
        start = end + 1;
    }

    const ParsedLine parsed = parseScriptLine("expect \r\r\r\repo:\rutn +");
    const auto* command = std::get_if<ScriptCommand>(&parsed);
    ASSERT_TRUE(command);
    EXPECT_EQ(command->kind, ScriptCommand::Kind::Expect);
    EXPECT_EQ(command->names, std::vector<std::string>{"\r\r\r\repo:\rutn"});
    EXPECT_EQ(command->value, StateValue(std::string("+")));

    // Blanks between the command and the key are spaces and tabs; the value
    // keeps its own.
    const ParsedLine tabbed = parseScriptLine("expect \t \tmessage  \t\"a  b\"");
    const auto* expect = std::get_if<ScriptCommand>(&tabbed);
    ASSERT_TRUE(expect);
    EXPECT_EQ(expect->names, std::vector<std::string>{"message"});
    EXPECT_EQ(expect->value, StateValue(std::string("a  b")));
}

}  // namespace
}  // namespace zormia
