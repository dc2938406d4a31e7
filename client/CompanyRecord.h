#pragma once

#include "client/RecordFields.h"
#include "platform/RecordText.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

// The company keeps the dates of up to this many posted pay periods; every employee keeps a pay
// history slot for each of them.
constexpr int kStoredPayPeriods = 65;

// The one record of a client's company file (".C26"), byte for byte as stored: little-endian,
// naturally aligned, with every filler and reserved range declared so that they pass unchanged
// through a read and a write. Dates are texts "mm/dd/yyyy"; an unset date is "  /  /    " or empty.
struct CompanyRecord {
    // Identity and address.
    RecordText<45> Name;                           // employer name
    RecordText<45> TradeName;                      // trade name
    RecordText<22> Address;                        // street address
    RecordText<6> SuiteNum;                        // suite or room number (printed after " STE ")
    RecordText<22> City;                           // city
    RecordText<2> State;                           // 2-letter state code of the address
    RecordText<10> ZipCode;                        // ZIP or ZIP+4
    RecordBool ForeignAdr;                         // foreign address: the Foreign fields replace State and ZipCode
    RecordText<2> ForeignCountry;                  // foreign country code
    RecordText<23> ForeignProvCo;                  // foreign province/county name
    RecordText<15> ForeignZipCode;                 // foreign postal code
    RecordText<50> CityStateZip;                   // last address line, rebuilt from the address at every save
    RecordText<12> PhoneNumber;                    // telephone number
    RecordText<12> FaxNumber;                      // fax number
    RecordText<40> EmailAddress;                   // e-mail address
    RecordText<10> FederalID;                      // EIN "99-9999999"
    RecordText<4> FourCharID;                      // the company's 4-character ID (capital letters and "&")
    RecordText<3> AccountID;                       // direct-deposit account I.D., first field of each deposit line

    // Pay-run options.
    std::uint8_t ProcessFrequency;                 // frequency of the pay run: 0 all, 1 weekly .. 4 monthly
    RecordBool DepositStat;                        // semiweekly schedule depositor of federal payroll taxes

    // Employer identifiers and rates, entry k for state k of the fixed state list.
    RecordArray<RecordText<16>, 1, 54> StateID;    // withholding I.D. number per state
    RecordArray<RecordText<16>, 1, 54> StateID2;   // unemployment I.D. number per state
    std::uint8_t filler2179[5];
    RecordArray<double, 1, 54> UnempTaxRate;       // percent, per state
    RecordArray<double, 1, 54> UnempMaxWage;       // taxable wage base per state
    RecordArray<double, 1, 54> DisbTaxRate;        // percent, per state
    RecordArray<double, 1, 54> DisbMaxWage;        // taxable wage base per state

    // Company options.
    std::int32_t CurrentState;                     // state 1..54 whose per-state entries are current
    RecordBool DirDeposit;                         // posting writes the direct-deposit file
    RecordBool IncludeTips;                        // tips count in gross wages

    // Names of the 15 user-defined pay fields: user fields 1..5 earnings, 6..10 deductions,
    // 11..15 liabilities; a blank name means the field is not in use.
    RecordArray<RecordText<20>, 1, 5> UserEarnings;
    RecordArray<RecordText<20>, 1, 5> UserDeduct;
    RecordArray<RecordText<20>, 1, 5> UserLib;

    RecordText<15> FilePassword;                   // stored scrambled; empty means no password

    // Third-party designee of Forms 940, 941 and 944.
    RecordBool Designee;                           // a designee may discuss the returns with the IRS
    RecordText<20> DesigneeName;                   // designee's name
    RecordText<12> DesigneePhone;                  // designee's telephone number
    RecordText<5> DesigneePIN;                     // designee's personal identification number (5 digits)

