#include "storage/MappedFile.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sched.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>

namespace kakeibo {

namespace {

// The mappings the lease-break handler may have to copy. The handler runs
// on whichever thread the signal meets, at any moment, so it only touches
// this fixed table, through the state of each entry:
//   Free -> Claimed (an owner sets it up or takes it down) -> Held (mapped,
//   leased) -> Busy (the handler copies it) -> Copied (private, no lease).
// An owner taking an entry down waits while the handler has it Busy; the
// handler never waits, so neither can hold up the other for long.
enum SlotState : int { Free, Claimed, Held, Busy, Copied };

struct Slot {
    std::atomic<int> state{Free};
    int fd = -1;
    char* data = nullptr;
    std::size_t size = 0;
};

// A book maps its data file; a handful more covers the files opened beside
// it. Beyond that, files are read.
constexpr std::size_t kSlots = 8;
std::array<Slot, kSlots> slots;

int leaseSignal() { return SIGRTMAX - 3; }

// Puts a private copy of the bytes at the mapping's addresses, in one step
// for every reader (mremap replaces the pages whole), then lets the lease
// go. Only calls that are safe in a signal handler.
bool copyInPlace(Slot& slot) {
    void* copy = ::mmap(nullptr, slot.size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (copy == MAP_FAILED) return false;
    std::memcpy(copy, slot.data, slot.size);
    ::mprotect(copy, slot.size, PROT_READ);
    if (::mremap(copy, slot.size, slot.size, MREMAP_MAYMOVE | MREMAP_FIXED, slot.data) == MAP_FAILED) {
        ::munmap(copy, slot.size);
        return false;
    }
    ::fcntl(slot.fd, F_SETLEASE, F_UNLCK);
    return true;
}

// Copies the entry when it is held and maps fd (any file for -1). Its fd
// is read only once the entry is Busy, when nobody else writes it.
void copyIfHeld(Slot& slot, int fd = -1) {
    int held = Held;
    if (!slot.state.compare_exchange_strong(held, Busy)) return;
    // Without memory for the copy the lease stays: the writer waits for
    // the kernel's time limit rather than cut the pages from under us.
    const bool copied = (fd < 0 || slot.fd == fd) && copyInPlace(slot);
    slot.state.store(copied ? Copied : Held);
}

void onLeaseBreak(int signal, siginfo_t* info, void*) {
    const int savedErrno = errno;
    // The kernel sends SIGIO instead when its queue of signals is full; it
    // does not say which file then, so every mapping is copied.
    for (Slot& slot : slots) copyIfHeld(slot, signal == SIGIO ? -1 : info->si_fd);
    errno = savedErrno;
}

// Takes signal for the handler, unless something else in the process
// has taken it already.
bool takeSignal(int signal) {
    struct sigaction old {};
    if (::sigaction(signal, nullptr, &old) != 0 || (old.sa_flags & SA_SIGINFO) || old.sa_handler != SIG_DFL) {
        return false;
    }
    struct sigaction action {};
    action.sa_sigaction = onLeaseBreak;
    action.sa_flags = SA_SIGINFO | SA_RESTART;
    sigemptyset(&action.sa_mask);
    return ::sigaction(signal, &action, nullptr) == 0;
}

// Whether the handler is in place for the lease signal and for SIGIO, its
// stand-in; without both a lease break could end the program.
bool handlerInstalled() {
    static std::once_flag once;
    static bool installed = false;
    std::call_once(once, [] { installed = takeSignal(leaseSignal()) && takeSignal(SIGIO); });
    return installed;
}

int claimSlot() {
    for (std::size_t i = 0; i < kSlots; ++i) {
        int free = Free;
        if (slots[i].state.compare_exchange_strong(free, Claimed)) return static_cast<int>(i);
    }
    return -1;
}

// A lease only guards against writers on this machine: a file system that
// another machine or a user-space daemon can change underneath (NFS, SMB,
// FUSE mounts of cloud drives) may cut the pages without breaking it. So
// files are mapped only on the local disk file systems.
bool onLocalDisk(int fd) {
    struct statfs fs {};
    if (::fstatfs(fd, &fs) != 0) return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
        case EXT4_SUPER_MAGIC:  // also ext2 and ext3
        case BTRFS_SUPER_MAGIC:
        case XFS_SUPER_MAGIC:
        case F2FS_SUPER_MAGIC:
        case TMPFS_MAGIC:
            return true;
        default:
            return false;
    }
}

// The lease first, then the size: while it is held nobody can cut the file.
bool leaseAndMap(Slot& slot, int fd, std::size_t maxBytes) {
    if (!onLocalDisk(fd)) return false;
    if (::fcntl(fd, F_SETOWN, ::getpid()) != 0 || ::fcntl(fd, F_SETSIG, leaseSignal()) != 0 ||
        ::fcntl(fd, F_SETLEASE, F_RDLCK) != 0) {
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size <= 0 ||
        static_cast<std::size_t>(st.st_size) > maxBytes) {
        ::fcntl(fd, F_SETLEASE, F_UNLCK);
        return false;
    }
    const auto size = static_cast<std::size_t>(st.st_size);
    // Populated at once: the reader goes through every page anyway, and
    // one call maps them faster than a fault each.
    void* data = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    if (data == MAP_FAILED) {
        ::fcntl(fd, F_SETLEASE, F_UNLCK);
        return false;
    }
    slot.fd = fd;
    slot.data = static_cast<char*>(data);
    slot.size = size;
    return true;
}

}  // namespace

std::unique_ptr<MappedFile> MappedFile::open(const std::string& path, std::size_t maxBytes) {
    if (!handlerInstalled()) return nullptr;
    const int index = claimSlot();
    if (index < 0) return nullptr;
    Slot& slot = slots[static_cast<std::size_t>(index)];
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0 || !leaseAndMap(slot, fd, maxBytes)) {
        if (fd >= 0) ::close(fd);
        slot.state.store(Free);
        return nullptr;
    }
    slot.state.store(Held);
    // A writer that came while the entry was being set up found it not yet
    // held, so the handler left its signal unanswered: the lease is being
    // broken already, and the copy is made here.
    if (::fcntl(fd, F_GETLEASE) != F_RDLCK) copyIfHeld(slot);
    return std::unique_ptr<MappedFile>(new MappedFile(index, slot.data, slot.size));
}

MappedFile::~MappedFile() {
    Slot& slot = slots[static_cast<std::size_t>(slot_)];
    int state = slot.state.load();
    for (;;) {
        if (state == Busy) {
            sched_yield();
            state = slot.state.load();
        } else if (slot.state.compare_exchange_weak(state, Claimed)) {
            break;
        }
    }
    ::munmap(slot.data, slot.size);
    if (state == Held) ::fcntl(slot.fd, F_SETLEASE, F_UNLCK);
    ::close(slot.fd);
    slot.fd = -1;
    slot.data = nullptr;
    slot.size = 0;
    slot.state.store(Free);
}

bool MappedFile::sharesPageCache() const { return slots[static_cast<std::size_t>(slot_)].state.load() == Held; }

}  // namespace kakeibo
