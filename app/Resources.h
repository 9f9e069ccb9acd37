#pragma once
// The pictures and the help file built into the program. They live in a
// static library, so the linker keeps them only when asked for by name.

namespace kakeibo::shell {

// Registers the built-in files (":/splash.png", ":/kakeibo.png",
// ":/Mirab050.hlp"); safe to call more than once.
void loadResources();

}  // namespace kakeibo::shell
