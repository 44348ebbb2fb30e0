#include "qt_sound.h"

#include <QSoundEffect>
#include <QUrl>

namespace platform {

QtSoundOutput::QtSoundOutput(const std::vector<std::string> &names, QString urlPrefix)
    : m_urlPrefix(std::move(urlPrefix))
{
    for (const auto &name : names)
        effect(name);
}

QtSoundOutput::~QtSoundOutput() = default;

// Sounds not loaded at construction are loaded on first use; they start once loaded.
QSoundEffect &QtSoundOutput::effect(std::string_view name)
{
    if (auto it = m_effects.find(name); it != m_effects.end())
        return *it->second;
    auto created = std::make_unique<QSoundEffect>();
    const QString file = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
                         QStringLiteral(".wav");
    created->setSource(QUrl(m_urlPrefix + file));
    return *m_effects.emplace(std::string(name), std::move(created)).first->second;
}

void QtSoundOutput::play(std::string_view name)
{
    QSoundEffect &next = effect(name);
    if (m_playing != nullptr)
        m_playing->stop();
    next.play();
    m_playing = &next;
}

} // namespace platform
