#include "efw2/EFW2Records.h"

#include "client/CompanyAddress.h"
#include "client/CompanyEIN.h"
#include "components/DateRoutines.h"
#include "components/TextRoutines.h"
#include "components/Validators.h"
#include "efw2/EFW2Fields.h"
#include "payroll/W2Recipients.h"

#include <QRegularExpression>

#include <map>

namespace {

const QString kSubmitter = QStringLiteral("the submitter");
const QString kCompany = QStringLiteral("the company");
const QString kTotals = QStringLiteral("the totals");

double Ytd(const TPeriodAmounts& amounts)
{
    return amounts[4];
}

bool Blank(const QString& text)
{
    return text.trimmed().isEmpty();
}

// The ZIP code's first five characters and, for ZIP+4 ("99999-9999"), its last four.
QString Zip5(const QString& zip)
{
    return zip.left(5);
}

QString Zip4(const QString& zip)
{
    return zip.size() == 10 ? zip.right(4) : QString();
}

QByteArray Indicator(bool set)
{
    return set ? QByteArray("1") : QByteArray("0");
}

struct AmountField {
    const char* name;
    int position;
};

// Names and places of the RW amounts, in the order of EFW2WageAmount (the last is not on the RW).
constexpr std::array<AmountField, kWageAmountCount> kWageFields = {{
    {"box 1 wages, tips, other compensation", 188}, {"box 2 federal income tax withheld", 199},
    {"box 3 social security wages", 210}, {"box 4 social security tax withheld", 221},
    {"box 5 Medicare wages and tips", 232}, {"box 6 Medicare tax withheld", 243},
    {"box 7 social security tips", 254}, {"box 10 dependent care benefits", 276},
    {"box 12 code D", 287}, {"box 12 code E", 298}, {"box 12 code F", 309}, {"box 12 code G", 320},
    {"box 12 code H", 331}, {"box 11 nonqualified plans, section 457", 353}, {"box 12 code W", 364},
    {"box 11 nonqualified plans, not section 457", 375}, {"box 12 code Q", 386}, {"box 12 code C", 408}, {"box 12 code V", 419}, {"box 12 code Y", 430},
    {"box 12 code AA", 441}, {"box 12 code BB", 452}, {"box 12 code DD", 463}, {"box 12 code FF", 474},
    {"third-party payer's income tax withheld", 0},
}};

// Places of the same amounts on the RT, 15 wide.
constexpr std::array<int, kWageAmountCount> kTotalPositions = {
    10, 25, 40, 55, 70, 85, 100, 130, 145, 160, 175, 190, 205, 235, 250, 265, 280, 310, 340, 355, 370, 385, 295, 400, 325,
};

constexpr std::array<AmountField, kOptionalAmountCount> kOptionalFields = {{
    {"box 8 allocated tips", 12}, {"box 12 codes A and B", 23}, {"box 12 code R", 34}, {"box 12 code S", 45},
    {"box 12 code T", 56}, {"box 12 code M", 67}, {"box 12 code N", 78}, {"box 12 code Z", 89},
    {"box 12 code EE", 111}, {"box 12 code GG", 122}, {"box 12 code HH", 133},
}};

constexpr std::array<int, kOptionalAmountCount> kOptionalTotalPositions = {
    10, 25, 40, 55, 70, 85, 100, 115, 145, 160, 175,
};

} // namespace

bool EFW2EmployeeAmounts::hasOptional() const
{
    for (const qint64 cents : optional)
        if (cents != 0)
            return true;
    return false;
}

void EFW2EmployerTotals::add(const EFW2EmployeeAmounts& amounts)
{
    ++wageRecords;
    if (amounts.hasOptional())
        ++optionalRecords;
    for (int i = 0; i < kWageAmountCount; ++i)
        sums.wage[i] += amounts.wage[i];
    for (int i = 0; i < kOptionalAmountCount; ++i)
        sums.optional[i] += amounts.optional[i];
}

double Box12Sum(const EmployeeRecord& employee, const QString& code)
{
    double sum = 0;
    for (int entry = 1; entry <= 12; ++entry)
        if (employee.FW2Box12Code[entry].get().trimmed().compare(code, Qt::CaseInsensitive) == 0)
            sum += employee.FW2Box12Amt[entry];
    return sum;
}

