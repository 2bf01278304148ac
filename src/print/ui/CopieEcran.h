#pragma once

class QWidget;
class Surface;

// Prints what the window shows in a rectangle of its client area (left, top,
// width, height, in the client area's pixels) scaled into the rectangle from
// (x, y) to (x + w, y + h) of the page, inside a one-pixel black frame. When no
// copy can be taken (no window, an empty source) the message "Erreur de
// HardCopy" is shown and nothing is drawn.
void CopieEcran(Surface &page, QWidget *client, int x, int y, int w, int h, int top, int left,
                int width, int height);
