#include "platform/qt/QtSettings.h"

namespace vantorel {

namespace {
QString KeyOf(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}
}  // namespace

QtSettings::QtSettings()
    : store_(std::make_unique<QSettings>(QStringLiteral("Orvane"), QStringLiteral("Quarrow"))) {}

QtSettings::QtSettings(std::unique_ptr<QSettings> store) : store_(std::move(store)) {}

int QtSettings::GetInt(const std::string& section, const std::string& key, int fallback) {
    QVariant v = store_->value(KeyOf(section, key));
    if (!v.isValid()) return fallback;
    bool ok = false;
    int value = v.toInt(&ok);
    return ok ? value : fallback;
}

std::string QtSettings::GetString(const std::string& section, const std::string& key,
                                  const std::string& fallback) {
    QVariant v = store_->value(KeyOf(section, key));
    if (!v.isValid()) return fallback;
    return v.toString().toStdString();
}

void QtSettings::SetInt(const std::string& section, const std::string& key, int value) {
    store_->setValue(KeyOf(section, key), value);
}

void QtSettings::SetString(const std::string& section, const std::string& key,
                           const std::string& value) {
    store_->setValue(KeyOf(section, key), QString::fromStdString(value));
}

}  // namespace vantorel
