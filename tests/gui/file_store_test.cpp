// The counter store as a per-user file under a private XDG_CONFIG_HOME: first run,
// restart, partial loads, foreign content, editor files, damaged files and saves
// that cannot happen.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <random>

#include "desk/pul.h"
#include "desk/timer_service.h"
#include "store/qt/file_counter_store.h"
#include "store/reg_file.h"
#include "tests/gui/as_user.h"

namespace zormia {
namespace {

using Counters = std::array<std::int32_t, 10>;

// The sentinel every test's counters start from: a load that skips a value leaves it.
constexpr Counters kUntouched = {101, 102, 103, 104, 105, 106, 107, 108, 109, 110};

const std::string kKeyLine = "[HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly]\n";

// An environment variable set for one test and put back afterwards.
class EnvOverride {
  public:
    EnvOverride(const char* name, const std::optional<QByteArray>& value)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
        if (value) {
            qputenv(name, *value);
        } else {
            qunsetenv(name);
        }
    }
    ~EnvOverride() {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }

  private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

class FileStoreTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString folder() const { return dir_.path() + "/zormia"; }
    QString file() const { return folder() + "/user.reg"; }

    void write(const std::string& bytes) {
        ASSERT_TRUE(QDir().mkpath(folder()));
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes.data(), static_cast<qint64>(bytes.size())),
                  static_cast<qint64>(bytes.size()));
    }
    std::string read() const {
        QFile f(file());
        if (!f.open(QIODevice::ReadOnly)) return "<unreadable>";
        return f.readAll().toStdString();
    }

    // A load by a store object of its own, as the desk makes on every activation.
    CounterStore::LoadResult load(Counters& counters) {
        std::array<std::int32_t*, 10> at;
        for (std::size_t i = 0; i < at.size(); ++i) at[i] = &counters[i];
        return FileCounterStore().load(at);
    }
    std::string save(const Counters& counters) { return FileCounterStore().save(counters); }

    void expectSkippedLoad(const char* what) {
        Counters counters = kUntouched;
        const CounterStore::LoadResult r = load(counters);
        EXPECT_FALSE(r.loaded) << what;
        EXPECT_EQ(r.error, "") << what;
        EXPECT_EQ(counters, kUntouched) << what;
    }

    QTemporaryDir dir_;
    EnvOverride xdg_{"XDG_CONFIG_HOME", QFile::encodeName(dir_.path())};
};

std::string keyFile(const Counters& c) {
    std::string text = "Windows Registry Editor Version 5.00\n\n" + kKeyLine;
    for (std::size_t i = 0; i < c.size(); ++i) {
        char line[40];
        std::snprintf(line, sizeof line, "\"%s\"=dword:%08x\n", kCounterNames[i].data(),
                      static_cast<std::uint32_t>(c[i]));
        text += line;
    }
    return text;
}

unsigned modeOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return 0;
    return st.st_mode & 07777;
}

