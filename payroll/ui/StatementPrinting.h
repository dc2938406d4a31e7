#pragma once

#include <QString>

class QWidget;

// Asks "Make sure your printer is on line and loaded with paper."; true when the user answers OK.
bool ConfirmPrinterReady();

// Prints the statement area of a window on one page, scaled to the page width (and further down
// when it would run past the page's foot): every label the area shows as text in its place and
// font, every rule as a line. The page keeps the window's arrangement while its text stays text,
// sharp on paper and searchable in an exported file, whatever the window's style. Runs through
// the report system with the saved printer choice and the shared preview, so the page previews,
// prints and exports like every printout.
void PrintStatementArea(QWidget* owner, const QWidget& area, const QString& title);
