#pragma once

#include <QString>
#include <QStringList>

// The code lists of the Form W-2 screen, one item a line: a code, a tab and its description.
// Lines without a tab are category headings, which cannot be picked.

// The IRS codes of box 12, as the 2026 Form W-2 instructions list them.
QStringList Box12CodeItems();
// The Treasury tipped occupation codes of box 14b under their eight category headings, after the
// code "000" for cash tips that are not qualified tips.
QStringList TippedOccupationCodeItems();

// True for a heading line.
bool IsCodeListHeading(const QString& item);
// The code of an item: its text before the tab.
QString CodeOfItem(const QString& item);
