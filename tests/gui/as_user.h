#pragma once
// Store tests whose faults are file permissions: root ignores them, and CI runs
// as root. inChildAsUser() runs a test's body in a child process that, when this
// process is root, has first become the unprivileged user nobody (65534:65534)
// and been given the test's folder, so that a read-only file or folder refuses
// it as it refuses a trainee. Without root the child runs as this user.

#include <fcntl.h>
#include <ftw.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QString>
#include <cerrno>
#include <functional>
#include <optional>
#include <string>

namespace zormia::test {

inline constexpr uid_t kNobody = 65534;
inline constexpr gid_t kNogroup = 65534;

inline bool chownTree(const QString& folder, uid_t uid, gid_t gid) {
    static uid_t treeUid;
    static gid_t treeGid;
    treeUid = uid;
    treeGid = gid;
    const auto give = [](const char* path, const struct stat*, int, struct FTW*) {
        return ::lchown(path, treeUid, treeGid) == 0 ? 0 : -1;
    };
    return ::nftw(QFile::encodeName(folder).constData(), give, 16, FTW_PHYS) == 0;
}

// Runs `body` in a child. Its result (empty when everything held, otherwise what
// did not) comes back through a pipe; a child that dies says how. Nothing when
// the child could not become the unprivileged user.
inline std::optional<std::string> inChildAsUser(const QString& folder,
                                                const std::function<std::string()>& body) {
    const bool root = ::geteuid() == 0;
    if (root && !chownTree(folder, kNobody, kNogroup)) return std::nullopt;
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child < 0) return "no child";
    if (child == 0) {
        ::close(pipeEnds[0]);
        if (root && (::setgroups(0, nullptr) != 0 || ::setgid(kNogroup) != 0 ||
                     ::setuid(kNobody) != 0 || ::geteuid() != kNobody)) {
            ::_exit(3);
        }
        // A temporary folder below one the user cannot enter cannot be used.
        if (::access(QFile::encodeName(folder).constData(), R_OK | W_OK | X_OK) != 0) ::_exit(3);
        const std::string result = body();
        std::size_t done = 0;
        while (done < result.size()) {
            const ssize_t n = ::write(pipeEnds[1], result.data() + done, result.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (root) chownTree(folder, ::getuid(), ::getgid());
    if (WIFEXITED(status) && WEXITSTATUS(status) == 3) return std::nullopt;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return "the child ended with status " + std::to_string(status) + ": " + text;
    }
    return text;
}

}  // namespace zormia::test
