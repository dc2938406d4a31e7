#include "efw2/EFW2Fields.h"

#include <QChar>

#include <cmath>
#include <stdexcept>

namespace {

QString FieldOf(const QString& owner, const QString& field)
{
    return QStringLiteral("%1 of %2").arg(field, owner);
}

// The Windows-1252 letters that lose nothing but an accent come apart by decomposition; these
// are the ones that do not, with the letters the SSA reads in their place.
struct LetterSpelling {
    char16_t letter;
    const char* spelling;
};
constexpr LetterSpelling kSpelledLetters[] = {
    {u'ß', "ss"}, {u'Æ', "AE"}, {u'æ', "ae"}, {u'Ø', "O"},  {u'ø', "o"},  {u'Œ', "OE"},
    {u'œ', "oe"}, {u'Þ', "TH"}, {u'þ', "th"}, {u'Ð', "D"},  {u'ð', "d"},
};

const char* SpellingOf(char16_t letter)
{
    for (const LetterSpelling& entry : kSpelledLetters)
        if (entry.letter == letter)
            return entry.spelling;
    return nullptr;
}

} // namespace

qint64 EFW2Cents(double amount, const QString& owner, const QString& field)
{
    if (!std::isfinite(amount))
        throw EEFW2DataException(QStringLiteral("%1 is not a number.").arg(FieldOf(owner, field)));
    const double cents = std::round(amount * 100.0);
    if (cents < 0)
        throw EEFW2DataException(QStringLiteral("%1 is negative (%2); a negative amount cannot be filed.")
                                     .arg(FieldOf(owner, field), QString::number(amount, 'f', 2)));
    if (cents >= 1e17)
        throw EEFW2DataException(QStringLiteral("%1 is too large for the EFW2 file.").arg(FieldOf(owner, field)));
    return static_cast<qint64>(cents);
}

QByteArray EFW2Money(qint64 cents, int width, const QString& owner, const QString& field)
{
    const QByteArray digits = QByteArray::number(cents);
    if (cents < 0)
        throw EEFW2DataException(QStringLiteral("%1 is negative; a negative amount cannot be filed.").arg(FieldOf(owner, field)));
    if (digits.size() > width)
        throw EEFW2DataException(QStringLiteral("%1 (%2) is too large for its %3-digit field of the EFW2 file.")
                                     .arg(FieldOf(owner, field), QString::number(double(cents) / 100.0, 'f', 2))
                                     .arg(width));
    return digits.rightJustified(width, '0');
}

QByteArray EFW2Count(qint64 count, int width, const QString& owner, const QString& field)
{
    const QByteArray digits = QByteArray::number(count);
    if (count < 0 || digits.size() > width)
        throw EEFW2DataException(QStringLiteral("%1 (%2) does not fit the EFW2 file.").arg(FieldOf(owner, field)).arg(count));
    return digits.rightJustified(width, '0');
}

QByteArray EFW2Text(const QString& text, int width, const QString& owner, const QString& field, bool upper)
{
    // Decomposing separates a letter from its accents, which are then dropped.
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QByteArray result;
    result.reserve(width);
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        const char16_t u = c.unicode();
        QByteArray ascii;
        if (const char* spelling = SpellingOf(u))
            ascii = spelling;
        else if (u >= 0x20 && u <= 0x7E)
            ascii = QByteArray(1, static_cast<char>(u));
        else
            throw EEFW2DataException(QStringLiteral("%1 holds the character \"%2\", which the EFW2 file cannot carry.")
                                         .arg(FieldOf(owner, field), QString(c)));
        result.append(upper ? ascii.toUpper() : ascii);
    }
    return result.left(width).leftJustified(width, ' ');
}

QByteArray EFW2NameText(const QString& text, int width, const QString& owner, const QString& field, bool suffix)
{
    const QByteArray name = EFW2Text(text, width, owner, field);
    for (const char c : name) {
        const bool allowed = (c >= 'A' && c <= 'Z') || c == ' ' || c == '-' || c == '\'' || (suffix && c == '.');
        if (!allowed)
            throw EEFW2DataException(QStringLiteral("%1 holds the character \"%2\"; a name may hold only letters, "
                                                    "blanks, hyphens and apostrophes%3.")
                                         .arg(FieldOf(owner, field), QString(QLatin1Char(c)),
                                              suffix ? QStringLiteral(", and a suffix periods") : QString()));
    }
    return name;
}

QByteArray EFW2Digits(const QString& text, int width)
{
    QByteArray digits;
    for (const QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits.append(static_cast<char>(c.unicode()));
    return digits.left(width).leftJustified(width, ' ');
}

QByteArray EFW2Blanks(int width)
{
    return QByteArray(width, ' ');
}

EFW2Line::EFW2Line(const char* recordId)
    : line_(recordId)
{
    line_.reserve(kEFW2LineLength);
}

EFW2Line& EFW2Line::at(int position, const QByteArray& field)
{
    if (line_.size() + 1 > position)
        throw std::logic_error("EFW2 field overlaps the field before it");
    line_.append(EFW2Blanks(position - 1 - int(line_.size())));
    line_.append(field);
    return *this;
}

QByteArray EFW2Line::finish()
{
    if (line_.size() > kEFW2LineLength)
        throw std::logic_error("EFW2 line longer than 512 characters");
    return line_.leftJustified(kEFW2LineLength, ' ');
}
