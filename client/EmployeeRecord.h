#pragma once

#include "client/CompanyRecord.h"
#include "client/RecordFields.h"
#include "platform/RecordText.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

// An accumulating amount: column 1 the current pay period, 2 month-to-date, 3 quarter-to-date,
// 4 year-to-date. Computation writes only the current column; posting adds it into the others.
using TPeriodAmounts = RecordArray<double, 1, 4>;
constexpr int kCurrentColumn = 1;
constexpr int kMonthToDateColumn = 2;
constexpr int kQuarterToDateColumn = 3;
constexpr int kYearToDateColumn = 4;

// The most employees a client holds, this year and last: the employee file's format allows no more.
constexpr int kMaxEmployees = 250;

// One amount as posted in each stored pay period; slot n belongs to slot n of the company's
// stored pay periods.
using TPayHistory = RecordArray<double, 1, kStoredPayPeriods>;

// One record of a client's employee file (".P26"), byte for byte as stored: little-endian,
// naturally aligned, with every filler and reserved range declared so that they pass unchanged
// through a read and a write. Dates are texts "mm/dd/yyyy"; an unset date is "  /  /    " or empty.
struct EmployeeRecord {
    // Name and address.
    std::int32_t EmployeeNum;                      // up to 5 digits
    RecordText<15> FirstName;                      // stored trimmed
    RecordText<15> MiddleName;                     // middle name or initial
    RecordText<1> MiddleInitial;                   // first letter of MiddleName
    RecordText<20> LastName;                       // stored trimmed
    RecordText<4> Suffix;                          // capital letters
    RecordText<43> FullName;                       // display name, rebuilt at every save
    RecordText<22> Address;
    RecordText<22> City;                           // home city
    RecordText<2> State;                           // home state
    RecordText<10> ZipCode;                        // 5 digits or ZIP+4 with a dash
    RecordText<36> CityStateZip;                   // address line, rebuilt at every save
    RecordText<2> WorkState;                       // work state code
    std::int32_t WorkStateIndex;                   // work state 1..54: state table record and per-state array index
    RecordText<6> CityName;                        // work city name; "NONE" for no city
    std::uint8_t filler219[1];
    std::int32_t CityIndex;                        // city table record; 1 = "NONE"
    RecordText<12> PhoneNumber;                    // 999-999-9999
    std::uint8_t filler237[1];
    char16_t Gender;                               // F or M
    RecordText<11> SocSecNum;                      // 999-99-9999
    RecordText<20> Department;
    RecordText<20> Position;
    RecordText<40> EmailAddress;

    // Dates, salary and status.
    RecordText<10> DateOfBirth;
    RecordText<10> DateHired;
    RecordText<10> DatePromoted;                   // information only
    RecordText<10> DateOfRaise;                    // information only
    RecordText<10> DateReviewed;                   // information only
    RecordText<10> DateNextRev;                    // information only
    RecordText<10> DateSuspend;                    // first day of a suspension
    RecordText<10> DateSuspEnds;                   // last day of the suspension
    RecordText<10> DateResigned;                   // resigned or terminated
    std::uint8_t filler434[2];
    std::int32_t EmployeeAge;                      // age printed on Form 1095-C
    double CurrSalary;                             // salaries and raises: information only
    double InitSalary;
    double PrevSalary;
    double AmtOfRaise;
    double EstRaise;
    double ActualRaise;
    RecordBool Deceased;                           // a deceased employee cannot be paid
    RecordText<70> Comment1;
    RecordText<70> Comment2;
    std::uint8_t Frequency;                        // 1 weekly, 2 biweekly, 3 semimonthly, 4 monthly
    RecordBool Single;                             // single or married filing separately
    RecordBool Married;                            // married filing jointly
    RecordBool HOH;                                // head of household
    RecordBool Salaried;                           // regular time counts in days, not hours

    // Rates, plans and withholding.
    std::uint8_t filler636[4];
    double RegularRate;                            // per hour, or per day when Salaried
    double OverTimeRate;                           // per hour
    RecordText<20> OtherRateDesc;                  // name of the other form of pay
    std::uint8_t filler677[3];
    double OtherRate;                              // rate of the other form of pay
    double StdRegTime;                             // standard regular hours (or days) per week
    double StdOverTime;                            // standard overtime hours per week
    RecordBool DoubleOT;                           // overtime at double rate
    std::uint8_t filler705[7];
    double VactAccrued;                            // vacation hours or days accrued (information only)
    double SickAccrued;                            // sick hours or days accrued (information only)
    double Plan401kPct;                            // percent of federal wages per period
    double Plan403bPct;
    double Plan408k6Pct;
    double Plan457bPct;
    double IRASimplePct;
    std::int32_t FedWithAllow;                     // number of federal dependents, from the Form W-4
    std::uint8_t filler772[4];
    double FedAddTax;                              // additional federal withholding per period
    std::int32_t StWithAllow;                      // state allowances 0..99
    std::uint8_t filler788[4];
    double StAddTax;                               // additional state withholding per period
    double StStdDeduct;                            // additional annual state deduction
    std::int32_t CityWithAllow;                    // city allowances 0..99
    std::uint8_t filler812[4];
    double CityAddTax;                             // additional city withholding per period
    double CityStdDeduct;                          // additional annual city deduction

