#include "forms/Form1094CParams.h"

#include "client/CompanyRecord.h"
#include "components/DateRoutines.h"
#include "components/FilterEditRules.h"
#include "components/Validators.h"
#include "forms/EmployerAddress.h"
#include "forms/Form1094CEntries.h"

namespace {

const QString kX = QStringLiteral("X");

// The employer's name and EIN, and the file-copy banner, head every page.
void addHeader(FormParamList& params, const CompanyRecord& c, bool filingCopy)
{
    if (!filingCopy)
        params.emplace_back(QStringLiteral("FormCopy"), QStringLiteral("FILE COPY — KEEP FOR YOUR RECORDS"));
    params.emplace_back(QStringLiteral("Box1"), UpperCaseAZ(c.Name));
    params.emplace_back(QStringLiteral("Box2"), c.FederalID);
}

void addCheck(FormParamList& params, const QString& name, bool checked)
{
    if (checked)
        params.emplace_back(name, kX);
}

} // namespace

FormParamList Form1094CParams(const CompanyRecord& c, bool filingCopy, const QString& printDate)
{
    FormParamList params;
    addHeader(params, c, filingCopy);
    addCheck(params, QStringLiteral("Corrected"), c.F1094CCorrect);
    params.emplace_back(QStringLiteral("Box3"), UpperCaseAZ(EmployerStreet(c, QStringLiteral(" suite "))));
    params.emplace_back(QStringLiteral("Box4"), UpperCaseAZ(c.City));
    params.emplace_back(QStringLiteral("Box5"), c.ForeignAdr ? UpperCaseAZ(c.ForeignProvCo) : c.State.get());
    params.emplace_back(QStringLiteral("Box6"), EmployerCountryAndPostalCode(c));
    params.emplace_back(QStringLiteral("Box7"), UpperCaseAZ(c.FW3Contact));
    params.emplace_back(QStringLiteral("Box8"), c.PhoneNumber);
    params.emplace_back(QStringLiteral("Box18"), QString::number(c.F1094CBox18));
    addCheck(params, QStringLiteral("Box19"), c.F1094CBox19);
    if (c.SignForm && filingCopy) {
        params.emplace_back(QStringLiteral("Signature"), c.SignerName);
        params.emplace_back(QStringLiteral("Title"), UpperCaseAZ(c.SignerTitle));
    }
    if (IsValidDateStr(printDate))
        params.emplace_back(QStringLiteral("Date"), printDate);
    if (!c.F1094CBox19)
        return params;

    params.emplace_back(QStringLiteral("Box20"), QString::number(c.F1094CBox20));
    addCheck(params, QStringLiteral("Box21Y"), c.F1094CBox21Y);
    addCheck(params, QStringLiteral("Box21N"), c.F1094CBox21N);
    for (int i = 1; i <= 4; ++i)
        addCheck(params, QStringLiteral("Box22_%1").arg(i), c.F1094CBox22[i]);
    for (int r = 0; r < k1094CMonthRows; ++r) {
        const bool answered = c.F1094CBoxaY[r] || c.F1094CBoxaN[r];
        addCheck(params, QStringLiteral("BoxaY%1").arg(r), c.F1094CBoxaY[r]);
        addCheck(params, QStringLiteral("BoxaN%1").arg(r), c.F1094CBoxaN[r]);
        if (answered) {
            params.emplace_back(QStringLiteral("Boxb%1").arg(r), QString::number(c.F1094CBoxb[r]));
            params.emplace_back(QStringLiteral("Boxc%1").arg(r), QString::number(c.F1094CBoxc[r]));
        }
        addCheck(params, QStringLiteral("Boxd%1").arg(r), c.F1094CBoxd[r]);
        const char16_t relief = c.F1094CBoxe[r];
        params.emplace_back(QStringLiteral("Boxe%1").arg(r), QString(QChar(relief == 0 ? u' ' : relief)));
    }
    return params;
}

FormParamList Form1094CPage3Params(const CompanyRecord& c, bool filingCopy)
{
    FormParamList params;
    addHeader(params, c, filingCopy);
    for (int n = 1; n <= k1094CMembers; ++n) {
        const QString ein = c.F1094CPIVEIN[n];
        params.emplace_back(QStringLiteral("PIVName%1").arg(n), UpperCaseAZ(c.F1094CPIVName[n]));
        if (IsValidEIN(ein))
            params.emplace_back(QStringLiteral("PIVEIN%1").arg(n), ein);
    }
    return params;
}

bool Form1094CPrintsPartIV(const CompanyRecord& company)
{
    return company.F1094CBox21Y;
}
