// Any bytes as a window settings file: reading, writing a key and reading
// the result again must never crash, and must keep what the edit did not touch.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "storage/IniFile.h"
#include "storage/WindowLayout.h"

using namespace kakeibo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniFile file = IniFile::fromBytes(bytes);
    if (file.toBytes() != bytes) {
        std::abort();  // an untouched file must be written back unchanged
    }

    const WindowLayout layout = loadWindowLayout(file);
    (void)layout;
    const std::string left = file.getString("Form", "Left");
    if (left.size() > 3 * kProfileValueMaxBytes) {  // six CP932 bytes never decode to more
        std::abort();
    }
    (void)allEntries(file);

    if (!file.setString("Panel", "L0", "123")) {
        std::abort();
    }
    const IniFile reread = IniFile::fromBytes(file.toBytes());
    if (reread.getString("Panel", "L0") != "123") {
        std::abort();
    }
    if (reread.getString("Form", "Left") != left) {
        std::abort();
    }

    WindowSizes sizes;
    applyWindowLayout(layout, sizes);
    IniFile saved = reread;
    saveWindowLayout(saved, sizes);
    if (loadWindowLayout(IniFile::fromBytes(saved.toBytes())).L0 != sizes.L0) {
        std::abort();
    }
    return 0;
}
