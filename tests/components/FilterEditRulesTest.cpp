#include "TestSupport.h"

#include "components/FilterEditRules.h"
#include "platform/Windows1252.h"

namespace {
// The permitted characters of a set, as a string of the printable ones and a count of all.
QString printable(const CharSet& set)
{
    QString text;
    for (int c = 32; c < 127; ++c)
        if (set.test(c))
            text += QChar(c);
    return text;
}

const QString Digits = QStringLiteral("0123456789");
const QString Capitals = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QString Smalls = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
} // namespace

TEST(ValidChars, ParsesTheListsTheScreensUse)
{
    struct Case {
        const char* list;
        QString permitted;
    } cases[] = {
        {"[0..9]", Digits},
        {"[A..Z,a..z, ]", QStringLiteral(" ") + Capitals + Smalls},
        {"[0..9,-]", QStringLiteral("-") + Digits},
        {"[A..I, J..N, P..T,V,W,Y,Z]", QStringLiteral("ABCDEFGHIJKLMNPQRSTVWYZ")},
        {"[0..9, -]", QStringLiteral("-") + Digits},
        // The blank replaces z as the upper end, and a to blank is empty.
        {"[A..Z,a..z ]", Capitals},
        {"[']',',']", QStringLiteral(",]")},
        {"[9..0]", QString()},
        {"[,,]", QString()},
        // A quote that takes the closing bracket leaves its element unended.
        {"[A,']", QStringLiteral("A")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        EXPECT_EQ(printable(ParseValidChars(QLatin1String(c.list))), c.permitted);
    }
}

TEST(ValidChars, APointAlonePermitsEverythingUpToThePoint)
{
    const CharSet set = ParseValidChars(QStringLiteral("[.]"));
    EXPECT_EQ(set.count(), static_cast<size_t>('.') + 1);
    EXPECT_TRUE(set.test(0));
    EXPECT_TRUE(set.test('.'));
    EXPECT_FALSE(set.test('/'));
}

TEST(ValidChars, SetTextKeepsInvalidFormatsAndRebuildsValidOnes)
{
    ValidCharSet chars;
    EXPECT_EQ(chars.text(), QStringLiteral("[]"));
    EXPECT_TRUE(chars.isEmpty());
    EXPECT_TRUE(chars.permits(QChar(0x263A)));

    chars.setText(QStringLiteral("0..9"));
    EXPECT_EQ(chars.text(), QStringLiteral("Invalid format 0..9"));
    EXPECT_TRUE(chars.permits(QChar('x')));

    chars.setText(QStringLiteral("[0..9]"));
    EXPECT_TRUE(chars.permits(QChar('5')));
    EXPECT_TRUE(chars.permits(QChar('\b')));
    EXPECT_FALSE(chars.permits(QChar('a')));
    EXPECT_FALSE(chars.permits(QChar(0x0135))); // code above 255, though 0x35 is "5"

    chars.setText(QStringLiteral("[A..Z]"));
    EXPECT_FALSE(chars.permits(QChar('5')));
    EXPECT_TRUE(chars.permits(QChar('Q')));
    EXPECT_FALSE(chars.permits(QChar('q')));

    // A bad list leaves the last good set in force.
    chars.setText(QStringLiteral("[0..9"));
    EXPECT_EQ(chars.text(), QStringLiteral("Invalid format [0..9"));
    EXPECT_TRUE(chars.permits(QChar('Q')));
    EXPECT_FALSE(chars.permits(QChar('5')));
}

// A name entry takes every letter the forms can print in capitals, and no other character but
// the blank, the hyphen and the apostrophe.
TEST(ValidChars, PersonNamesTakeTheLettersTheUpperCasingHandles)
{
    ValidCharSet name;
    name.setText(kPersonNameChars);
    const auto upperCased = [](QChar c) {
        const QString one(c);
        if (!c.isLetter())
            return false;
        // A small letter with a capital Windows-1252 holds, or that capital itself.
        return UpperCaseWindows1252(one) != one || (c.isUpper() && UpperCaseWindows1252(one.toLower()) == one);
    };
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        const char b = static_cast<char>(byte);
        const QChar c = FromWindows1252(&b, 1)[0];
        const bool expected = upperCased(c) || c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('\'');
        EXPECT_EQ(name.permits(c), expected) << "byte " << byte << " " << QString(c).toStdString();
    }
    for (const char16_t letter : {u'Š', u'š', u'Œ', u'œ', u'Ž', u'ž', u'Ÿ', u'ß', u'Æ', u'Ø', u'Þ', u'Ð', u'é'})
        EXPECT_TRUE(name.permits(QChar(letter))) << QString(QChar(letter)).toStdString();
    // Letters Windows-1252 cannot keep, whatever their code modulo 256.
    for (const char16_t other : {u'Ł', u'ő', u'Ș', u'\u0260'})
        EXPECT_FALSE(name.permits(QChar(other))) << int(other);
}

TEST(ValidChars, CaseChangesTouchOnlyAsciiLetters)
{
    EXPECT_EQ(ForceCase(QChar('q'), ecUpperCase), QChar('Q'));
    EXPECT_EQ(ForceCase(QChar('Q'), ecLowerCase), QChar('q'));
    EXPECT_EQ(ForceCase(QChar('q'), ecNormal), QChar('q'));
    EXPECT_EQ(ForceCase(QChar(0xE9), ecUpperCase), QChar(0xE9));
    EXPECT_EQ(UpperCaseAZ(QStringLiteral("Main St.")), QStringLiteral("MAIN ST."));
    EXPECT_EQ(LowerCaseAZ(QStringLiteral("O'NEIL \u00C9")), QStringLiteral("o'neil \u00C9"));
}

TEST(ValidChars, CapitalizeWords)
{
    const struct {
        const char* text;
        const char* capitalised;
    } cases[] = {
        {"  mary   o'neil  ", "Mary   O'neil"},
        {"\t  \r\n", ""},
        {"", ""},
        {"a", "A"},
        {"main st. apt 4b", "Main St. Apt 4b"},
        {"x  y", "X  Y"},
        {"1st street", "1st Street"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CapitalizeWords(QLatin1String(c.text)), QLatin1String(c.capitalised));
    }
    EXPECT_EQ(CapitalizeWords(LowerCaseAZ(QStringLiteral("  mARY   o'NEIL  "))), QStringLiteral("Mary   O'neil"));
}
