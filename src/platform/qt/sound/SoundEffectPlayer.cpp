// The sound module: wave playback through Qt Multimedia, built as a library
// of its own that the program loads at its first sound (see QtSound).
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <memory>

#include "platform/Sound.h"

namespace {

class SoundEffectPlayer : public vantorel::Sound {
public:
    bool Play(const std::string& path) override {
        Stop();
        const QString file = QString::fromStdString(path);
        if (!QFileInfo(file).isFile()) return false;
        effect_ = std::make_unique<QSoundEffect>();
        effect_->setSource(QUrl::fromLocalFile(file));
        effect_->play();
        return true;
    }
    void Stop() override {
        if (effect_) effect_->stop();
    }

private:
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace

extern "C" Q_DECL_EXPORT vantorel::Sound* VantorelCreateSoundPlayer() {
    return new SoundEffectPlayer;
}