QString EFW2EmployeeName(const EmployeeRecord& employee)
{
    const QString name = QStringLiteral("%1 %2").arg(employee.FirstName.get().trimmed(), employee.LastName.get().trimmed()).trimmed();
    return QStringLiteral("employee %1 (%2)").arg(name.isEmpty() ? QStringLiteral("without a name") : name,
                                                   employee.SocSecNum.get());
}

QString EFW2WageFieldName(EFW2WageAmount amount)
{
    return QString::fromLatin1(kWageFields[amount].name);
}

namespace {

// The code of the first W-3 mark set from firstMark on: codes[k] stands for mark firstMark + k.
QChar MarkedCode(const CompanyRecord& c, int firstMark, const char* codes)
{
    for (int k = 0; codes[k] != '\0'; ++k)
        if (c.FW3ChkMark[firstMark + k])
            return QLatin1Char(codes[k]);
    return {};
}

} // namespace

QChar EFW2KindOfEmployer(const CompanyRecord& c)
{
    return MarkedCode(c, 8, "NTSYF");  // W-3 marks 8..12
}

QChar EFW2EmploymentCode(const CompanyRecord& c)
{
    return MarkedCode(c, 1, "RMAFXHQ");  // W-3 marks 1..7
}

bool HasSection457Plans(const CompanyRecord& company)
{
    const QChar kind = EFW2KindOfEmployer(company);
    return kind == QLatin1Char('S') || kind == QLatin1Char('Y') || kind == QLatin1Char('T');
}

EFW2EmployeeAmounts EmployeeAmounts(const EmployeeRecord& e, bool box11Section457)
{
    const QString owner = EFW2EmployeeName(e);
    const std::array<double, kWageAmountCount> wage = {
        Ytd(e.FedEarnings),
        Ytd(e.FederalTax) + Ytd(e.TPSPFederalTax),
        W2SocialSecurityWages(e),
        Ytd(e.FICATax) + Ytd(e.TPSPFICATax),
        Ytd(e.MedEarnings),
        Ytd(e.MedicareTax) + Ytd(e.TPSPMedicareTax),
        Ytd(e.Tips),
        Ytd(e.DepCareBen),
        Box12Sum(e, QStringLiteral("D")),
        Box12Sum(e, QStringLiteral("E")),
        Box12Sum(e, QStringLiteral("F")),
        Box12Sum(e, QStringLiteral("G")),
        Box12Sum(e, QStringLiteral("H")),
        box11Section457 ? Ytd(e.NonQualPlan) : 0.0,
        Box12Sum(e, QStringLiteral("W")),
        box11Section457 ? 0.0 : Ytd(e.NonQualPlan),
        Box12Sum(e, QStringLiteral("Q")),
        Box12Sum(e, QStringLiteral("C")),
        Box12Sum(e, QStringLiteral("V")),
        Box12Sum(e, QStringLiteral("Y")),
        Box12Sum(e, QStringLiteral("AA")),
        Box12Sum(e, QStringLiteral("BB")),
        Box12Sum(e, QStringLiteral("DD")),
        Box12Sum(e, QStringLiteral("FF")),
        Ytd(e.TPSPFederalTax),
    };
    const std::array<double, kOptionalAmountCount> optional = {
        Ytd(e.AllocatedTip),
        Box12Sum(e, QStringLiteral("A")) + Box12Sum(e, QStringLiteral("B")),
        Box12Sum(e, QStringLiteral("R")),
        Box12Sum(e, QStringLiteral("S")),
        Box12Sum(e, QStringLiteral("T")),
        Box12Sum(e, QStringLiteral("M")),
        Box12Sum(e, QStringLiteral("N")),
        Box12Sum(e, QStringLiteral("Z")),
        Box12Sum(e, QStringLiteral("EE")),
        Box12Sum(e, QStringLiteral("GG")),
        Box12Sum(e, QStringLiteral("HH")),
    };
    EFW2EmployeeAmounts result;
    for (int i = 0; i < kWageAmountCount; ++i) {
        result.wage[i] = EFW2Cents(wage[i], owner, QString::fromLatin1(kWageFields[i].name));
        if (kWageFields[i].position != 0)
            EFW2Money(result.wage[i], 11, owner, QString::fromLatin1(kWageFields[i].name));
    }
    for (int i = 0; i < kOptionalAmountCount; ++i) {
        const QString field = QString::fromLatin1(kOptionalFields[i].name);
        result.optional[i] = EFW2Cents(optional[i], owner, field);
        EFW2Money(result.optional[i], 11, owner, field);
    }
    return result;
}

