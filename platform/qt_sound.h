#pragma once
// The sound output of the real programs: WAVE files or resources played through Qt Multimedia.

#include "platform/sound.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>

namespace platform {

// Plays "<pathPrefix><name>.wav" (by default the compiled-in resource ":/sounds/<name>.wav") on
// the default audio output, to its last sample. Needs a QCoreApplication and its event loop;
// lives on that thread.
class QtSoundOutput final : public SoundOutput
{
public:
    // Reads the named sounds and opens their outputs now, so that play() never waits for a file.
    explicit QtSoundOutput(const std::vector<std::string> &names,
                           QString pathPrefix = QStringLiteral(":/sounds/"));
    ~QtSoundOutput() override;
    QtSoundOutput(const QtSoundOutput &) = delete;
    QtSoundOutput &operator=(const QtSoundOutput &) = delete;

    void play(std::string_view name) override;

private:
    struct Voice;
    Voice *voice(std::string_view name);

    QString m_pathPrefix;
    std::map<std::string, std::unique_ptr<Voice>, std::less<>> m_voices;
    Voice *m_playing = nullptr;
};

} // namespace platform
