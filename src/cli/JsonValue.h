#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel::cli {

struct JsonMember;

// A parsed JSON document. Numbers are kept as whole numbers when they are
// written as such (no fraction, no exponent); strings are valid UTF-8.
struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    bool whole = false;      // a number with no fraction or exponent that fits 64 bits
    long long integer = 0;   // its value when whole
    std::string text;        // a string's value, or a number as written
    std::vector<JsonValue> items;
    std::vector<JsonMember> members;  // in document order

    const JsonValue* Find(std::string_view key) const;
    // "a string", "a number", ...: for messages about the wrong kind of value.
    const char* KindName() const;
};

struct JsonMember {
    std::string key;
    JsonValue value;
};

// Parses a whole document; false with "line L, column C: what" when it is
// not JSON (a duplicate key and nesting deeper than 64 count as errors).
bool ParseJson(std::string_view text, JsonValue& out, std::string& error);

}  // namespace vantorel::cli
