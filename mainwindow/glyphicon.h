#pragma once

#include <QIcon>
#include <QImage>

// Builds a button icon from a bitmap that holds numGlyphs square glyphs side
// by side: the first for the normal state, the second for the disabled one.
// The colour of the bottom-left pixel is drawn transparent.
QIcon glyphIcon(const QImage &glyphs, int numGlyphs);
