#include "TestSupport.h"

#include "components/ToolBox.h"

namespace {

struct ValidatorCase {
    const char* text;
    bool valid;
};

void expectAll(bool (*validator)(const QString&), std::initializer_list<ValidatorCase> cases)
{
    for (const ValidatorCase& c : cases)
        EXPECT_EQ(validator(QString::fromLatin1(c.text)), c.valid) << '"' << c.text << '"';
}

} // namespace

TEST(Validators, SocialSecurityNumber)
{
    expectAll(IsValidSSN, {
        {"234-56-7890", true},
        {"078-05-1120", true},
        {"899-99-9999", true},
        {"234-56-7890 ", true},   // blanks after the number are accepted
        {"234-56-7890\t", true},
        {" 234-56-7890", false},  // blanks in front are not
        {"123-45-6789", false},   // the advertising number
        {"666-12-3456", false},
        {"000-12-3456", false},
        {"234-00-5678", false},
        {"234-56-0000", false},
        {"934-56-7890", false},   // area numbers from 9 are never issued
        {"234567890", false},
        {"234-56-789", false},
        {"234-56-78901", false},
        {"234 56 7890", false},
        {"234-56-789a", false},
        {"", false},
        // A trailing blank must not let a forbidden number through.
        {"123-45-6789 ", false},
        {"234-56-0000 ", false},
    });
}

TEST(Validators, EmployerIdentificationNumber)
{
    expectAll(IsValidEIN, {
        {"12-3456789", true},
        {"12-3456789 ", true},
        {"99-0000000", true},
        {"123456789", false},
        {"12-345678", false},
        {"123-456789", false},
        {" 12-3456789", false},
        {"1a-3456789", false},
    });
    for (const char* prefix : InvalidEINPrefixes)
        EXPECT_FALSE(IsValidEIN(QLatin1String(prefix) + QStringLiteral("-1234567"))) << prefix;
    EXPECT_EQ(std::size(InvalidEINPrefixes), 15u);
}

TEST(Validators, ZipPhoneAndPreparerNumber)
{
    expectAll(IsValidZip, {
        {"12345", true},
        {"12345-6789", true},
        {"12345 ", true},
        {"1234", false},
        {"12345 6789", false},
        {"123456789", false},
        {"1234a", false},
        {"12345-678", false},
    });
    expectAll(IsZipPlus4, {
        {"12345-6789", true},
        {"12345", false},
        {"12345-678x", false},
    });
    expectAll(IsValidPhone, {
        {"555-123-4567", true},
        {"555-123-4567 ", true},
        {"(555)123-4567", false},
        {"555 123 4567", false},
        {"5551234567", false},
    });
    expectAll(IsValidPTIN, {
        {"P12345678", true},
        {"P12345678 ", true},
        {"p12345678", false},
        {"P1234567", false},
        {"P1234567X", false},
        {"12345678", false},
    });
}

TEST(Validators, RoutingNumberCheckDigit)
{
    expectAll(IsValidRoutingNumber, {
        {"011000015", true},   // weighted sum 15: check digit 5
        {"021000021", true},   // weighted sum 29: check digit 1
        {"122105155", true},
        {"011000016", false},
        {"021000020", false},
        {"0210000210", false}, // ten digits
        {"02100002", false},
        {"500000005", false},  // right check digit, but no routing number starts with 5
        {"021000021 ", true},
        // Every position must hold a digit, even where a zero weight-sum would hide a letter.
        {"O21000021", false},
        {"02100-021", false},
        {"02100002 ", false},
    });
}

TEST(Validators, EmailPatternAccepts)
{
    for (const char* address : {
             "john.smith@example.com",
             "a@bc.de",
             "UPPER.case@EXAMPLE.COM",
             "user+tag@sub.example.co.uk",
             "o'neil@example.org",
             "x!#$%&'*+-/=?^_`{|}~y@example.com",
             "a@b-c.example.com",
             "a@1.example.com",
             "\"quoted local\"@example.com",
             "\"with \\\" escaped\"@example.com",
             "John Smith <john@example.com>",
             "\"Smith, John\" <john@example.com>",
             "John  <john@example.com>",
             "<john@example.com>",
             "x@[192.168.0.1]",
             "x@[255.255.255.255]",
             "x@[0.0.0.0]",
             "x@[IPv6:2001:db8::1]",
         })
        EXPECT_TRUE(IsValidEmail(QString::fromLatin1(address))) << address;
}