    // Current period: hours, group-term life, exemptions.
    double RegularTime;                            // hours (days when Salaried) of the current period
    double OverTime;
    double OtherTime;
    double HolidayTime;
    double VacationTime;
    double SickTime;
    RecordBool GTLIAutoCalc;                       // compute the group-term life cost from age and coverage
    std::uint8_t filler881[7];
    double GTLIFaceAmt;                            // face amount of the group-term life coverage
    double GTLIEmpPmt;                             // amount the employee pays for the coverage
    std::int32_t CheckNumber;                      // check number of the current period
    RecordBool FedExempt;                          // exemptions: the matching taxable base is 0
    RecordBool FICAExempt;
    RecordBool MedExempt;
    RecordBool FUTAExempt;
    RecordBool StateExempt;
    RecordBool UnempExempt;
    RecordBool DisbExempt;
    RecordBool FedWithExempt;                      // only FedAddTax is withheld
    RecordBool StWithExempt;                       // only StAddTax is withheld
    std::uint8_t filler917[3];
    std::int32_t BaseWeeks;                        // state unemployment base weeks of the quarter

    // Direct deposit.
    RecordBool DirDeposit;                         // net pay goes by direct deposit
    RecordText<17> BankAcctNum;
    RecordText<9> BankRouting;
    RecordText<15> EmployeeID;                     // identification in the direct-deposit file
    RecordText<8> AccountType;                     // "Checking" or "Savings"
    std::uint8_t filler978[6];

    // Amount groups 0..76 in this order; PayHistoryMap.h reaches them by number.
    TPeriodAmounts Wages;
    TPeriodAmounts OverTimePay;
    TPeriodAmounts HolidayPay;
    TPeriodAmounts VacationPay;
    TPeriodAmounts SickPay;
    TPeriodAmounts OtherTimePay;
    TPeriodAmounts Bonus;
    TPeriodAmounts Tips;                           // left out of GrossWages unless the company's IncludeTips is set
    TPeriodAmounts DepCareBen;
    TPeriodAmounts FringeBen;
    TPeriodAmounts GTLIAmount;                     // taxable group-term life cost (not part of GrossWages)
    TPeriodAmounts UserPay1;
    TPeriodAmounts UserPay2;
    TPeriodAmounts UserPay3;
    TPeriodAmounts UserPay4;
    TPeriodAmounts UserPay5;
    TPeriodAmounts GrossWages;
    TPeriodAmounts FICATax;
    TPeriodAmounts TPSPFICATax;                    // on third-party sick pay; subtracted from FICATax
    TPeriodAmounts FederalTax;
    TPeriodAmounts TPSPFederalTax;
    TPeriodAmounts MedicareTax;                    // including additional Medicare tax, net of the sick pay share
    TPeriodAmounts MedSurchargeWages;              // Medicare wages above the additional Medicare threshold
    TPeriodAmounts MedSurchargeTax;                // additional Medicare tax (employee only)
    TPeriodAmounts TPSPMedicareTax;                // on third-party sick pay; subtracted from MedicareTax
    TPeriodAmounts StateTax;
    TPeriodAmounts CityTax;
    TPeriodAmounts UnempTax;
    TPeriodAmounts DisbTax;
    TPeriodAmounts HealthIns;
    TPeriodAmounts PensionPlans;                   // sum of groups 57..62
    TPeriodAmounts UserDeduct1;
    TPeriodAmounts UserDeduct2;
    TPeriodAmounts UserDeduct3;
    TPeriodAmounts UserDeduct4;
    TPeriodAmounts UserDeduct5;
    TPeriodAmounts TotalDeduct;
    TPeriodAmounts NetPay;
    TPeriodAmounts FICALib;
    TPeriodAmounts MedicareLib;
    TPeriodAmounts FUTALib;
    TPeriodAmounts UnempLib;
    TPeriodAmounts DisbLib;
    TPeriodAmounts UserLib1;
    TPeriodAmounts UserLib2;
    TPeriodAmounts UserLib3;
    TPeriodAmounts UserLib4;
    TPeriodAmounts UserLib5;
    TPeriodAmounts TotalLib;
    TPeriodAmounts AllocatedTip;
    TPeriodAmounts HoursPaid;                      // regular hours paid unless Salaried
    TPeriodAmounts DaysPaid;                       // regular days paid when Salaried
    TPeriodAmounts OverTimePaid;
    TPeriodAmounts HolidayPaid;
    TPeriodAmounts VacationPaid;
    TPeriodAmounts SickTimePaid;
    TPeriodAmounts OtherTimePaid;
    TPeriodAmounts Plan401k;
    TPeriodAmounts Plan403b;
    TPeriodAmounts Plan408k6;
    TPeriodAmounts Plan457b;
    TPeriodAmounts IRASimple;
    TPeriodAmounts NonQualPlan;
    TPeriodAmounts CafePlan;                       // user deductions flagged in UserCafePlan
    TPeriodAmounts FedEarnings;
    TPeriodAmounts StateEarning;
    TPeriodAmounts CityEarnings;
    TPeriodAmounts FICAEarnings;
    TPeriodAmounts MedEarnings;
    TPeriodAmounts FUTAEarnings;
    TPeriodAmounts TPSPGross;
    TPeriodAmounts TPSPTaxable;
    TPeriodAmounts UnempEarning;
    TPeriodAmounts DisbEarnings;
    TPeriodAmounts UICompWages;
    TPeriodAmounts DICompWages;
    TPeriodAmounts QualifiedOT;

