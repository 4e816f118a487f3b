#pragma once

#include <map>
#include <string>
#include <utility>

#include "platform/Settings.h"

namespace vantorel::testing {

// An in-memory profile. Values are kept as strings, as a registry would
// hand them back to a reader of the other type.
class FakeSettings : public Settings {
public:
    int GetInt(const std::string& section, const std::string& key, int fallback) override {
        auto it = values.find({section, key});
        if (it == values.end()) return fallback;
        try {
            return std::stoi(it->second);
        } catch (...) {
            return fallback;
        }
    }
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& fallback) override {
        auto it = values.find({section, key});
        return it == values.end() ? fallback : it->second;
    }
    void SetInt(const std::string& section, const std::string& key, int value) override {
        values[{section, key}] = std::to_string(value);
    }
    void SetString(const std::string& section, const std::string& key,
                   const std::string& value) override {
        values[{section, key}] = value;
    }
    bool Has(const std::string& section, const std::string& key) const {
        return values.count({section, key}) != 0;
    }

    std::map<std::pair<std::string, std::string>, std::string> values;
};

}  // namespace vantorel::testing
