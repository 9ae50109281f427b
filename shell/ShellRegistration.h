// The document type's place in the desktop: a freedesktop desktop entry that opens .zvr files with
// the program, its icon, and a MIME type for them (the .zvr pattern), all in the user's data folder
// ($XDG_DATA_HOME, else ~/.local/share), with the desktop's caches refreshed where their tools are
// installed. No template for a new empty document is installed.
#pragma once

#include <QString>

namespace ShellRegistration {

inline constexpr const char* kMimeType = "application/x-zivra";
inline constexpr int kIconSize = 64;

// The three files, under the user's data folder.
QString DesktopEntryPath();
QString MimeTypePath();
QString IconPath();

// Writes the files; the entry starts the given program. False when one could not be written
// (none is left behind then).
bool Register(const QString& executable);
// Removes the files; true when none is left.
bool Unregister();

} // namespace ShellRegistration
