// The document type's place in the desktop: a freedesktop desktop entry that opens .zvr files with
// the program, and a MIME type for them (the .zvr pattern and the compound-file signature), both in
// the user's data folder ($XDG_DATA_HOME, else ~/.local/share). No template for a new empty
// document is installed.
#pragma once

#include <QString>

namespace ShellRegistration {

inline constexpr const char* kMimeType = "application/x-zivra";

// The two files, under the user's data folder.
QString DesktopEntryPath();
QString MimeTypePath();

// Writes both files; the entry starts the given program. False when one could not be written
// (neither is left behind then).
bool Register(const QString& executable);
// Removes both files; true when neither is left.
bool Unregister();

} // namespace ShellRegistration
