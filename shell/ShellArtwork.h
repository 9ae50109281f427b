// The program's own pictures, drawn at run time: the toolbar and palette buttons (16 x 16), the
// application icon, the splash picture and the frames of the toolbar clips.
#pragma once

#include "platform/afx/WinTypes.h"

#include <QIcon>
#include <QPixmap>

#include <vector>

// Installs the button pictures as the command icons of the window layer, and the application
// icon as every window's icon.
void InstallShellArtwork();
// The picture of a command's button; a null icon for commands without one.
QIcon DrawCommandIcon(UINT commandId);
// Icon 128: the application icon at the given size.
QPixmap DrawApplicationIcon(int size);
// Bitmap 150: the splash picture.
QPixmap DrawSplashBitmap();
// The frames of a toolbar clip (171 open, 172 new, 173 save, 176 print, 177 cut, 178 copy,
// 179 paste) over a button of the given size; empty for an unknown clip.
std::vector<QPixmap> DrawClipFrames(UINT clipId, QSize buttonSize);
