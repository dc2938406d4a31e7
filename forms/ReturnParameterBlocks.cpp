#include "forms/ReturnParameterBlocks.h"

#include "components/DateRoutines.h"
#include "components/FilterEditRules.h"
#include "components/TextRoutines.h"
#include "forms/Form941Return.h"

namespace {

const QString kMark = QStringLiteral("X");

// One parameter per character: NAME1, NAME2, ...
void AddDigitParams(FormParameters& params, const QString& prefix, const QString& text, int count)
{
    for (int k = 1; k <= count; ++k)
        params.emplace_back(prefix + QString::number(k), k <= text.size() ? QString(text[k - 1]) : QString());
}

} // namespace

void AddBankDataParams(FormParameters& params, const CompanyRecord& company, bool applyToNextReturn, double balanceDue,
                       double overpayment)
{
    if (!company.PayTaxBal || applyToNextReturn || !(balanceDue > kSmallestPayment || overpayment > kSmallestPayment))
        return;
    AddDigitParams(params, QStringLiteral("RTN"), company.PayRTN, 9);
    const QString account = company.PayAcctNum;
    AddDigitParams(params, QStringLiteral("AcctNum"), account, account.size());
    const bool checking = QString(company.PayAcctType).compare(QLatin1String("Checking"), Qt::CaseInsensitive) == 0;
    params.emplace_back(checking ? QStringLiteral("Checking") : QStringLiteral("Savings"), kMark);
}

void AddDesigneeParams(FormParameters& params, const CompanyRecord& company)
{
    if (!company.Designee) {
        params.emplace_back(QStringLiteral("DesigneeNo"), kMark);
        return;
    }
    params.emplace_back(QStringLiteral("DesigneeYes"), kMark);
    params.emplace_back(QStringLiteral("DesigneeName"), UpperCaseAZ(company.DesigneeName));
    params.emplace_back(QStringLiteral("DesigneePhone"), QString(company.DesigneePhone));
    AddDigitParams(params, QStringLiteral("DesigneePin"), company.DesigneePIN, 5);
}

void AddSignerParams(FormParameters& params, const CompanyRecord& company, bool filingCopy, const QString& printDateText)
{
    if (company.SignForm && filingCopy)
        params.emplace_back(QStringLiteral("Signature"), QString(company.SignerName));
    if (filingCopy) {
        params.emplace_back(QStringLiteral("SignerName"), UpperCaseAZ(company.SignerName));
        params.emplace_back(QStringLiteral("SignerTitle"), UpperCaseAZ(company.SignerTitle));
    }
    if (IsValidDateStr(printDateText))
        params.emplace_back(QStringLiteral("Date"), printDateText);
    if (!IsBlank(company.SignerName) && filingCopy)
        params.emplace_back(QStringLiteral("PhoneNumber"), QString(company.PhoneNumber));
}

void AddPreparerParams(FormParameters& params, const PreparerRecord& preparer, bool noPrintPrepInfo, bool filingCopy,
                       const QString& printDateText, const QDate& today)
{
    if (!noPrintPrepInfo && !IsBlank(preparer.FirmName) && filingCopy) {
        if (preparer.SelfEmployed)
            params.emplace_back(QStringLiteral("PrepSelfEmp"), kMark);
        params.emplace_back(QStringLiteral("PrepName"), UpperCaseAZ(preparer.PrepName));
        params.emplace_back(QStringLiteral("PrepFirmName"), UpperCaseAZ(preparer.FirmName));
        params.emplace_back(QStringLiteral("PrepAddress"), UpperCaseAZ(preparer.Address));
        params.emplace_back(QStringLiteral("PrepCity"), UpperCaseAZ(preparer.City));
        params.emplace_back(QStringLiteral("PrepPTIN"), QString(preparer.PTIN));
        params.emplace_back(QStringLiteral("PrepEIN"), QString(preparer.EIN));
        params.emplace_back(QStringLiteral("PrepPhoneNum"), QString(preparer.Phone));
        params.emplace_back(QStringLiteral("PrepState"), QString(preparer.State));
        params.emplace_back(QStringLiteral("PrepZipCode"), QString(preparer.ZipCode));
        if (preparer.SignForm)
            params.emplace_back(QStringLiteral("PrepSignature"), UpperCaseAZ(preparer.PrepName));
    }
    if (preparer.PrintDate)
        params.emplace_back(QStringLiteral("PrepPrintDate"), DateToText(today));
    else if (IsValidDateStr(printDateText))
        params.emplace_back(QStringLiteral("PrepPrintDate"), printDateText);
}
