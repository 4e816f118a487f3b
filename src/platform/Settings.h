#pragma once

#include <string>

namespace vantorel {

// The per-user profile: values by section and key. Every read names its
// default, so a value that was never written is never an error. Strings are
// UTF-8.
class Settings {
public:
    virtual ~Settings() = default;
    virtual int GetInt(const std::string& section, const std::string& key, int fallback) = 0;
    virtual std::string GetString(const std::string& section, const std::string& key,
                                  const std::string& fallback) = 0;
    virtual void SetInt(const std::string& section, const std::string& key, int value) = 0;
    virtual void SetString(const std::string& section, const std::string& key,
                           const std::string& value) = 0;
};

}  // namespace vantorel
