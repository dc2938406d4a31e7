#pragma once

class QScrollArea;
class QWidget;

// Sizes a window that shows a statement in a scroll box: wide enough for the statement as filled
// and polished, beside the scroll bar a long one brings, so that no column opens cut; at most
// the screen's size, and the given height.
void FitWindowToStatement(QWidget& window, QScrollArea& box, int height);
