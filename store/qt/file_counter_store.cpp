#include "store/qt/file_counter_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>

#include "store/reg_file.h"

namespace zormia {

namespace {

constexpr std::string_view kKeyPath = "HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly";

std::string message(std::string_view format, std::string_view name) {
    std::string text(format);
    const std::size_t at = text.find("%s");
    text.replace(at, 2, name);
    return text;
}

enum class FileState {
    Missing,  // no file: a new one may be written
    Read,     // read whole
    Refused,  // there, but not a regular file, not readable or too large
};

struct FileBytes {
    FileState state = FileState::Missing;
    QByteArray bytes;
};

// The whole file, or nothing when it is larger than a registry file may be. Only a
// regular file is opened, so that a pipe or a device in its place cannot block
// the desk or feed it without end.
FileBytes readFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return {};
    if (!info.isFile()) return {FileState::Refused, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {FileState::Refused, {}};
    constexpr qint64 kLimit = RegFile::kMaxFileBytes;
    QByteArray bytes = file.read(kLimit + 1);
    if (bytes.size() > kLimit || file.error() != QFileDevice::NoError) {
        return {FileState::Refused, {}};
    }
    return {FileState::Read, std::move(bytes)};
}

// Creates the folder `path` and those missing above it, each for its owner alone
// (read, write, search), as folders of a user's settings are made whatever the
// umask: in a folder others may write in, another user could put a link of their
// own in place of the store file and have the next save written where it points.
// Folders that are there already stay as they are.
bool makePrivatePath(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) return true;
    if (info.exists() || info.isSymLink()) return false;
    const QString parent = info.absolutePath();
    if (parent != info.absoluteFilePath() && !makePrivatePath(parent)) return false;
    constexpr QFile::Permissions kOwnerOnly =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    return QDir().mkdir(path, kOwnerOnly) || QFileInfo(path).isDir();
}

std::optional<RegFile> parse(const QByteArray& bytes) {
    return RegFile::parse(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

QString FileCounterStore::defaultPath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + "/.config";
    return base + "/zormia/user.reg";
}

CounterStore::LoadResult FileCounterStore::load(const std::array<std::int32_t*, 10>& counters) {
    LoadResult result;
    const FileBytes file = readFile(path());
    if (file.state != FileState::Read) return result;
    const std::optional<RegFile> reg = parse(file.bytes);
    if (!reg || !reg->keyExists(kKeyPath)) return result;

    const std::vector<RegFile::Value> values = reg->values(kKeyPath, kCounterNames);
    for (std::size_t i = 0; i < kCounterNames.size(); ++i) {
        switch (values[i].type) {
            case RegFile::ValueType::Missing:
                result.error = message("Failed to get data for '%s'", kCounterNames[i]);
                return result;
            case RegFile::ValueType::Other:
                result.error = message("Invalid data type for '%s'", kCounterNames[i]);
                return result;
            case RegFile::ValueType::Dword:
                *counters[i] = values[i].dword;
                break;
        }
    }
    result.loaded = true;
    return result;
}

std::string FileCounterStore::save(const std::array<std::int32_t, 10>& counters) {
    const QString filePath = path();
    if (!makePrivatePath(QFileInfo(filePath).absolutePath())) return {};
    const FileBytes file = readFile(filePath);
    if (file.state == FileState::Refused) return {};

    std::optional<RegFile> reg;
    if (file.state == FileState::Read) reg = parse(file.bytes);
    if (!reg) reg.emplace();
    std::array<RegFile::NamedDword, 10> data;
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = {kCounterNames[i], counters[i]};
    reg->setDwords(kKeyPath, data);
    const std::string text = reg->serialise();

    // The whole file is replaced or nothing is; the first value is the one whose
    // write is refused. A file grown past what a load reads is not written.
    const std::string refused = message("Failed to set data for '%s'", kCounterNames[0]);
    if (text.size() > RegFile::kMaxFileBytes) return refused;
    // Unbuffered, and flushed before the commit: the commit alone takes a write
    // that failed in its final flush (a full disk) for a good one and puts the
    // cut-off file in place of the old.
    QSaveFile out(filePath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return refused;
    if (file.state == FileState::Missing &&
        !out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        out.cancelWriting();
        return refused;
    }
    const auto size = static_cast<qint64>(text.size());
    if (out.write(text.data(), size) != size || !out.flush()) {
        out.cancelWriting();
        return refused;
    }
    if (!out.commit()) return refused;
    return {};
}

}  // namespace zormia
