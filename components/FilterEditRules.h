#pragma once

#include "components/TextRoutines.h"

#include <QChar>
#include <QString>

// Letter case an entry box forces on typed letters.
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// The characters an entry box lets through, written as a list in brackets: "[0..9]",
// "[A..Z,a..z, ]", "[0..9,-]". A quote takes the next character literally ("[',]").
// An empty set ("[]") lets everything through.
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

// The characters of a person's name: letters, accented ones too, blanks, hyphens and apostrophes
// ("Chen-Smith", "O'Neil"); a name suffix takes the letters of JR, II to X and a period ("JR.").
inline const QString kPersonNameChars = QStringLiteral("[A..Z,a..z,À..Ö,Ø..ö,ø..ÿ, ,-,''']");
inline const QString kNameSuffixChars = QStringLiteral("[J,I,R,V,X,j,i,r,v,x,'.']");

// Case changes touch only the letters A to Z and a to z.
QChar ForceCase(QChar c, TEditCharCase charCase);
QString UpperCaseAZ(const QString& text);
QString LowerCaseAZ(const QString& text);
// Trims blanks and control characters at both ends, then capitalises the first letter of the
// text and every a to z that follows a blank.
QString CapitalizeWords(const QString& text);