    // Form 1094-C.
    RecordBool F1094CCorrect;                      // CORRECTED box
    RecordText<45> F1094CBox9;
    RecordText<10> F1094CBox10;
    RecordText<25> F1094CBox11;
    RecordText<20> F1094CBox12;
    RecordText<2> F1094CBox13;
    RecordText<10> F1094CBox14;
    RecordText<30> F1094CBox15;
    RecordText<12> F1094CBox16;
    RecordBool F1094CBox17;
    std::uint8_t filler4454[2];
    std::int32_t F1094CBox18;                      // number of Forms 1095-C
    RecordBool F1094CBox19;                        // authoritative transmittal
    std::uint8_t filler4461[3];
    std::int32_t F1094CBox20;                      // Forms 1095-C filed for the ALE member
    RecordBool F1094CBox21Y;                       // member of an aggregated ALE group: Yes
    RecordBool F1094CBox21N;                       // member of an aggregated ALE group: No
    RecordArray<RecordBool, 1, 4> F1094CBox22;     // certification boxes A..D
    // Part III columns (a)..(e): index 0 covers all 12 months, 1..12 January..December.
    RecordArray<RecordBool, 0, 12> F1094CBoxaY;    // Part III (a) coverage offered: Yes
    RecordArray<RecordBool, 0, 12> F1094CBoxaN;    // Part III (a): No
    RecordArray<std::int32_t, 0, 12> F1094CBoxb;   // Part III (b): full-time employee count
    RecordArray<std::int32_t, 0, 12> F1094CBoxc;   // Part III (c): total employee count
    RecordArray<RecordBool, 0, 12> F1094CBoxd;     // Part III (d): aggregated group indicator
    std::uint8_t filler4617[1];
    RecordArray<char16_t, 0, 12> F1094CBoxe;       // Part III (e): section 4980H relief, one character
    // Part IV: the other ALE members and their EINs.
    RecordArray<RecordText<40>, 1, 30> F1094CPIVName;
    RecordArray<RecordText<10>, 1, 30> F1094CPIVEIN;

    // Form 940 and Schedule A.
    RecordArray<RecordBool, 1, 4> F940Type;        // type of return a..d; 4 = final
    RecordText<2> F940StateCode;                   // line 1a
    RecordBool F940SchAChk1;                       // line 1b multi-state employer
    RecordBool F940SchAChk2;                       // line 2 wages in a credit reduction state
    std::uint8_t filler6213[3];
    RecordArray<double, 1, 40> F940Amount;         // lines 3..17 in entries 1..18; 14..17 FUTA per quarter
    RecordArray<RecordBool, 1, 5> F940Exempt;      // lines 4a..4e
    RecordBool F940NoWages;                        // "Check to calculate line 9"
    RecordBool F940OverPay1;                       // overpayment: apply to next return
    RecordBool F940OverPay2;                       // overpayment: send a refund
    RecordArray<RecordBool, 1, 53> F940States;     // Schedule A: states where unemployment tax was paid
    std::uint8_t filler6597[3];
    RecordArray<double, 1, 53> F940CRWages;        // Schedule A: FUTA taxable wages per state
    RecordArray<double, 1, 53> F940CRRate;         // Schedule A: credit reduction rate per state
    RecordArray<double, 1, 53> F940CRAmount;       // Schedule A: credit reduction per state
    double F940TCRAmount;                          // Schedule A: total credit reduction

    // Quarter being posted.
    std::int32_t CurrentQuarter;                   // 1..4 of the payrolls posted since Close Quarter, else 0
    RecordText<10> QuarterEndDate;                 // last day of CurrentQuarter, empty while it is 0
    std::uint8_t filler7895[1];

    // Form 941.
    std::int32_t F941NumEmps;                      // line 1
    std::uint8_t filler7900[4];
    RecordArray<double, 1, 40> F941Amount;         // entries 1..22 used; 21 balance due, 22 overpayment
    RecordArray<RecordBool, 1, 8> F941ChkMark;     // check marks 1..8 of the form
    std::uint8_t reserved8232[3];
    RecordText<10> F941EndDate;                    // line 17: date final wages were paid
    std::uint8_t filler8246[2];

