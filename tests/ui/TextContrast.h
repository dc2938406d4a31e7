#pragma once

#include <QStringList>

class QWidget;

// Every text of a shown window that stands out from the colour behind it by less than the
// contrast ratio small text needs (kLegibleContrast): labels, buttons, check boxes, group box titles, entries,
// combo boxes closed and opened, completer lists, menus opened (the menu bar's, pop-up menus, a
// calendar's month list), list items and headers, tab and menu bar captions, and the text and
// links of rich-text labels and text browsers. Disabled controls are left out. The background is
// taken from the window as drawn (scroll areas are scrolled through, each pop-up list and menu is
// opened); the text colour is the one the control's palette paints it with,
// unless the drawing shows no trace of that colour, in which case the drawn colour counts.
// One line per faint text, naming the control, the text, both colours and the ratio.
QStringList FaintTexts(QWidget& window);
