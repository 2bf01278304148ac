#pragma once

#include <QImage>

class QWidget;

// What the window shows in a rectangle of its client area (left, top, width,
// height, in the client area's pixels), for printing the lobe panel. When no
// copy can be taken (no window, an empty source) the message "Erreur de
// HardCopy" is shown and the image is null: the page then carries only its
// caption block.
QImage CopieEcran(QWidget *client, int top, int left, int width, int height);
