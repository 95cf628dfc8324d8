#include "store/reg_file.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "store/utf8.h"

namespace zormia {

namespace {

constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";
constexpr std::string_view kHeader4 = "REGEDIT4";

// The roots of a registry by their full names and abbreviations.
struct Root {
    std::string_view name;
    std::string_view abbreviation;
};
constexpr std::array<Root, 5> kRoots = {{
    {"HKEY_CLASSES_ROOT", "HKCR"},
    {"HKEY_CURRENT_USER", "HKCU"},
    {"HKEY_LOCAL_MACHINE", "HKLM"},
    {"HKEY_USERS", "HKU"},
    {"HKEY_CURRENT_CONFIG", "HKCC"},
}};

char fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return fold(x) == fold(y); });
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && equalNoCase(s.substr(0, prefix.size()), prefix);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimLeft(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    return s;
}

std::string_view trimRight(std::string_view s) {
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view trim(std::string_view s) {
    return trimRight(trimLeft(s));
}

// Hex digits and nothing else make up the whole of `s`.
template <typename Unsigned>
std::optional<Unsigned> readHex(std::string_view s) {
    Unsigned n = 0;
    const char* end = s.data() + s.size();
    const auto [ptr, ec] = std::from_chars(s.data(), end, n, 16);
    if (s.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return n;
}

// The full name of a root given by either of its names; empty for anything else.
std::string_view rootName(std::string_view s) {
    for (const Root& root : kRoots) {
        if (equalNoCase(s, root.name) || equalNoCase(s, root.abbreviation)) return root.name;
    }
    return {};
}

// ---- text encodings ----------------------------------------------------------------

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD, an odd last byte is dropped.
std::string utf16ToUtf8(std::string_view bytes, bool littleEndian) {
    const auto unit = [&](std::size_t i) -> std::uint32_t {
        const auto lo = static_cast<unsigned char>(bytes[2 * i + (littleEndian ? 0 : 1)]);
        const auto hi = static_cast<unsigned char>(bytes[2 * i + (littleEndian ? 1 : 0)]);
        return static_cast<std::uint32_t>(hi) << 8 | lo;
    };
    const std::size_t count = bytes.size() / 2;
    std::string out;
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < count) {
            const std::uint32_t next = unit(i + 1);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (next - 0xDC00));
                ++i;
                continue;
            }
        }
        appendUtf8(out, u);  // a lone half of a pair reads as U+FFFD
    }
    return out;
}

// The text of a file: UTF-16 with a byte-order mark is converted, a UTF-8 mark is
// dropped, any other bytes are taken as they are.
std::string decode(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) return std::string(bytes.substr(3));
    if (bytes.starts_with("\xFF\xFE")) return utf16ToUtf8(bytes.substr(2), true);
    if (bytes.starts_with("\xFE\xFF")) return utf16ToUtf8(bytes.substr(2), false);
    return std::string(bytes);
}

// ---- key lines -----------------------------------------------------------------------

// A key path split into its components, the root by its full name. Empty when the
// path is not a valid path of a key below a root.
std::vector<std::string_view> splitPath(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t bs = path.find('\\', start);
        std::string_view part =
            path.substr(start, bs == std::string_view::npos ? std::string_view::npos : bs - start);
        if (part.empty()) return {};
        if (parts.empty()) {
            part = rootName(part);
            if (part.empty()) return {};
        }
        parts.push_back(part);
        if (bs == std::string_view::npos) break;
        start = bs + 1;
    }
    if (parts.size() < 2) return {};
    return parts;
}

// Where the key of a key line's path lies with respect to a key.
enum class Relation {
    Elsewhere,  // elsewhere in the tree, or not a valid key path at all
    Above,      // an ancestor of the key (not a root)
    Same,       // the key itself
    Below,      // a descendant of the key
};

// `key` as given by splitPath(). Gives up at the first component that differs, as
// most key lines of a file are elsewhere.
Relation relate(std::string_view path, const std::vector<std::string_view>& key) {
    std::size_t n = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t bs = path.find('\\', start);
        const std::string_view part =
            path.substr(start, bs == std::string_view::npos ? std::string_view::npos : bs - start);
        if (part.empty()) return Relation::Elsewhere;
        if (n < key.size()) {
            const bool same = n == 0 ? rootName(part) == key[0] : equalNoCase(part, key[n]);
            if (!same) return Relation::Elsewhere;
        }
        ++n;
        if (bs == std::string_view::npos) break;
        start = bs + 1;
    }
    if (n < 2) return Relation::Elsewhere;  // a root alone
    if (n < key.size()) return Relation::Above;
    return n == key.size() ? Relation::Same : Relation::Below;
}

