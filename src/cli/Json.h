#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel::cli {

// A small streaming JSON writer with two-space indentation. Strings must be
// UTF-8 (convert mission text with Win1252ToUtf8 first).
class JsonWriter {
public:
    void BeginObject(std::string_view key = {});
    void EndObject();
    void BeginArray(std::string_view key = {});
    void EndArray();
    void String(std::string_view key, std::string_view value);
    void Int(std::string_view key, long long value);
    void Bool(std::string_view key, bool value);
    void Null(std::string_view key);
    void IntArray(std::string_view key, const std::vector<int>& values);  // on one line
    // Array elements: call with an empty key.
    void String(std::string_view value) { String({}, value); }
    void Int(long long value) { Int({}, value); }

    const std::string& Text() const { return out_; }
    static std::string Quote(std::string_view s);

private:
    void Prefix(std::string_view key);
    void Indent();

    std::string out_;
    std::vector<bool> first_;  // per open container: nothing written yet
};

}  // namespace vantorel::cli
