#pragma once

#include <QFont>

// The screen font is a bitmap font (MS Sans Serif at 13 pixels) that cannot
// scale: on a screen with more device pixels per pixel, its scalable twin is
// used instead, Liberation Sans at the size and width where its texts take the
// room the bitmap font's take.
QFont PoliceVectorielle();

// The chart letters' font for a picture `ratio` times finer than the screen at
// ratio 1: the scalable twin at `ratio` times its size.
QFont PoliceGraphe(qreal ratio);