struct KeyLine {
    bool deleted = false;
    Relation relation = Relation::Elsewhere;
};

// "[path]" or "[-path]", blanks around allowed; anything else opens no key.
KeyLine readKeyLine(std::string_view line, const std::vector<std::string_view>& key) {
    line = trim(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return {};
    std::string_view inner = line.substr(1, line.size() - 2);
    KeyLine result;
    if (inner.starts_with('-')) {
        result.deleted = true;
        inner.remove_prefix(1);
    }
    result.relation = relate(inner, key);
    return result;
}

// ---- value lines ---------------------------------------------------------------------

struct ValueLine {
    std::string name;  // unescaped; empty for the default value
    bool isDefault = false;
    std::string_view data;  // after '=', trimmed; may span continuation lines
};

// `"name"=data` (with \" and \\ in the name) or `@=data`, blanks around '=' allowed.
std::optional<ValueLine> readValueLine(std::string_view text) {
    std::string_view s = trimLeft(text);
    ValueLine v;
    std::size_t pos = 0;
    if (s.starts_with('@')) {
        v.isDefault = true;
        pos = 1;
    } else if (s.starts_with('"')) {
        bool closed = false;
        for (pos = 1; pos < s.size(); ++pos) {
            const char c = s[pos];
            if (c == '\n') return std::nullopt;
            if (c == '"') {
                closed = true;
                ++pos;
                break;
            }
            if (c == '\\' && pos + 1 < s.size() && (s[pos + 1] == '"' || s[pos + 1] == '\\')) {
                v.name += s[++pos];
            } else {
                v.name += c;
            }
        }
        if (!closed) return std::nullopt;
    } else {
        return std::nullopt;
    }
    s = trimLeft(s.substr(pos));
    if (!s.starts_with('=')) return std::nullopt;
    v.data = trim(s.substr(1));
    return v;
}

// Data that goes on in continuation lines: each line but the last ends in '\'.
bool continues(std::string_view line) {
    return trimRight(line).ends_with('\\');
}

// "hex...:" data whose lines are joined, the '\' at their ends and blanks dropped.
std::string joinContinuation(std::string_view data) {
    std::string joined;
    std::size_t start = 0;
    while (true) {
        const std::size_t nl = data.find('\n', start);
        std::string_view line = trim(
            data.substr(start, nl == std::string_view::npos ? std::string_view::npos : nl - start));
        if (nl == std::string_view::npos) {
            joined += line;
            return joined;
        }
        if (line.ends_with('\\')) line.remove_suffix(1);
        joined += line;
        start = nl + 1;
    }
}

// "01,00,00,00": bytes of one or two hex digits separated by commas.
std::optional<std::vector<std::uint8_t>> readHexBytes(std::string_view s) {
    std::vector<std::uint8_t> bytes;
    if (trim(s).empty()) return bytes;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = s.find(',', start);
        const std::string_view token = trim(s.substr(
            start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        const std::optional<std::uint8_t> byte = readHex<std::uint8_t>(token);
        if (!byte || token.size() > 2) return std::nullopt;
        bytes.push_back(*byte);
        if (comma == std::string_view::npos) return bytes;
        start = comma + 1;
    }
}

RegFile::Value classify(std::string_view data) {
    using Type = RegFile::ValueType;
    if (data == "-") return {Type::Missing, 0};
    if (startsWithNoCase(data, "dword:")) {
        const std::string_view digits = data.substr(6);
        const std::optional<std::uint32_t> n = readHex<std::uint32_t>(digits);
        if (!n || digits.size() > 8) return {Type::Other, 0};
        return {Type::Dword, static_cast<std::int32_t>(*n)};
    }
    // The binary form of a 32-bit integer value, little-endian.
    if (startsWithNoCase(data, "hex(4):")) {
        const auto bytes = readHexBytes(joinContinuation(data.substr(7)));
        if (!bytes || bytes->size() != 4) return {Type::Other, 0};
        std::uint32_t n = 0;
        for (int i = 3; i >= 0; --i) n = n << 8 | (*bytes)[static_cast<std::size_t>(i)];
        return {Type::Dword, static_cast<std::int32_t>(n)};
    }
    return {Type::Other, 0};
}

std::string dwordLine(std::string_view name, std::int32_t data) {
    std::string line = "\"";
    for (char c : name) {
        if (c == '"' || c == '\\') line += '\\';
        line += c;
    }
    line += "\"=dword:";
    const auto n = static_cast<std::uint32_t>(data);
    for (int shift = 28; shift >= 0; shift -= 4) line += "0123456789abcdef"[(n >> shift) & 0xF];
    return line;
}

}  // namespace

RegFile::RegFile() {
    append(kHeader5, Kind::Passive);
}

std::optional<RegFile> RegFile::parse(std::string_view bytes) {
    if (bytes.size() > kMaxFileBytes) return std::nullopt;
    const std::string text = decode(bytes);

    RegFile file;
    file.entries_.clear();
    file.text_.clear();
    file.text_.reserve(text.size());
    const std::size_t firstNl = text.find('\n');
    file.crlf_ = firstNl != std::string::npos && firstNl > 0 && text[firstNl - 1] == '\r';

    // The lines, without their line ends; nothing after a final line end. Every CR
    // before a line's LF (or at the end of the file) belongs to the line end: a
    // CR kept at the end of a line's text would be written back as the CR of a
    // CR LF and so read the next time as a line end, and a line such as
    // `"x"=hex:01,\` CR CR LF would then swallow the line written after it.
    std::size_t pos = 0;
    const auto nextLine = [&text, &pos]() -> std::optional<std::string_view> {
        if (pos >= text.size()) return std::nullopt;
        std::size_t nl = text.find('\n', pos);
        if (nl == std::string::npos) nl = text.size();
        std::string_view line(text.data() + pos, nl - pos);
        pos = nl + 1;
        while (line.ends_with('\r')) line.remove_suffix(1);
        return line;
    };

    // The header may follow blank lines and comments, nothing else.
    bool header = false;
    while (!header) {
        const std::optional<std::string_view> line = nextLine();
        if (!line) return std::nullopt;
        const std::string_view t = trim(*line);
        header = t == kHeader5 || t == kHeader4;
        if (!header && !t.empty() && !t.starts_with(';')) return std::nullopt;
        file.append(*line, Kind::Passive);
    }

    std::string entry;
    while (const std::optional<std::string_view> line = nextLine()) {
        if (trimLeft(*line).starts_with('[')) {
            file.append(*line, Kind::Key);
            continue;
        }
        const std::optional<ValueLine> value = readValueLine(*line);
        if (!value) {
            file.append(*line, Kind::Passive);
            continue;
        }
        entry.assign(*line);
        if (startsWithNoCase(value->data, "hex") && continues(*line)) {
            while (const std::optional<std::string_view> more = nextLine()) {
                entry += '\n';
                entry += *more;
                if (!continues(*more)) break;
            }
        }
        file.append(entry, Kind::Value);
    }
    return file;
}

void RegFile::append(std::string_view text, Kind kind) {
    // Runs of passive lines make one entry, so that the entries stay few.
    if (kind == Kind::Passive && !entries_.empty() && entries_.back().kind == Kind::Passive) {
        text_ += '\n';
        text_ += text;
        entries_.back().length = static_cast<std::uint32_t>(text_.size() - entries_.back().offset);
        return;
    }
    entries_.push_back(store(text));
    entries_.back().kind = kind;
}

RegFile::Entry RegFile::store(std::string_view text) {
    Entry e{static_cast<std::uint32_t>(text_.size()), static_cast<std::uint32_t>(text.size()),
            Kind::Passive};
    text_ += text;
    return e;
}

RegFile::Sections RegFile::sections(const std::vector<std::string_view>& key) const {
    Sections result;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].kind != Kind::Key) continue;
        const KeyLine k = readKeyLine(textOf(entries_[i]), key);
        if (k.deleted && (k.relation == Relation::Above || k.relation == Relation::Same)) {
            result = {};
        } else if (!k.deleted && k.relation == Relation::Same) {
            result.exists = true;
            result.lines.push_back(i);
        } else if (!k.deleted && k.relation == Relation::Below) {
            result.exists = true;  // opening a key below creates the key too
        }
    }
    return result;
}

