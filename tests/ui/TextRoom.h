#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class QGroupBox;
class QWidget;

// Every text of a shown window that is wider or taller than the room its control gives it:
// labels, push and tool buttons, check boxes, radio buttons, group box titles, combo box items,
// amount and ZIP code entries at their widest values, and the window's caption; and tool bars that hide buttons for want of room. One line per cut
// text, naming the control, the text and both widths.
QStringList CutTexts(QWidget& window);

// Where the style draws the group box's title, in the box's coordinates.
QRect GroupBoxTitleRect(const QGroupBox& box);
