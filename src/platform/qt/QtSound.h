#pragma once

#include <QObject>
#include <memory>

#include "platform/Sound.h"

class QSoundEffect;

namespace vantorel {

// Wave playback through Qt Multimedia; without it every Play fails quietly.
class QtSound : public Sound {
public:
    QtSound();
    ~QtSound() override;
    bool Play(const std::string& path) override;
    void Stop() override;

private:
#ifdef VANTOREL_HAVE_MULTIMEDIA
    std::unique_ptr<QSoundEffect> effect_;
#endif
};

}  // namespace vantorel
