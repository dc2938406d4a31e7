#include "forms/Form1095CParams.h"

#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"
#include "components/DateRoutines.h"
#include "components/FilterEditRules.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "components/Validators.h"
#include "forms/EmployerAddress.h"
#include "forms/Form1095CEntries.h"

namespace {

QString box(bool checked)
{
    return checked ? QStringLiteral("X") : QString();
}

QString code(const QString& text)
{
    return IsBlank(text) ? QString() : text;
}

} // namespace

FormParamList Form1095CEmployerParams(const CompanyRecord& company)
{
    return {
        {"Box7", UpperCaseAZ(company.Name)},
        {"Box8", company.FederalID},
        {"Box9", UpperCaseAZ(EmployerStreet(company, QStringLiteral(" suite ")))},
        {"Box10", company.PhoneNumber},
        {"Box11", UpperCaseAZ(company.City)},
        {"Box12", UpperCaseAZ(EmployerStateOrProvince(company))},
        {"Box13", EmployerCountryAndPostalCode(company)},
    };
}

FormParamList Form1095CEmployeeParams(const EmployeeRecord& e, bool maskNumbers)
{
    const QString ssn = e.SocSecNum;
    FormParamList params = {
        {"Void", box(e.F1095CVoid)},
        {"Corrected", box(e.F1095CCorrect)},
        {"Box1a", UpperCaseAZ(e.FirstName)},
        {"Box1b", e.MiddleInitial},
        {"Box1c", UpperCaseAZ(e.LastName.get() + QLatin1Char(' ') + e.Suffix.get())},
        {"Box2", maskNumbers ? MaskSSN(ssn) : ssn},
        {"Box3", UpperCaseAZ(e.Address)},
        {"Box4", UpperCaseAZ(e.City)},
        {"Box5", UpperCaseAZ(e.State)},
        {"Box6", e.ZipCode},
        {"EmployeeAge", QString::number(e.EmployeeAge)},
        {"PSM", e.F1095CPSM},
    };
    for (int c = 0; c < k1095CColumns; ++c) {
        const double contribution = e.F1095CBox15[c];
        const QString zip = e.F1095CBox17[c];
        params.emplace_back(QStringLiteral("Box14_%1").arg(c), code(e.F1095CBox14[c]));
        params.emplace_back(QStringLiteral("Box15_%1").arg(c),
                            RoundToDecimals(contribution, 2) > 0 ? FormatAmount(contribution, 2) : QString());
        params.emplace_back(QStringLiteral("Box16_%1").arg(c), code(e.F1095CBox16[c]));
        params.emplace_back(QStringLiteral("Box17_%1").arg(c), IsValidZip(zip) ? zip : QString());
    }

    // Without Part III every covered-individual box is set empty, so none of an earlier form shows.
    const bool covered = e.F1095CCovInd;
    params.emplace_back(QStringLiteral("CovInd"), box(covered));
    for (int r = 1; r <= k1095CCoveredRows; ++r) {
        const QString rowSsn = e.F1095CBoxb[r];
        const QString dob = e.F1095CBoxc[r];
        QString printedSsn, printedDob;
        if (covered && IsValidSSN(rowSsn))
            printedSsn = maskNumbers ? MaskSSN(rowSsn) : rowSsn;
        if (covered && IsValidDateStr(dob))
            printedDob = maskNumbers ? MaskDOB(dob) : dob;
        params.emplace_back(QStringLiteral("BoxaFN%1").arg(r), covered ? UpperCaseAZ(e.F1095CBoxaFN[r]) : QString());
        params.emplace_back(QStringLiteral("BoxaMI%1").arg(r), covered ? e.F1095CBoxaMI[r].get() : QString());
        params.emplace_back(QStringLiteral("BoxaLN%1").arg(r), covered ? UpperCaseAZ(e.F1095CBoxaLN[r]) : QString());
        params.emplace_back(QStringLiteral("Boxb%1").arg(r), printedSsn);
        params.emplace_back(QStringLiteral("Boxc%1").arg(r), printedDob);
        params.emplace_back(QStringLiteral("Boxd%1").arg(r), box(covered && e.F1095CBoxd[r]));
        for (int m = 1; m <= 12; ++m)
            params.emplace_back(QStringLiteral("Boxe%1_%2").arg(r).arg(m), box(covered && e.F1095CBoxe[r][m]));
    }
    return params;
}
