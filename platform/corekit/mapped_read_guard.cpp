#include "mapped_read_guard.h"

#include <atomic>
#include <csignal>
#include <cstdint>
#include <mutex>
#include <thread>

#include <sys/mman.h>

namespace {

// The guarded ranges, in fixed storage and lock-free, for the signal handler may only read
// what it cannot find half-written. A fault is met in the thread that touched the page,
// whichever thread set the guard up.
struct Slot {
    std::atomic<bool> taken{false};
    std::atomic<std::uintptr_t> begin{0}; // 0 while the slot is being filled or emptied
    std::atomic<std::size_t> size{0};
    std::atomic<bool> faulted{false};
};

constexpr int kSlots = 64;
Slot g_slots[kSlots];
struct sigaction g_previous {};

// Replaces the guarded range that holds `address` with zero pages; false when no range does.
bool replaceGuardedRange(std::uintptr_t address) {
    for (Slot& slot : g_slots) {
        const std::uintptr_t begin = slot.begin.load();
        const std::size_t size = slot.size.load();
        if (begin == 0 || address - begin >= size)
            continue;
        void* zeros = mmap(reinterpret_cast<void*>(begin), size, PROT_READ | PROT_WRITE,
                           MAP_FIXED | MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (zeros == MAP_FAILED)
            return false;
        slot.faulted.store(true);
        return true;
    }
    return false;
}

void onBusError(int signal, siginfo_t* info, void* context) {
    if (info->si_code > 0 && replaceGuardedRange(reinterpret_cast<std::uintptr_t>(info->si_addr)))
        return; // the access is made again, now on a zero page
    if (g_previous.sa_flags & SA_SIGINFO) {
        g_previous.sa_sigaction(signal, info, context);
        return;
    }
    if (g_previous.sa_handler != SIG_DFL && g_previous.sa_handler != SIG_IGN) {
        g_previous.sa_handler(signal);
        return;
    }
    // As if no handler had been there: a fault recurs when the access is made again and
    // ends the program; a signal sent by someone is raised anew.
    ::signal(signal, SIG_DFL);
    if (info->si_code <= 0)
        ::raise(signal);
}

void installHandler() {
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction action {};
        action.sa_sigaction = onBusError;
        action.sa_flags = SA_SIGINFO | SA_ONSTACK;
        sigemptyset(&action.sa_mask);
        sigaction(SIGBUS, &action, &g_previous);
    });
}

} // namespace

MappedReadGuard::MappedReadGuard(void* begin, std::size_t size) {
    installHandler();
    while (g_slots[m_slot].taken.exchange(true)) {
        m_slot = (m_slot + 1) % kSlots;
        if (m_slot == 0)
            std::this_thread::yield();
    }
    Slot& slot = g_slots[m_slot];
    slot.faulted.store(false);
    slot.size.store(size);
    slot.begin.store(reinterpret_cast<std::uintptr_t>(begin));
}

MappedReadGuard::~MappedReadGuard() {
    Slot& slot = g_slots[m_slot];
    slot.begin.store(0);
    slot.size.store(0);
    slot.taken.store(false);
}

bool MappedReadGuard::Faulted() const {
    return g_slots[m_slot].faulted.load();
}
