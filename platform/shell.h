#pragma once
// The shell services the programs expect of the desktop: file and folder tests, Windows-style
// paths turned native, deletion for good (no trash, no question) and opening web or mail links.

#include <filesystem>
#include <functional>
#include <string_view>

namespace platform {

// True when something that is not a folder is at the path: a file, or a symbolic link that
// does not lead to a folder (a dangling link counts, so that a stale link can be removed).
bool fileExists(const std::filesystem::path &path);

// True when the path leads to a folder, through symbolic links. An empty path is no folder.
bool directoryExists(const std::filesystem::path &path);

// A Windows-style path ("C:\dir\file" or "/home/u\file") with every "\" turned into "/".
std::filesystem::path nativePath(std::string_view windowsStylePath);

// Deletes a file or a folder with everything in it, at once and for good: no question, no
// trash. A symbolic link, named by the path or met inside the folder, is removed as a link and
// never followed; trailing separators do not make the path lead through a link. Returns true
// when nothing is left at the path.
bool deleteForGood(const std::filesystem::path &path);

// Opens a web address or a "mailto:" link with the desktop's handler. A failure changes nothing
// and is not reported.
void shellOpen(std::string_view target);

// Replaces what shellOpen does (tests record the targets); an empty opener restores the desktop.
using UrlOpener = std::function<void(std::string_view target)>;
void setUrlOpener(UrlOpener opener);

} // namespace platform
