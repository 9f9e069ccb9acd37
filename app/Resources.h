#pragma once
// The pictures and the help file built into the program. They live in a
// static library, so the linker keeps them only when asked for by name.

#include <QImage>
#include <QString>

namespace kakeibo::shell {

// Registers the built-in files (":/splash.png", ":/kakeibo.png",
// ":/Mirab050.hlp"); safe to call more than once.
void loadResources();

// A built-in PNG picture, read as PNG. Left to guess, Qt asks every image
// plugin of the system whether it knows the bytes (loading each of them)
// before it tries its own PNG reader, which cost the start about 2 ms.
QImage builtInPicture(const QString& path);

}  // namespace kakeibo::shell
