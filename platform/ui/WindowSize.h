#pragma once

#include <QSize>

class QWidget;

// Windows are laid out by Qt layouts; these give a window its designed client size to start
// with, grown wherever its text needs more room in the style and fonts in use.

// The window opens at that size and can be resized, never below what its layout needs.
void StartAtClientSize(QWidget& window, const QSize& clientSize);

// The window keeps that size: for small dialogs whose content never grows.
void FixAtClientSize(QWidget& window, const QSize& clientSize);
