#pragma once

#include <QtGlobal>

// Which stored picture shows frame n of a film. The pictures are numbered
// 1-36 (film I) and 51-88 (film II); 37-50 are unused.
namespace FrameTables {

inline constexpr qint32 Film1Code = 0;
inline constexpr qint32 Film2Code = 5;

inline constexpr qint32 Film1FrameCount = 36;
inline constexpr qint32 Film2FrameCount = 38;

inline constexpr qint32 Film1FirstPicture = 1;
inline constexpr qint32 Film2FirstPicture = 51;

inline constexpr int PictureWidth = 510;
inline constexpr int Film1PictureHeight = 430;
inline constexpr int Film2PictureHeight = 428;

inline constexpr int PictureCount = Film1FrameCount + Film2FrameCount;

// Picture number of frame n, or 0 when n is not a frame of the film.
constexpr qint32 film1PictureNo(qint32 n)
{
    return n >= 1 && n <= Film1FrameCount ? n : 0;
}

constexpr qint32 film2PictureNo(qint32 n)
{
    return n >= 1 && n <= Film2FrameCount ? 50 + n : 0;
}

constexpr bool isFilm1Picture(qint32 p) { return p >= 1 && p <= Film1FrameCount; }
constexpr bool isFilm2Picture(qint32 p) { return p >= 51 && p <= 50 + Film2FrameCount; }
constexpr bool isPictureNo(qint32 p) { return isFilm1Picture(p) || isFilm2Picture(p); }

constexpr int pictureHeight(qint32 p)
{
    return isFilm1Picture(p) ? Film1PictureHeight : Film2PictureHeight;
}

// All picture numbers in the order the restoring pass visits them.
constexpr qint32 pictureNoAt(int index)
{
    return index < Film1FrameCount ? Film1FirstPicture + index
                                   : Film2FirstPicture + (index - Film1FrameCount);
}

} // namespace FrameTables
