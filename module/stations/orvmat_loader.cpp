#include "frame/lazy_library.h"

namespace WoSt {

// The material database library is the frame's lazily loaded "OrvMat": a missing library or
// function is reported there once, and answers null here.
void* ResolveOrvMatFunction(const char* name) {
    return reinterpret_cast<void*>(OrvMatLibrary().Resolve<void()>(name));
}

} // namespace WoSt
