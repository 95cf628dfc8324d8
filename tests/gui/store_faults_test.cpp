// The counter store's file under faults: a program killed while it saves, a full
// disk, a file-size limit, two programs saving at once, and another user racing
// for the temporary file (read-only files and folders: file_store_test.cpp). Whatever happens, the
// file reads back as a whole set of ten counters: the old one or the new one, never a mix and never
// garbage.

#include <gtest/gtest.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <array>
#include <chrono>
#include <csignal>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <thread>

#include "store/qt/file_counter_store.h"
#include "store/reg_file.h"
#include "tests/gui/as_user.h"

namespace zormia {
namespace {

using Counters = std::array<std::int32_t, 10>;
constexpr std::string_view kKey = "HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly";
const std::string kRefused = "Failed to set data for 'sza'";

// The ten counters of save number `k` by writer `writer`: each set can be told
// from every other, and a mix of two sets from both.
Counters countersOf(std::int32_t writer, std::int32_t k) {
    Counters c;
    for (std::int32_t i = 0; i < 10; ++i) c[i] = writer << 24 | k << 4 | i;
    return c;
}

struct Whole {
    std::int32_t writer, k;
};

// The file's ten counters when they are one whole set, else what is wrong.
std::optional<Whole> readWhole(const QString& path, std::string* why) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return *why = "cannot be read", std::nullopt;
    const QByteArray bytes = f.readAll();
    const auto reg = RegFile::parse(std::string_view(bytes.constData(), bytes.size()));
    if (!reg || !reg->keyExists(kKey))
        return *why = "holds no key: " + bytes.toStdString(), std::nullopt;
    const auto values = reg->values(kKey, kCounterNames);
    for (const RegFile::Value& v : values) {
        if (v.type != RegFile::ValueType::Dword) return *why = "a value is gone", std::nullopt;
    }
    Counters read;
    for (std::size_t i = 0; i < read.size(); ++i) read[i] = values[i].dword;
    const Whole whole{read[0] >> 24, (read[0] >> 4) & 0xFFFFF};
    if (read != countersOf(whole.writer, whole.k)) {
        return *why = "holds a mix of two saves: " + bytes.toStdString(), std::nullopt;
    }
    return whole;
}

unsigned modeOf(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return 0;
    return st.st_mode & 07777;
}

class StoreFaultTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path()));
    }
    void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }

    QString folder() const { return dir_.path() + "/zormia"; }
    QString file() const { return folder() + "/user.reg"; }
    std::string bytes() const {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<unreadable>";
    }
    QStringList entries() const {
        return QDir(folder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System |
                                        QDir::Hidden);
    }
    static std::optional<Counters> load() {
        Counters c{};
        std::array<std::int32_t*, 10> at;
        for (std::size_t i = 0; i < c.size(); ++i) at[i] = &c[i];
        if (!FileCounterStore().load(at).loaded) return std::nullopt;
        return c;
    }

    QTemporaryDir dir_;
};

