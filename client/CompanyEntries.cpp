#include "client/CompanyEntries.h"

#include "client/EmployeeLoop.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "components/StateTables.h"
#include "components/TextRoutines.h"
#include "components/Validators.h"
#include "platform/HourglassCursor.h"

#ifndef LEDGORA_NJ_TAX_PAYMENT_URL
#error "The build sets LEDGORA_NJ_TAX_PAYMENT_URL"
#endif

const char* const kNewJerseyTaxPaymentURL = LEDGORA_NJ_TAX_PAYMENT_URL;

int NewJerseyState()
{
    return StateCodeIndex(QStringLiteral("NJ")) + 1;
}

bool StateIDMissing(const CompanyEntries& e)
{
    return IsBlank(e.StateID)
           && (e.UnempTaxRate > 0 || e.DisbTaxRate > 0 || e.UnempMaxWage > 0 || e.DisbMaxWage > 0);
}

std::vector<CompanyProblem> CompanyProblems(const CompanyEntries& e)
{
    std::vector<CompanyProblem> problems;
    const auto check = [&problems](bool failing, CompanyField field, const char* message) {
        if (failing)
            problems.push_back({field, QString::fromLatin1(message)});
    };
    using enum CompanyField;
    check(IsBlank(e.Name), Name, "Company name is missing");
    check(IsBlank(e.Address), Address, "Address is missing");
    check(IsBlank(e.City), City, "City name is missing");
    check(e.State < 0 && !e.ForeignAdr, State, "State name is missing");
    check(!IsValidZip(e.ZipCode) && !e.ForeignAdr, ZipCode, "Zip code is invalid");
    check(!IsValidPhone(e.PhoneNumber), PhoneNumber, "Telephone number is invalid");
    check(!IsValidEIN(e.FederalID), FederalID, "Federal I.D. number is invalid");
    check(!IsBlank(e.EmailAddress) && !IsValidEmail(e.EmailAddress), EmailAddress, "E-mail address is invalid");
    check(IsBlank(e.FourCharID), FourCharID, "Four character I.D. is missing~Press F1 for help on this field");
    check(e.ForeignAdr && IsBlank(e.ForeignCountry), ForeignCountry, "Foreign Country code is missing");
    check(e.ForeignAdr && IsBlank(e.ForeignProvCo), ForeignProvCo, "Foreign county/province name is missing");
    check(e.ForeignAdr && IsBlank(e.ForeignZipCode), ForeignZipCode, "Foreign postal code is missing");
    check(e.DirDeposit && IsBlank(e.AccountID), AccountID, "Company Account I.D. is missing");
    // The account also receives refunds, so an entered routing number must be valid either way.
    check((e.PayTaxBal || !IsBlank(e.PayRTN)) && !IsValidIrsRoutingNumber(e.PayRTN), PayRTN,
          "Routing Transit Number is invalid.");
    check(e.PayTaxBal && IsBlank(e.PayAcctNum), PayAcctNum, "Account number is missing.");
    check(e.PayTaxBal && e.PayAcctType.isEmpty(), PayAcctType, "Account type is missing.");
    check(e.Designee && IsBlank(e.DesigneeName), DesigneeName, "Designee name is missing");
    check(e.Designee && !IsValidPhone(e.DesigneePhone), DesigneePhone, "Designee phone number is invalid");
    check(e.Designee && e.DesigneePIN.size() < 5, DesigneePIN, "Designee PIN is invalid");
    check(!IsBlank(e.SignerName) && IsBlank(e.SignerTitle), SignerTitle, "Signer title is missing");
    check(e.SignForm && IsBlank(e.SignerName), SignerName, "Signer name is missing.");
    check(StateIDMissing(e), StateID, "State I.D. number is missing");
    return problems;
}