TEST(Validators, EmailPatternRejects)
{
    for (const char* address : {
             "",
             "plainaddress",
             "@example.com",
             "john@",
             "john@example",
             "john@example.c",
             "john@example.c0m",
             "john@example.com.",
             ".john@example.com",
             "john.@example.com",
             "jo..hn@example.com",
             "jo hn@example.com",
             "john@-example.com",
             "john@example-.com",
             "john@exa_mple.com",
             "john@@example.com",
             "john@example.com ",
             " john@example.com",
             "John <john@example.com",
             "john@example.com>",
             "John Smith john@example.com",
             "\"unterminated@example.com",
             "x@[256.1.1.1]",
             "x@[1.2.3]",
             "x@[1.2.3.4.5]",
             "x@[tag-:abc]",
             "x@[tag:a[b]",
         })
        EXPECT_FALSE(IsValidEmail(QString::fromLatin1(address))) << address;

    // Beyond ASCII, and with a line break after an otherwise good address.
    EXPECT_FALSE(IsValidEmail(QStringLiteral("j\u00f6rg@example.com")));
    EXPECT_FALSE(IsValidEmail(QStringLiteral("john@example.com\n")));
    EXPECT_FALSE(IsValidEmail(QStringLiteral("john@example.com\nevil@example.com")));
    EXPECT_FALSE(IsValidEmail(QString(QChar(0xD800)) + QStringLiteral("@example.com")));
}

TEST(Validators, EmailPatternDecidesHostileInputWithinItsMatchLimit)
{
    // Long texts built to make a backtracking matcher search hard: each is decided before the
    // match limit, which bounds the matcher's work on any text.
    const QString hostile[] = {
        QString(20000, QChar('a')) + QStringLiteral("@"),
        QStringLiteral("a.").repeated(10000) + QStringLiteral("@example.com"),
        QStringLiteral("a ").repeated(10000) + QStringLiteral("a@example.com"),
        QStringLiteral("a@") + QStringLiteral("a.").repeated(10000),
    };
    for (const QString& text : hostile) {
        SCOPED_TRACE(text.left(40).toStdString());
        EXPECT_EQ(MatchEmail(text), EmailMatch::Invalid);
        EXPECT_FALSE(IsValidEmail(text));
    }
    EXPECT_EQ(MatchEmail(QString(20000, QChar('a')) + QStringLiteral("@example.com")), EmailMatch::Valid);
}

TEST(Validators, EmailMatcherGivingUpMeansInvalid)
{
    // Every display-name word costs the matcher work; far past any real address it stops at its
    // limit and the text is refused rather than accepted or crashed on.
    const QString address = QStringLiteral("<john@example.com>");
    EXPECT_TRUE(IsValidEmail(QStringLiteral("a ").repeated(100) + address));
    EXPECT_EQ(MatchEmail(QStringLiteral("a ").repeated(40000) + address), EmailMatch::GaveUp);
    EXPECT_FALSE(IsValidEmail(QStringLiteral("a ").repeated(40000) + address));
}