    // Form 944.
    double F944Amount13;
    double F944Amount15;
    double F944Amount17;
    std::uint8_t reserved8272[168];
    RecordBool F944ChkMark2;                       // overpayment applied
    RecordBool F944ChkMark3;                       // overpayment refunded
    RecordBool F944ChkMark6;                       // business closed
    RecordText<10> F944EndDate;                    // date final wages were paid
    std::uint8_t filler8454[2];

    // Schedule B: federal tax liability accumulated at posting, by month of the quarter (1..3) and
    // day of the month (1..31); day 32 holds the month total.
    RecordArray<RecordArray<double, 1, 32>, 1, 3> TaxLibMonth;
    double TaxLibQtr;                              // total of the quarter

    // Form W-3.
    RecordText<10> FW3CtrlNum;                     // box a control number
    RecordArray<RecordBool, 1, 13> FW3ChkMark;     // 1..7 kind of payer, 8..12 kind of employer, 13 sick pay
    RecordText<4> FW3EstNumber;                    // establishment number
    RecordText<10> FW3OtherID;                     // other EIN used this year
    RecordArray<double, 1, 12> FW3Amount;          // totals of boxes 1..8 and 10..12 (entry 9 not used)
    RecordText<30> FW3Box13;                       // for third-party sick pay use only
    std::uint8_t filler9399[1];
    double FW3Box14;                               // income tax withheld by the third-party payer
    double FW3Box16;                               // state wages
    double FW3Box17;                               // state income tax
    double FW3Box18;                               // local wages
    double FW3Box19;                               // local income tax
    RecordText<27> FW3Contact;                     // contact person of Forms W-3 and 1094-C

    // Pay run being processed.
    RecordText<10> PayDateFrom;
    RecordText<10> PayDateTo;
    RecordText<10> PayDate;                        // a valid date means a pay period is open
    std::uint8_t filler9501[3];
    std::int32_t StartChkNum;                      // first check number of the next run; 0 = checks not numbered
    std::int32_t LastChkNum;                       // last check number given out in the current run
    RecordBool PayrollPosted;                      // false while processed pay awaits posting
    std::uint8_t filler9513[7];

    // Pre-printed check positions, inches from the top and left edges of the check.
    double vpFullName;                             // payee line (required)
    double hpFullName;
    double vpAddress1;                             // employee's name (optional)
    double hpAddress1;
    double vpAddress2;                             // employee's full address (optional)
    double hpAddress2;
    double vpCheckDate;                            // check date (required)
    double hpCheckDate;
    double vpAmount;                               // amount in figures (required)
    double hpAmount;
    double vpAmountText;                           // amount in words (required)
    double hpAmountText;
    RecordBool PrintStub;                          // print the check stub
    std::uint8_t filler9617[7];
    double vpCheckStub;                            // stub (required when PrintStub)
    double hpCheckStub;

    // Check generator and bank.
    RecordBool GenerateChk;                        // checks generated on blank stock with bank and MICR lines
    std::uint8_t CheckPos;                         // check on the page: 0 top, 1 middle, 2 bottom
    RecordText<40> BankName;
    RecordText<40> BankAddress1;
    RecordText<40> BankAddress2;
    RecordText<15> BankFraction;                   // fractional routing number
    std::uint8_t filler9781[3];
    std::int32_t ChkNumPos;                        // check number in the MICR line: 1 before routing, 2 after account
    RecordText<9> BankRtn;                         // routing transit number (MICR line)
    RecordText<17> AccountNum;                     // account number (MICR line)

    // Electronic tax payment.
    RecordBool PayTaxBal;                          // balances due of Forms 940, 941, 944 paid electronically
    RecordText<9> PayRTN;
    RecordText<17> PayAcctNum;
    RecordText<8> PayAcctType;                     // "Checking" or "Savings"
    std::uint8_t filler9854[2];

