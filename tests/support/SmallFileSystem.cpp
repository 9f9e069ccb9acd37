#include "support/SmallFileSystem.h"

#include <sys/mount.h>

#include <cerrno>
#include <cstring>

namespace kakeibo {

SmallFileSystem::SmallFileSystem(const std::string& size) {
    const std::string options = "size=" + size + ",mode=0700";
    if (::mount("tmpfs", dir_.path().c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0) {
        mounted_ = true;
    } else {
        refusal_ = std::string("cannot mount a small tmpfs (needs root): ") + std::strerror(errno);
    }
}

SmallFileSystem::~SmallFileSystem() {
    if (mounted_) ::umount2(dir_.path().c_str(), MNT_DETACH);
}

}  // namespace kakeibo
