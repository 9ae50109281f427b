// Opening a file with the desktop's default application for its type.
#pragma once

#include <functional>

class QString;

// The opener: in the program the desktop services, in tests a stand-in that records the path.
using DesktopOpenSink = std::function<bool(const QString& path)>;

// Installs an opener and returns the one it replaces (an empty one restores the desktop's).
DesktopOpenSink SetDesktopOpenSink(DesktopOpenSink sink);

// Hands the local file to the desktop; TRUE when the desktop accepted it.
bool OpenWithDesktop(const QString& path);