void LoadCompanyEntries(CompanyEntries& e, bool whole)
{
    const CompanyRecord& c = CompanyRec;
    if (whole) {
        e.Name = c.Name;
        e.TradeName = c.TradeName;
        e.Address = c.Address;
        e.SuiteNum = c.SuiteNum;
        e.City = c.City;
        const int state = StateCodeIndex(c.State);
        e.State = state < StateCount && !c.State.get().isEmpty() ? state : -1;
        e.ZipCode = c.ZipCode;
        e.PhoneNumber = c.PhoneNumber;
        e.FaxNumber = c.FaxNumber;
        e.FederalID = c.FederalID;
        e.EmailAddress = c.EmailAddress;
        e.FourCharID = c.FourCharID;
        e.ForeignAdr = c.ForeignAdr;
        e.ForeignCountry = LeftChars(c.ForeignCountry, 2);
        e.ForeignProvCo = c.ForeignProvCo;
        e.ForeignZipCode = c.ForeignZipCode;
        e.DepositStat = c.DepositStat;
        e.DirDeposit = c.DirDeposit;
        e.AccountID = c.AccountID;
        e.IncludeTips = c.IncludeTips;
        e.PayTaxBal = c.PayTaxBal;
        e.PayRTN = c.PayRTN;
        e.PayAcctNum = c.PayAcctNum;
        const QString type = c.PayAcctType;
        e.PayAcctType = type == QLatin1String("Checking") || type == QLatin1String("Savings") ? type : QString();
        e.Designee = c.Designee;
        e.DesigneeName = c.DesigneeName;
        e.DesigneePhone = c.DesigneePhone;
        e.DesigneePIN = c.DesigneePIN;
        e.SignerName = c.SignerName;
        e.SignerTitle = c.SignerTitle;
        e.SignForm = c.SignForm;
        e.FederalURL = FederalTaxPaymentURL;
        e.StateURL = StateTaxPaymentURL;
    }
    const int k = c.CurrentState;
    e.StateID = c.StateID[k];
    e.StateID2 = c.StateID2[k];
    e.UnempTaxRate = c.UnempTaxRate[k];
    e.DisbTaxRate = c.DisbTaxRate[k];
    e.UnempMaxWage = c.UnempMaxWage[k];
    e.DisbMaxWage = c.DisbMaxWage[k];
}

void StoreCompanyEntries(const CompanyEntries& e, bool whole)
{
    CompanyRecord& c = CompanyRec;
    if (whole) {
        // Each text is cut to its field's capacity by the field itself.
        c.Name = e.Name;
        c.TradeName = e.TradeName;
        c.Address = e.Address;
        c.SuiteNum = e.SuiteNum;
        c.City = e.City;
        c.State = e.State >= 0 && e.State < StateCount ? QLatin1String(StateCodes[static_cast<std::size_t>(e.State)])
                                                       : QString();
        c.ZipCode = e.ZipCode;
        c.PhoneNumber = e.PhoneNumber;
        c.FaxNumber = e.FaxNumber;
        c.FederalID = e.FederalID;
        c.EmailAddress = e.EmailAddress;
        c.FourCharID = e.FourCharID;
        c.ForeignCountry = e.ForeignCountry;
        c.ForeignProvCo = e.ForeignProvCo;
        c.ForeignZipCode = e.ForeignZipCode;
        c.AccountID = e.AccountID;
        c.PayRTN = e.PayRTN;
        c.PayAcctNum = e.PayAcctNum;
        c.PayAcctType = e.PayAcctType;
        c.DesigneeName = e.DesigneeName;
        c.DesigneePhone = e.DesigneePhone;
        c.DesigneePIN = e.DesigneePIN;
        c.SignerName = e.SignerName;
        c.SignerTitle = e.SignerTitle;
        c.ForeignAdr = e.ForeignAdr;
        c.DepositStat = e.DepositStat;
        c.DirDeposit = e.DirDeposit;
        c.IncludeTips = e.IncludeTips;
        c.PayTaxBal = e.PayTaxBal;
        c.Designee = e.Designee;
        c.SignForm = e.SignForm;
        FederalTaxPaymentURL = e.FederalURL;
        StateTaxPaymentURL = e.StateURL;

        // A foreign address line leaves the city out of the record; the printed line starts with it.
        const QChar blank(' ');
        c.CityStateZip = c.ForeignAdr ? c.ForeignCountry.get() + blank + c.ForeignProvCo.get() + blank
                                            + c.ForeignZipCode.get()
                                      : c.City.get() + blank + c.State.get() + blank + c.ZipCode.get();
        CompanyCityStateZip = BuildCompanyCityStateZip();
    }
    const int k = c.CurrentState;
    c.StateID[k] = e.StateID;
    c.StateID2[k] = e.StateID2;
    c.UnempTaxRate[k] = e.UnempTaxRate;
    c.DisbTaxRate[k] = e.DisbTaxRate;
    c.UnempMaxWage[k] = e.UnempMaxWage;
    c.DisbMaxWage[k] = e.DisbMaxWage;
}

void RecomputeEmployeeTotals()
{
    HourglassCursor hourglass;
    ForEachEmployee([] {
        UpdateTotalColumns(1);
        DataModule().RSEmployee.PostRec();
    });
}
