#pragma once

#include <QRect>

// A window's frame moved, and shrunk where it is larger, so that it lies wholly inside the
// available area of the screen: a place saved on a larger screen must not open partly off this
// one. An empty area leaves the frame as it is.
QRect FitIntoScreen(const QRect& frame, const QRect& available);
