#include "platform/qt/QtSound.h"

#include <QFileInfo>
#include <QUrl>

#include "platform/qt/SystemSound.h"

#ifdef VANTOREL_HAVE_MULTIMEDIA
#include <QSoundEffect>
#endif

namespace vantorel {

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

bool QtSound::Play(const std::string& path) {
#ifdef VANTOREL_HAVE_MULTIMEDIA
    Stop();
    QString file = QString::fromStdString(path);
    if (!QFileInfo(file).isFile()) return false;
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(file));
    effect_->play();
    return true;
#else
    (void)path;
    return false;
#endif
}

std::unique_ptr<Sound> CreateSystemSound() {
    return std::make_unique<QtSound>();
}

void QtSound::Stop() {
#ifdef VANTOREL_HAVE_MULTIMEDIA
    if (effect_) effect_->stop();
#endif
}

}  // namespace vantorel