TEST(Validators, MaskAndNumberToSSN)
{
    EXPECT_EQ(MaskSSN(QStringLiteral("234-56-7890")), QStringLiteral("***-**-7890"));
    EXPECT_EQ(MaskSSN(QStringLiteral("234-56-7890 ")), QStringLiteral("***-**-7890"));
    EXPECT_EQ(MaskSSN(QStringLiteral("123-45-6789")), QString());
    EXPECT_EQ(MaskSSN(QString()), QString());

    const struct {
        double value;
        const char* text;
    } cases[] = {
        {234567890, "234-56-7890"},
        {12345678, "012-34-5678"},
        {1234567, "001-23-4567"},
        {123456789, ""},   // the advertising number
        {666123456, ""},
        {923456789, ""},
        {123456, ""},
        {0, ""},
        {1234567.5, ""},
        {-23456789, ""},
        {1e20, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToSSN(c.value), QLatin1String(c.text)) << c.value;
}

TEST(StateTables, FixedOrderAndLookup)
{
    ASSERT_EQ(StateCodes.size(), 54u);
    ASSERT_EQ(StateNames.size(), 54u);
    EXPECT_TRUE(std::is_sorted(StateCodes.begin(), StateCodes.end(),
                               [](const char* a, const char* b) { return qstrcmp(a, b) < 0; }));
    const struct {
        int index;
        const char* code;
        const char* name;
    } rows[] = {
        {0, "AK", "Alaska"}, {7, "DC", "District of Columbia"}, {9, "FL", "Florida"}, {11, "GU", "Guam"},
        {18, "KY", "Kentucky"}, {27, "MT", "Montana"}, {32, "NJ", "New Jersey"}, {36, "OH", "Ohio"},
        {40, "PR", "Puerto Rico"}, {45, "TX", "Texas"}, {48, "VI", "Virgin Islands"}, {53, "WY", "Wyoming"},
    };
    for (const auto& row : rows) {
        EXPECT_STREQ(StateCodes[row.index], row.code);
        EXPECT_STREQ(StateNames[row.index], row.name);
        EXPECT_EQ(StateCodeIndex(QLatin1String(row.code)), row.index);
    }
    EXPECT_EQ(StateCodeIndex(QStringLiteral("nj")), 32);
    EXPECT_EQ(StateCodeIndex(QStringLiteral("Nj")), 32);
    EXPECT_EQ(StateCodeIndex(QStringLiteral("XX")), 54);
    EXPECT_EQ(StateCodeIndex(QString()), 54);
    EXPECT_EQ(StateCodeIndex(QStringLiteral("NJ ")), 54);
    EXPECT_EQ(StateNameOf(QStringLiteral("vi")), QStringLiteral("Virgin Islands"));
    EXPECT_EQ(StateNameOf(QStringLiteral("wv")), QStringLiteral("West Virginia"));
    EXPECT_EQ(StateNameOf(QStringLiteral("XX")), QString());
}

TEST(AmountToWords, HundredsGroups)
{
    EXPECT_EQ(HundredsToWords(234, QString()), QStringLiteral("Two Hundred Thirty Four "));
    EXPECT_EQ(HundredsToWords(115, QString()), QStringLiteral("One Hundred Fifteen "));
    EXPECT_EQ(HundredsToWords(20, QString()), QStringLiteral("Twenty "));
    EXPECT_EQ(HundredsToWords(7, QStringLiteral("Thousand ")), QStringLiteral("Seven Thousand "));
    EXPECT_EQ(HundredsToWords(900, QStringLiteral("Million ")), QStringLiteral("Nine Hundred Million "));
    EXPECT_EQ(HundredsToWords(0, QStringLiteral("Million ")), QString());
}

TEST(AmountToWords, CheckAmounts)
{
    const struct {
        double amount;
        const char* words;
    } cases[] = {
        {1234.56, "One Thousand Two Hundred Thirty Four and 56/100"},
        {-1234.56, "One Thousand Two Hundred Thirty Four and 56/100"},
        {0.07, "Zero and 07/100"},
        {0, "Zero and 00/100"},
        {1000000, "One Million and 00/100"},
        {100, "One Hundred and 00/100"},
        {2000000.5, "Two Million and 50/100"},
        {1001001.01, "One Million One Thousand One and 01/100"},
        {12.125, "Twelve and 13/100"}, // a half cent goes up
        {1.005, "One and 00/100"},     // held just below the half
        {0.999, "One and 00/100"},     // the words follow the rounded cents
        {1000000000000, "One Trillion and 00/100"},
        {999999999999999,
         "Nine Hundred Ninety Nine Trillion Nine Hundred Ninety Nine Billion Nine Hundred Ninety Nine Million "
         "Nine Hundred Ninety Nine Thousand Nine Hundred Ninety Nine and 00/100"},
        {1000000000000000, "(Overflow)"},
        {-1e16, "(Overflow)"},
        {std::numeric_limits<double>::infinity(), "(Overflow)"},
        {std::numeric_limits<double>::quiet_NaN(), "(Overflow)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AmountToWords(c.amount), QLatin1String(c.words)) << c.amount;
}
