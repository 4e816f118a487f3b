#include "cli/Json.h"

#include <cstdio>

namespace vantorel::cli {

std::string JsonWriter::Quote(std::string_view s) {
    std::string out;
    out.reserve(s.size() + 2);
    out += '"';
    size_t plain = 0;  // start of the run of characters taken as they are
    for (size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c >= 0x20 && c != '"' && c != '\\') continue;
        out.append(s, plain, i - plain);
        plain = i + 1;
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default: {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            }
        }
    }
    out.append(s, plain, s.size() - plain);
    out += '"';
    return out;
}

void JsonWriter::Indent() { out_.append(2 * first_.size(), ' '); }

void JsonWriter::Prefix(std::string_view key) {
    if (!first_.empty()) {
        out_ += first_.back() ? "\n" : ",\n";
        first_.back() = false;
        Indent();
    }
    if (!key.empty()) out_ += Quote(key) + ": ";
}

void JsonWriter::BeginObject(std::string_view key) {
    Prefix(key);
    out_ += "{";
    first_.push_back(true);
}

void JsonWriter::EndObject() {
    bool empty = first_.back();
    first_.pop_back();
    if (!empty) {
        out_ += "\n";
        Indent();
    }
    out_ += "}";
    if (first_.empty()) out_ += "\n";
}

void JsonWriter::BeginArray(std::string_view key) {
    Prefix(key);
    out_ += "[";
    first_.push_back(true);
}

void JsonWriter::EndArray() {
    bool empty = first_.back();
    first_.pop_back();
    if (!empty) {
        out_ += "\n";
        Indent();
    }
    out_ += "]";
    if (first_.empty()) out_ += "\n";
}

void JsonWriter::String(std::string_view key, std::string_view value) {
    Prefix(key);
    out_ += Quote(value);
}

void JsonWriter::Int(std::string_view key, long long value) {
    Prefix(key);
    out_ += std::to_string(value);
}

void JsonWriter::Bool(std::string_view key, bool value) {
    Prefix(key);
    out_ += value ? "true" : "false";
}

void JsonWriter::Null(std::string_view key) {
    Prefix(key);
    out_ += "null";
}

void JsonWriter::IntArray(std::string_view key, const std::vector<int>& values) {
    Prefix(key);
    out_ += "[";
    for (size_t i = 0; i < values.size(); ++i) {
        if (i) out_ += ", ";
        out_ += std::to_string(values[i]);
    }
    out_ += "]";
}

}  // namespace vantorel::cli