std::size_t RegFile::sectionEnd(std::size_t keyLine) const {
    std::size_t end = keyLine + 1;
    while (end < entries_.size() && entries_[end].kind != Kind::Key) ++end;
    return end;
}

bool RegFile::keyExists(std::string_view keyPath) const {
    const std::vector<std::string_view> key = splitPath(keyPath);
    return !key.empty() && sections(key).exists;
}

std::vector<RegFile::Value> RegFile::values(std::string_view keyPath,
                                            std::span<const std::string_view> names) const {
    std::vector<Value> result(names.size());
    const std::vector<std::string_view> key = splitPath(keyPath);
    if (key.empty()) return result;
    for (const std::size_t keyLine : sections(key).lines) {
        const std::size_t end = sectionEnd(keyLine);
        for (std::size_t i = keyLine + 1; i < end; ++i) {
            if (entries_[i].kind != Kind::Value) continue;
            const std::optional<ValueLine> v = readValueLine(textOf(entries_[i]));
            if (!v || v->isDefault) continue;
            for (std::size_t n = 0; n < names.size(); ++n) {
                if (equalNoCase(v->name, names[n])) result[n] = classify(v->data);
            }
        }
    }
    return result;
}

RegFile::Value RegFile::value(std::string_view keyPath, std::string_view name) const {
    return values(keyPath, std::span(&name, 1)).front();
}

