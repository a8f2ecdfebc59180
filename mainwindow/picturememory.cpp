#include "picturememory.h"

#include <new>
#include <sys/mman.h>

PictureMemory::PictureMemory(std::size_t bytes)
    : size_(bytes)
{
    void *block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block != MAP_FAILED) {
        // Only a hint: where huge pages are not available this changes nothing.
        madvise(block, bytes, MADV_HUGEPAGE);
        data_ = static_cast<uchar *>(block);
        mapped_ = true;
    } else {
        data_ = static_cast<uchar *>(::operator new(bytes));
    }
}

PictureMemory::~PictureMemory()
{
    if (mapped_)
        munmap(data_, size_);
    else
        ::operator delete(data_);
}
