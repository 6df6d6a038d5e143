#pragma once

#include <cstddef>

// A file mapped into memory that another process cuts short while it is read: touching a
// page beyond the new end raises SIGBUS, which ends the program. While a guard lives, such a
// fault inside its range is caught instead: the whole range is replaced with zero bytes (the
// reader goes on over them and stops soon, a NUL byte being no text), and Faulted() says so,
// for the caller to throw the result away. Faults elsewhere go on to the handler that was
// there before. A few dozen ranges can be guarded at once; a guard beyond them waits for one
// to end.
class MappedReadGuard {
public:
    MappedReadGuard(void* begin, std::size_t size);
    ~MappedReadGuard();
    MappedReadGuard(const MappedReadGuard&) = delete;
    MappedReadGuard& operator=(const MappedReadGuard&) = delete;

    // Whether the range was cut short while it was guarded.
    bool Faulted() const;

private:
    int m_slot = 0;
};
