#include "forms/ReturnParameterBlocks.h"

#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "components/Validators.h"
#include "forms/Form941Return.h"
#include "forms/FormHeader.h"
#include "forms/FormParams.h"

namespace {

// The account type as the company setup stores it: "Checking", "Savings" or nothing.
QString AccountType(const CompanyRecord& company)
{
    const QString type = QString(company.PayAcctType).trimmed();
    for (const QString& known : {QStringLiteral("Checking"), QStringLiteral("Savings")})
        if (type.compare(known, Qt::CaseInsensitive) == 0)
            return known;
    return {};
}

} // namespace

bool RefundsByDirectDeposit(bool sendRefund, double overpayment)
{
    return sendRefund && RoundToDecimals(overpayment, 2) > 0;
}

void AddRefundAccountParams(FormParams& params, const CompanyRecord& company, bool sendRefund, double overpayment)
{
    if (!RefundsByDirectDeposit(sendRefund, overpayment))
        return;
    const QString account = company.PayAcctNum;
    params.SetDigits(QStringLiteral("RTN%1"), company.PayRTN, 9);
    params.SetDigits(QStringLiteral("AcctNum%1"), account, static_cast<int>(account.size()));
    if (const QString type = AccountType(company); !type.isEmpty())
        params.SetCheck(type, true);
}

QString RefundAccountProblem(const CompanyRecord& company, bool sendRefund, double overpayment, const RefundLines& lines)
{
    if (!RefundsByDirectDeposit(sendRefund, overpayment))
        return {};
    QString problem;
    if (!IsValidIrsRoutingNumber(company.PayRTN))
        problem = QStringLiteral("%1: the routing number is missing or not valid.").arg(lines.routing);
    else if (IsBlank(company.PayAcctNum))
        problem = QStringLiteral("%1: the account number is missing.").arg(lines.account);
    else if (AccountType(company).isEmpty())
        problem = QStringLiteral("%1: the type of account is missing.").arg(lines.accountType);
    else
        return {};
    return problem + QStringLiteral("~A refund goes by direct deposit to the company's bank account: enter its routing "
                                    "number, account number and type in the company setup.");
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
    // Without a paid preparer his Date box stays empty, as the rest of his block does.
    if (noPrintPrepInfo || IsBlank(preparer.FirmName) || !filingCopy)
        return;
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
