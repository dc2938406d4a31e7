#include "forms/Form1095CParams.h"

#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"
#include "components/DateRoutines.h"
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

FormParams Form1095CEmployerParams(const CompanyRecord& company)
{
    FormParams params;
    params.SetUpper(QStringLiteral("Box7"), company.Name);
    params.Set(QStringLiteral("Box8"), company.FederalID);
    params.SetUpper(QStringLiteral("Box9"), EmployerStreet(company, QStringLiteral(" suite ")));
    params.Set(QStringLiteral("Box10"), company.PhoneNumber);
    params.SetUpper(QStringLiteral("Box11"), company.City);
    params.SetUpper(QStringLiteral("Box12"), EmployerStateOrProvince(company));
    params.Set(QStringLiteral("Box13"), EmployerCountryAndPostalCode(company));
    return params;
}

FormParams Form1095CEmployeeParams(const EmployeeRecord& e, bool maskNumbers)
{
    FormParams params;
    const QString ssn = e.SocSecNum;
    params.Set(QStringLiteral("Void"), box(e.F1095CVoid));
    params.Set(QStringLiteral("Corrected"), box(e.F1095CCorrect));
    params.SetUpper(QStringLiteral("Box1a"), e.FirstName);
    params.Set(QStringLiteral("Box1b"), e.MiddleInitial);
    params.SetUpper(QStringLiteral("Box1c"), e.LastName.get() + QLatin1Char(' ') + e.Suffix.get());
    params.Set(QStringLiteral("Box2"), maskNumbers ? MaskSSN(ssn) : ssn);
    params.SetUpper(QStringLiteral("Box3"), e.Address);
    params.SetUpper(QStringLiteral("Box4"), e.City);
    params.SetUpper(QStringLiteral("Box5"), e.State);
    params.Set(QStringLiteral("Box6"), e.ZipCode);
    params.Set(QStringLiteral("EmployeeAge"), QString::number(e.EmployeeAge));
    params.Set(QStringLiteral("PSM"), e.F1095CPSM);
    for (int c = 0; c < k1095CColumns; ++c) {
        const double contribution = e.F1095CBox15[c];
        const QString zip = e.F1095CBox17[c];
        params.Set(QStringLiteral("Box14_%1").arg(c), code(e.F1095CBox14[c]));
        params.Set(QStringLiteral("Box15_%1").arg(c),
                   RoundToDecimals(contribution, 2) > 0 ? FormatAmount(contribution, 2) : QString());
        params.Set(QStringLiteral("Box16_%1").arg(c), code(e.F1095CBox16[c]));
        params.Set(QStringLiteral("Box17_%1").arg(c), IsValidZip(zip) ? zip : QString());
    }

    // Without Part III every covered-individual box is set empty, so none of an earlier form shows.
    const bool covered = e.F1095CCovInd;
    params.Set(QStringLiteral("CovInd"), box(covered));
    for (int r = 1; r <= k1095CCoveredRows; ++r) {
        const QString rowSsn = e.F1095CBoxb[r];
        const QString dob = e.F1095CBoxc[r];
        QString printedSsn, printedDob;
        if (covered && IsValidSSN(rowSsn))
            printedSsn = maskNumbers ? MaskSSN(rowSsn) : rowSsn;
        if (covered && IsValidDateStr(dob))
            printedDob = maskNumbers ? MaskDOB(dob) : dob;
        params.SetUpper(QStringLiteral("BoxaFN%1").arg(r), covered ? e.F1095CBoxaFN[r].get() : QString());
        params.Set(QStringLiteral("BoxaMI%1").arg(r), covered ? e.F1095CBoxaMI[r].get() : QString());
        params.SetUpper(QStringLiteral("BoxaLN%1").arg(r), covered ? e.F1095CBoxaLN[r].get() : QString());
        params.Set(QStringLiteral("Boxb%1").arg(r), printedSsn);
        params.Set(QStringLiteral("Boxc%1").arg(r), printedDob);
        params.Set(QStringLiteral("Boxd%1").arg(r), box(covered && e.F1095CBoxd[r]));
        for (int m = 1; m <= 12; ++m)
            params.Set(QStringLiteral("Boxe%1_%2").arg(r).arg(m), box(covered && e.F1095CBoxe[r][m]));
    }
    return params;
}
