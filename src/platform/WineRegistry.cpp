#include "platform/WineRegistry.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "platform/Utf8.h"

namespace vantorel {

namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Key paths in the file and in callers may carry doubled or trailing
// separators; one canonical form makes them compare. Only '\' separates
// keys: '/' is an ordinary character of a key's name.
std::string CanonicalKey(std::string_view key) {
    std::string out;
    for (char c : Lower(key)) {
        if (c == '\\' && (out.empty() || out.back() == '\\')) continue;
        out += c;
    }
    while (!out.empty() && out.back() == '\\') out.pop_back();
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads an escaped text starting after its opening character up to `close`
// (not escaped). Wine escapes non-ASCII characters as \x followed by up to
// four hex digits of a UTF-16 unit; those come back as UTF-8. A surrogate
// that is not half of a pair becomes U+FFFD, as does any byte of the file
// that is not UTF-8, so the text is always valid UTF-8. Returns the
// position after the closing character, or npos when it is missing.
size_t ReadEscaped(std::string_view line, size_t pos, char close, std::string& result) {
    std::string out;
    uint32_t pendingHigh = 0;
    auto flushHigh = [&] {
        if (pendingHigh) AppendUtf8(out, kReplacementCharacter);
        pendingHigh = 0;
    };
    auto emitUnit = [&](uint32_t unit) {
        if (unit >= 0xDC00 && unit < 0xE000 && pendingHigh) {
            AppendUtf8(out, char32_t(0x10000 + ((pendingHigh - 0xD800) << 10) + (unit - 0xDC00)));
            pendingHigh = 0;
            return;
        }
        flushHigh();
        if (unit >= 0xD800 && unit < 0xDC00) {
            pendingHigh = unit;
        } else if (unit >= 0xDC00 && unit < 0xE000) {
            AppendUtf8(out, kReplacementCharacter);
        } else {
            AppendUtf8(out, char32_t(unit));
        }
    };
    auto finish = [&] {
        flushHigh();
        result += ValidUtf8(out);
    };
    while (pos < line.size()) {
        char c = line[pos++];
        if (c == close) {
            finish();
            return pos;
        }
        if (c != '\\' || pos >= line.size()) {
            flushHigh();
            out += c;
            continue;
        }
        char e = line[pos++];
        const bool unitEscape = e == 'x' || (e >= '0' && e <= '7');
        if (!unitEscape) flushHigh();  // a pending half is followed by no other half
        switch (e) {
            case 'a':
                out += '\a';
                break;
            case 'b':
                out += '\b';
                break;
            case 'e':
                out += '\x1b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'v':
                out += '\v';
                break;
            case 'x': {
                uint32_t unit = 0;
                int digits = 0;
                while (digits < 4 && pos < line.size() && HexDigit(line[pos]) >= 0) {
                    unit = unit * 16 + uint32_t(HexDigit(line[pos++]));
                    ++digits;
                }
                emitUnit(unit);
                continue;
            }
            default:
                if (e >= '0' && e <= '7') {
                    uint32_t unit = uint32_t(e - '0');
                    for (int i = 0;
                         i < 2 && pos < line.size() && line[pos] >= '0' && line[pos] <= '7'; ++i)
                        unit = unit * 8 + uint32_t(line[pos++] - '0');
                    emitUnit(unit);
                    continue;
                }
                out += e;
        }
    }
    return std::string_view::npos;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

}  // namespace

WineRegistry WineRegistry::Parse(std::string_view text) {
    WineRegistry reg;
    std::map<std::string, std::optional<std::string>>* current = nullptr;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;

        if (line[0] == '[') {
            std::string key;
            if (ReadEscaped(line, 1, ']', key) == std::string_view::npos) {
                current = nullptr;
                continue;
            }
            current = &reg.keys_[CanonicalKey(key)];
            continue;
        }
        if (!current || (line[0] != '"' && line[0] != '@')) continue;

        std::string name;
        size_t pos;
        if (line[0] == '@') {
            pos = 1;  // the key's default value has the empty name
        } else {
            pos = ReadEscaped(line, 1, '"', name);
            if (pos == std::string_view::npos) continue;
        }
        if (pos >= line.size() || line[pos] != '=') continue;
        std::string_view data = line.substr(pos + 1);

        std::optional<std::string> value;
        size_t open = std::string_view::npos;
        if (StartsWith(data, "\"")) {
            open = 1;
        } else if (StartsWith(data, "str(2):\"")) {
            open = 8;
        }
        if (open != std::string_view::npos) {
            std::string s;
            if (ReadEscaped(data, open, '"', s) != std::string_view::npos) value = std::move(s);
        }
        (*current)[Lower(name)] = std::move(value);
    }
    return reg;
}

const std::map<std::string, std::optional<std::string>>* WineRegistry::FindKey(
    std::string_view key) const {
    auto it = keys_.find(CanonicalKey(key));
    return it == keys_.end() ? nullptr : &it->second;
}

bool WineRegistry::HasKey(std::string_view key) const {
    // A key exists also when only its subkeys were written: the file lists
    // just the leaves that hold values.
    if (FindKey(key)) return true;
    std::string prefix = CanonicalKey(key) + "\\";
    auto it = keys_.lower_bound(prefix);
    return it != keys_.end() && StartsWith(it->first, prefix);
}

std::optional<std::string> WineRegistry::ReadString(std::string_view key,
                                                    std::string_view value) const {
    const auto* values = FindKey(key);
    if (!values) return std::nullopt;
    auto it = values->find(Lower(value));
    if (it == values->end()) return std::nullopt;
    return it->second;
}

std::filesystem::path WinePrefixFrom(const char* winePrefixEnv, const char* homeEnv) {
    if (winePrefixEnv && *winePrefixEnv) return std::filesystem::path(winePrefixEnv);
    return std::filesystem::path(homeEnv ? homeEnv : "") / ".wine";
}

std::filesystem::path MapWindowsPathIntoPrefix(const std::filesystem::path& prefix,
                                               std::string_view windowsPath) {
    namespace fs = std::filesystem;
    if (windowsPath.size() < 2 || windowsPath[1] != ':' ||
        !std::isalpha(static_cast<unsigned char>(windowsPath[0])))
        return fs::path(std::string(windowsPath));

    const char drive = char(std::tolower(static_cast<unsigned char>(windowsPath[0])));
    std::error_code ec;
    fs::path root = prefix / "dosdevices" / (std::string(1, drive) + ":");
    if (!fs::exists(root, ec) && drive == 'c') root = prefix / "drive_c";

    fs::path result = root;
    bool onDisk = fs::is_directory(root, ec);
    std::string_view rest = windowsPath.substr(2);
    size_t pos = 0;
    while (pos <= rest.size()) {
        size_t next = rest.find_first_of("\\/", pos);
        if (next == std::string_view::npos) next = rest.size();
        std::string part(rest.substr(pos, next - pos));
        pos = next + 1;
        if (part.empty() || part == ".") continue;
        if (onDisk && !fs::exists(result / part, ec)) {
            // Match the component without regard to case, as Windows would.
            std::string wanted = Lower(part);
            std::string found;
            for (const auto& entry : fs::directory_iterator(result, ec)) {
                if (Lower(entry.path().filename().string()) == wanted) {
                    found = entry.path().filename().string();
                    break;
                }
            }
            if (!found.empty()) {
                part = found;
            } else {
                onDisk = false;
            }
        }
        result /= part;
    }
    return result;
}

WineGameRegistry::WineGameRegistry(std::filesystem::path prefix) : prefix_(std::move(prefix)) {}

const WineRegistry& WineGameRegistry::Registry() {
    if (!loaded_) {
        loaded_ = true;
        std::ifstream in(prefix_ / "system.reg", std::ios::binary);
        if (in) {  // no prefix: no keys, so the user is asked for the folder
            std::ostringstream text;
            text << in.rdbuf();
            registry_ = WineRegistry::Parse(text.str());
        }
    }
    return registry_;
}

std::string WineGameRegistry::Resolve(const std::string& key) {
    const WineRegistry& registry = Registry();
    if (registry.HasKey(key)) return key;
    std::string lower = Lower(key);
    if (StartsWith(lower, "software\\") && !StartsWith(lower, "software\\wow6432node\\")) {
        std::string redirected = "Software\\Wow6432Node\\" + key.substr(9);
        if (registry.HasKey(redirected)) return redirected;
    }
    return key;
}

bool WineGameRegistry::HasKey(const std::string& key) {
    return registry_.HasKey(Resolve(key));
}

std::optional<std::string> WineGameRegistry::ReadString(const std::string& key,
                                                        const std::string& value) {
    return Registry().ReadString(Resolve(key), value);
}

std::string WineGameRegistry::NativeFolder(const std::string& registryPath) {
    return MapWindowsPathIntoPrefix(prefix_, registryPath).string();
}

}  // namespace vantorel
