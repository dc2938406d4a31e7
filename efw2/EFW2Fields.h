#pragma once

#include "platform/Exceptions.h"

#include <QByteArray>
#include <QString>

// The fields of an EFW2 line. Every field comes out exactly as wide as its place on the line, so
// nothing a field holds can shift a later one. Whatever the file cannot carry is refused, naming
// whose value it is (an employee, the company, the submitter, the totals) and which field, and
// nothing is written.

// A value that cannot go into the EFW2 file as it stands.
class EEFW2DataException : public ECustomException {
public:
    using ECustomException::ECustomException;
};

// A client without a single employee who gets a Form W-2.
class ENoEmployeesException : public ECustomException {
public:
    using ECustomException::ECustomException;
};

// Whole cents of an amount, half a cent rounded away from zero. A negative amount (after rounding)
// is refused.
qint64 EFW2Cents(double amount, const QString& owner, const QString& field);

// Cents right-justified, "0" prepended up to the width; more digits than the width are refused.
QByteArray EFW2Money(qint64 cents, int width, const QString& owner, const QString& field);

// A count right-justified, "0" prepended up to the width.
QByteArray EFW2Count(qint64 count, int width, const QString& owner, const QString& field);

// A text left-justified with blanks appended, cut to the width. Accented letters lose their
// accents and the other Windows-1252 letters are spelled in A-Z (ß SS, Æ AE, Ø O, Œ OE, Þ TH, Ð D);
// with upper set, a-z become A-Z. Any other character outside printable ASCII is refused.
QByteArray EFW2Text(const QString& text, int width, const QString& owner, const QString& field, bool upper = true);

// A person's name as the SSA matches it: an upper-case EFW2Text of letters, blanks, hyphens and
// apostrophes, and in a suffix periods too ("JR."); any other character is refused.
QByteArray EFW2NameText(const QString& text, int width, const QString& owner, const QString& field, bool suffix = false);

// The digits 0-9 of a text (every other character dropped), as a text field.
QByteArray EFW2Digits(const QString& text, int width);

QByteArray EFW2Blanks(int width);

// Puts a line together field by field; every line is 512 characters.
class EFW2Line {
public:
    explicit EFW2Line(const char* recordId);
    // Appends a field that must start at the given position (counted from 1).
    EFW2Line& at(int position, const QByteArray& field);
    // Blanks up to position 512.
    QByteArray finish();

private:
    QByteArray line_;
};

inline constexpr int kEFW2LineLength = 512;
