#include "ui/PictureCache.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <QtEndian>
#include <cstring>
#include <filesystem>
#include <span>
#include <system_error>

#include "document/FileFingerprint.h"
#include "platform/PathText.h"

namespace vantorel {

namespace {

// The file is this mark, the fingerprint of the rest, then the rest.
constexpr char kMark[8] = {'V', 'N', 'T', 'P', 'I', 'C', '0', '1'};
constexpr qsizetype kHead = 16;
// No picture of the program is larger; a larger one is damage.
constexpr int kLargest = 1024;
constexpr auto kFormat = QImage::Format_ARGB32_Premultiplied;

QString Key(const QString& name, QSize pixels, qreal scale) {
    return QStringLiteral("%1 %2x%3 %4")
        .arg(name)
        .arg(pixels.width())
        .arg(pixels.height())
        .arg(scale);
}

uint64_t FingerprintOf(QByteArrayView bytes) {
    return Fingerprint(
        std::span(reinterpret_cast<const uint8_t*>(bytes.data()), size_t(bytes.size())));
}

}  // namespace

PictureCache::PictureCache(QString file, QString build) {
    SetFile(std::move(file), std::move(build));
}

void PictureCache::SetFile(QString file, QString build) {
    file_ = std::move(file);
    build_ = std::move(build);
    loaded_ = false;
    dirty_ = false;
    painted_ = 0;
    pictures_.clear();
}

PictureCache& PictureCache::Program() {
    static PictureCache cache;
    return cache;
}

QString PictureCache::DefaultFile() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
           QStringLiteral("/pictures.bin");
}

QString PictureCache::ThisBuild() {
    // Read without a time zone: the file's own clock ticks are enough.
    std::error_code ec;
    const auto program = PathFromUtf8(QCoreApplication::applicationFilePath().toStdString());
    const auto size = std::filesystem::file_size(program, ec);
    const auto time = std::filesystem::last_write_time(program, ec);
    return QStringLiteral("%1 %2 %3")
        .arg(QStringLiteral(VANTOREL_VERSION))
        .arg(ec ? 0 : size)
        .arg(ec ? 0 : qint64(time.time_since_epoch().count()));
}

QImage PictureCache::Get(const QString& name, QSize pixels, qreal scale,
                         const std::function<QImage()>& paint) {
    if (!loaded_) Load();
    const QString key = Key(name, pixels, scale);
    if (auto it = pictures_.constFind(key); it != pictures_.cend()) return *it;
    QImage image = paint().convertToFormat(kFormat);
    ++painted_;
    pictures_.insert(key, image);
    if (!file_.isEmpty()) {
        dirty_ = true;
        // Written once the window that shows it has been painted.
        if (!saveAsked_) {
            saveAsked_ = true;
            QTimer::singleShot(0, this, [this] {
                saveAsked_ = false;
                Save();
            });
        }
    }
    return image;
}

void PictureCache::Load() {
    loaded_ = true;
    if (file_.isEmpty()) return;
    QFile in(file_);
    if (!in.open(QIODevice::ReadOnly)) return;
    const QByteArray all = in.readAll();
    if (all.size() < kHead || std::memcmp(all.constData(), kMark, sizeof kMark) != 0) return;
    const QByteArrayView body = QByteArrayView(all).sliced(kHead);
    if (qFromLittleEndian<quint64>(all.constData() + 8) != FingerprintOf(body)) return;

    QDataStream s(body.toByteArray());
    s.setVersion(QDataStream::Qt_6_0);
    QString build;
    quint32 count = 0;
    s >> build >> count;
    if (s.status() != QDataStream::Ok || build != build_) return;
    QHash<QString, QImage> read;
    for (quint32 i = 0; i < count; ++i) {
        QString key;
        qint32 w = 0, h = 0;
        double scale = 0;
        QByteArray bits;
        s >> key >> w >> h >> scale >> bits;
        if (s.status() != QDataStream::Ok || w <= 0 || h <= 0 || w > kLargest || h > kLargest ||
            !(scale > 0 && scale <= 16) || bits.size() != qsizetype(w) * h * 4)
            return;
        QImage image(w, h, kFormat);
        for (int y = 0; y < h; ++y)
            std::memcpy(image.scanLine(y), bits.constData() + qsizetype(y) * w * 4, size_t(w) * 4);
        image.setDevicePixelRatio(scale);
        read.insert(key, image);
    }
    // Pictures painted before the file was read stay.
    read.insert(pictures_);
    pictures_ = std::move(read);
}

bool PictureCache::Save() {
    if (file_.isEmpty() || !dirty_) return true;
    QByteArray body;
    {
        QDataStream s(&body, QIODevice::WriteOnly);
        s.setVersion(QDataStream::Qt_6_0);
        s << build_ << quint32(pictures_.size());
        for (auto it = pictures_.cbegin(); it != pictures_.cend(); ++it) {
            const QImage& image = *it;
            QByteArray bits;
            bits.reserve(qsizetype(image.width()) * image.height() * 4);
            for (int y = 0; y < image.height(); ++y)
                bits.append(reinterpret_cast<const char*>(image.constScanLine(y)),
                            qsizetype(image.width()) * 4);
            s << it.key() << qint32(image.width()) << qint32(image.height())
              << double(image.devicePixelRatio()) << bits;
        }
    }
    QByteArray all(kMark, sizeof kMark);
    const quint64 fingerprint = qToLittleEndian<quint64>(FingerprintOf(body));
    all.append(reinterpret_cast<const char*>(&fingerprint), sizeof fingerprint);
    all.append(body);
    QDir().mkpath(QFileInfo(file_).absolutePath());
    QSaveFile out(file_);
    if (!out.open(QIODevice::WriteOnly) || out.write(all) != all.size() || !out.commit())
        return false;
    dirty_ = false;
    return true;
}

}  // namespace vantorel