    // Setup of the 15 user fields: 1..5 user earnings, 6..10 user deductions, 11..15 user liabilities.
    RecordArray<double, 1, 15> UserAmount;         // multiplier, applied as UserAction says
    RecordArray<std::uint8_t, 1, 15> UserAction;   // 0 none, 1..7 how UserAmount applies
    RecordArray<RecordBool, 1, 10> UserTaxExemp;   // user fields 1..10 that are tax exempt
    RecordArray<RecordBool, 1, 5> UserCafePlan;    // user deduction d (field 5 + d) is a section 125/127 plan
    RecordArray<RecordBool, 1, 5> UserTaxDefr;     // user deduction d (field 5 + d) is tax deferred
    std::uint8_t filler3603[5];
    RecordArray<double, 1, 15> UserMaxAmt;         // year-to-date maximum per user field

    // Recurring amounts copied into the current column by automatic processing.
    double RDepCareBen;
    double RFringeBen;
    double RGTLIAmount;                            // not used while GTLIAutoCalc is set
    double RUserPay1;
    double RUserPay2;
    double RUserPay3;
    double RUserPay4;
    double RUserPay5;
    double RHealthIns;
    double RUserDeduct1;
    double RUserDeduct2;
    double RUserDeduct3;
    double RUserDeduct4;
    double RUserDeduct5;
    double RUserLib1;
    double RUserLib2;
    double RUserLib3;
    double RUserLib4;
    double RUserLib5;
    double RNonQualPlan;

    // Form W-2.
    RecordText<10> FW2CtrlNum;                     // box d control number
    RecordArray<RecordText<2>, 1, 12> FW2Box12Code; // box 12 codes; posting refills 1..5
    std::uint8_t filler3935[1];
    RecordArray<double, 1, 12> FW2Box12Amt;        // box 12 amounts, slot by slot with the codes
    RecordBool FW2Box13Chk1;                       // box 13 statutory employee
    RecordBool FW2Box13Chk2;                       // box 13 retirement plan
    RecordBool FW2Box13Chk3;                       // box 13 third-party sick pay
    RecordText<10> FW2Box14Desc1;                  // box 14 descriptions and amounts
    RecordText<10> FW2Box14Desc2;
    RecordText<10> FW2Box14Desc3;
    std::uint8_t filler4068[4];
    double FW2Box14Amt1;
    double FW2Box14Amt2;
    double FW2Box14Amt3;
    RecordText<3> FW2Box14bTTOC;                   // box 14b Treasury tipped occupation code
    RecordText<2> FW2Box15Text;                    // second state line: state code
    RecordText<11> FW2StateID2;                    // second state line: employer's state I.D.
    std::uint8_t filler4115[5];
    double FW2Box16Amt;                            // second state line: state wages
    double FW2Box17Amt;                            // second state line: state income tax
    double FW2Box18Amt;                            // second local line: local wages
    double FW2Box19Amt;                            // second local line: local income tax
    RecordText<6> FW2Box20Text;                    // second local line: locality name
    std::uint8_t reserved4159[1];

    // Form W-4.
    RecordBool FW4Box2c;                           // step 2(c) multiple jobs
    std::uint8_t filler4161[7];
    double FW4Box3a;                               // step 3 qualifying children (a multiple of 2200)
    double FW4Box3b;                               // step 3 other dependents (a multiple of 500)
    double FW4Box3;                                // step 3 total
    double FW4Box4a;                               // step 4(a) other income, annual
    double FW4Box4b;                               // step 4(b) deductions, annual
    std::uint8_t reserved4208[1];

