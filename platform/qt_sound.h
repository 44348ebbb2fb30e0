#pragma once
// The sound output of the real programs: WAVE files or resources played through Qt Multimedia.

#include "platform/sound.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>

class QSoundEffect;

namespace platform {

// Plays "<urlPrefix><name>.wav" (by default a compiled-in resource, "qrc:/sounds/<name>.wav")
// on the default audio output. Needs a QCoreApplication; lives on its thread.
class QtSoundOutput final : public SoundOutput
{
public:
    // Loads the named sounds now, so that play() never waits for a file.
    explicit QtSoundOutput(const std::vector<std::string> &names,
                           QString urlPrefix = QStringLiteral("qrc:/sounds/"));
    ~QtSoundOutput() override;
    QtSoundOutput(const QtSoundOutput &) = delete;
    QtSoundOutput &operator=(const QtSoundOutput &) = delete;

    void play(std::string_view name) override;

private:
    QSoundEffect &effect(std::string_view name);

    QString m_urlPrefix;
    std::map<std::string, std::unique_ptr<QSoundEffect>, std::less<>> m_effects;
    QSoundEffect *m_playing = nullptr;
};

} // namespace platform