QByteArray SubmitterLine(const EFW2SubmitterRecord& s)
{
    const auto text = [](const QString& value, int width, const char* field) {
        return EFW2Text(value, width, kSubmitter, QString::fromLatin1(field));
    };
    const bool resubmitted = s.ResubInd.get() == QLatin1String("1");
    return EFW2Line("RA")
        .at(3, EFW2Digits(s.EIN, 9))
        .at(12, text(s.UserID, 8, "BSO User ID"))
        .at(29, Indicator(resubmitted))
        .at(30, text(resubmitted ? s.ResubID.get() : QString(), 6, "Wage File Identifier"))
        .at(36, "98")
        .at(38, text(s.CompanyName, 57, "Company Name"))
        .at(95, text(s.LocationAddr, 22, "Location address"))
        .at(117, text(s.DeliveryAddr, 22, "Delivery address"))
        .at(139, text(s.City, 22, "City"))
        .at(161, text(s.StateCode, 2, "State"))
        .at(163, EFW2Digits(s.ZipCode, 5))
        .at(168, EFW2Digits(s.ZipCodeExt, 4))
        .at(177, text(s.ForeignState, 23, "Foreign State or Province"))
        .at(200, text(s.ForeignZip, 15, "Foreign Postal Code"))
        .at(215, text(s.CountryCode, 2, "Country Code"))
        .at(217, text(s.SubmitName, 57, "Submitter Name"))
        .at(274, text(s.SubmitAddr1, 22, "Submitter's Location address"))
        .at(296, text(s.SubmitAddr2, 22, "Submitter's Delivery address"))
        .at(318, text(s.SubmitCity, 22, "Submitter's City"))
        .at(340, text(s.SubmitState, 2, "Submitter's State"))
        .at(342, EFW2Digits(s.SubmitZip, 5))
        .at(347, EFW2Digits(s.SubmitZipExt, 4))
        .at(356, text(s.SubmitFSP, 23, "Submitter's Foreign State or Province"))
        .at(379, text(s.SubmitFPC, 15, "Submitter's Foreign Postal Code"))
        .at(394, text(s.SubmitCC, 2, "Submitter's Country Code"))
        .at(396, text(s.ContactName, 27, "Contact Name"))
        .at(423, EFW2Digits(s.ContactPhone, 15))
        .at(438, EFW2Digits(s.ContactExt, 5))
        .at(446, EFW2Text(s.ContactEmail, 40, kSubmitter, QStringLiteral("Contact e-mail address"), false))
        .at(489, EFW2Digits(s.ContactFax, 10))
        .at(500, text(s.PreparerCode, 1, "Preparer Code"))
        .finish();
}

