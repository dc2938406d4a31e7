#include "forms/W3Totals.h"

#include "client/CompanyAddress.h"
#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "components/StateTables.h"
#include "components/TextRoutines.h"
#include "components/Validators.h"
#include "forms/W2Forms.h"

#include <array>

namespace {

double Cents(double value)
{
    return RoundToDecimals(value, 2);
}

// Adds the amount as the W-2 prints it, to the cent.
void AddCents(double& total, double amount)
{
    total = Cents(total + Cents(amount));
}

bool SameCode(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

bool IsW3Box12aCode(const QString& code)
{
    static const std::array<const char*, 10> kCodes = {"D", "E", "F", "G", "H", "S", "Y", "AA", "BB", "EE"};
    for (const char* deferred : kCodes) {
        if (SameCode(code, QLatin1String(deferred)))
            return true;
    }
    return false;
}

W3StateBox CalcW3Totals(CompanyRecord& company)
{
    company.FW3Amount = {};
    company.FW3Box14 = company.FW3Box16 = company.FW3Box17 = company.FW3Box18 = company.FW3Box19 = 0;
    const int y = kYearToDateColumn;
    double sickPaySocialSecurityTax = 0;
    bool oneState = true;
    bool anyW2 = false;
    QString state;
    EmployeeLoop loop;
    while (loop.Next()) {
        const EmployeeRecord& e = EmployeeRec;
        if (!EmployeeGetsW2(e))
            continue;
        auto& box = company.FW3Amount;
        AddCents(box[1], e.FedEarnings[y]);
        AddCents(box[2], e.FederalTax[y] + e.TPSPFederalTax[y]);
        AddCents(box[3], W2SocialSecurityWages(e));
        AddCents(box[4], e.FICATax[y] + e.TPSPFICATax[y]);
        AddCents(box[5], e.MedEarnings[y]);
        AddCents(box[6], e.MedicareTax[y] + e.TPSPMedicareTax[y]);
        AddCents(box[7], e.Tips[y]);
        AddCents(box[8], e.AllocatedTip[y]);
        AddCents(box[10], e.DepCareBen[y]);
        AddCents(box[11], e.NonQualPlan[y]);
        for (const Box12Amount& entry : FilledBox12Entries(e)) {
            if (IsW3Box12aCode(entry.code))
                AddCents(box[kW3Box12a], entry.amount);
        }
        AddCents(company.FW3Box14, e.TPSPFederalTax[y]);
        AddCents(company.FW3Box16, e.StateEarning[y]);
        AddCents(company.FW3Box16, e.FW2Box16Amt);
        AddCents(company.FW3Box17, e.StateTax[y]);
        AddCents(company.FW3Box17, e.FW2Box17Amt);
        AddCents(company.FW3Box18, e.CityEarnings[y]);
        AddCents(company.FW3Box18, e.FW2Box18Amt);
        AddCents(company.FW3Box19, e.CityTax[y]);
        AddCents(company.FW3Box19, e.FW2Box19Amt);
        AddCents(sickPaySocialSecurityTax, e.TPSPFICATax[y]);

        const QString workState = e.WorkState.get().trimmed();
        if (!anyW2)
            state = workState;
        anyW2 = true;
        const QString second = e.FW2Box15Text.get();
        if (!SameCode(workState, state) || (!IsBlank(second) && !SameCode(second, state)))
            oneState = false;
    }
    loop.Finish();
    if (sickPaySocialSecurityTax > 0)
        company.FW3ChkMark[kThirdPartySickPayMark] = true;

    const int stateNumber = StateCodeIndex(state) + 1;
    if (anyW2 && oneState && stateNumber <= StateCount)
        return W3StateBox{true, state.toUpper(), company.StateID[stateNumber].get()};
    return W3StateBox{false, QStringLiteral("X"), QString()};
}

std::optional<W3Problem> CheckW3(const CompanyRecord& company)
{
    const auto anyMarked = [&](int first, int last) {
        for (int i = first; i <= last; ++i) {
            if (company.FW3ChkMark[i])
                return true;
        }
        return false;
    };
    if (!anyMarked(kFirstKindOfPayer, kLastKindOfPayer))
        return W3Problem{W3Check::KindOfPayer, QStringLiteral("The Kind of Payer box has not been checked.")};
    if (!anyMarked(kFirstKindOfEmployer, kLastKindOfEmployer))
        return W3Problem{W3Check::KindOfEmployer, QStringLiteral("The Kind of Employer box has not been checked.")};
    if (IsBlank(company.FW3Contact))
        return W3Problem{W3Check::Contact, QStringLiteral("Employer's contact person is missing.")};
    return std::nullopt;
}

FormParams W3Params(const CompanyRecord& company, int formsW2, const W3StateBox& box15, bool filingCopy,
                    const QString& printDateText)
{
    FormParams params;
    params.SetFormCopy(filingCopy);
    params.Set(QStringLiteral("Boxa"), company.FW3CtrlNum.get());
    for (int i = 1; i <= kThirdPartySickPayMark; ++i)
        params.SetCheck(QStringLiteral("Boxb%1").arg(i), company.FW3ChkMark[i]);
    params.Set(QStringLiteral("Boxc"), QString::number(formsW2));
    params.Set(QStringLiteral("Boxd"), company.FW3EstNumber.get());
    params.Set(QStringLiteral("Boxe"), company.FederalID.get());
    params.SetUpper(QStringLiteral("Boxf1"), company.Name.get());
    params.SetUpper(QStringLiteral("Boxf2"), company.TradeName.get());
    params.Set(QStringLiteral("Boxg1"),
               StreetWithSuite(FormUpperCase(company.Address.get()), company.SuiteNum.get(), QStringLiteral("STE")));
    params.SetUpper(QStringLiteral("Boxg2"), CompanyCityStateZip);
    if (IsValidEIN(company.FW3OtherID.get()))
        params.Set(QStringLiteral("Boxh"), company.FW3OtherID.get());
    for (int i = 1; i <= 12; ++i) {
        if (i == 9)
            continue;
        params.SetAmount(i == kW3Box12a ? QStringLiteral("Box12a") : QStringLiteral("Box%1").arg(i), company.FW3Amount[i]);
    }
    params.SetUpper(QStringLiteral("Box13"), company.FW3Box13.get());
    params.SetAmount(QStringLiteral("Box14"), company.FW3Box14);
    params.Set(QStringLiteral("Box15"), box15.code);
    if (box15.oneState)
        params.Set(QStringLiteral("EmployerStateID"), box15.stateId);
    params.SetAmount(QStringLiteral("Box16"), company.FW3Box16);
    params.SetAmount(QStringLiteral("Box17"), company.FW3Box17);
    params.SetAmount(QStringLiteral("Box18"), company.FW3Box18);
    params.SetAmount(QStringLiteral("Box19"), company.FW3Box19);
    params.SetUpper(QStringLiteral("ContactPerson"), company.FW3Contact.get());
    params.Set(QStringLiteral("TelephoneNum"), company.PhoneNumber.get());
    params.Set(QStringLiteral("EmailAddress"), company.EmailAddress.get());
    if (IsValidPhone(company.FaxNumber.get()))
        params.Set(QStringLiteral("FaxNum"), company.FaxNumber.get());
    if (company.SignForm && filingCopy) {
        params.Set(QStringLiteral("Signature"), company.SignerName.get());
        params.SetUpper(QStringLiteral("Title"), company.SignerTitle.get());
    }
    const QString date = FormPrintDate(printDateText);
    if (!date.isEmpty())
        params.Set(QStringLiteral("Date"), date);
    return params;
}
