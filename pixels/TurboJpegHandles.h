#pragma once
// Owners for what TurboJPEG hands out; the targets that include this link
// libturbojpeg themselves.
#include <memory>
#include <turbojpeg.h>

struct TjHandleDeleter {
    void operator()(void* handle) const { tjDestroy(handle); }
};
struct TjBufferDeleter {
    void operator()(unsigned char* buffer) const { tjFree(buffer); }
};
using TjHandle = std::unique_ptr<void, TjHandleDeleter>;
using TjBuffer = std::unique_ptr<unsigned char, TjBufferDeleter>;
