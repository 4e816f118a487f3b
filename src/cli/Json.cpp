#include "cli/Json.h"

#include <cstdio>

namespace vantorel::cli {

std::string JsonWriter::Quote(std::string_view s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += char(c);
                }
        }
    }
    return out + "\"";
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
