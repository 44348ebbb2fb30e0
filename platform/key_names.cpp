#include "key_names.h"

#include <QByteArrayView>
#include <QString>

#include <algorithm>

namespace platform::registry {

std::string foldName(std::string_view name)
{
    bool ascii = std::all_of(name.begin(), name.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    QByteArrayView bytes(name.data(), static_cast<qsizetype>(name.size()));
    if (ascii || !bytes.isValidUtf8()) {
        std::string out(name);
        for (char &c : out)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return out;
    }
    QByteArray folded = QString::fromUtf8(bytes).toCaseFolded().toUtf8();
    return std::string(folded.constData(), static_cast<std::size_t>(folded.size()));
}

bool sameName(std::string_view a, std::string_view b)
{
    return foldName(a) == foldName(b);
}

std::optional<std::vector<std::string>> splitKeyPath(std::string_view path)
{
    if (path.starts_with('\\'))
        path.remove_prefix(1);
    if (path.ends_with('\\'))
        path.remove_suffix(1);
    std::vector<std::string> names;
    if (path.empty())
        return names;
    for (std::size_t start = 0;;) {
        std::size_t end = path.find('\\', start);
        std::string_view name = path.substr(start, end - start);
        if (name.empty())
            return std::nullopt;
        names.emplace_back(name);
        if (end == std::string_view::npos)
            return names;
        start = end + 1;
    }
}

} // namespace platform::registry
