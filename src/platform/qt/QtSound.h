#pragma once

#include <QStringList>
#include <memory>

#include "platform/Sound.h"

namespace vantorel {

// Wave playback through Qt Multimedia, which lives in a module of its own
// (vantorel-sound) loaded at the first sound: linked into the program, it
// would load the sound server's and the codecs' libraries at every start.
// Without the module every Play fails quietly.
class QtSound : public Sound {
public:
    explicit QtSound(QStringList modules = ModuleCandidates());
    ~QtSound() override;
    bool Play(const std::string& path) override;
    void Stop() override;

    // Where the module is looked for, in order: beside the program (a build
    // folder), then in the installed program's modules folder.
    static QStringList ModuleCandidates();
    // The player of the first of `modules` that loads and is a sound module;
    // null when none is.
    static std::unique_ptr<Sound> LoadPlayer(const QStringList& modules);

private:
    QStringList modules_;
    bool tried_ = false;
    std::unique_ptr<Sound> player_;
};

}  // namespace vantorel
