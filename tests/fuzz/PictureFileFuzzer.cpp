// Any file in the place of a page or an artwork picture: it is refused with
// a FileError or comes back as a picture within the allocation limit, and
// nothing in between crashes, hangs or reads out of range.
#include "pixels/BitmapFile.h"
#include "tests/fuzz/FuzzCheck.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// One in-memory file for every input, reached by a path like any other.
struct MemoryFile {
    MemoryFile() : fd(memfd_create("picture", 0)) { FUZZ_CHECK(fd >= 0); }
    ~MemoryFile() { close(fd); }
    QString path() const { return QStringLiteral("/proc/self/fd/%1").arg(fd); }
    int fd;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const MemoryFile file;
    FUZZ_CHECK(ftruncate(file.fd, 0) == 0);
    FUZZ_CHECK(pwrite(file.fd, data, size, 0) == ssize_t(size));
    try {
        const QImage picture = loadPicture(file.path());
        FUZZ_CHECK(!picture.isNull() && picture.format() == QImage::Format_RGB32);
        FUZZ_CHECK(picture.sizeInBytes() <= qsizetype(kPictureAllocationLimitMb) * 1024 * 1024);
    } catch (const FileError& e) {
        FUZZ_CHECK(!e.reason().isEmpty());
    }
    return 0;
}
