#pragma once
// The text format of registry export files, as kept in the per-user store file:
//
//     Windows Registry Editor Version 5.00
//
//     [HKEY_CURRENT_USER\Software\Tremix\sygnaly]
//     "sza"=dword:00000001
//
// A file is read as a sequence of operations, as a registry editor imports it:
// "[path]" opens (and creates) a key, "[-path]" deletes a key with everything below
// it, "name"=data sets a value of the last opened key and "name"=- deletes it; the
// last word on a value wins. Key paths and value names match without regard to
// ASCII case, and a root may be abbreviated (HKCU for HKEY_CURRENT_USER).
//
// Everything the program does not write itself (other keys, other values,
// comments, blank lines, lines it cannot make sense of) is kept as it was, in its
// place, when the document is written back; a value the program writes replaces
// the last line that set it in the key's last section, or is added at the end of
// that section, or in a new section at the end of the file.
//
// Input may be UTF-8 (with or without a byte-order mark; other 8-bit text passes
// through untouched), or UTF-16 with a byte-order mark as registry editors write
// it; output is always UTF-8 with the line ends of the input (LF for a new file).
// Input of any content is read in time and memory linear in its size; input over
// kMaxFileBytes is refused.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zormia {

class RegFile {
  public:
    // The largest input parse() accepts. The store file holds one small key; a
    // file this large is not one the program wrote, and refusing it keeps the
    // memory spent on a damaged file bounded.
    static constexpr std::size_t kMaxFileBytes = 4u << 20;

    enum class ValueType {
        Missing,  // not there, or deleted
        Dword,    // a 32-bit integer value (dword:XXXXXXXX, or hex(4): with four bytes)
        Other,    // a value of any other type, or one whose data cannot be read
    };
    struct Value {
        ValueType type = ValueType::Missing;
        std::int32_t dword = 0;  // for ValueType::Dword, read as signed
    };

    // A new file: the header line only.
    RegFile();

    // Reads the bytes of a file. Returns nothing when they are not a registry file
    // (no header line) or are longer than kMaxFileBytes.
    static std::optional<RegFile> parse(std::string_view bytes);

    // `keyPath` is a full path with its root ("HKEY_CURRENT_USER\Software\...").
    // A key exists once a section opens it or a key below it, until a deletion of
    // it or of a key above it.
    bool keyExists(std::string_view keyPath) const;
    // The value as the file leaves it (Missing also when the key does not exist).
    Value value(std::string_view keyPath, std::string_view name) const;
    // value() for several names of one key, in one pass over the file.
    std::vector<Value> values(std::string_view keyPath,
                              std::span<const std::string_view> names) const;

    // Writes `name`=dword:XXXXXXXX into the key, opening a new section at the end
    // when the key has no section after its last deletion. Returns false (and
    // changes nothing) for a path that is not a valid key path.
    bool setDword(std::string_view keyPath, std::string_view name, std::int32_t data);
    // setDword() for several values of one key, in one pass; new ones in the order given.
    struct NamedDword {
        std::string_view name;
        std::int32_t data;
    };
    bool setDwords(std::string_view keyPath, std::span<const NamedDword> data);

    // The document as UTF-8 text.
    std::string serialise() const;

  private:
    enum class Kind : std::uint8_t {
        Passive,  // header, blank lines, comments, anything not understood
        Key,      // a "[...]" line
        Value,    // a value line with its continuation lines
    };
    // One piece of the document: its text (lines joined by '\n', without the
    // final line end) lies in text_.
    struct Entry {
        std::uint32_t offset;
        std::uint32_t length;
        Kind kind;
    };

    std::string_view textOf(const Entry& e) const { return {text_.data() + e.offset, e.length}; }
    void append(std::string_view text, Kind kind);
    Entry store(std::string_view text);
    // The key lines of a key's sections after its last deletion, and whether the
    // file leaves the key existing.
    struct Sections {
        bool exists = false;
        std::vector<std::size_t> lines;
    };
    Sections sections(const std::vector<std::string_view>& key) const;
    // The index after the last entry of the section opened at `keyLine`.
    std::size_t sectionEnd(std::size_t keyLine) const;

    std::string text_;
    std::vector<Entry> entries_;
    bool crlf_ = false;
};

}  // namespace zormia
