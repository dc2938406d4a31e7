#pragma once

#include <QString>

#include <utility>
#include <vector>

class QDate;

// The values a print handler gives the parameters of a form's layout, and the conventions every
// form shares: amounts "0.00" left empty when they are 0 at cents, check marks "X", names in
// capitals, one parameter per digit box, and the file-copy banner.

// Printed across a copy the employer keeps ("FormCopy"), never on one that is filed.
inline const QString kFileCopyText = QStringLiteral("FILE COPY — KEEP FOR YOUR RECORDS");
inline const QString kFormCopyParam = QStringLiteral("FormCopy");

// The parameters of one filled layout, in the order they were set. Setting a name again replaces
// its value in place.
class FormParams {
public:
    using Value = std::pair<QString, QString>;

    void Set(const QString& name, const QString& value);
    // "0.00" (",0.00" with thousands separators) when the amount is not 0 at cents; a zero
    // amount sets nothing, so its box prints empty.
    void SetAmount(const QString& name, double amount, bool thousands = false);
    // "X" when checked; nothing otherwise.
    void SetCheck(const QString& name, bool checked);
    // The text in capitals (FormUpperCase).
    void SetUpper(const QString& name, const QString& text);
    // One parameter per box: pattern "EIN%1" gives EIN1 .. EIN<count>, box k the k-th character
    // of text; boxes past its end are left unset.
    void SetDigits(const QString& pattern, const QString& text, int count);
    // "FormCopy" = kFileCopyText when the file copy was chosen (filingCopy false).
    void SetFormCopy(bool filingCopy);

    const std::vector<Value>& Values() const { return values_; }
    bool Has(const QString& name) const;
    // The value set, or an empty text.
    QString Get(const QString& name) const;

private:
    std::vector<Value> values_;
};

// The federal identification number with every character but 0 to 9 removed.
QString EINDigitsOf(const QString& federalId);
// The text in capitals, accented letters too, as the forms print it (UpperCaseWindows1252).
QString FormUpperCase(const QString& text);
// True when the amount rounds to 0.00.
bool IsZeroAtCents(double amount);
// The form's print date parameter: the date typed in the copy dialog when it is a date, else
// empty.
QString FormPrintDate(const QString& typed);
// What the copy dialog shows as the print date: the date typed last when it is a date, else the
// given day as mm/dd/yyyy.
QString CopyDialogDate(const QString& typed, const QDate& today);
