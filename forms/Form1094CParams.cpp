#include "forms/Form1094CParams.h"

#include "client/CompanyRecord.h"
#include "components/Validators.h"
#include "forms/EmployerAddress.h"
#include "forms/Form1094CEntries.h"

namespace {

// The employer's name and EIN, and the file-copy banner, head every page.
void setHeader(FormParams& params, const CompanyRecord& c, bool filingCopy)
{
    params.SetFormCopy(filingCopy);
    params.SetUpper(QStringLiteral("Box1"), c.Name);
    params.Set(QStringLiteral("Box2"), c.FederalID);
}

} // namespace

FormParams Form1094CParams(const CompanyRecord& c, bool filingCopy, const QString& printDate)
{
    FormParams params;
    setHeader(params, c, filingCopy);
    params.SetCheck(QStringLiteral("Corrected"), c.F1094CCorrect);
    params.SetUpper(QStringLiteral("Box3"), EmployerStreet(c, QStringLiteral(" suite ")));
    params.SetUpper(QStringLiteral("Box4"), c.City);
    params.Set(QStringLiteral("Box5"), c.ForeignAdr ? FormUpperCase(c.ForeignProvCo) : c.State.get());
    params.Set(QStringLiteral("Box6"), EmployerCountryAndPostalCode(c));
    params.SetUpper(QStringLiteral("Box7"), c.FW3Contact);
    params.Set(QStringLiteral("Box8"), c.PhoneNumber);
    params.Set(QStringLiteral("Box18"), QString::number(c.F1094CBox18));
    params.SetCheck(QStringLiteral("Box19"), c.F1094CBox19);
    if (c.SignForm && filingCopy) {
        params.Set(QStringLiteral("Signature"), c.SignerName);
        params.SetUpper(QStringLiteral("Title"), c.SignerTitle);
    }
    const QString date = FormPrintDate(printDate);
    if (!date.isEmpty())
        params.Set(QStringLiteral("Date"), date);
    if (!c.F1094CBox19)
        return params;

    params.Set(QStringLiteral("Box20"), QString::number(c.F1094CBox20));
    params.SetCheck(QStringLiteral("Box21Y"), c.F1094CBox21Y);
    params.SetCheck(QStringLiteral("Box21N"), c.F1094CBox21N);
    for (int i = 1; i <= 4; ++i)
        params.SetCheck(QStringLiteral("Box22_%1").arg(i), c.F1094CBox22[i]);
    for (int r = 0; r < k1094CMonthRows; ++r) {
        params.SetCheck(QStringLiteral("BoxaY%1").arg(r), c.F1094CBoxaY[r]);
        params.SetCheck(QStringLiteral("BoxaN%1").arg(r), c.F1094CBoxaN[r]);
        if (c.F1094CBoxaY[r] || c.F1094CBoxaN[r]) {
            params.Set(QStringLiteral("Boxb%1").arg(r), QString::number(c.F1094CBoxb[r]));
            params.Set(QStringLiteral("Boxc%1").arg(r), QString::number(c.F1094CBoxc[r]));
        }
        params.SetCheck(QStringLiteral("Boxd%1").arg(r), c.F1094CBoxd[r]);
        const char16_t relief = c.F1094CBoxe[r];
        params.Set(QStringLiteral("Boxe%1").arg(r), QString(QChar(relief == 0 ? u' ' : relief)));
    }
    return params;
}

FormParams Form1094CPage3Params(const CompanyRecord& c, bool filingCopy)
{
    FormParams params;
    setHeader(params, c, filingCopy);
    for (int n = 1; n <= k1094CMembers; ++n) {
        const QString ein = c.F1094CPIVEIN[n];
        params.SetUpper(QStringLiteral("PIVName%1").arg(n), c.F1094CPIVName[n]);
        if (IsValidEIN(ein))
            params.Set(QStringLiteral("PIVEIN%1").arg(n), ein);
    }
    return params;
}

bool Form1094CPrintsPartIV(const CompanyRecord& company)
{
    return company.F1094CBox21Y;
}
