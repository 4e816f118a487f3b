#include "platform/qt/QtSettings.h"

#include <QEvent>

namespace vantorel {

namespace {

// QSettings writes its changes when the event it posts itself on the first
// change comes round; while held, that event is dropped (the changes stay
// pending, and ReleaseWrites writes them).
class WriteHold : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::UpdateRequest;
    }
};

QString KeyOf(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}
}  // namespace

QtSettings::QtSettings()
    : store_(std::make_unique<QSettings>(QStringLiteral("Orvane"), QStringLiteral("Quarrow"))) {}

QtSettings::QtSettings(std::unique_ptr<QSettings> store) : store_(std::move(store)) {}

QtSettings::~QtSettings() = default;

void QtSettings::HoldWrites() {
    if (hold_) return;
    hold_ = std::make_unique<WriteHold>();
    store_->installEventFilter(hold_.get());
}

void QtSettings::ReleaseWrites() {
    if (!hold_) return;
    store_->removeEventFilter(hold_.get());
    hold_.reset();
    store_->sync();
}

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
