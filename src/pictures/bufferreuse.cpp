// A window's picture, the pixmap made of it and the window's backing store take
// a few megabytes each. By default the C library maps every buffer that large
// afresh and hands its pages back as soon as it is freed, so each exercise launch
// page-faulted its pictures in again: on a busy or virtual machine that cost more
// than drawing them. Served from the heap, and kept there up to a bound once
// freed, the next launch's buffers reuse the same pages.
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>

namespace {
constexpr int HeapServedUpTo = 16 << 20;   // the largest picture at twice the pixels fits
constexpr int KeptUpTo = 32 << 20;         // freed memory kept for reuse before it goes back

const bool largeBuffersReused = [] {
    mallopt(M_MMAP_THRESHOLD, HeapServedUpTo);
    mallopt(M_TRIM_THRESHOLD, KeptUpTo);
    return true;
}();
}
#endif