QByteArray EmployerLine(const CompanyRecord& c)
{
    const auto text = [](const QString& value, int width, const char* field) {
        return EFW2Text(value, width, kCompany, QString::fromLatin1(field));
    };
    // The SSA matches the wage reports to the employer by this number: a file without it is refused.
    if (const std::optional<QString> fault = CompanyEINFault(c, QStringLiteral("The EFW2 file")))
        throw EEFW2DataException(TildeToLineBreak(*fault));
    const QChar kindOfEmployer = EFW2KindOfEmployer(c);
    if (kindOfEmployer.isNull())
        throw EEFW2DataException(QStringLiteral("No Kind of Employer is marked on Form W-3 of the company."));
    const QChar kindOfPayer = EFW2EmploymentCode(c);
    if (kindOfPayer.isNull())
        throw EEFW2DataException(QStringLiteral("No Kind of Payer is marked on Form W-3 of the company."));

    const bool terminating = IsValidDateStr(c.F941EndDate) || c.F940Type[4];
    const bool foreign = c.ForeignAdr;
    return EFW2Line("RE")
        .at(3, "2026")
        .at(8, EFW2Digits(c.FederalID, 9))
        .at(26, Indicator(terminating))
        .at(27, text(c.FW3EstNumber, 4, "establishment number"))
        .at(31, EFW2Digits(c.FW3OtherID, 9))
        .at(40, text(c.Name, 57, "name"))
        .at(97, text(SuiteText(c.SuiteNum.get(), QStringLiteral("SUITE ")), 22, "suite number"))
        .at(119, text(c.Address, 22, "address"))
        .at(141, text(c.City, 22, "city"))
        .at(163, text(foreign ? QString() : c.State.get(), 2, "state"))
        .at(165, EFW2Digits(foreign ? QString() : Zip5(c.ZipCode), 5))
        .at(170, EFW2Digits(foreign ? QString() : Zip4(c.ZipCode), 4))
        .at(174, QByteArray(1, kindOfEmployer.toLatin1()))
        .at(179, text(foreign ? c.ForeignProvCo.get() : QString(), 23, "foreign province"))
        .at(202, text(foreign ? c.ForeignZipCode.get() : QString(), 15, "foreign postal code"))
        .at(217, text(foreign ? c.ForeignCountry.get() : QString(), 2, "country code"))
        .at(219, QByteArray(1, kindOfPayer.toLatin1()))
        .at(221, Indicator(c.FW3ChkMark[13]))
        .at(222, text(c.FW3Contact, 27, "Form W-3 contact person"))
        .at(249, EFW2Digits(c.PhoneNumber, 15))
        .at(269, EFW2Digits(c.FaxNumber, 10))
        .at(279, EFW2Text(c.EmailAddress, 40, kCompany, QStringLiteral("e-mail address"), false))
        .finish();
}

QByteArray EFW2NameFields(const EmployeeRecord& e, const QString& owner)
{
    const auto name = [&owner](const QString& value, int width, const char* field, bool suffix = false) {
        return EFW2NameText(value.trimmed(), width, owner, QString::fromLatin1(field), suffix);
    };
    return name(e.FirstName, 15, "first name") + name(e.MiddleName, 15, "middle name") + name(e.LastName, 20, "last name")
         + name(e.Suffix, 4, "suffix", true);
}

QByteArray EmployeeLine(const EmployeeRecord& e, const EFW2EmployeeAmounts& amounts)
{
    const QString owner = EFW2EmployeeName(e);
    if (!IsValidSSN(e.SocSecNum))
        throw EEFW2DataException(QStringLiteral("The Social Security number of %1 is not valid.").arg(owner));
    if (Blank(e.FirstName) || Blank(e.LastName))
        throw EEFW2DataException(QStringLiteral("The first and last name of %1 are required.").arg(owner));
    const auto text = [&owner](const QString& value, int width, const char* field) {
        return EFW2Text(value.trimmed(), width, owner, QString::fromLatin1(field));
    };
    EFW2Line line("RW");
    line.at(3, EFW2Digits(e.SocSecNum, 9))
        .at(12, EFW2NameFields(e, owner))
        .at(88, text(e.Address, 22, "address"))
        .at(110, text(e.City, 22, "city"))
        .at(132, text(e.State, 2, "state"))
        .at(134, EFW2Digits(Zip5(e.ZipCode), 5))
        .at(139, EFW2Digits(Zip4(e.ZipCode), 4));
    // The amounts go in by position: the table's order is not the line's.
    std::map<int, QByteArray> byPosition;
    for (int i = 0; i < kWageAmountCount; ++i)
        if (kWageFields[i].position != 0)
            byPosition[kWageFields[i].position] =
                EFW2Money(amounts.wage[i], 11, owner, QString::fromLatin1(kWageFields[i].name));
    for (const auto& [position, field] : byPosition)
        line.at(position, field);
    return line.at(486, Indicator(e.FW2Box13Chk1))
        .at(488, Indicator(e.FW2Box13Chk2))
        .at(489, Indicator(e.FW2Box13Chk3))
        .finish();
}

QByteArray OptionalEmployeeLine(const EFW2EmployeeAmounts& amounts)
{
    EFW2Line line("RO");
    for (int i = 0; i < kOptionalAmountCount; ++i)
        line.at(kOptionalFields[i].position, EFW2Money(amounts.optional[i], 11, QString(), QString()));
    return line.finish();
}

