#pragma once
// The layouts ask for the Windows Japanese font names; Debian's fontconfig
// knows none of them, so the program maps them to the IPA fonts (with Noto
// CJK as the next choice) itself.

namespace kakeibo::shell {

// The proportional gothic every window uses.
inline constexpr const char* kUiFontFamily = "ＭＳ Ｐゴシック";
inline constexpr int kUiFontPixelSize = 12;

// Registers the substitutions and makes "ＭＳ Ｐゴシック" 12 px the
// application font. Call once, after the QApplication exists.
void installJapaneseFonts();

}  // namespace kakeibo::shell
