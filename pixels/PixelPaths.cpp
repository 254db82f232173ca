#include "pixels/PixelPaths.h"

namespace {

const PixelPath* const kCompiledPaths[] = {
#ifdef VELLUMIX_AVX2_PATH
    &kAvx2Path,
#endif
#ifdef __SSE2__
    &kSse2Path,
#endif
    &kWordPath,
};

const PixelPath*& pathInUse() {
    static const PixelPath* path = runnablePixelPaths().front();
    return path;
}

} // namespace

std::vector<const PixelPath*> runnablePixelPaths() {
    std::vector<const PixelPath*> paths;
    for (const PixelPath* path : kCompiledPaths)
        if (path->runsHere())
            paths.push_back(path);
    return paths;
}

const PixelPath& pixelPath() {
    return *pathInUse();
}

void usePixelPath(const PixelPath& path) {
    pathInUse() = &path;
}
