#include "forms/ReturnParameterBlocks.h"

#include "components/DateRoutines.h"
#include "components/TextRoutines.h"
#include "forms/Form941Return.h"
#include "forms/FormHeader.h"
#include "forms/FormParams.h"

void AddBankDataParams(FormParams& params, const CompanyRecord& company, bool applyToNextReturn, double balanceDue,
                       double overpayment)
{
    if (!company.PayTaxBal || applyToNextReturn || !(balanceDue > kSmallestPayment || overpayment > kSmallestPayment))
        return;
    const QString account = company.PayAcctNum;
    params.SetDigits(QStringLiteral("RTN%1"), company.PayRTN, 9);
    params.SetDigits(QStringLiteral("AcctNum%1"), account, static_cast<int>(account.size()));
    const bool checking = QString(company.PayAcctType).compare(QLatin1String("Checking"), Qt::CaseInsensitive) == 0;
    params.SetCheck(checking ? QStringLiteral("Checking") : QStringLiteral("Savings"), true);
}

void AddDesigneeParams(FormParams& params, const CompanyRecord& company)
{
    if (!company.Designee) {
        params.SetCheck(QStringLiteral("DesigneeNo"), true);
        return;
    }
    params.SetCheck(QStringLiteral("DesigneeYes"), true);
    params.SetUpper(QStringLiteral("DesigneeName"), company.DesigneeName);
    params.Set(QStringLiteral("DesigneePhone"), company.DesigneePhone);
    params.SetDigits(QStringLiteral("DesigneePin%1"), company.DesigneePIN, 5);
}

void AddSignerParams(FormParams& params, const CompanyRecord& company, bool filingCopy, const QString& printDateText)
{
    if (company.SignForm && filingCopy)
        params.Set(QStringLiteral("Signature"), company.SignerName);
    if (filingCopy) {
        params.SetUpper(QStringLiteral("SignerName"), company.SignerName);
        params.SetUpper(QStringLiteral("SignerTitle"), company.SignerTitle);
    }
    if (IsValidDateStr(printDateText))
        params.Set(QStringLiteral("Date"), printDateText);
    if (!IsBlank(company.SignerName) && filingCopy)
        params.Set(QStringLiteral("PhoneNumber"), company.PhoneNumber);
}

void AddPreparerParams(FormParams& params, const PreparerRecord& preparer, bool noPrintPrepInfo, bool filingCopy,
                       const QString& printDateText, const QDate& today)
{
    if (!noPrintPrepInfo && !IsBlank(preparer.FirmName) && filingCopy) {
        params.SetCheck(QStringLiteral("PrepSelfEmp"), preparer.SelfEmployed);
        params.SetUpper(QStringLiteral("PrepName"), preparer.PrepName);
        params.SetUpper(QStringLiteral("PrepFirmName"), preparer.FirmName);
        params.SetUpper(QStringLiteral("PrepAddress"), preparer.Address);
        params.SetUpper(QStringLiteral("PrepCity"), preparer.City);
        params.Set(QStringLiteral("PrepPTIN"), preparer.PTIN);
        params.Set(QStringLiteral("PrepEIN"), preparer.EIN);
        params.Set(QStringLiteral("PrepPhoneNum"), preparer.Phone);
        params.Set(QStringLiteral("PrepState"), preparer.State);
        params.Set(QStringLiteral("PrepZipCode"), preparer.ZipCode);
        if (preparer.SignForm)
            params.SetUpper(QStringLiteral("PrepSignature"), preparer.PrepName);
    }
    if (preparer.PrintDate)
        params.Set(QStringLiteral("PrepPrintDate"), DateToText(today));
    else if (IsValidDateStr(printDateText))
        params.Set(QStringLiteral("PrepPrintDate"), printDateText);
}

void AddCompanyParams(FormParams& params, const CompanyRecord& company)
{
    params.SetDigits(QStringLiteral("EIN%1"), EINDigitsOf(company.FederalID), FormHeader::kEINBoxes);
    params.SetUpper(QStringLiteral("CompName"), company.Name);
    params.SetUpper(QStringLiteral("TradeName"), company.TradeName);
    params.SetUpper(QStringLiteral("Address"), company.Address);
    params.SetUpper(QStringLiteral("City"), company.City);
    params.Set(QStringLiteral("SuiteNum"), company.SuiteNum);
    if (company.ForeignAdr) {
        params.SetUpper(QStringLiteral("ForeignCountry"), company.ForeignCountry);
        params.SetUpper(QStringLiteral("ForeignProvCo"), company.ForeignProvCo);
        params.SetUpper(QStringLiteral("ForeignZipCode"), company.ForeignZipCode);
    } else {
        params.SetUpper(QStringLiteral("State"), company.State);
        params.Set(QStringLiteral("ZipCode"), company.ZipCode);
    }
}
