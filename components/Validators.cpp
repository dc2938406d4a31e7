#include "components/Validators.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <QLocale>

#include <algorithm>
#include <memory>
#include <string>

namespace {

// Length of the text once blanks and control characters are gone from both ends.
qsizetype trimmedLength(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= 32)
        ++first;
    while (last > first && text[last - 1].unicode() <= 32)
        --last;
    return last - first;
}

bool isDigit(QChar c)
{
    return c >= QChar('0') && c <= QChar('9');
}

// The text has the length of shape and, position by position, a digit where shape holds '9' and
// the very character of shape everywhere else.
bool hasShape(const QString& text, const char* shape)
{
    const qsizetype length = static_cast<qsizetype>(std::char_traits<char>::length(shape));
    if (trimmedLength(text) != length)
        return false;
    for (qsizetype i = 0; i < length; ++i) {
        const bool fits = shape[i] == '9' ? isDigit(text[i]) : text[i] == QChar(shape[i]);
        if (!fits)
            return false;
    }
    return true;
}

// The one e-mail pattern, exactly as the program has always used it.
constexpr char16_t EmailPattern[] =
    uR"re(^((?>[a-zA-Z\d!#$%&'*+\-/=?^_`{|}~]+\x20*|"((?=[\x01-\x7f])[^"\\]|\\[\x01-\x7f])*"\x20*)*(?<angle><))?((?!\.)(?>\.?[a-zA-Z\d!#$%&'*+\-/=?^_`{|}~]+)+|"((?=[\x01-\x7f])[^"\\]|\\[\x01-\x7f])*")@(((?!-)[a-zA-Z\d\-]+(?<!-)\.)+[a-zA-Z]{2,}|\[(((?(?<!\[)\.)(25[0-5]|2[0-4]\d|[01]?\d?\d)){4}|[a-zA-Z\d\-]*[a-zA-Z\d]:((?=[\x01-\x7f])[^\\\[\]]|\\[\x01-\x7f])+)\])(?(angle)>)$)re";
static_assert(sizeof(EmailPattern) / sizeof(char16_t) - 1 == 365);

struct CodeDeleter {
    void operator()(pcre2_code* code) const { pcre2_code_free(code); }
};
struct MatchDataDeleter {
    void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};
struct MatchContextDeleter {
    void operator()(pcre2_match_context* context) const { pcre2_match_context_free(context); }
};

// A real address takes the matcher a few calls per character; the limit keeps a pasted wall of
// text from holding up the screen, and a text that reaches it is refused.
constexpr uint32_t EmailMatchLimit = 100000;

const pcre2_code* emailCode()
{
    static const std::unique_ptr<pcre2_code, CodeDeleter> code = [] {
        int error = 0;
        PCRE2_SIZE offset = 0;
        pcre2_code* compiled = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(EmailPattern), PCRE2_ZERO_TERMINATED,
                                             0, &error, &offset, nullptr);
        return std::unique_ptr<pcre2_code, CodeDeleter>(compiled);
    }();
    return code.get();
}

pcre2_match_context* emailMatchContext()
{
    static const std::unique_ptr<pcre2_match_context, MatchContextDeleter> context = [] {
        pcre2_match_context* created = pcre2_match_context_create(nullptr);
        if (created)
            pcre2_set_match_limit(created, EmailMatchLimit);
        return std::unique_ptr<pcre2_match_context, MatchContextDeleter>(created);
    }();
    return context.get();
}

} // namespace

bool IsValidSSN(const QString& text)
{
    if (!hasShape(text, "999-99-9999") || text[0] == QChar('9'))
        return false;
    const QString area = text.left(3);
    return area != QStringLiteral("666") && area != QStringLiteral("000")
        && text.mid(4, 2) != QStringLiteral("00") && text.mid(7, 4) != QStringLiteral("0000")
        && text.left(11) != QStringLiteral("123-45-6789");
}

bool IsValidEIN(const QString& text)
{
    if (!hasShape(text, "99-9999999"))
        return false;
    const QString prefix = text.left(2);
    for (const char* invalid : InvalidEINPrefixes)
        if (prefix == QLatin1String(invalid))
            return false;
    return true;
}

bool IsValidZip(const QString& text)
{
    return hasShape(text, "99999") || IsZipPlus4(text);
}

bool IsZipPlus4(const QString& text)
{
    return hasShape(text, "99999-9999");
}

bool IsValidPhone(const QString& text)
{
    return hasShape(text, "999-999-9999");
}

bool IsValidRoutingNumber(const QString& text)
{
    if (!hasShape(text, "999999999") || text[0] == QChar('5'))
        return false;
    static constexpr int Weights[8] = {3, 7, 1, 3, 7, 1, 3, 7};
    int sum = 0;
    for (int i = 0; i < 8; ++i)
        sum += Weights[i] * (text[i].unicode() - '0');
    return text[8].unicode() - '0' == (10 - sum % 10) % 10;
}

bool IsValidIrsRoutingNumber(const QString& text)
{
    if (!IsValidRoutingNumber(text))
        return false;
    const int prefix = (text[0].unicode() - '0') * 10 + (text[1].unicode() - '0');
    return (prefix >= 1 && prefix <= 12) || (prefix >= 21 && prefix <= 32);
}

bool IsValidPTIN(const QString& text)
{
    return hasShape(text, "P99999999");
}

bool IsValidEmail(const QString& text)
{
    return MatchEmail(text) == EmailMatch::Valid;
}

EmailMatch MatchEmail(const QString& text)
{
    const pcre2_code* code = emailCode();
    if (!code)
        return EmailMatch::GaveUp;
    const std::unique_ptr<pcre2_match_data, MatchDataDeleter> match(pcre2_match_data_create_from_pattern(code, nullptr));
    if (!match)
        return EmailMatch::GaveUp;
    const auto length = static_cast<PCRE2_SIZE>(text.size());
    const int result = pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(text.utf16()), length, 0, PCRE2_NOTEMPTY,
                                   match.get(), emailMatchContext());
    if (result == PCRE2_ERROR_NOMATCH)
        return EmailMatch::Invalid;
    // Any other negative result is a matching error, the match limit above all.
    if (result < 0)
        return EmailMatch::GaveUp;
    // "$" also matches before a final line break, which the whole text must not hold.
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(match.get());
    return ovector[0] == 0 && ovector[1] == length ? EmailMatch::Valid : EmailMatch::Invalid;
}

QString MaskSSN(const QString& ssn)
{
    return IsValidSSN(ssn) ? QStringLiteral("***-**-") + ssn.mid(7, 4) : QString();
}

QString FloatToSSN(double value)
{
    QString digits = QString::number(value, 'g', QLocale::FloatingPointShortest);
    if (digits.size() == 8)
        digits.prepend(QChar('0'));
    else if (digits.size() == 7)
        digits.prepend(QStringLiteral("00"));
    digits.insert(std::min<qsizetype>(3, digits.size()), QChar('-'));
    digits.insert(std::min<qsizetype>(6, digits.size()), QChar('-'));
    return IsValidSSN(digits) ? digits : QString();
}
