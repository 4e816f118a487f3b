#include "platform/qt/QtSound.h"

#include <QCoreApplication>
#include <QLibrary>

#include "platform/qt/SystemSound.h"

#ifndef VANTOREL_MODULES_FROM_PROGRAM
#define VANTOREL_MODULES_FROM_PROGRAM "../lib/vantorel/modules"
#endif

namespace vantorel {

namespace {

constexpr const char* kModuleName = "vantorel-sound";
constexpr const char* kFactory = "VantorelCreateSoundPlayer";

}  // namespace

QtSound::QtSound(QStringList modules) : modules_(std::move(modules)) {}
QtSound::~QtSound() = default;

QStringList QtSound::ModuleCandidates() {
    const QString program = QCoreApplication::applicationDirPath();
    const QString name = QString::fromLatin1(kModuleName);
    return {program + u'/' + name,
            program + u'/' + QString::fromUtf8(VANTOREL_MODULES_FROM_PROGRAM) + u'/' + name};
}

std::unique_ptr<Sound> QtSound::LoadPlayer(const QStringList& modules) {
    using Factory = Sound* (*)();
    for (const QString& file : modules) {
        // Kept loaded for the rest of the run: the player's code is in it.
        QLibrary library(file);
        if (!library.load()) continue;
        if (auto create = reinterpret_cast<Factory>(library.resolve(kFactory)))
            return std::unique_ptr<Sound>(create());
        library.unload();
    }
    return nullptr;
}

bool QtSound::Play(const std::string& path) {
    if (!tried_) {
        tried_ = true;
        player_ = LoadPlayer(modules_);
    }
    return player_ && player_->Play(path);
}

void QtSound::Stop() {
    if (player_) player_->Stop();
}

std::unique_ptr<Sound> CreateSystemSound() {
    return std::make_unique<QtSound>();
}

}  // namespace vantorel
