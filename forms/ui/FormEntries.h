#pragma once

#include <QColor>

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;
class TCheckBoxEdit;
class TDollarEdit;
class TFilterEdit;

// The entries the form screens lay over their pages, made alike.

// A check box of the form, "X" when checked.
TCheckBoxEdit* CheckEntry(const QString& name);
// A text box taking only validChars ("[]" or empty for every character), at most maxLength long.
TFilterEdit* TextEntry(const QString& name, const QString& validChars, int maxLength);
// A box the screen fills from the records and the user only reads.
TFilterEdit* HeaderEntry(const QString& name);
// A masked box ("99-9999999"); its hyphens stay in the text, empty places show as blanks.
QLineEdit* MaskedEntry(const QString& name, const QString& mask);
// Makes an entry read-only and out of the Tab order.
void MakeHeader(QLineEdit* entry);
// An amount in dollars and cents; one the program fills (entered false) is a header entry.
TDollarEdit* AmountEntry(const QString& name, bool entered);
// A check box the user ticks, or (entered false) one the program sets and the mouse cannot change.
TCheckBoxEdit* CheckMark(const QString& name, bool entered);
// An editable entry takes the focus again; a read-only one leaves the Tab order.
void SetEditable(QLineEdit* entry, bool editable);
// What a masked box holds: its text, or the empty text when no place is filled.
QString MaskedText(const QLineEdit* entry);
// Puts the cursor of every text box of the window at its start, so that a text longer than its
// box shows its beginning.
void ShowTextsFromTheStart(QWidget* window);
// Keeps the entry's font small enough for the widest value it can hold ("999,999.99", a ZIP code
// with its leading zero) to show whole in the box the form gives it, whatever its size.
void ShowWidestValueWhole(QLineEdit* entry, const QString& widest);

// The red of the warnings on a form's white page, dark enough to read there.
inline const QColor kWarningRed{0xC0, 0x00, 0x00};
// The red, bold, centred warning across a page of a form not approved for filing.
QLabel* NotApprovedLabel(const QString& name);
// A red, bold, centred warning of the given text across a page.
QLabel* WarningLabel(const QString& name, const QString& text);
