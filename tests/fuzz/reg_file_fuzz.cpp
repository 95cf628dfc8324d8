// Fuzz target for the reader of the counter store's file (store/reg_file.h): any
// bytes at all. Beyond not crashing, whatever reads as a registry file must
//  - read the same after being written back unchanged;
//  - take the ten counters and give them back exactly after being written out,
//    whatever else the file holds: a save never leaves a file that loses them.

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "store/counter_store.h"
#include "store/reg_file.h"

namespace {

using zormia::RegFile;

constexpr std::string_view kKey = "HKEY_CURRENT_USER\\Software\\Tremix\\sygnaly";

void fail(const char* what) {
    std::fprintf(stderr, "reg_file_fuzz: %s\n", what);
    std::abort();
}

bool same(const std::vector<RegFile::Value>& a, const std::vector<RegFile::Value>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].type != b[i].type || a[i].dword != b[i].dword) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::optional<RegFile> file = RegFile::parse(bytes);
    if (!file) return 0;

    const bool exists = file->keyExists(kKey);
    const std::vector<RegFile::Value> before = file->values(kKey, zormia::kCounterNames);
    if (!exists) {
        for (const RegFile::Value& v : before) {
            if (v.type != RegFile::ValueType::Missing) fail("a value of a key that is not there");
        }
    }

    // Written back unchanged: it reads the same. (Not byte for byte the same again:
    // a line of an LF file that ends in CR CR LF loses a CR to its line end each
    // time, which changes no key and no value.)
    const std::string unchanged = file->serialise();
    const std::optional<RegFile> reread = RegFile::parse(unchanged);
    if (!reread) fail("a file written back unchanged does not read");
    if (reread->keyExists(kKey) != exists) fail("the key comes and goes on writing back");
    if (!same(reread->values(kKey, zormia::kCounterNames), before)) {
        fail("the values change on writing back");
    }

    // A save: the ten values, from the input's own bytes so that every run differs.
    std::array<RegFile::NamedDword, 10> counters;
    for (std::size_t i = 0; i < counters.size(); ++i) {
        std::uint32_t n = 0x9E3779B9u * static_cast<std::uint32_t>(i + 1);
        for (std::size_t b = i; b < size; b += 10) n = n * 31 + data[b];
        counters[i] = {zormia::kCounterNames[i], static_cast<std::int32_t>(n)};
    }
    if (!file->setDwords(kKey, counters)) fail("the key's path is refused");
    const std::string saved = file->serialise();
    if (saved.size() > RegFile::kMaxFileBytes) return 0;  // the store does not write it
    const std::optional<RegFile> loaded = RegFile::parse(saved);
    if (!loaded) fail("a saved file does not read");
    if (!loaded->keyExists(kKey)) fail("a saved file has no key");
    const std::vector<RegFile::Value> after = loaded->values(kKey, zormia::kCounterNames);
    for (std::size_t i = 0; i < counters.size(); ++i) {
        if (after[i].type != RegFile::ValueType::Dword || after[i].dword != counters[i].data) {
            fail("a saved counter does not read back");
        }
    }
    return 0;
}
