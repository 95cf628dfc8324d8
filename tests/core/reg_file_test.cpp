// The registry text format of the counter store file: reading values as a
// registry editor would import them, writing values while keeping everything
// else, and surviving any input.

#include "store/reg_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "store/counter_store.h"

namespace zormia {
namespace {

using Type = RegFile::ValueType;

constexpr std::string_view kKey = "HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly";
const std::string kHeader = "Windows Registry Editor Version 5.00\n\n";

RegFile parsed(const std::string& text) {
    std::optional<RegFile> file = RegFile::parse(text);
    EXPECT_TRUE(file) << text;
    return file ? *file : RegFile();
}

std::string utf16le(std::string_view ascii) {
    std::string out = "\xFF\xFE";
    for (char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

struct ValueCase {
    const char* what;
    std::string body;  // after the header
    const char* name;
    Type type;
    std::int32_t dword;
};

TEST(RegFileTest, ReadsValuesAsAnImportWouldLeaveThem) {
    const std::string key = "[HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly]\n";
    const ValueCase cases[] = {
        {"dword", key + "\"sza\"=dword:0000002a\n", "sza", Type::Dword, 42},
        {"all bits set is -1", key + "\"sza\"=dword:ffffffff\n", "sza", Type::Dword, -1},
        {"sign bit", key + "\"sza\"=dword:80000000\n", "sza", Type::Dword, INT32_MIN},
        {"upper case, short", key + "\"sza\"=DWORD:A  \n", "sza", Type::Dword, 10},
        {"binary form of a dword", key + "\"sza\"=hex(4):01,01,00,80\n", "sza", Type::Dword,
         static_cast<std::int32_t>(0x80000101u)},
        {"binary dword over two lines", key + "\"sza\"=hex(4):02,00,\\\n  00,00\n", "sza",
         Type::Dword, 2},
        {"text", key + "\"sza\"=\"12\"\n", "sza", Type::Other, 0},
        {"binary", key + "\"sza\"=hex:01,00,00,00\n", "sza", Type::Other, 0},
        {"64-bit", key + "\"sza\"=hex(b):01,00,00,00,00,00,00,00\n", "sza", Type::Other, 0},
        {"binary dword of three bytes", key + "\"sza\"=hex(4):01,00,00\n", "sza", Type::Other, 0},
        {"nine digits", key + "\"sza\"=dword:000000001\n", "sza", Type::Other, 0},
        {"not hex", key + "\"sza\"=dword:0000001g\n", "sza", Type::Other, 0},
        {"no digits", key + "\"sza\"=dword:\n", "sza", Type::Other, 0},
        {"trailing words", key + "\"sza\"=dword:00000001 ; one\n", "sza", Type::Other, 0},
        {"missing", key + "\"szb\"=dword:00000001\n", "sza", Type::Missing, 0},
        {"deleted", key + "\"sza\"=dword:00000001\n\"sza\"=-\n", "sza", Type::Missing, 0},
        {"last word wins", key + "\"sza\"=\"x\"\n\n" + key + "\"sza\"=dword:00000003\n", "sza",
         Type::Dword, 3},
        {"name and path in any case, HKCU",
         "[hkcu\\SOFTWARE\\tremix\\Sygnaly]\r\n\"SZA\" = dword:00000004\r\n", "sza", Type::Dword,
         4},
        {"comments and blank lines",
         "; counters\n\n" + key + "; first\n\n  \"sza\"=dword:00000005\n", "sza", Type::Dword, 5},
        {"escaped name", key + "\"s\\\"z\\\\a\"=dword:00000006\n", "s\"z\\a", Type::Dword, 6},
        {"in another key", "[HKEY_CURRENT_USER\\Software\\Tremix]\n\"sza\"=dword:1\n", "sza",
         Type::Missing, 0},
        {"in a key below", "[HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly\\x]\n\"sza\"=dword:1\n",
         "sza", Type::Missing, 0},
        {"key deleted afterwards",
         key + "\"sza\"=dword:1\n[-HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly]\n", "sza",
         Type::Missing, 0},
        {"parent deleted, key opened again",
         key + "\"sza\"=dword:1\n\"szb\"=dword:2\n[-HKCU\\Software\\Tremix]\n" + key +
             "\"szb\"=dword:7\n",
         "sza", Type::Missing, 0},
        {"value before any key", "\"sza\"=dword:1\n", "sza", Type::Missing, 0},
        {"default value is no name", key + "@=dword:00000001\n", "", Type::Missing, 0},
        {"unterminated key line",
         "[HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly\n\"sza\"=dword:1\n", "sza", Type::Missing,
         0},
        {"continuation swallows a line", key + "\"blob\"=hex:01,\\\n  \"sza\"=dword:00000001\n",
         "sza", Type::Missing, 0},
    };
    for (const ValueCase& c : cases) {
        const RegFile file = parsed(kHeader + c.body);
        const RegFile::Value v = file.value(kKey, c.name);
        EXPECT_EQ(v.type, c.type) << c.what;
        if (c.type == Type::Dword) {
            EXPECT_EQ(v.dword, c.dword) << c.what;
        }
    }
}

TEST(RegFileTest, KeyExistsFromItsOpeningToItsDeletion) {
    const std::pair<const char*, bool> cases[] = {
        {"[HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly]\n", true},
        {"[HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly\\sub]\n", true},
        {"[HKEY_CURRENT_USER\\Software\\Tremix]\n", false},
        {"[HKEY_LOCAL_MACHINE\\Software\\Tremix\\sygnaly]\n", false},
        {"[HKEY_CURRENT_USER\\Software\\Tremix\\sygnalyx]\n", false},
        {"[HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly\\]\n", false},
        {"[HKEY_CURRENT_USER\\Software\\\\Tremix\\sygnaly]\n", false},
        {"[HKCU\\Software\\Tremix\\sygnaly]\n[-HKCU\\Software\\Tremix\\sygnaly]\n", false},
        {"[HKCU\\Software\\Tremix\\sygnaly]\n[-HKCU\\Software]\n", false},
        {"[HKCU\\Software\\Tremix\\sygnaly]\n[-HKCU\\Software\\Tremix\\sygnaly\\sub]\n", true},
        {"[HKCU\\Software\\Tremix\\sygnaly]\n[-HKCU]\n", true},
        {"[-HKCU\\Software\\Tremix]\n  [HKCU\\Software\\Tremix\\sygnaly]  \n", true},
    };
    for (const auto& [body, exists] : cases) {
        EXPECT_EQ(parsed(kHeader + body).keyExists(kKey), exists) << body;
    }
}

TEST(RegFileTest, ReadsTheFormsRegistryEditorsWrite) {
    const std::string body =
        "\r\n[HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly]\r\n\"szh\"=dword:00000009\r\n";
    const std::string files[] = {
        "Windows Registry Editor Version 5.00\r\n" + body,
        utf16le("Windows Registry Editor Version 5.00\r\n" + body),
        "REGEDIT4\r\n" + body,
        "\xEF\xBB\xBFWindows Registry Editor Version 5.00\n" + body,
        "\n; exported\nREGEDIT4\n" + body,
    };
    for (const std::string& text : files) {
        const RegFile file = parsed(text);
        EXPECT_EQ(file.value(kKey, "szh").dword, 9) << text;
    }
}

TEST(RegFileTest, RefusesWhatIsNoRegistryFile) {
    std::string tooLong = kHeader + "[HKCU\\Software\\Tremix\\sygnaly]\n\"sza\"=dword:1\n";
    tooLong.resize(RegFile::kMaxFileBytes + 1, '\n');
    const std::string cases[] = {
        "",
        "\n\n",
        "Windows Registry Editor Version 4.00\n",
        "[HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly]\n\"sza\"=dword:1\n",
        "\"sza\"=dword:1\nREGEDIT4\n",
        std::string("W\0i\0n\0d\0o\0w\0s\0", 14),
        std::string("\0\0\0\0", 4),
        "\xFF\xFE",
        std::string("\xFF\xFE\x00\xD8", 4),
        tooLong,
    };
    for (const std::string& text : cases) EXPECT_FALSE(RegFile::parse(text)) << text.size();
}

TEST(RegFileTest, WritesANewFileInTheExportForm) {
    RegFile file;
    for (std::size_t i = 0; i < kCounterNames.size(); ++i) {
        ASSERT_TRUE(file.setDword(kKey, kCounterNames[i], static_cast<std::int32_t>(i) - 1));
    }
    EXPECT_EQ(file.serialise(),
              "Windows Registry Editor Version 5.00\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly]\n"
              "\"sza\"=dword:ffffffff\n"
              "\"szb\"=dword:00000000\n"
              "\"szc\"=dword:00000001\n"
              "\"szd\"=dword:00000002\n"
              "\"szg\"=dword:00000003\n"
              "\"szh\"=dword:00000004\n"
              "\"dkog\"=dword:00000005\n"
              "\"dpod\"=dword:00000006\n"
              "\"dpov\"=dword:00000007\n"
              "\"dkoy\"=dword:00000008\n");
    EXPECT_FALSE(file.setDword("HKEY_NOWHERE\\x", "sza", 1));
    EXPECT_FALSE(file.setDword("HKCU", "sza", 1));
}

TEST(RegFileTest, ReadingAndWritingBackChangesNothing) {
    const std::string text =
        "; preamble\n"
        "Windows Registry Editor Version 5.00\n"
        "\n"
        "[HKEY_CURRENT_USER\\Software\\Other]\n"
        "@=\"default\"\n"
        "\"Path\"=\"C:\\\\Program Files\\\\\"\n"
        "\"blob\"=hex:00,01,02,\\\n"
        "  03,04\n"
        "garbage \x01\x02 line\n"
        "\"zażółć\"=hex(2):41,00,00,00\n"
        "\n"
        "[-HKEY_CURRENT_USER\\Software\\Gone]\n"
        "\"x\"=-\n"
        "   \n";
    EXPECT_EQ(parsed(text).serialise(), text);
    std::string crlf;
    for (char c : text) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    EXPECT_EQ(parsed(crlf).serialise(), crlf);
    // Without a final line end one is added.
    EXPECT_EQ(parsed("REGEDIT4\n[HKCU\\a\\b]").serialise(), "REGEDIT4\n[HKCU\\a\\b]\n");
}

TEST(RegFileTest, WritesInPlaceAndKeepsEverythingElse) {
    struct Case {
        const char* what;
        std::string before;  // after the header
        std::string after;
    };
    const std::string key = "[HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly]\n";
    const Case cases[] = {
        {"replaces in place",
         "[HKCU\\A\\B]\n\"k\"=\"v\"\n\n" + key + "\"szb\"=dword:1\n\"SZA\"=\"t\"\n;c\n",
         "[HKCU\\A\\B]\n\"k\"=\"v\"\n\n" + key + "\"szb\"=dword:1\n\"sza\"=dword:0000000c\n;c\n"},
        {"adds after the section's last value, before what follows it",
         key + "\"x\"=hex:01,\\\n  02\n\n; next\n[HKCU\\A\\B]\n",
         key + "\"x\"=hex:01,\\\n  02\n\"sza\"=dword:0000000c\n\n; next\n[HKCU\\A\\B]\n"},
        {"adds to the key's last section, replacing its last setting",
         key + "\"sza\"=dword:1\n" + key + "\"sza\"=dword:2\n\"sza\"=dword:3\n",
         key + "\"sza\"=dword:1\n" + key + "\"sza\"=dword:2\n\"sza\"=dword:0000000c\n"},
        {"replaces a deletion", key + "\"sza\"=-\n", key + "\"sza\"=dword:0000000c\n"},
        {"opens the key again after its deletion",
         key + "\"sza\"=dword:1\n[-HKCU\\Software\\Tremix]\n",
         key + "\"sza\"=dword:1\n[-HKCU\\Software\\Tremix]\n\n" + key + "\"sza\"=dword:0000000c\n"},
        {"not after binary data cut off at the end of the file",
         key + "\"x\"=dword:1\n\"y\"=hex:01,\\",
         key + "\"sza\"=dword:0000000c\n\"x\"=dword:1\n\"y\"=hex:01,\\\n"},
        {"new section after a blank line", "[HKCU\\A\\B]\n\"k\"=dword:1\n\n",
         "[HKCU\\A\\B]\n\"k\"=dword:1\n\n" + key + "\"sza\"=dword:0000000c\n"},
    };
    for (const Case& c : cases) {
        RegFile file = parsed(kHeader + c.before);
        ASSERT_TRUE(file.setDword(kKey, "sza", 12));
        const std::string out = file.serialise();
        EXPECT_EQ(out, kHeader + c.after) << c.what;
        EXPECT_EQ(parsed(out).value(kKey, "sza").dword, 12) << c.what;
    }
    // A file in CRLF and from UTF-16 is written back in UTF-8 with its line ends.
    RegFile file = parsed(utf16le("REGEDIT4\r\n\r\n[HKCU\\A]\r\n\"\xC5\"=\"x\"\r\n"));
    file.setDword(kKey, "sza", 1);
    EXPECT_EQ(file.serialise(),
              "REGEDIT4\r\n\r\n[HKCU\\A]\r\n\"\xC3\x85\"=\"x\"\r\n\r\n"
              "[HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly]\r\n\"sza\"=dword:00000001\r\n");
}

// Damaged and hostile input: nothing crashes, and whatever parses can take the
// ten values and give them back.
void checkSurvives(const std::string& bytes) {
    std::optional<RegFile> file = RegFile::parse(bytes);
    if (!file) return;
    (void)file->keyExists(kKey);
    (void)file->values(kKey, kCounterNames);
    std::array<RegFile::NamedDword, 10> data;
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = {kCounterNames[i], static_cast<std::int32_t>(i * 7) - 20};
    }
    ASSERT_TRUE(file->setDwords(kKey, data));
    const std::string written = file->serialise();
    const std::optional<RegFile> again = RegFile::parse(written);
    // What grew over the limit is not read back; the store does not write it.
    if (written.size() > RegFile::kMaxFileBytes) {
        EXPECT_FALSE(again);
        return;
    }
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->keyExists(kKey));
    const std::vector<RegFile::Value> read = again->values(kKey, kCounterNames);
    for (std::size_t i = 0; i < data.size(); ++i) {
        ASSERT_EQ(read[i].type, Type::Dword) << kCounterNames[i];
        ASSERT_EQ(read[i].dword, data[i].data) << kCounterNames[i];
    }
}

TEST(RegFileTest, SurvivesDamagedAndHostileInput) {
    const std::string sample =
        kHeader +
        "[HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly]\r\n\"sza\"=dword:00000001\n"
        "\"blob\"=hex(4):01,\\\n00,\\\n[-HKCU\\Software]\n@=-\n\"a\\\"b\"=\"\\\\\"\n";
    std::mt19937 rng(20240611);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = round % 3 == 0 ? utf16le(sample) : sample;
        const int edits = 1 + static_cast<int>(rng() % 8);
        for (int e = 0; e < edits && !bytes.empty(); ++e) {
            const std::size_t at = rng() % bytes.size();
            switch (rng() % 4) {
                case 0:
                    bytes[at] = static_cast<char>(rng());
                    break;
                case 1:
                    bytes.erase(at, 1 + rng() % 16);
                    break;
                case 2:
                    bytes.insert(at, 1, "[]\"\\=-@;\n\r\0:,"[rng() % 13]);
                    break;
                default:
                    bytes.resize(at);
                    break;
            }
        }
        checkSurvives(bytes);
    }
    for (int round = 0; round < 200; ++round) {
        std::string bytes(rng() % 512, '\0');
        for (char& c : bytes) c = static_cast<char>(rng());
        checkSurvives(bytes);
        checkSurvives(kHeader + bytes);
    }
}

TEST(RegFileTest, LargestFilesStayCheap) {
    // Files at and just below the size limit made of the smallest entries of each kind.
    const std::string lines[] = {"[HKCU\\a]\n", "\"\"=-\n", "\n", "\"sza\"=hex:\\\n",
                                 "[HKCU\\Software\\Tremix\\sygnaly]\n\"\"=1\n"};
    for (const std::string& line : lines) {
        std::string text = kHeader;
        while (text.size() + line.size() <= RegFile::kMaxFileBytes - 1024) text += line;
        checkSurvives(text);
        while (text.size() + line.size() <= RegFile::kMaxFileBytes) text += line;
        checkSurvives(text);
    }
}

}  // namespace
}  // namespace zormia