QByteArray TotalLine(const EFW2EmployerTotals& totals)
{
    std::map<int, QByteArray> byPosition;
    for (int i = 0; i < kWageAmountCount; ++i)
        byPosition[kTotalPositions[i]] = EFW2Money(totals.sums.wage[i], 15, kTotals, QString::fromLatin1(kWageFields[i].name));
    EFW2Line line("RT");
    line.at(3, EFW2Count(totals.wageRecords, 7, kTotals, QStringLiteral("number of RW records")));
    for (const auto& [position, field] : byPosition)
        line.at(position, field);
    return line.finish();
}

QByteArray OptionalTotalLine(const EFW2EmployerTotals& totals)
{
    EFW2Line line("RU");
    line.at(3, EFW2Count(totals.optionalRecords, 7, kTotals, QStringLiteral("number of RO records")));
    for (int i = 0; i < kOptionalAmountCount; ++i)
        line.at(kOptionalTotalPositions[i],
                EFW2Money(totals.sums.optional[i], 15, kTotals, QString::fromLatin1(kOptionalFields[i].name)));
    return line.finish();
}

QByteArray FinalLine(int wageRecords)
{
    return EFW2Line("RF").at(8, EFW2Count(wageRecords, 9, kTotals, QStringLiteral("number of RW records"))).finish();
}

EFW2SubmitterProblem CheckSubmitter(const EFW2SubmitterRecord& s)
{
    const auto shorter = [](const QString& text, int length) { return text.trimmed().size() < length; };
    const bool resubmitted = s.ResubInd.get() == QLatin1String("1");
    const bool faxEntered = s.ContactFax.get().contains(QRegularExpression(QStringLiteral("[0-9]")));
    const struct {
        bool fails;
        const char* field;
        const char* message;
    } checks[] = {
        {!IsValidEIN(s.EIN), "EIN", "Submitter's Employer Identification Number is required."},
        {shorter(s.UserID, 8), "UserID", "BSO User ID must be 8 characters."},
        {resubmitted && Blank(s.ResubID), "ResubID", "Wage File Identifier is required."},
        {!Blank(s.ZipCode) && shorter(s.ZipCode, 5), "ZipCode", "Company Zip Code must be 5 digits."},
        {!Blank(s.ZipCodeExt) && shorter(s.ZipCodeExt, 4), "ZipCodeExt", "Company Zip Code extension must be 4 digits."},
        {!Blank(s.CountryCode) && (!Blank(s.StateCode) || !Blank(s.ZipCode)), "CountryCode",
         "Company address is either a U.S. address (State and Zip Code) or a foreign one (Country Code), not both."},
        {Blank(s.SubmitName), "SubmitName", "Submitter Name is required."},
        {Blank(s.SubmitAddr2), "SubmitAddr2", "Submitter's Delivery address is required."},
        {Blank(s.SubmitCity), "SubmitCity", "Submitter's City is required."},
        {Blank(s.SubmitState), "SubmitState", "Submitter's State is required."},
        {shorter(s.SubmitZip, 5), "SubmitZip", "Submitter's Zip Code must be 5 digits."},
        {!Blank(s.SubmitZipExt) && shorter(s.SubmitZipExt, 4), "SubmitZipExt", "Submitter's Zip Code extension must be 4 digits."},
        {!Blank(s.SubmitCC), "SubmitCC",
         "Submitter's address is either a U.S. address (State and Zip Code) or a foreign one (Country Code), not both."},
        {Blank(s.ContactName), "ContactName", "Person to be contacted by SSA is required."},
        {!IsValidPhone(s.ContactPhone), "ContactPhone", "Contact Person's telephone number is required."},
        {Blank(s.ContactEmail), "ContactEmail", "Contact Person's e-mail/internet address is required."},
        {!IsValidEmail(s.ContactEmail), "ContactEmail", "Contact Person's e-mail/internet address is invalid."},
        {faxEntered && !IsValidPhone(s.ContactFax), "ContactFax", "Contact Person's fax number is not valid."},
        {Blank(s.PreparerCode), "PreparerCode", "Preparer Code is required."},
    };
    for (const auto& check : checks)
        if (check.fails)
            return {QString::fromLatin1(check.field), QString::fromLatin1(check.message)};
    return {};
}
