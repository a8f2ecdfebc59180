#pragma once

#include <QtGlobal>
#include <cstddef>

// One block of memory for all frame pictures. Touching 16 MB page by page
// costs more at start-up than decoding the pictures; one block asked for in
// huge pages is faulted in a few steps instead of thousands.
class PictureMemory
{
public:
    explicit PictureMemory(std::size_t bytes);
    ~PictureMemory();
    PictureMemory(const PictureMemory &) = delete;
    PictureMemory &operator=(const PictureMemory &) = delete;

    uchar *data() const { return data_; }

private:
    uchar *data_ = nullptr;
    std::size_t size_ = 0;
    bool mapped_ = false;
};
