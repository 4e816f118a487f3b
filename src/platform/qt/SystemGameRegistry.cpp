#include "platform/qt/SystemGameRegistry.h"

#include <cstdlib>

#include "platform/WineRegistry.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <QString>
#endif

namespace vantorel {

#ifdef _WIN32
namespace {

// The game is a 32-bit program: its keys live in the 32-bit view. They are
// only ever opened for reading (QSettings would make the keys it was asked
// about, empty, in the machine's registry when it may write there).
class WindowsGameRegistry : public GameRegistry {
public:
    bool HasKey(const std::string& key) override {
        HKEY h = Open(key);
        if (h != nullptr) RegCloseKey(h);
        return h != nullptr;
    }
    std::optional<std::string> ReadString(const std::string& key,
                                          const std::string& value) override {
        HKEY h = Open(key);
        if (h == nullptr) return std::nullopt;
        const std::wstring name = QString::fromStdString(value).toStdWString();
        DWORD type = 0, size = 0;
        std::wstring data;
        LSTATUS status = RegQueryValueExW(h, name.c_str(), nullptr, &type, nullptr, &size);
        if (status == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ)) {
            data.assign(size / sizeof(wchar_t) + 1, L'\0');
            size = DWORD(data.size() * sizeof(wchar_t));
            status = RegQueryValueExW(h, name.c_str(), nullptr, &type,
                                      reinterpret_cast<BYTE*>(data.data()), &size);
        }
        RegCloseKey(h);
        if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
            return std::nullopt;
        // Stored with its terminating zero, or without one.
        data.resize(size / sizeof(wchar_t));
        while (!data.empty() && data.back() == L'\0') data.pop_back();
        return QString::fromStdWString(data).toStdString();
    }

private:
    static HKEY Open(const std::string& key) {
        const std::wstring name = QString::fromStdString(key).toStdWString();
        HKEY h = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, name.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &h) !=
            ERROR_SUCCESS)
            return nullptr;
        return h;
    }
};

}  // namespace
#endif

std::unique_ptr<GameRegistry> CreateSystemGameRegistry() {
#ifdef _WIN32
    return std::make_unique<WindowsGameRegistry>();
#else
    return std::make_unique<WineGameRegistry>(
        WinePrefixFrom(std::getenv("WINEPREFIX"), std::getenv("HOME")));
#endif
}

}  // namespace vantorel
