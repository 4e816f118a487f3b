#include "cli/JsonValue.h"

#include <charconv>

#include "platform/Utf8.h"

namespace vantorel::cli {

const JsonValue* JsonValue::Find(std::string_view key) const {
    for (const auto& [k, v] : members)
        if (k == key) return &v;
    return nullptr;
}

const char* JsonValue::KindName() const {
    switch (kind) {
        case Kind::Null:
            return "null";
        case Kind::Bool:
            return "true or false";
        case Kind::Number:
            return "a number";
        case Kind::String:
            return "a string";
        case Kind::Array:
            return "a list";
        case Kind::Object:
            break;
    }
    return "an object";
}

namespace {

constexpr int kDeepest = 64;

class Parser {
public:
    explicit Parser(std::string_view s) : s_(s) {}

    bool Document(JsonValue& out, std::string& error) {
        Space();
        bool ok = Value(out, 0);
        if (ok) {
            Space();
            if (pos_ != s_.size()) ok = Fail("text after the end of the document");
        }
        if (!ok) error = Where() + why_;
        return ok;
    }

private:
    bool Fail(const std::string& why) {
        if (why_.empty()) why_ = why;
        return false;
    }
    std::string Where() const {
        int line = 1;
        int column = 1;
        for (size_t i = 0; i < pos_ && i < s_.size(); ++i) {
            if (s_[i] == '\n') {
                ++line;
                column = 1;
            } else if ((static_cast<unsigned char>(s_[i]) & 0xC0) != 0x80) {
                ++column;
            }
        }
        return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": ";
    }
    void Space() {
        while (pos_ < s_.size() &&
               (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r'))
            ++pos_;
    }
    bool Literal(std::string_view word) {
        if (s_.substr(pos_, word.size()) != word) return Fail("not a JSON value");
        pos_ += word.size();
        return true;
    }

    bool Value(JsonValue& v, int depth) {
        if (depth > kDeepest) return Fail("nested deeper than " + std::to_string(kDeepest));
        if (pos_ >= s_.size()) return Fail("the document ends where a value should be");
        const char c = s_[pos_];
        switch (c) {
            case '{':
                return Object(v, depth);
            case '[':
                return Array(v, depth);
            case '"':
                v.kind = JsonValue::Kind::String;
                return String(v.text);
            case 't':
                v.kind = JsonValue::Kind::Bool;
                v.boolean = true;
                return Literal("true");
            case 'f':
                v.kind = JsonValue::Kind::Bool;
                return Literal("false");
            case 'n':
                return Literal("null");
            default:
                if (c == '-' || (c >= '0' && c <= '9')) return Number(v);
        }
        return Fail("not a JSON value");
    }

    bool Object(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Object;
        ++pos_;
        Space();
        if (pos_ < s_.size() && s_[pos_] == '}') {
            ++pos_;
            return true;
        }
        for (;;) {
            Space();
            if (pos_ >= s_.size() || s_[pos_] != '"') return Fail("a key in double quotes expected");
            std::string key;
            if (!String(key)) return false;
            if (v.Find(key)) return Fail("the key \"" + key + "\" appears twice");
            Space();
            if (pos_ >= s_.size() || s_[pos_] != ':') return Fail("':' expected after a key");
            ++pos_;
            Space();
            v.members.push_back({std::move(key), JsonValue()});
            if (!Value(v.members.back().value, depth + 1)) return false;
            Space();
            if (pos_ < s_.size() && s_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < s_.size() && s_[pos_] == '}') {
                ++pos_;
                return true;
            }
            return Fail("',' or '}' expected");
        }
    }

    bool Array(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Array;
        ++pos_;
        Space();
        if (pos_ < s_.size() && s_[pos_] == ']') {
            ++pos_;
            return true;
        }
        for (;;) {
            Space();
            v.items.emplace_back();
            if (!Value(v.items.back(), depth + 1)) return false;
            Space();
            if (pos_ < s_.size() && s_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < s_.size() && s_[pos_] == ']') {
                ++pos_;
                return true;
            }
            return Fail("',' or ']' expected");
        }
    }

    bool Hex4(char32_t& out) {
        if (s_.size() - pos_ < 4) return Fail("\\u needs four hex digits");
        unsigned value = 0;
        auto [end, ec] = std::from_chars(s_.data() + pos_, s_.data() + pos_ + 4, value, 16);
        if (ec != std::errc() || end != s_.data() + pos_ + 4)
            return Fail("\\u needs four hex digits");
        pos_ += 4;
        out = value;
        return true;
    }

    bool String(std::string& out) {
        ++pos_;  // the opening quote
        const size_t start = pos_;
        for (;;) {
            if (pos_ >= s_.size()) return Fail("a string is not closed");
            const unsigned char c = static_cast<unsigned char>(s_[pos_]);
            if (c == '"') break;
            if (c < 0x20) return Fail("a control character inside a string must be escaped");
            if (c != '\\') {
                out += char(c);
                ++pos_;
                continue;
            }
            if (++pos_ >= s_.size()) return Fail("a string is not closed");
            const char e = s_[pos_++];
            switch (e) {
                case '"': out += '"'; break;
                case '\\': out += '\\'; break;
                case '/': out += '/'; break;
                case 'b': out += '\b'; break;
                case 'f': out += '\f'; break;
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                case 't': out += '\t'; break;
                case 'u': {
                    char32_t cp = 0;
                    if (!Hex4(cp)) return false;
                    if (cp >= 0xD800 && cp < 0xDC00) {
                        char32_t low = 0;
                        if (s_.substr(pos_, 2) != "\\u") return Fail("a lone surrogate in \\u");
                        pos_ += 2;
                        if (!Hex4(low)) return false;
                        if (low < 0xDC00 || low > 0xDFFF) return Fail("a lone surrogate in \\u");
                        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                    } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
                        return Fail("a lone surrogate in \\u");
                    }
                    AppendUtf8(out, cp);
                    break;
                }
                default:
                    return Fail(std::string("unknown escape \\") + e);
            }
        }
        const std::string_view raw = s_.substr(start, pos_ - start);
        if (ValidUtf8(raw) != raw) return Fail("a string is not valid UTF-8");
        ++pos_;  // the closing quote
        return true;
    }

    bool Number(JsonValue& v) {
        v.kind = JsonValue::Kind::Number;
        const size_t start = pos_;
        if (s_[pos_] == '-') ++pos_;
        auto digits = [&] {
            const size_t from = pos_;
            while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') ++pos_;
            return pos_ > from;
        };
        const size_t first = pos_;
        if (!digits()) return Fail("a number needs digits");
        // JSON has no leading zeros: 01 is not a number (nor an octal one).
        if (s_[first] == '0' && pos_ - first > 1) {
            pos_ = first;
            return Fail("a number does not start with 0 followed by more digits");
        }
        bool fraction = false;
        if (pos_ < s_.size() && s_[pos_] == '.') {
            ++pos_;
            fraction = true;
            if (!digits()) return Fail("a number needs digits after '.'");
        }
        if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
            ++pos_;
            fraction = true;
            if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-')) ++pos_;
            if (!digits()) return Fail("a number needs digits in its exponent");
        }
        v.text = std::string(s_.substr(start, pos_ - start));
        if (!fraction) {
            auto [end, ec] = std::from_chars(v.text.data(), v.text.data() + v.text.size(), v.integer);
            v.whole = ec == std::errc() && end == v.text.data() + v.text.size();
        }
        return true;
    }

    std::string_view s_;
    size_t pos_ = 0;
    std::string why_;
};

}  // namespace

bool ParseJson(std::string_view text, JsonValue& out, std::string& error) {
    out = JsonValue();
    return Parser(text).Document(out, error);
}

}  // namespace vantorel::cli