TEST_F(FileStoreTest, FirstRunCreatesTheKeyAndARestartReadsIt) {
    expectSkippedLoad("no file");
    EXPECT_FALSE(QFileInfo::exists(folder())) << "a load creates nothing";

    const Counters first = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(save(first), "");
    EXPECT_EQ(read(), keyFile(first));
    EXPECT_EQ(modeOf(file()), 0600u);

    // Negative values and the extremes go through as 32-bit integers.
    const Counters second = {1, -1, INT32_MAX, INT32_MIN, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(save(second), "");
    EXPECT_NE(read().find("\"szb\"=dword:ffffffff\n\"szc\"=dword:7fffffff\n"), std::string::npos);
    Counters counters = kUntouched;
    const CounterStore::LoadResult r = load(counters);
    EXPECT_TRUE(r.loaded);
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(counters, second);
    EXPECT_EQ(modeOf(file()), 0600u);
    EXPECT_EQ(QDir(folder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"user.reg"});
}

TEST_F(FileStoreTest, FileLivesUnderXdgConfigHomeElseUnderHomeConfig) {
    const EnvOverride home("HOME", QByteArray("/home/trainee"));
    const std::pair<std::optional<QByteArray>, QString> cases[] = {
        {QByteArray("/srv/cfg"), "/srv/cfg/zormia/user.reg"},
        {std::nullopt, "/home/trainee/.config/zormia/user.reg"},
        {QByteArray(""), "/home/trainee/.config/zormia/user.reg"},
        {QByteArray("relative/cfg"), "/home/trainee/.config/zormia/user.reg"},
    };
    for (const auto& [xdg, path] : cases) {
        const EnvOverride env("XDG_CONFIG_HOME", xdg);
        EXPECT_EQ(FileCounterStore::defaultPath(), path) << path.toStdString();
    }
}

TEST_F(FileStoreTest, LoadStopsAtTheFirstValueItCannotRead) {
    const Counters stored = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const std::string full = keyFile(stored);
    struct Case {
        const char* what;
        std::string from, to;  // the stored file with `from` replaced by `to`
        std::size_t read;      // values stored before the failing one
        const char* error;
    };
    const Case cases[] = {
        {"all there", "", "", 10, ""},
        {"dkog missing", "\"dkog\"=dword:00000007\n", "", 6, "Failed to get data for 'dkog'"},
        {"szc as text", "\"szc\"=dword:00000003", "\"szc\"=\"3\"", 2,
         "Invalid data type for 'szc'"},
        {"sza binary", "\"sza\"=dword:00000001", "\"sza\"=hex:01,00,00,00", 0,
         "Invalid data type for 'sza'"},
        {"dkoy deleted later", "\"dkoy\"=dword:0000000a\n", "\"dkoy\"=dword:0000000a\n\"dkoy\"=-\n",
         9, "Failed to get data for 'dkoy'"},
        {"dpov unreadable", "\"dpov\"=dword:00000009", "\"dpov\"=dword:9g", 8,
         "Invalid data type for 'dpov'"},
    };
    for (const Case& c : cases) {
        std::string text = full;
        if (!c.from.empty()) text.replace(text.find(c.from), c.from.size(), c.to);
        write(text);
        Counters counters = kUntouched;
        const CounterStore::LoadResult r = load(counters);
        EXPECT_EQ(r.loaded, c.read == 10) << c.what;
        EXPECT_EQ(r.error, c.error) << c.what;
        for (std::size_t i = 0; i < counters.size(); ++i) {
            EXPECT_EQ(counters[i], i < c.read ? stored[i] : kUntouched[i])
                << c.what << ": " << kCounterNames[i];
        }
    }
}

TEST_F(FileStoreTest, DeskShowsCountersOnlyAfterAFullLoadAndSavesOnDeactivation) {
    FileCounterStore store;
    TimerService timers;
    Pul pul(timers, &store);
    CounterRef Pul::*const displays[] = {&Pul::lia,   &Pul::lib,  &Pul::lic,      &Pul::lid,
                                         &Pul::lig,   &Pul::lih,  &Pul::licznikg, &Pul::ldpod,
                                         &Pul::ldpov, &Pul::ldkoy};
    const auto shown = [&] {
        Counters c;
        for (std::size_t i = 0; i < c.size(); ++i) c[i] = (pul.*displays[i]).value();
        return c;
    };
    const auto held = [&] {
        Counters c;
        for (std::size_t i = 0; i < c.size(); ++i) c[i] = *pul.counters()[i];
        return c;
    };

    EXPECT_EQ(pul.FormActivate(), "");  // first run: nothing stored, nothing shown
    EXPECT_EQ(shown(), Counters{});

    const Counters stored = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    write(keyFile(stored));
    EXPECT_EQ(pul.FormActivate(), "");
    EXPECT_EQ(held(), stored);
    EXPECT_EQ(shown(), stored);

    // dkog gone: the values before it are read, the displays keep what they showed.
    std::string text = keyFile({11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
    text.erase(text.find("\"dkog\""), std::string("\"dkog\"=dword:00000011\n").size());
    write(text);
    EXPECT_EQ(pul.FormActivate(), "Failed to get data for 'dkog'");
    EXPECT_EQ(held(), (Counters{11, 12, 13, 14, 15, 16, 7, 8, 9, 10}));
    EXPECT_EQ(shown(), stored);

    // The next deactivation writes all ten, which repairs the key.
    pul.sza = 42;
    EXPECT_EQ(pul.FormDeactivate(), "");
    Counters counters = kUntouched;
    EXPECT_TRUE(load(counters).loaded);
    EXPECT_EQ(counters, (Counters{42, 12, 13, 14, 15, 16, 7, 8, 9, 10}));
}

TEST_F(FileStoreTest, SaveKeepsWhatItDoesNotOwn) {
    write(
        "Windows Registry Editor Version 5.00\r\n"
        "\r\n"
        "; exported by hand\r\n"
        "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
        "@=\"default\"\r\n"
        "\"blob\"=hex:00,01,\\\r\n"
        "  02,03\r\n"
        "\r\n"
        "[HKCU\\SOFTWARE\\Tremix\\Sygnaly]\r\n"
        "\"SZB\"=\"text\"\r\n"
        "\"note\"=\"kept\"\r\n"
        "\"sza\"=dword:00000005\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly\\sub]\r\n"
        "\"sza\"=dword:00000063\r\n");
    EXPECT_EQ(save({1, 2, 3, 4, 5, 6, 7, 8, 9, -10}), "");
    EXPECT_EQ(read(),
              "Windows Registry Editor Version 5.00\r\n"
              "\r\n"
              "; exported by hand\r\n"
              "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
              "@=\"default\"\r\n"
              "\"blob\"=hex:00,01,\\\r\n"
              "  02,03\r\n"
              "\r\n"
              "[HKCU\\SOFTWARE\\Tremix\\Sygnaly]\r\n"
              "\"szb\"=dword:00000002\r\n"
              "\"note\"=\"kept\"\r\n"
              "\"sza\"=dword:00000001\r\n"
              "\"szc\"=dword:00000003\r\n"
              "\"szd\"=dword:00000004\r\n"
              "\"szg\"=dword:00000005\r\n"
              "\"szh\"=dword:00000006\r\n"
              "\"dkog\"=dword:00000007\r\n"
              "\"dpod\"=dword:00000008\r\n"
              "\"dpov\"=dword:00000009\r\n"
              "\"dkoy\"=dword:fffffff6\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly\\sub]\r\n"
              "\"sza\"=dword:00000063\r\n");
}

TEST_F(FileStoreTest, ReadsFilesOfRegistryEditors) {
    const std::string body =
        "\r\n[HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly]\r\n\"sza\"=dword:00000001\r\n"
        "\"szb\"=dword:00000002\r\n\"szc\"=dword:00000003\r\n\"szd\"=dword:00000004\r\n"
        "\"szg\"=dword:00000005\r\n\"szh\"=dword:00000006\r\n\"dkog\"=dword:00000007\r\n"
        "\"dpod\"=dword:00000008\r\n\"dpov\"=dword:00000009\r\n\"dkoy\"=dword:0000000a\r\n";
    const std::string utf8 = "Windows Registry Editor Version 5.00\r\n" + body;
    std::string utf16 = "\xFF\xFE";
    for (char c : utf8) {
        utf16 += c;
        utf16 += '\0';
    }
    // Each file as read, and as written back in UTF-8.
    const std::pair<std::string, std::string> cases[] = {
        {utf16, utf8},
        {"REGEDIT4\r\n" + body, "REGEDIT4\r\n" + body},
    };
    for (const auto& [text, written] : cases) {
        write(text);
        Counters counters = kUntouched;
        EXPECT_TRUE(load(counters).loaded) << written;
        EXPECT_EQ(counters, (Counters{1, 2, 3, 4, 5, 6, 7, 8, 9, 10})) << written;
        EXPECT_EQ(save(counters), "");
        EXPECT_EQ(read(), written);
    }
}

TEST_F(FileStoreTest, DamagedFilesHoldNoKeyAndAreReplacedOnSave) {
    std::mt19937 rng(7);
    std::string noise(4096, '\0');
    for (char& c : noise) c = static_cast<char>(rng());
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"header cut short", "Windows Regis"},
        {"NUL bytes", std::string(300, '\0')},
        {"random bytes", noise},
        {"UTF-16 without its mark", std::string("W\0i\0n\0d\0o\0w\0s\0", 14)},
        {"UTF-16 mark alone, odd length", "\xFF\xFE\x57"},
        {"key line cut short", "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tre"},
        {"key deleted", "REGEDIT4\n\n" + kKeyLine + "\"sza\"=dword:1\n[-HKCU\\Software\\Tremix]\n"},
        {"text of another program", "[General]\nsza=1\n"},
    };
    const Counters saved = {3, 1, 4, 1, 5, 9, 2, 6, 5, 3};
    for (const auto& [what, bytes] : cases) {
        write(bytes);
        expectSkippedLoad(what);
        EXPECT_EQ(save(saved), "") << what;
        Counters counters = kUntouched;
        EXPECT_TRUE(load(counters).loaded) << what;
        EXPECT_EQ(counters, saved) << what;
    }
}

TEST_F(FileStoreTest, StoreThatCannotBeOpenedIsLeftAlone) {
    std::string huge = keyFile({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    huge.resize(RegFile::kMaxFileBytes + 1, ';');
    const std::pair<const char*, std::function<bool()>> cases[] = {
        {"larger than a store file may be", [&] { return write(huge), true; }},
        {"a folder in its place", [&] { return QDir().mkpath(file()); }},
        {"a pipe in its place",
         [&] {
             return QDir().mkpath(folder()) &&
                    ::mkfifo(QFile::encodeName(file()).constData(), 0600) == 0;
         }},
        {"not readable",
         [&] {
             write("REGEDIT4\n");
             return ::chmod(QFile::encodeName(file()).constData(), 0200) == 0;
         }},
    };
    for (const auto& [what, makeFault] : cases) {
        QDir(folder()).removeRecursively();
        if (!makeFault()) {
            std::cout << "[ SKIPPED  ] " << what << ": cannot be set up here\n";
            continue;
        }
        const QFileInfo before(file());
        const std::string bytes = before.isFile() ? read() : "";
        // The load and the save as the trainee, whom permissions bind: in a child
        // that is not root, also when the tests run as root.
        const auto outcome = test::inChildAsUser(dir_.path(), [&]() -> std::string {
            if (::access(QFile::encodeName(file()).constData(), R_OK) == 0 &&
                std::string(what) == "not readable") {
                return "the file can be read";
            }
            Counters counters = kUntouched;
            const CounterStore::LoadResult r = load(counters);
            if (r.loaded || !r.error.empty() || counters != kUntouched) {
                return "the load was not skipped";
            }
            const std::string error = save({9, 9, 9, 9, 9, 9, 9, 9, 9, 9});
            if (!error.empty()) return "the save said '" + error + "'";
            return {};
        });
        ASSERT_TRUE(outcome) << what << ": cannot run as an unprivileged user";
        EXPECT_EQ(*outcome, "") << what;
        const QFileInfo after(file());
        EXPECT_EQ(after.isDir(), before.isDir()) << what;
        if (before.isFile()) {
            EXPECT_EQ(read(), bytes) << what;
        }
        EXPECT_EQ(QDir(folder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System),
                  QStringList{"user.reg"})
            << what;
    }
}

// Faults that refuse the replacement of the file; each returns its undo, or nothing
// when it cannot be set up (privileges that ignore permissions: the faults are
// made in a child that is not root).
using Fault =
    std::function<std::optional<std::function<void()>>(const QString& folder, const QString& file)>;

std::optional<std::function<void()>> chmodFault(const QString& path, mode_t mode, mode_t undo) {
    const QByteArray p = QFile::encodeName(path);
    ::chmod(p.constData(), mode);
    if (::access(p.constData(), W_OK) == 0) {
        ::chmod(p.constData(), undo);
        return std::nullopt;
    }
    return [p, undo] { ::chmod(p.constData(), undo); };
}

TEST_F(FileStoreTest, RefusedReplacementLeavesTheOldFile) {
    const std::pair<const char*, Fault> cases[] = {
        {"read-only file",
         [](const QString&, const QString& f) { return chmodFault(f, 0400, 0600); }},
        {"read-only folder",
         [](const QString& d, const QString&) { return chmodFault(d, 0500, 0700); }},
        {"disk full (file size limit)",
         [](const QString&, const QString&) -> std::optional<std::function<void()>> {
             rlimit old{};
             ::getrlimit(RLIMIT_FSIZE, &old);
             rlimit small = old;
             small.rlim_cur = 64;
             const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
             if (::setrlimit(RLIMIT_FSIZE, &small) != 0) return std::nullopt;
             return [old, oldHandler] {
                 ::setrlimit(RLIMIT_FSIZE, &old);
                 std::signal(SIGXFSZ, oldHandler);
             };
         }},
    };
    const Counters stored = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    for (const auto& [what, fault] : cases) {
        QDir(folder()).removeRecursively();
        ASSERT_EQ(save(stored), "");
        const std::string before = read();
        const auto error = test::inChildAsUser(dir_.path(), [&]() -> std::string {
            const auto undo = fault(folder(), file());
            if (!undo) return "<the fault cannot be set up>";
            const std::string message = save({50, 50, 50, 50, 50, 50, 50, 50, 50, 50});
            (*undo)();
            return message;
        });
        ASSERT_TRUE(error) << what << ": cannot run as an unprivileged user";
        EXPECT_EQ(*error, "Failed to set data for 'sza'") << what;
        EXPECT_EQ(read(), before) << what;
        EXPECT_EQ(QDir(folder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                  QStringList{"user.reg"})
            << what;
    }
}

TEST_F(FileStoreTest, FolderThatCannotBeCreatedIsSkippedSilently) {
    write("");  // the folder zormia, with a regular file user.reg in it
    const EnvOverride below("XDG_CONFIG_HOME", QFile::encodeName(file() + "/config"));
    EXPECT_EQ(save({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), "");
    expectSkippedLoad("below a file");
    EXPECT_EQ(read(), "");
    EXPECT_EQ(QDir(folder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"user.reg"});
}

}  // namespace
}  // namespace zormia
