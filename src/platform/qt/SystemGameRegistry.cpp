#include "platform/qt/SystemGameRegistry.h"

#include <cstdlib>

#include "platform/WineRegistry.h"

#ifdef _WIN32
#include <QSettings>
#include <QStringList>
#endif

namespace vantorel {

#ifdef _WIN32
namespace {

// The game is a 32-bit program: its keys live in the 32-bit view.
class WindowsGameRegistry : public GameRegistry {
public:
    bool HasKey(const std::string& key) override {
        QString full = QStringLiteral("HKEY_LOCAL_MACHINE\\") + QString::fromStdString(key);
        int cut = full.lastIndexOf(QLatin1Char('\\'));
        QSettings parent(full.left(cut), QSettings::Registry32Format);
        return parent.childGroups().contains(full.mid(cut + 1), Qt::CaseInsensitive);
    }
    std::optional<std::string> ReadString(const std::string& key,
                                          const std::string& value) override {
        if (!HasKey(key)) return std::nullopt;
        QSettings settings(QStringLiteral("HKEY_LOCAL_MACHINE\\") + QString::fromStdString(key),
                           QSettings::Registry32Format);
        QVariant v = settings.value(QString::fromStdString(value));
        if (!v.isValid() || v.typeId() != QMetaType::QString) return std::nullopt;
        return v.toString().toStdString();
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
