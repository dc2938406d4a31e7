#pragma once

#include "components/TextRoutines.h"

#include <QChar>
#include <QString>

// Letter case an entry box forces on typed letters.
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// The characters an entry box lets through, written as a list in brackets: "[0..9]",
// "[A..Z,a..z, ]", "[0..9,-]". A quote takes the next character literally ("[',]").
// An empty set ("[]") lets everything through. The set holds Windows-1252 bytes, the characters a
// record can keep, so "Š" is one member and a character Windows-1252 lacks is never one.
class ValidCharSet {
public:
    // Takes a new list. A text not in brackets is kept as "Invalid format " + text and leaves the
    // permitted characters as they were.
    void setText(const QString& validChars);
    const QString& text() const { return text_; }

    bool isEmpty() const { return set_.none(); }
    const CharSet& set() const { return set_; }
    // Whether a typed character gets in: backspace always does, anything does when the set is empty.
    bool permits(QChar c) const;

private:
    QString text_ = QStringLiteral("[]");
    CharSet set_;
};

// The permitted characters of a list in brackets (without checking the brackets).
CharSet ParseValidChars(const QString& validChars);

// The characters of a person's name: letters, blanks, hyphens and apostrophes ("Chen-Smith",
// "O'Neil"). The letters are those the forms can print in capitals (UpperCaseWindows1252), accented
// ones and Š, Œ, Ž, Ÿ too; a name suffix takes the letters of JR, II to X and a period ("JR.").
inline const QString kPersonNameChars = QStringLiteral("[A..Z,a..z,À..Ö,Ø..ö,ø..ÿ,Š,š,Œ,œ,Ž,ž,Ÿ, ,-,''']");
inline const QString kNameSuffixChars = QStringLiteral("[J,I,R,V,X,j,i,r,v,x,'.']");

// Case changes touch only the letters A to Z and a to z.
QChar ForceCase(QChar c, TEditCharCase charCase);
QString UpperCaseAZ(const QString& text);
QString LowerCaseAZ(const QString& text);
// Trims blanks and control characters at both ends, then capitalises the first letter of the
// text and every a to z that follows a blank.
QString CapitalizeWords(const QString& text);