    // Form 1095-C; the month arrays hold all 12 months at index 0, then January..December.
    RecordBool F1095CVoid;                         // VOID box
    RecordBool F1095CCorrect;                      // CORRECTED box
    RecordText<2> F1095CPSM;                       // plan start month
    RecordArray<RecordText<2>, 0, 12> F1095CBox14; // line 14 offer codes
    std::uint8_t filler4253[3];
    RecordArray<double, 0, 12> F1095CBox15;        // line 15 employee required contribution
    RecordArray<RecordText<2>, 0, 12> F1095CBox16; // line 16 safe-harbor codes
    RecordArray<RecordText<20>, 0, 12> F1095CBox17; // line 17 ZIP codes
    RecordBool F1095CCovInd;                       // Part III (covered individuals) is used
    // Part III, one row 1..13 per covered individual.
    RecordArray<RecordText<15>, 1, 13> F1095CBoxaFN; // first name
    RecordArray<RecordText<1>, 1, 13> F1095CBoxaMI;  // middle initial
    RecordArray<RecordText<22>, 1, 13> F1095CBoxaLN; // last name
    RecordArray<RecordText<11>, 1, 13> F1095CBoxb;   // SSN or other TIN
    RecordArray<RecordText<10>, 1, 13> F1095CBoxc;   // date of birth when no SSN is given
    RecordArray<RecordBool, 1, 13> F1095CBoxd;       // covered all 12 months
    RecordArray<RecordArray<RecordBool, 1, 12>, 1, 13> F1095CBoxe; // months of coverage, (row, month)
    std::uint8_t reserved5674[6];

    // Pay history, slot n for stored pay period n.
    RecordArray<std::int32_t, 1, kStoredPayPeriods> CheckNumHistory;
    std::uint8_t filler5940[4];
    RecordArray<TPayHistory, 0, 74> PayHistory;    // rows of the amount groups, see PayHistoryMap.h
    // Months 1..12 in which the employee counts as a New Jersey covered worker (paid for a pay
    // period including the 12th), so that a second such payment is not counted again.
    RecordArray<RecordBool, 1, 12> NJCoveredMonth;
    // Quarters 1..4 in which the employee, in any work state, was paid for a pay period including
    // the 12th of the quarter's last month (Form 941 line 1), so that a second such payment is not
    // counted again.
    RecordArray<RecordBool, 1, 4> PaidForThe12th;
    std::uint8_t reserved44960[1144];
};

// A new employee record: all zeros except CityName "NONE", CityIndex 1 and every user-field
// maximum 999999.99.
EmployeeRecord NewEmployeeRecord();

