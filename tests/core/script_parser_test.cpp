// Reading exercise scripts: which lines are commands, what a command carries, and
// which lines cannot be run.

#include "app/script/script_parser.h"

#include <gtest/gtest.h>

namespace zormia {
namespace {

using Kind = ScriptCommand::Kind;

ScriptCommand command(std::string_view line) {
    const ParsedLine parsed = parseScriptLine(line);
    if (const auto* error = std::get_if<ScriptError>(&parsed)) {
        ADD_FAILURE() << line << ": " << error->text;
        return {};
    }
    const auto* c = std::get_if<ScriptCommand>(&parsed);
    if (!c) {
        ADD_FAILURE() << line << ": nothing to run";
        return {};
    }
    return *c;
}

TEST(ScriptReader, SkipsBlankAndCommentLines) {
    for (const char* line : {"", "   ", "\t", "# a note", "   # indented note", "\r"}) {
        EXPECT_TRUE(std::holds_alternative<std::monostate>(parseScriptLine(line))) << line;
    }
}

TEST(ScriptReader, ReadsEachCommandWithWhatItNames) {
    struct Case {
        const char* line;
        Kind kind;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"click psa", Kind::Click, {"psa"}},
        {"  click   START.st  ", Kind::Click, {"START.st"}},
        {"rclick pwbla", Kind::RightClick, {"pwbla"}},
        {"menu zwa1", Kind::Menu, {"zwa1"}},
        {"activate AboutBox", Kind::Activate, {"AboutBox"}},
        {"close PUL", Kind::Close, {"PUL"}},
        {"leave", Kind::Leave, {}},
        {"return", Kind::Return, {}},
        {"dump", Kind::Dump, {}},
        {"dump pa ALed4.on time", Kind::Dump, {"pa", "ALed4.on", "time"}},
        {"shot PUL /tmp/desk.png", Kind::Shot, {"PUL", "/tmp/desk.png"}},
        {"picture aw4mz out.png", Kind::Picture, {"aw4mz", "out.png"}},
        {"click psa # set the route", Kind::Click, {"psa"}},
        {"shot PUL a#b.png", Kind::Shot, {"PUL", "a#b.png"}},
    };
    for (const Case& c : cases) {
        const ScriptCommand read = command(c.line);
        EXPECT_EQ(read.kind, c.kind) << c.line;
        EXPECT_EQ(read.names, c.names) << c.line;
    }
    const ScriptCommand at = command("click psa -3 40");
    EXPECT_EQ(at.x, -3);
    EXPECT_EQ(at.y, 40);
    EXPECT_EQ(command("wait 28000").ms, 28000);
    EXPECT_EQ(command("wait 0").ms, 0);
}

TEST(ScriptReader, ReadsTheValueOfAnExpectationAsTheRestOfTheLine) {
    struct Case {
        const char* line;
        std::string key;
        StateValue want;
    };
    const Case cases[] = {
        {"expect pa true", "pa", true},
        {"expect pa false", "pa", false},
        {"expect step3 12", "step3", std::int64_t{12}},
        {"expect sza -1", "sza", std::int64_t{-1}},
        {"expect im3.picture AW7S", "im3.picture", std::string("AW7S")},
        {"expect im3.picture \"AW7S\"", "im3.picture", std::string("AW7S")},
        {"expect START.Label6.caption \"Wersja : 3.00\"", "START.Label6.caption",
         std::string("Wersja : 3.00")},
        {"expect message \"Failed to get data for 'dkog'\"", "message",
         std::string("Failed to get data for 'dkog'")},
        {R"(expect c "a \"quoted\" \\ word\n\u0105\ud83d\ude00")", "c",
         std::string("a \"quoted\" \\ word\n\xC4\x85\xF0\x9F\x98\x80")},
        // Half a surrogate pair is no character: it reads as U+FFFD.
        {R"(expect c "\ud83dx\ude00")", "c", std::string("\xEF\xBF\xBDx\xEF\xBF\xBD")},
        {"expect c \"# not a comment\"", "c", std::string("# not a comment")},
        {"expect c \"true\"", "c", std::string("true")},
        // A bare colour begins with '#': it is the value, and a comment may follow.
        {"expect ALed6.color #FF0000", "ALed6.color", std::string("#FF0000")},
        {"expect\tALed6.color \t#FF0000  # the red lamp", "ALed6.color", std::string("#FF0000")},
    };
    for (const Case& c : cases) {
        const ScriptCommand read = command(c.line);
        EXPECT_EQ(read.kind, Kind::Expect) << c.line;
        ASSERT_EQ(read.names.size(), 1u) << c.line;
        EXPECT_EQ(read.names[0], c.key) << c.line;
        EXPECT_EQ(read.value, c.want) << c.line << " read " << toJson(read.value);
    }
}

TEST(ScriptReader, RefusesLinesThatCannotBeRun) {
    for (const char* line : {"jump psa",
                             "click",
                             "click psa 3",
                             "click psa 3 x",
                             "click psa 1 2 3",
                             "rclick psa 1 2",
                             "menu",
                             "menu a b",
                             "wait",
                             "wait -1",
                             "wait 1.5",
                             "wait 10s",
                             "wait 99999999999999999999",
                             "activate",
                             "leave now",
                             "expect pa",
                             "expect",
                             "expect pa \"unterminated",
                             "expect pa \"bad \\q escape\"",
                             "expect pa 12-3",
                             "expect pa \"a\"b\"",
                             "shot PUL",
                             "picture aw1s",
                             "CLICK psa"}) {
        EXPECT_TRUE(std::holds_alternative<ScriptError>(parseScriptLine(line))) << line;
    }
}

TEST(ScriptReader, WritesValuesAsJson) {
    EXPECT_EQ(toJson(true), "true");
    EXPECT_EQ(toJson(std::int64_t{-7}), "-7");
    EXPECT_EQ(toJson(std::string("Stacja   \"ZORMIA\"")), R"("Stacja   \"ZORMIA\"")");
    EXPECT_EQ(toJson(std::string("a\\b\nc\x01")), R"("a\\b\nc\u0001")");
    EXPECT_EQ(toJson(std::string("zajętości")), "\"zajętości\"");
}

}  // namespace
}  // namespace zormia
