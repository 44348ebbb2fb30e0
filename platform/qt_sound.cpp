#include "qt_sound.h"

#include "platform/wave.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>

#include <optional>

namespace platform {

// One sound with its own output stream. QSoundEffect is not used: it stops its stream as soon
// as it has handed over the last samples, which drops the stream's buffered tail (about 0.1 s,
// most of a short sound). Here a finished stream simply runs dry and is stopped only when the
// next sound starts.
struct QtSoundOutput::Voice
{
    QBuffer source;
    std::unique_ptr<QAudioSink> sink;
};

namespace {

std::optional<QAudioFormat> audioFormat(const WaveSound &sound)
{
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    switch (sound.bitsPerSample) {
    case 8:
        format.setSampleFormat(QAudioFormat::UInt8);
        break;
    case 16:
        format.setSampleFormat(QAudioFormat::Int16);
        break;
    case 32:
        format.setSampleFormat(QAudioFormat::Int32);
        break;
    default:
        return std::nullopt;
    }
    return format;
}

} // namespace

QtSoundOutput::QtSoundOutput(const std::vector<std::string> &names, QString pathPrefix)
    : m_pathPrefix(std::move(pathPrefix))
{
    for (const auto &name : names)
        voice(name);
}

QtSoundOutput::~QtSoundOutput() = default;

// Loads a sound on first use. A sound whose file is missing or unreadable, or for which there
// is no audio device, gets a voice without a sink: it plays nothing.
QtSoundOutput::Voice *QtSoundOutput::voice(std::string_view name)
{
    if (auto it = m_voices.find(name); it != m_voices.end())
        return it->second.get();
    auto v = std::make_unique<Voice>();
    QFile file(m_pathPrefix + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
               QStringLiteral(".wav"));
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!device.isNull() && file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        const auto sound = parseWave(std::span(reinterpret_cast<const std::uint8_t *>(bytes.data()),
                                               static_cast<std::size_t>(bytes.size())));
        const auto format = sound ? audioFormat(*sound) : std::nullopt;
        if (format && device.isFormatSupported(*format)) {
            v->source.setData(QByteArray(reinterpret_cast<const char *>(sound->samples.data()),
                                         static_cast<qsizetype>(sound->samples.size())));
            v->source.open(QIODevice::ReadOnly);
            v->sink = std::make_unique<QAudioSink>(device, *format);
        }
    }
    return m_voices.emplace(std::string(name), std::move(v)).first->second.get();
}

void QtSoundOutput::play(std::string_view name)
{
    Voice *next = voice(name);
    if (m_playing != nullptr && m_playing->sink)
        m_playing->sink->stop();
    m_playing = next;
    if (!next->sink)
        return;
    next->source.seek(0);
    next->sink->start(&next->source);
}

} // namespace platform
