#include "shell.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QString>
#include <QUrl>

#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace platform {

namespace {
UrlOpener &openerSlot()
{
    static UrlOpener opener;
    return opener;
}

// "a/b/" leads through b even when b is a link; "a/b" names b itself.
fs::path withoutTrailingSeparators(const fs::path &path)
{
    std::string text = path.native();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return fs::path(text);
}

void openWithDesktop(std::string_view target)
{
    if (QGuiApplication::instance() == nullptr)
        return;
    const QUrl url(QString::fromUtf8(target.data(), static_cast<qsizetype>(target.size())),
                   QUrl::TolerantMode);
    if (url.isValid())
        QDesktopServices::openUrl(url);
}
} // namespace

bool fileExists(const fs::path &path)
{
    if (path.empty())
        return false;
    std::error_code ec;
    const fs::file_status own = fs::symlink_status(path, ec);
    if (!fs::exists(own) || fs::is_directory(own))
        return false;
    if (fs::is_symlink(own))
        return !fs::is_directory(fs::status(path, ec));
    return true;
}

bool directoryExists(const fs::path &path)
{
    if (path.empty())
        return false;
    std::error_code ec;
    return fs::is_directory(fs::status(path, ec));
}

fs::path nativePath(std::string_view windowsStylePath)
{
    std::string text(windowsStylePath);
    for (char &c : text) {
        if (c == '\\')
            c = '/';
    }
    return fs::path(text);
}

bool deleteForGood(const fs::path &path)
{
    const fs::path target = withoutTrailingSeparators(path);
    const fs::path name = target.filename();
    // A path ending in "." or ".." names no entry of its own, and the root is never deleted.
    if (target.empty() || name.empty() || name == "." || name == "..")
        return false;
    std::error_code ec;
    const fs::file_status own = fs::symlink_status(target, ec);
    if (!fs::exists(own))
        return false;
    if (fs::is_directory(own))
        fs::remove_all(target, ec);
    else
        fs::remove(target, ec);
    if (ec)
        return false;
    return !fs::exists(fs::symlink_status(target, ec));
}

void shellOpen(std::string_view target)
{
    try {
        if (openerSlot())
            openerSlot()(target);
        else
            openWithDesktop(target);
    } catch (...) {
    }
}

void setUrlOpener(UrlOpener opener)
{
    openerSlot() = std::move(opener);
}

} // namespace platform