    // Posting accumulators, cleared by Close Quarter.
    std::int32_t LastPostedMonth;                  // month 1..12 of the last posted pay date, 0 before the first
    std::uint8_t filler9860[4];
    RecordArray<double, 1, 3> MonthlyStateTax;     // state tax withheld per month of the quarter
    RecordArray<std::int32_t, 1, 3> EmpPaidCount;  // per month, most employees with gross pay in one payroll
    RecordArray<std::int32_t, 1, 3> NJEmpPaidCount; // the same for employees working in NJ

    // Stored pay periods in posting order: slot n of each array describes the same period and is
    // slot n of every employee's pay history.
    std::int32_t PriorPeriodCount;                 // slots in use, 0..65
    RecordArray<RecordText<10>, 1, kStoredPayPeriods> PriorPayDateFrom;
    RecordArray<RecordText<10>, 1, kStoredPayPeriods> PriorPayDateTo;
    RecordArray<RecordText<10>, 1, kStoredPayPeriods> PriorPayDate;

    // Signer of the tax forms.
    RecordText<30> SignerName;
    RecordText<20> SignerTitle;
    RecordBool SignForm;                           // print the signer's name in the signature area
    std::uint8_t filler12114[6];

    // Month totals of the year 1..12, added at each posting by the month of its pay date and never
    // cleared within the year: the returns read them, as the pay history keeps only 65 pay dates.
    RecordArray<double, 1, 12> TaxLiabilityMonth;  // federal deposit liability: income tax, Social Security, Medicare
    RecordArray<double, 1, 12> NJIncomeTaxMonth;   // New Jersey income tax withheld from New Jersey workers
    // New Jersey workers paid for a pay period that includes the 12th of the month, each counted once.
    RecordArray<std::int32_t, 1, 12> NJCoveredWorkers;
    // Employees of any work state paid for a pay period that includes the 12th of the quarter's last
    // month, by quarter 1..4, each counted once.
    RecordArray<std::int32_t, 1, 4> EmployeesPaidForThe12th;
    std::uint8_t reserved12376[904];
};

// A new company record: all zeros except PayrollPosted set and CurrentState 1.
CompanyRecord NewCompanyRecord();

