#pragma once

#include <QString>

#include <vector>

// What the company screen shows of the company record, as plain values: the screen's binders copy
// its controls to and from here, and everything the screen decides about the values (what is
// missing, what is refused, where the values go in the record) is decided here without windows.
struct CompanyEntries {
    QString Name, TradeName, Address, SuiteNum, City;
    int State = -1;                 // position in StateCodes; -1 none
    QString ZipCode, PhoneNumber, FaxNumber, FederalID, EmailAddress, FourCharID;
    bool ForeignAdr = false;
    QString ForeignCountry, ForeignProvCo, ForeignZipCode;
    bool DepositStat = false;
    bool DirDeposit = false;
    QString AccountID;
    bool IncludeTips = false;
    bool PayTaxBal = false;
    QString PayRTN, PayAcctNum;
    QString PayAcctType;            // "Checking", "Savings" or empty
    bool Designee = false;
    QString DesigneeName, DesigneePhone, DesigneePIN;
    QString SignerName, SignerTitle;
    bool SignForm = false;
    QString FederalURL, StateURL;   // the two tax payment addresses

    // The block of the state on screen.
    QString StateID, StateID2;
    double UnempTaxRate = 0;
    double DisbTaxRate = 0;
    double UnempMaxWage = 0;
    double DisbMaxWage = 0;
};

// The fields the screen colours and refuses, in the order it checks them.
enum class CompanyField {
    Name, Address, City, State, ZipCode, PhoneNumber, FederalID, EmailAddress, FourCharID,
    ForeignCountry, ForeignProvCo, ForeignZipCode, AccountID, PayRTN, PayAcctNum, PayAcctType,
    DesigneeName, DesigneePhone, DesigneePIN, SignerTitle, SignerName, StateID,
};

struct CompanyProblem {
    CompanyField field;
    QString message;
};

// Every missing or invalid entry, in the order the close checks them; the first one refuses the
// close with its message.
std::vector<CompanyProblem> CompanyProblems(const CompanyEntries& entries);

// A rate or wage base above 0 for the state on screen needs its state I.D. number.
bool StateIDMissing(const CompanyEntries& entries);

// The company record and the two tax payment addresses as entries; with whole false only the
// block of the state CompanyRec.CurrentState is filled.
void LoadCompanyEntries(CompanyEntries& entries, bool whole);
// Stores the entries into the company record (texts cut to their fields) and the two addresses,
// and rebuilds the company's last address line; with whole false only the block of the state
// CompanyRec.CurrentState. Posts nothing.
void StoreCompanyEntries(const CompanyEntries& entries, bool whole);

// The page where New Jersey employers file their business taxes online.
extern const char* const kNewJerseyTaxPaymentURL;
// The position of New Jersey in the state list, plus 1.
int NewJerseyState();

// Recomputes the gross and net pay of every employee in all four columns, so that a change of the
// tips option reaches the stored totals, and posts each employee. The current employee stays current.
void RecomputeEmployeeTotals();
