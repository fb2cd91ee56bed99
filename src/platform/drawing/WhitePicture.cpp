#include "platform/drawing/WhitePicture.h"

#include <cstring>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace vexoria {

#ifdef __linux__

namespace {

struct Mapping {
    void* address;
    size_t bytes;
};

void unmap(void* info)
{
    const auto* m = static_cast<Mapping*>(info);
    munmap(m->address, m->bytes);
    delete m;
}

} // namespace

QImage makeWhitePicture(int width, int height)
{
    if (width <= 0 || height <= 0) return {};
    const size_t line = static_cast<size_t>(width) * 4;
    const size_t bytes = line * static_cast<size_t>(height);
    void* address = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (address == MAP_FAILED) return {};
    madvise(address, bytes, MADV_HUGEPAGE);
    // White RGB32 is all bits set.
    std::memset(address, 0xFF, bytes);
    auto* mapping = new Mapping{address, bytes};
    QImage image(static_cast<uchar*>(address), width, height, static_cast<qsizetype>(line), QImage::Format_RGB32, unmap,
                 mapping);
    if (image.isNull()) unmap(mapping);
    return image;
}

#else

QImage makeWhitePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    if (!image.isNull()) image.fill(Qt::white);
    return image;
}

#endif

} // namespace vexoria