// Hundreds of saving programs killed at random moments, most of them in the middle
// of a save: the file always holds the last save that finished, whole.
TEST_F(StoreFaultTest, SaveKilledAtRandomMomentsLeavesTheOldOrTheNewFile) {
    ASSERT_EQ(FileCounterStore().save(countersOf(1, 0)), "");
    std::mt19937 rng(20240501);
    std::int32_t last = 0;
    long saves = 0;
    constexpr int kKills = 300;
    for (int kill = 0; kill < kKills; ++kill) {
        // The child says on a pipe when its first save has finished; the kill falls
        // at a random moment after that, so however busy the machine is, it lands
        // in the middle of some later save, or between two.
        int saved[2];
        ASSERT_EQ(::pipe(saved), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(saved[0]);
            FileCounterStore store;
            store.save(countersOf(1, (last + 1) & 0xFFFFF));
            const char done = 1;
            [[maybe_unused]] const auto wrote = ::write(saved[1], &done, 1);
            ::close(saved[1]);
            for (std::int32_t k = last + 2;; ++k) store.save(countersOf(1, k & 0xFFFFF));
        }
        ::close(saved[1]);
        pollfd first{saved[0], POLLIN, 0};
        const bool started = ::poll(&first, 1, 60000) == 1;
        ::close(saved[0]);
        if (started) std::this_thread::sleep_for(std::chrono::microseconds(rng() % 20000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(started) << "child " << kill + 1 << " never finished its first save";
        std::string why;
        const std::optional<Whole> whole = readWhole(file(), &why);
        ASSERT_TRUE(whole) << "after kill " << kill + 1 << " the file " << why;
        ASSERT_GT(whole->k, last) << "after kill " << kill + 1
                                  << " the file lost a save that had finished";
        saves += whole->k - last;
        last = whole->k;
    }
    std::cout << "[          ] " << kKills << " saving programs killed after " << saves
              << " saves that finished\n";
    EXPECT_EQ(modeOf(file()), 0600u);

    // The new file is written without a name and linked in under one of its own
    // just before the rename: a kill in between leaves it behind, its owner's
    // alone and never read.
    for (const QString& name : entries()) {
        if (name == "user.reg") continue;
        EXPECT_TRUE(name.startsWith("user.reg.")) << name.toStdString();
        EXPECT_EQ(modeOf(folder() + "/" + name) & 077, 0u) << name.toStdString();
    }
    const auto loaded = load();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(*loaded, countersOf(1, last));
}

// Two programs saving at once, thousands of times, while a third reads: every
// read finds a whole file, and the last save to finish is what stays.
TEST_F(StoreFaultTest, TwoProgramsSavingAtOnceNeverMixTheirCounters) {
    ASSERT_EQ(FileCounterStore().save(countersOf(1, 0)), "");
    constexpr std::int32_t kSaves = 1000;
    pid_t children[2];
    for (std::int32_t writer = 1; writer <= 2; ++writer) {
        children[writer - 1] = ::fork();
        ASSERT_GE(children[writer - 1], 0);
        if (children[writer - 1] == 0) {
            FileCounterStore store;
            int refused = 0;
            for (std::int32_t k = 1; k <= kSaves; ++k)
                refused += !store.save(countersOf(writer, k)).empty();
            ::_exit(refused == 0 ? 0 : 1);
        }
    }
    int reads = 0;
    int status[2] = {-1, -1};
    while (status[0] < 0 || status[1] < 0) {
        std::string why;
        const std::optional<Whole> whole = readWhole(file(), &why);
        ASSERT_TRUE(whole) << "read " << reads + 1 << ": the file " << why;
        ++reads;
        for (int i = 0; i < 2; ++i) {
            int s = 0;
            if (status[i] < 0 && ::waitpid(children[i], &s, WNOHANG) == children[i]) status[i] = s;
        }
    }
    EXPECT_EQ(status[0], 0) << "a save of writer 1 was refused";
    EXPECT_EQ(status[1], 0) << "a save of writer 2 was refused";
    std::string why;
    const std::optional<Whole> whole = readWhole(file(), &why);
    ASSERT_TRUE(whole) << why;
    EXPECT_EQ(whole->k, kSaves) << "the last save of writer " << whole->writer
                                << " is not what stays";
    EXPECT_GT(reads, 10);
    std::cout << "[          ] " << reads << " whole reads while two programs saved " << kSaves
              << " times each\n";
    EXPECT_EQ(entries(), QStringList{"user.reg"});
    EXPECT_EQ(modeOf(file()), 0600u);
}

// A file-size limit at every size the new file passes through on its way to disk:
// each save is refused with its message, and the old file stays as it was.
TEST_F(StoreFaultTest, FileSizeLimitDuringTheSaveChangesNothingOnDisk) {
    ASSERT_EQ(FileCounterStore().save(countersOf(1, 1)), "");
    const std::string before = bytes();
    const auto size = static_cast<rlim_t>(before.size());
    const QString path = file();
    const auto result = test::inChildAsUser(dir_.path(), [&]() -> std::string {
        std::signal(SIGXFSZ, SIG_IGN);
        for (rlim_t limit = 0; limit < size; limit += 1 + limit / 8) {
            rlimit small{limit, RLIM_INFINITY};
            if (::setrlimit(RLIMIT_FSIZE, &small) != 0) return "no file-size limit";
            const std::string error = FileCounterStore(path).save(countersOf(1, 2));
            if (error != kRefused) return "at " + std::to_string(limit) + " bytes: '" + error + "'";
        }
        return {};
    });
    ASSERT_TRUE(result);
    EXPECT_EQ(*result, "");
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(entries(), QStringList{"user.reg"});
}

// A disk that is full: a small file system of its own mounted on the store's
// folder in a mount namespace of the child (skipped where none can be made).
TEST_F(StoreFaultTest, FullDiskRefusesTheSaveAndKeepsTheOldFile) {
    ASSERT_TRUE(QDir().mkpath(folder()));
    const QString d = folder();
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const auto report = [&](const std::string& text, int status) {
            (void)!::write(pipeEnds[1], text.data(), text.size());
            ::_exit(status);
        };
        const uid_t uid = ::getuid();
        const gid_t gid = ::getgid();
        if (::unshare(CLONE_NEWNS) != 0) {
            // Without the privilege, a user namespace of its own may give it.
            if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) report("no mount namespace", 3);
            const auto put = [](const char* path, const std::string& text) {
                QFile f(path);
                return f.open(QIODevice::WriteOnly) &&
                       f.write(text.data(), static_cast<qint64>(text.size())) ==
                           static_cast<qint64>(text.size());
            };
            put("/proc/self/setgroups", "deny");
            if (!put("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
                !put("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")) {
                report("no user mapping", 3);
            }
        }
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", QFile::encodeName(d).constData(), "tmpfs", 0, "size=64k,mode=0700") !=
                0) {
            report("no small file system", 3);
        }
        if (!FileCounterStore().save(countersOf(1, 1)).empty()) report("the first save failed", 1);
        QFile before(d + "/user.reg");
        before.open(QIODevice::ReadOnly);
        const QByteArray old = before.readAll();
        // Fill the file system to its last byte.
        QFile filler(d + "/filler");
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write("x", 1) == 1) {
        }
        filler.close();
        const std::string error = FileCounterStore().save(countersOf(1, 2));
        QFile after(d + "/user.reg");
        after.open(QIODevice::ReadOnly);
        const QStringList left = QDir(d).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        if (error != kRefused) report("the save said '" + error + "'", 1);
        if (after.readAll() != old) report("the file changed", 1);
        if (left != QStringList{"filler", "user.reg"}) report("something was left behind", 1);
        report("", 0);
    }
    ::close(pipeEnds[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    if (WEXITSTATUS(status) == 3) GTEST_SKIP() << text;
    EXPECT_EQ(WEXITSTATUS(status), 0) << text;
}

// The temporary file beside the store file is created under a name of its own
// with O_EXCL: links with the names a writer might have used, pointing at another
// file of the trainee's, redirect nothing. The folders the store creates are the
// trainee's alone (an open folder would let any user put a link in place of the
// file itself), and the new file too, whatever the umask.
TEST_F(StoreFaultTest, NoOtherUserCanRedirectTheSave) {
    const mode_t oldMask = ::umask(0);
    ASSERT_EQ(FileCounterStore().save(countersOf(1, 1)), "");
    ::umask(oldMask);
    EXPECT_EQ(modeOf(folder()), 0700u);
    EXPECT_EQ(modeOf(file()), 0600u);

    const QString victim = dir_.path() + "/victim";
    {
        QFile v(victim);
        ASSERT_TRUE(v.open(QIODevice::WriteOnly));
        v.write("the trainee's own file\n");
    }
    const QStringList guesses = {
        "user.reg.tmp",  "user.reg.new",    "user.reg~",       "user.reg.bak",    ".user.reg",
        "user.reg.lock", "user.reg.XXXXXX", "user.reg.000000", "user.reg.aaaaaa", ".user.reg.tmp"};
    for (const QString& name : guesses) {
        ASSERT_TRUE(QFile::link(victim, folder() + "/" + name)) << name.toStdString();
    }
    for (std::int32_t k = 2; k < 50; ++k) ASSERT_EQ(FileCounterStore().save(countersOf(1, k)), "");

    QFile v(victim);
    ASSERT_TRUE(v.open(QIODevice::ReadOnly));
    EXPECT_EQ(v.readAll(), "the trainee's own file\n");
    for (const QString& name : guesses) {
        EXPECT_TRUE(QFileInfo(folder() + "/" + name).isSymLink()) << name.toStdString();
    }
    EXPECT_FALSE(QFileInfo(file()).isSymLink());
    EXPECT_EQ(modeOf(file()), 0600u);
    std::string why;
    const auto whole = readWhole(file(), &why);
    ASSERT_TRUE(whole) << why;
    EXPECT_EQ(whole->k, 49);
}

// Carriage returns where a file has line feeds (a file edited on another system):
// the counters saved next to them load again. Such a file used to lose "sza".
TEST_F(StoreFaultTest, StrayCarriageReturnsDoNotLoseCounters) {
    ASSERT_TRUE(QDir().mkpath(folder()));
    {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(
            "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly]\r\r\n"
            "\"blob\"=hex:00,01,\\\r\r\n");
    }
    ASSERT_EQ(FileCounterStore().save(countersOf(1, 3)), "");
    const auto loaded = load();
    ASSERT_TRUE(loaded) << bytes();
    EXPECT_EQ(*loaded, countersOf(1, 3));
}

}  // namespace
}  // namespace zormia
