#pragma once
// The counter store as a per-user file: $XDG_CONFIG_HOME/zormia/user.reg
// (~/.config/zormia/user.reg when XDG_CONFIG_HOME is unset, empty or relative),
// holding the key HKEY_CURRENT_USER\Software\Tremix\sygnaly in the text format of
// registry export files (store/reg_file.h), so that the key can be carried to and
// from a registry editor.
//
// Load reads the file and, when it holds the key, the ten values in order. A file
// that is missing, cannot be read, is larger than RegFile::kMaxFileBytes or is no
// registry file at all holds no key: the load is skipped without a message.
//
// Save reads the file again, sets the ten values in it and replaces it as a whole
// (a new file beside it, renamed over it), so that a failed save leaves the old
// file as it was and reports "Failed to set data for 'sza'". Other keys and values
// in the file stay as they are. A folder that cannot be created, or a file that
// is there but cannot be read (or is too large to read), is a store that cannot
// be opened: nothing is written and nothing is reported. A file that holds no
// registry data is replaced by one holding the key. A new file is readable and
// writable by its owner only, and so is each folder the save creates for it; an
// existing file or folder keeps its permissions.

#include <QString>
#include <utility>

#include "store/counter_store.h"

namespace zormia {

class FileCounterStore : public CounterStore {
  public:
    // The file at its standard place, looked up on every load and save.
    FileCounterStore() = default;
    // The file at `path`.
    explicit FileCounterStore(QString path) : path_(std::move(path)) {}

    // $XDG_CONFIG_HOME/zormia/user.reg as the environment gives it now.
    static QString defaultPath();

    LoadResult load(const std::array<std::int32_t*, 10>& counters) override;
    std::string save(const std::array<std::int32_t, 10>& counters) override;

  private:
    QString path() const { return path_.isEmpty() ? defaultPath() : path_; }

    QString path_;
};

}  // namespace zormia