bool RegFile::setDwords(std::string_view keyPath, std::span<const NamedDword> data) {
    const std::vector<std::string_view> key = splitPath(keyPath);
    if (key.empty()) return false;
    const std::vector<std::size_t> lines = sections(key).lines;
    std::size_t section = 0;
    if (!lines.empty()) {
        section = lines.back();
    } else {
        // A new section at the end, after a blank line.
        const std::string_view last = textOf(entries_.back());
        if (entries_.back().kind != Kind::Passive || !(last.empty() || last.ends_with('\n'))) {
            append("", Kind::Passive);
        }
        append("[" + std::string(keyPath) + "]", Kind::Key);
        section = entries_.size() - 1;
    }

    // Each value replaces the last line of the section that sets it; the others go
    // after the section's last value.
    const std::size_t end = sectionEnd(section);
    std::vector<std::optional<std::size_t>> match(data.size());
    std::size_t lastValue = section;
    for (std::size_t i = section + 1; i < end; ++i) {
        if (entries_[i].kind != Kind::Value) continue;
        const std::string_view text = textOf(entries_[i]);
        const std::optional<ValueLine> v = readValueLine(text);
        for (std::size_t n = 0; v && !v->isDefault && n < data.size(); ++n) {
            if (equalNoCase(v->name, data[n].name)) match[n] = i;
        }
        // Binary data cut off by the end of the file would take in a line put
        // after it as its continuation.
        const bool cutOff = v && startsWithNoCase(v->data, "hex") && continues(text);
        lastValue = cutOff ? section : i;
    }
    std::vector<Entry> added;
    for (std::size_t n = 0; n < data.size(); ++n) {
        Entry line = store(dwordLine(data[n].name, data[n].data));
        line.kind = Kind::Value;
        if (match[n]) {
            entries_[*match[n]] = line;
        } else {
            added.push_back(line);
        }
    }
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(lastValue + 1), added.begin(),
                    added.end());
    return true;
}

bool RegFile::setDword(std::string_view keyPath, std::string_view name, std::int32_t data) {
    const NamedDword one{name, data};
    return setDwords(keyPath, std::span(&one, 1));
}

std::string RegFile::serialise() const {
    const std::string_view eol = crlf_ ? "\r\n" : "\n";
    std::string out;
    out.reserve(text_.size() + entries_.size() * eol.size());
    for (const Entry& e : entries_) {
        const std::string_view t = textOf(e);
        if (crlf_) {
            for (char c : t) {
                if (c == '\n') out += '\r';
                out += c;
            }
        } else {
            out += t;
        }
        out += eol;
    }
    return out;
}

}  // namespace zormia