static_assert(sizeof(EmployeeRecord) == 46104);
static_assert(std::is_standard_layout_v<EmployeeRecord> && std::is_trivially_copyable_v<EmployeeRecord>);
static_assert(offsetof(EmployeeRecord, EmployeeNum) == 0);
static_assert(offsetof(EmployeeRecord, FirstName) == 4);
static_assert(offsetof(EmployeeRecord, MiddleName) == 20);
static_assert(offsetof(EmployeeRecord, MiddleInitial) == 36);
static_assert(offsetof(EmployeeRecord, LastName) == 38);
static_assert(offsetof(EmployeeRecord, Suffix) == 59);
static_assert(offsetof(EmployeeRecord, FullName) == 64);
static_assert(offsetof(EmployeeRecord, Address) == 108);
static_assert(offsetof(EmployeeRecord, City) == 131);
static_assert(offsetof(EmployeeRecord, State) == 154);
static_assert(offsetof(EmployeeRecord, ZipCode) == 157);
static_assert(offsetof(EmployeeRecord, CityStateZip) == 168);
static_assert(offsetof(EmployeeRecord, WorkState) == 205);
static_assert(offsetof(EmployeeRecord, WorkStateIndex) == 208);
static_assert(offsetof(EmployeeRecord, CityName) == 212);
static_assert(offsetof(EmployeeRecord, filler219) == 219);
static_assert(offsetof(EmployeeRecord, CityIndex) == 220);
static_assert(offsetof(EmployeeRecord, PhoneNumber) == 224);
static_assert(offsetof(EmployeeRecord, filler237) == 237);
static_assert(offsetof(EmployeeRecord, Gender) == 238);
static_assert(offsetof(EmployeeRecord, SocSecNum) == 240);
static_assert(offsetof(EmployeeRecord, Department) == 252);
static_assert(offsetof(EmployeeRecord, Position) == 273);
static_assert(offsetof(EmployeeRecord, EmailAddress) == 294);
static_assert(offsetof(EmployeeRecord, DateOfBirth) == 335);
static_assert(offsetof(EmployeeRecord, DateHired) == 346);
static_assert(offsetof(EmployeeRecord, DatePromoted) == 357);
static_assert(offsetof(EmployeeRecord, DateOfRaise) == 368);
static_assert(offsetof(EmployeeRecord, DateReviewed) == 379);
static_assert(offsetof(EmployeeRecord, DateNextRev) == 390);
static_assert(offsetof(EmployeeRecord, DateSuspend) == 401);
static_assert(offsetof(EmployeeRecord, DateSuspEnds) == 412);
static_assert(offsetof(EmployeeRecord, DateResigned) == 423);
static_assert(offsetof(EmployeeRecord, filler434) == 434);
static_assert(offsetof(EmployeeRecord, EmployeeAge) == 436);
static_assert(offsetof(EmployeeRecord, CurrSalary) == 440);
static_assert(offsetof(EmployeeRecord, InitSalary) == 448);
static_assert(offsetof(EmployeeRecord, PrevSalary) == 456);
static_assert(offsetof(EmployeeRecord, AmtOfRaise) == 464);
static_assert(offsetof(EmployeeRecord, EstRaise) == 472);
static_assert(offsetof(EmployeeRecord, ActualRaise) == 480);
static_assert(offsetof(EmployeeRecord, Deceased) == 488);
static_assert(offsetof(EmployeeRecord, Comment1) == 489);
static_assert(offsetof(EmployeeRecord, Comment2) == 560);
static_assert(offsetof(EmployeeRecord, Frequency) == 631);
static_assert(offsetof(EmployeeRecord, Single) == 632);
static_assert(offsetof(EmployeeRecord, Married) == 633);
static_assert(offsetof(EmployeeRecord, HOH) == 634);
static_assert(offsetof(EmployeeRecord, Salaried) == 635);
static_assert(offsetof(EmployeeRecord, filler636) == 636);
static_assert(offsetof(EmployeeRecord, RegularRate) == 640);
static_assert(offsetof(EmployeeRecord, OverTimeRate) == 648);
static_assert(offsetof(EmployeeRecord, OtherRateDesc) == 656);
static_assert(offsetof(EmployeeRecord, filler677) == 677);
static_assert(offsetof(EmployeeRecord, OtherRate) == 680);
static_assert(offsetof(EmployeeRecord, StdRegTime) == 688);
static_assert(offsetof(EmployeeRecord, StdOverTime) == 696);
static_assert(offsetof(EmployeeRecord, DoubleOT) == 704);
static_assert(offsetof(EmployeeRecord, filler705) == 705);
static_assert(offsetof(EmployeeRecord, VactAccrued) == 712);
static_assert(offsetof(EmployeeRecord, SickAccrued) == 720);
static_assert(offsetof(EmployeeRecord, Plan401kPct) == 728);
static_assert(offsetof(EmployeeRecord, Plan403bPct) == 736);
static_assert(offsetof(EmployeeRecord, Plan408k6Pct) == 744);
static_assert(offsetof(EmployeeRecord, Plan457bPct) == 752);
static_assert(offsetof(EmployeeRecord, IRASimplePct) == 760);
static_assert(offsetof(EmployeeRecord, FedWithAllow) == 768);
static_assert(offsetof(EmployeeRecord, filler772) == 772);
static_assert(offsetof(EmployeeRecord, FedAddTax) == 776);
static_assert(offsetof(EmployeeRecord, StWithAllow) == 784);
static_assert(offsetof(EmployeeRecord, filler788) == 788);
static_assert(offsetof(EmployeeRecord, StAddTax) == 792);
static_assert(offsetof(EmployeeRecord, StStdDeduct) == 800);
static_assert(offsetof(EmployeeRecord, CityWithAllow) == 808);
static_assert(offsetof(EmployeeRecord, filler812) == 812);
static_assert(offsetof(EmployeeRecord, CityAddTax) == 816);
static_assert(offsetof(EmployeeRecord, CityStdDeduct) == 824);
static_assert(offsetof(EmployeeRecord, RegularTime) == 832);
static_assert(offsetof(EmployeeRecord, OverTime) == 840);
static_assert(offsetof(EmployeeRecord, OtherTime) == 848);
static_assert(offsetof(EmployeeRecord, HolidayTime) == 856);
static_assert(offsetof(EmployeeRecord, VacationTime) == 864);
static_assert(offsetof(EmployeeRecord, SickTime) == 872);
static_assert(offsetof(EmployeeRecord, GTLIAutoCalc) == 880);
static_assert(offsetof(EmployeeRecord, filler881) == 881);
static_assert(offsetof(EmployeeRecord, GTLIFaceAmt) == 888);
static_assert(offsetof(EmployeeRecord, GTLIEmpPmt) == 896);
static_assert(offsetof(EmployeeRecord, CheckNumber) == 904);
static_assert(offsetof(EmployeeRecord, FedExempt) == 908);
static_assert(offsetof(EmployeeRecord, FICAExempt) == 909);
static_assert(offsetof(EmployeeRecord, MedExempt) == 910);
static_assert(offsetof(EmployeeRecord, FUTAExempt) == 911);
static_assert(offsetof(EmployeeRecord, StateExempt) == 912);
static_assert(offsetof(EmployeeRecord, UnempExempt) == 913);
static_assert(offsetof(EmployeeRecord, DisbExempt) == 914);
static_assert(offsetof(EmployeeRecord, FedWithExempt) == 915);
static_assert(offsetof(EmployeeRecord, StWithExempt) == 916);
static_assert(offsetof(EmployeeRecord, filler917) == 917);
static_assert(offsetof(EmployeeRecord, BaseWeeks) == 920);
static_assert(offsetof(EmployeeRecord, DirDeposit) == 924);
static_assert(offsetof(EmployeeRecord, BankAcctNum) == 925);
static_assert(offsetof(EmployeeRecord, BankRouting) == 943);
static_assert(offsetof(EmployeeRecord, EmployeeID) == 953);
static_assert(offsetof(EmployeeRecord, AccountType) == 969);
static_assert(offsetof(EmployeeRecord, filler978) == 978);
static_assert(offsetof(EmployeeRecord, UserAmount) == 3448);
static_assert(offsetof(EmployeeRecord, UserAction) == 3568);
static_assert(offsetof(EmployeeRecord, UserTaxExemp) == 3583);
static_assert(offsetof(EmployeeRecord, UserCafePlan) == 3593);
static_assert(offsetof(EmployeeRecord, UserTaxDefr) == 3598);
static_assert(offsetof(EmployeeRecord, filler3603) == 3603);
static_assert(offsetof(EmployeeRecord, UserMaxAmt) == 3608);
static_assert(offsetof(EmployeeRecord, RDepCareBen) == 3728);
static_assert(offsetof(EmployeeRecord, RFringeBen) == 3736);
static_assert(offsetof(EmployeeRecord, RGTLIAmount) == 3744);
static_assert(offsetof(EmployeeRecord, RUserPay1) == 3752);
static_assert(offsetof(EmployeeRecord, RUserPay2) == 3760);
static_assert(offsetof(EmployeeRecord, RUserPay3) == 3768);
static_assert(offsetof(EmployeeRecord, RUserPay4) == 3776);
static_assert(offsetof(EmployeeRecord, RUserPay5) == 3784);
static_assert(offsetof(EmployeeRecord, RHealthIns) == 3792);
static_assert(offsetof(EmployeeRecord, RUserDeduct1) == 3800);
static_assert(offsetof(EmployeeRecord, RUserDeduct2) == 3808);
static_assert(offsetof(EmployeeRecord, RUserDeduct3) == 3816);
static_assert(offsetof(EmployeeRecord, RUserDeduct4) == 3824);
static_assert(offsetof(EmployeeRecord, RUserDeduct5) == 3832);
static_assert(offsetof(EmployeeRecord, RUserLib1) == 3840);
static_assert(offsetof(EmployeeRecord, RUserLib2) == 3848);
static_assert(offsetof(EmployeeRecord, RUserLib3) == 3856);
static_assert(offsetof(EmployeeRecord, RUserLib4) == 3864);
static_assert(offsetof(EmployeeRecord, RUserLib5) == 3872);
static_assert(offsetof(EmployeeRecord, RNonQualPlan) == 3880);
static_assert(offsetof(EmployeeRecord, FW2CtrlNum) == 3888);
static_assert(offsetof(EmployeeRecord, FW2Box12Code) == 3899);
static_assert(offsetof(EmployeeRecord, filler3935) == 3935);
static_assert(offsetof(EmployeeRecord, FW2Box12Amt) == 3936);
static_assert(offsetof(EmployeeRecord, FW2Box13Chk1) == 4032);
static_assert(offsetof(EmployeeRecord, FW2Box13Chk2) == 4033);
static_assert(offsetof(EmployeeRecord, FW2Box13Chk3) == 4034);
static_assert(offsetof(EmployeeRecord, FW2Box14Desc1) == 4035);
static_assert(offsetof(EmployeeRecord, FW2Box14Desc2) == 4046);
static_assert(offsetof(EmployeeRecord, FW2Box14Desc3) == 4057);
static_assert(offsetof(EmployeeRecord, filler4068) == 4068);
static_assert(offsetof(EmployeeRecord, FW2Box14Amt1) == 4072);
static_assert(offsetof(EmployeeRecord, FW2Box14Amt2) == 4080);
static_assert(offsetof(EmployeeRecord, FW2Box14Amt3) == 4088);
static_assert(offsetof(EmployeeRecord, FW2Box14bTTOC) == 4096);
static_assert(offsetof(EmployeeRecord, FW2Box15Text) == 4100);
static_assert(offsetof(EmployeeRecord, FW2StateID2) == 4103);
static_assert(offsetof(EmployeeRecord, filler4115) == 4115);
static_assert(offsetof(EmployeeRecord, FW2Box16Amt) == 4120);
static_assert(offsetof(EmployeeRecord, FW2Box17Amt) == 4128);
static_assert(offsetof(EmployeeRecord, FW2Box18Amt) == 4136);
static_assert(offsetof(EmployeeRecord, FW2Box19Amt) == 4144);
static_assert(offsetof(EmployeeRecord, FW2Box20Text) == 4152);
static_assert(offsetof(EmployeeRecord, reserved4159) == 4159);
static_assert(offsetof(EmployeeRecord, FW4Box2c) == 4160);
static_assert(offsetof(EmployeeRecord, filler4161) == 4161);
static_assert(offsetof(EmployeeRecord, FW4Box3a) == 4168);
static_assert(offsetof(EmployeeRecord, FW4Box3b) == 4176);
static_assert(offsetof(EmployeeRecord, FW4Box3) == 4184);
static_assert(offsetof(EmployeeRecord, FW4Box4a) == 4192);
static_assert(offsetof(EmployeeRecord, FW4Box4b) == 4200);
static_assert(offsetof(EmployeeRecord, reserved4208) == 4208);
static_assert(offsetof(EmployeeRecord, F1095CVoid) == 4209);
static_assert(offsetof(EmployeeRecord, F1095CCorrect) == 4210);
static_assert(offsetof(EmployeeRecord, F1095CPSM) == 4211);
static_assert(offsetof(EmployeeRecord, F1095CBox14) == 4214);
static_assert(offsetof(EmployeeRecord, filler4253) == 4253);
static_assert(offsetof(EmployeeRecord, F1095CBox15) == 4256);
static_assert(offsetof(EmployeeRecord, F1095CBox16) == 4360);
static_assert(offsetof(EmployeeRecord, F1095CBox17) == 4399);
static_assert(offsetof(EmployeeRecord, F1095CCovInd) == 4672);
static_assert(offsetof(EmployeeRecord, F1095CBoxaFN) == 4673);
static_assert(offsetof(EmployeeRecord, F1095CBoxaMI) == 4881);
static_assert(offsetof(EmployeeRecord, F1095CBoxaLN) == 4907);
static_assert(offsetof(EmployeeRecord, F1095CBoxb) == 5206);
static_assert(offsetof(EmployeeRecord, F1095CBoxc) == 5362);
static_assert(offsetof(EmployeeRecord, F1095CBoxd) == 5505);
static_assert(offsetof(EmployeeRecord, F1095CBoxe) == 5518);
static_assert(offsetof(EmployeeRecord, reserved5674) == 5674);
static_assert(offsetof(EmployeeRecord, CheckNumHistory) == 5680);
static_assert(offsetof(EmployeeRecord, filler5940) == 5940);
static_assert(offsetof(EmployeeRecord, PayHistory) == 5944);
static_assert(offsetof(EmployeeRecord, NJCoveredMonth) == 44944);
static_assert(offsetof(EmployeeRecord, PaidForThe12th) == 44956);
static_assert(offsetof(EmployeeRecord, reserved44960) == 44960);
static_assert(offsetof(EmployeeRecord, Wages) == 984);
static_assert(offsetof(EmployeeRecord, OverTimePay) == 1016);
static_assert(offsetof(EmployeeRecord, HolidayPay) == 1048);
static_assert(offsetof(EmployeeRecord, VacationPay) == 1080);
static_assert(offsetof(EmployeeRecord, SickPay) == 1112);
static_assert(offsetof(EmployeeRecord, OtherTimePay) == 1144);
static_assert(offsetof(EmployeeRecord, Bonus) == 1176);
static_assert(offsetof(EmployeeRecord, Tips) == 1208);
static_assert(offsetof(EmployeeRecord, DepCareBen) == 1240);
static_assert(offsetof(EmployeeRecord, FringeBen) == 1272);
static_assert(offsetof(EmployeeRecord, GTLIAmount) == 1304);
static_assert(offsetof(EmployeeRecord, UserPay1) == 1336);
static_assert(offsetof(EmployeeRecord, UserPay2) == 1368);
static_assert(offsetof(EmployeeRecord, UserPay3) == 1400);
static_assert(offsetof(EmployeeRecord, UserPay4) == 1432);
static_assert(offsetof(EmployeeRecord, UserPay5) == 1464);
static_assert(offsetof(EmployeeRecord, GrossWages) == 1496);
static_assert(offsetof(EmployeeRecord, FICATax) == 1528);
static_assert(offsetof(EmployeeRecord, TPSPFICATax) == 1560);
static_assert(offsetof(EmployeeRecord, FederalTax) == 1592);
static_assert(offsetof(EmployeeRecord, TPSPFederalTax) == 1624);
static_assert(offsetof(EmployeeRecord, MedicareTax) == 1656);
static_assert(offsetof(EmployeeRecord, MedSurchargeWages) == 1688);
static_assert(offsetof(EmployeeRecord, MedSurchargeTax) == 1720);
static_assert(offsetof(EmployeeRecord, TPSPMedicareTax) == 1752);
static_assert(offsetof(EmployeeRecord, StateTax) == 1784);
static_assert(offsetof(EmployeeRecord, CityTax) == 1816);
static_assert(offsetof(EmployeeRecord, UnempTax) == 1848);
static_assert(offsetof(EmployeeRecord, DisbTax) == 1880);
static_assert(offsetof(EmployeeRecord, HealthIns) == 1912);
static_assert(offsetof(EmployeeRecord, PensionPlans) == 1944);
static_assert(offsetof(EmployeeRecord, UserDeduct1) == 1976);
static_assert(offsetof(EmployeeRecord, UserDeduct2) == 2008);
static_assert(offsetof(EmployeeRecord, UserDeduct3) == 2040);
static_assert(offsetof(EmployeeRecord, UserDeduct4) == 2072);
static_assert(offsetof(EmployeeRecord, UserDeduct5) == 2104);
static_assert(offsetof(EmployeeRecord, TotalDeduct) == 2136);
static_assert(offsetof(EmployeeRecord, NetPay) == 2168);
static_assert(offsetof(EmployeeRecord, FICALib) == 2200);
static_assert(offsetof(EmployeeRecord, MedicareLib) == 2232);
static_assert(offsetof(EmployeeRecord, FUTALib) == 2264);
static_assert(offsetof(EmployeeRecord, UnempLib) == 2296);
static_assert(offsetof(EmployeeRecord, DisbLib) == 2328);
static_assert(offsetof(EmployeeRecord, UserLib1) == 2360);
static_assert(offsetof(EmployeeRecord, UserLib2) == 2392);
static_assert(offsetof(EmployeeRecord, UserLib3) == 2424);
static_assert(offsetof(EmployeeRecord, UserLib4) == 2456);
static_assert(offsetof(EmployeeRecord, UserLib5) == 2488);
static_assert(offsetof(EmployeeRecord, TotalLib) == 2520);
static_assert(offsetof(EmployeeRecord, AllocatedTip) == 2552);
static_assert(offsetof(EmployeeRecord, HoursPaid) == 2584);
static_assert(offsetof(EmployeeRecord, DaysPaid) == 2616);
static_assert(offsetof(EmployeeRecord, OverTimePaid) == 2648);
static_assert(offsetof(EmployeeRecord, HolidayPaid) == 2680);
static_assert(offsetof(EmployeeRecord, VacationPaid) == 2712);
static_assert(offsetof(EmployeeRecord, SickTimePaid) == 2744);
static_assert(offsetof(EmployeeRecord, OtherTimePaid) == 2776);
static_assert(offsetof(EmployeeRecord, Plan401k) == 2808);
static_assert(offsetof(EmployeeRecord, Plan403b) == 2840);
static_assert(offsetof(EmployeeRecord, Plan408k6) == 2872);
static_assert(offsetof(EmployeeRecord, Plan457b) == 2904);
static_assert(offsetof(EmployeeRecord, IRASimple) == 2936);
static_assert(offsetof(EmployeeRecord, NonQualPlan) == 2968);
static_assert(offsetof(EmployeeRecord, CafePlan) == 3000);
static_assert(offsetof(EmployeeRecord, FedEarnings) == 3032);
static_assert(offsetof(EmployeeRecord, StateEarning) == 3064);
static_assert(offsetof(EmployeeRecord, CityEarnings) == 3096);
static_assert(offsetof(EmployeeRecord, FICAEarnings) == 3128);
static_assert(offsetof(EmployeeRecord, MedEarnings) == 3160);
static_assert(offsetof(EmployeeRecord, FUTAEarnings) == 3192);
static_assert(offsetof(EmployeeRecord, TPSPGross) == 3224);
static_assert(offsetof(EmployeeRecord, TPSPTaxable) == 3256);
static_assert(offsetof(EmployeeRecord, UnempEarning) == 3288);
static_assert(offsetof(EmployeeRecord, DisbEarnings) == 3320);
static_assert(offsetof(EmployeeRecord, UICompWages) == 3352);
static_assert(offsetof(EmployeeRecord, DICompWages) == 3384);
static_assert(offsetof(EmployeeRecord, QualifiedOT) == 3416);