static_assert(sizeof(CompanyRecord) == 13280);
static_assert(std::is_standard_layout_v<CompanyRecord> && std::is_trivially_copyable_v<CompanyRecord>);
static_assert(offsetof(CompanyRecord, Name) == 0);
static_assert(offsetof(CompanyRecord, TradeName) == 46);
static_assert(offsetof(CompanyRecord, Address) == 92);
static_assert(offsetof(CompanyRecord, SuiteNum) == 115);
static_assert(offsetof(CompanyRecord, City) == 122);
static_assert(offsetof(CompanyRecord, State) == 145);
static_assert(offsetof(CompanyRecord, ZipCode) == 148);
static_assert(offsetof(CompanyRecord, ForeignAdr) == 159);
static_assert(offsetof(CompanyRecord, ForeignCountry) == 160);
static_assert(offsetof(CompanyRecord, ForeignProvCo) == 163);
static_assert(offsetof(CompanyRecord, ForeignZipCode) == 187);
static_assert(offsetof(CompanyRecord, CityStateZip) == 203);
static_assert(offsetof(CompanyRecord, PhoneNumber) == 254);
static_assert(offsetof(CompanyRecord, FaxNumber) == 267);
static_assert(offsetof(CompanyRecord, EmailAddress) == 280);
static_assert(offsetof(CompanyRecord, FederalID) == 321);
static_assert(offsetof(CompanyRecord, FourCharID) == 332);
static_assert(offsetof(CompanyRecord, AccountID) == 337);
static_assert(offsetof(CompanyRecord, ProcessFrequency) == 341);
static_assert(offsetof(CompanyRecord, DepositStat) == 342);
static_assert(offsetof(CompanyRecord, StateID) == 343);
static_assert(offsetof(CompanyRecord, StateID2) == 1261);
static_assert(offsetof(CompanyRecord, filler2179) == 2179);
static_assert(offsetof(CompanyRecord, UnempTaxRate) == 2184);
static_assert(offsetof(CompanyRecord, UnempMaxWage) == 2616);
static_assert(offsetof(CompanyRecord, DisbTaxRate) == 3048);
static_assert(offsetof(CompanyRecord, DisbMaxWage) == 3480);
static_assert(offsetof(CompanyRecord, CurrentState) == 3912);
static_assert(offsetof(CompanyRecord, DirDeposit) == 3916);
static_assert(offsetof(CompanyRecord, IncludeTips) == 3917);
static_assert(offsetof(CompanyRecord, UserEarnings) == 3918);
static_assert(offsetof(CompanyRecord, UserDeduct) == 4023);
static_assert(offsetof(CompanyRecord, UserLib) == 4128);
static_assert(offsetof(CompanyRecord, FilePassword) == 4233);
static_assert(offsetof(CompanyRecord, Designee) == 4249);
static_assert(offsetof(CompanyRecord, DesigneeName) == 4250);
static_assert(offsetof(CompanyRecord, DesigneePhone) == 4271);
static_assert(offsetof(CompanyRecord, DesigneePIN) == 4284);
static_assert(offsetof(CompanyRecord, F1094CCorrect) == 4290);
static_assert(offsetof(CompanyRecord, F1094CBox9) == 4291);
static_assert(offsetof(CompanyRecord, F1094CBox10) == 4337);
static_assert(offsetof(CompanyRecord, F1094CBox11) == 4348);
static_assert(offsetof(CompanyRecord, F1094CBox12) == 4374);
static_assert(offsetof(CompanyRecord, F1094CBox13) == 4395);
static_assert(offsetof(CompanyRecord, F1094CBox14) == 4398);
static_assert(offsetof(CompanyRecord, F1094CBox15) == 4409);
static_assert(offsetof(CompanyRecord, F1094CBox16) == 4440);
static_assert(offsetof(CompanyRecord, F1094CBox17) == 4453);
static_assert(offsetof(CompanyRecord, filler4454) == 4454);
static_assert(offsetof(CompanyRecord, F1094CBox18) == 4456);
static_assert(offsetof(CompanyRecord, F1094CBox19) == 4460);
static_assert(offsetof(CompanyRecord, filler4461) == 4461);
static_assert(offsetof(CompanyRecord, F1094CBox20) == 4464);
static_assert(offsetof(CompanyRecord, F1094CBox21Y) == 4468);
static_assert(offsetof(CompanyRecord, F1094CBox21N) == 4469);
static_assert(offsetof(CompanyRecord, F1094CBox22) == 4470);
static_assert(offsetof(CompanyRecord, F1094CBoxaY) == 4474);
static_assert(offsetof(CompanyRecord, F1094CBoxaN) == 4487);
static_assert(offsetof(CompanyRecord, F1094CBoxb) == 4500);
static_assert(offsetof(CompanyRecord, F1094CBoxc) == 4552);
static_assert(offsetof(CompanyRecord, F1094CBoxd) == 4604);
static_assert(offsetof(CompanyRecord, filler4617) == 4617);
static_assert(offsetof(CompanyRecord, F1094CBoxe) == 4618);
static_assert(offsetof(CompanyRecord, F1094CPIVName) == 4644);
static_assert(offsetof(CompanyRecord, F1094CPIVEIN) == 5874);
static_assert(offsetof(CompanyRecord, F940Type) == 6204);
static_assert(offsetof(CompanyRecord, F940StateCode) == 6208);
static_assert(offsetof(CompanyRecord, F940SchAChk1) == 6211);
static_assert(offsetof(CompanyRecord, F940SchAChk2) == 6212);
static_assert(offsetof(CompanyRecord, filler6213) == 6213);
static_assert(offsetof(CompanyRecord, F940Amount) == 6216);
static_assert(offsetof(CompanyRecord, F940Exempt) == 6536);
static_assert(offsetof(CompanyRecord, F940NoWages) == 6541);
static_assert(offsetof(CompanyRecord, F940OverPay1) == 6542);
static_assert(offsetof(CompanyRecord, F940OverPay2) == 6543);
static_assert(offsetof(CompanyRecord, F940States) == 6544);
static_assert(offsetof(CompanyRecord, filler6597) == 6597);
static_assert(offsetof(CompanyRecord, F940CRWages) == 6600);
static_assert(offsetof(CompanyRecord, F940CRRate) == 7024);
static_assert(offsetof(CompanyRecord, F940CRAmount) == 7448);
static_assert(offsetof(CompanyRecord, F940TCRAmount) == 7872);
static_assert(offsetof(CompanyRecord, CurrentQuarter) == 7880);
static_assert(offsetof(CompanyRecord, QuarterEndDate) == 7884);
static_assert(offsetof(CompanyRecord, filler7895) == 7895);
static_assert(offsetof(CompanyRecord, F941NumEmps) == 7896);
static_assert(offsetof(CompanyRecord, filler7900) == 7900);
static_assert(offsetof(CompanyRecord, F941Amount) == 7904);
static_assert(offsetof(CompanyRecord, F941ChkMark) == 8224);
static_assert(offsetof(CompanyRecord, reserved8232) == 8232);
static_assert(offsetof(CompanyRecord, F941EndDate) == 8235);
static_assert(offsetof(CompanyRecord, filler8246) == 8246);
static_assert(offsetof(CompanyRecord, F944Amount13) == 8248);
static_assert(offsetof(CompanyRecord, F944Amount15) == 8256);
static_assert(offsetof(CompanyRecord, F944Amount17) == 8264);
static_assert(offsetof(CompanyRecord, reserved8272) == 8272);
static_assert(offsetof(CompanyRecord, F944ChkMark2) == 8440);
static_assert(offsetof(CompanyRecord, F944ChkMark3) == 8441);
static_assert(offsetof(CompanyRecord, F944ChkMark6) == 8442);
static_assert(offsetof(CompanyRecord, F944EndDate) == 8443);
static_assert(offsetof(CompanyRecord, filler8454) == 8454);
static_assert(offsetof(CompanyRecord, TaxLibMonth) == 8456);
static_assert(offsetof(CompanyRecord, TaxLibQtr) == 9224);
static_assert(offsetof(CompanyRecord, FW3CtrlNum) == 9232);
static_assert(offsetof(CompanyRecord, FW3ChkMark) == 9243);
static_assert(offsetof(CompanyRecord, FW3EstNumber) == 9256);
static_assert(offsetof(CompanyRecord, FW3OtherID) == 9261);
static_assert(offsetof(CompanyRecord, FW3Amount) == 9272);
static_assert(offsetof(CompanyRecord, FW3Box13) == 9368);
static_assert(offsetof(CompanyRecord, filler9399) == 9399);
static_assert(offsetof(CompanyRecord, FW3Box14) == 9400);
static_assert(offsetof(CompanyRecord, FW3Box16) == 9408);
static_assert(offsetof(CompanyRecord, FW3Box17) == 9416);
static_assert(offsetof(CompanyRecord, FW3Box18) == 9424);
static_assert(offsetof(CompanyRecord, FW3Box19) == 9432);
static_assert(offsetof(CompanyRecord, FW3Contact) == 9440);
static_assert(offsetof(CompanyRecord, PayDateFrom) == 9468);
static_assert(offsetof(CompanyRecord, PayDateTo) == 9479);
static_assert(offsetof(CompanyRecord, PayDate) == 9490);
static_assert(offsetof(CompanyRecord, filler9501) == 9501);
static_assert(offsetof(CompanyRecord, StartChkNum) == 9504);
static_assert(offsetof(CompanyRecord, LastChkNum) == 9508);
static_assert(offsetof(CompanyRecord, PayrollPosted) == 9512);
static_assert(offsetof(CompanyRecord, filler9513) == 9513);
static_assert(offsetof(CompanyRecord, vpFullName) == 9520);
static_assert(offsetof(CompanyRecord, hpFullName) == 9528);
static_assert(offsetof(CompanyRecord, vpAddress1) == 9536);
static_assert(offsetof(CompanyRecord, hpAddress1) == 9544);
static_assert(offsetof(CompanyRecord, vpAddress2) == 9552);
static_assert(offsetof(CompanyRecord, hpAddress2) == 9560);
static_assert(offsetof(CompanyRecord, vpCheckDate) == 9568);
static_assert(offsetof(CompanyRecord, hpCheckDate) == 9576);
static_assert(offsetof(CompanyRecord, vpAmount) == 9584);
static_assert(offsetof(CompanyRecord, hpAmount) == 9592);
static_assert(offsetof(CompanyRecord, vpAmountText) == 9600);
static_assert(offsetof(CompanyRecord, hpAmountText) == 9608);
static_assert(offsetof(CompanyRecord, PrintStub) == 9616);
static_assert(offsetof(CompanyRecord, filler9617) == 9617);
static_assert(offsetof(CompanyRecord, vpCheckStub) == 9624);
static_assert(offsetof(CompanyRecord, hpCheckStub) == 9632);
static_assert(offsetof(CompanyRecord, GenerateChk) == 9640);
static_assert(offsetof(CompanyRecord, CheckPos) == 9641);
static_assert(offsetof(CompanyRecord, BankName) == 9642);
static_assert(offsetof(CompanyRecord, BankAddress1) == 9683);
static_assert(offsetof(CompanyRecord, BankAddress2) == 9724);
static_assert(offsetof(CompanyRecord, BankFraction) == 9765);
static_assert(offsetof(CompanyRecord, filler9781) == 9781);
static_assert(offsetof(CompanyRecord, ChkNumPos) == 9784);
static_assert(offsetof(CompanyRecord, BankRtn) == 9788);
static_assert(offsetof(CompanyRecord, AccountNum) == 9798);
static_assert(offsetof(CompanyRecord, PayTaxBal) == 9816);
static_assert(offsetof(CompanyRecord, PayRTN) == 9817);
static_assert(offsetof(CompanyRecord, PayAcctNum) == 9827);
static_assert(offsetof(CompanyRecord, PayAcctType) == 9845);
static_assert(offsetof(CompanyRecord, filler9854) == 9854);
static_assert(offsetof(CompanyRecord, LastPostedMonth) == 9856);
static_assert(offsetof(CompanyRecord, filler9860) == 9860);
static_assert(offsetof(CompanyRecord, MonthlyStateTax) == 9864);
static_assert(offsetof(CompanyRecord, EmpPaidCount) == 9888);
static_assert(offsetof(CompanyRecord, NJEmpPaidCount) == 9900);
static_assert(offsetof(CompanyRecord, PriorPeriodCount) == 9912);
static_assert(offsetof(CompanyRecord, PriorPayDateFrom) == 9916);
static_assert(offsetof(CompanyRecord, PriorPayDateTo) == 10631);
static_assert(offsetof(CompanyRecord, PriorPayDate) == 11346);
static_assert(offsetof(CompanyRecord, SignerName) == 12061);
static_assert(offsetof(CompanyRecord, SignerTitle) == 12092);
static_assert(offsetof(CompanyRecord, SignForm) == 12113);
static_assert(offsetof(CompanyRecord, filler12114) == 12114);
static_assert(offsetof(CompanyRecord, TaxLiabilityMonth) == 12120);
static_assert(offsetof(CompanyRecord, NJIncomeTaxMonth) == 12216);
static_assert(offsetof(CompanyRecord, NJCoveredWorkers) == 12312);
static_assert(offsetof(CompanyRecord, EmployeesPaidForThe12th) == 12360);
static_assert(offsetof(CompanyRecord, reserved12376) == 12376);
