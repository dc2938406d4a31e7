#pragma once

#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"
#include "client/RecordFields.h"
#include "platform/RecordText.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <type_traits>

// Last year's client files as the transfer reads them. Only the fields it reads are named; every
// other byte is declared unread. The leading part of each record is laid out exactly as this
// year's record, so it is kept as raw bytes and read through this year's layout (see
// ThisYearLayoutOf below).

constexpr qsizetype kPriorCompanyRecordSize = 13240;
constexpr qsizetype kPriorEmployeeRecordSize = 44920;

// The one record of last year's company file (".C25").
struct CompanyRecord2025 {
    std::uint8_t SharedHead[9816];                 // Name .. AccountNum, as in this year's record
    std::uint8_t unread9816[2205];
    RecordText<30> SignerName;
    RecordText<20> SignerTitle;
    RecordBool SignForm;
    std::uint8_t unread12074[446];
    RecordText<9> PayRTN;
    std::uint8_t unread12530[11];
    RecordText<17> PayAcctNum;
    std::uint8_t unread12559[3];
    RecordText<8> PayAcctType;
    std::uint8_t unread12571[639];
    RecordBool PayTaxBal;
    std::uint8_t unread13211[29];
};

static_assert(sizeof(CompanyRecord2025) == kPriorCompanyRecordSize);
static_assert(std::is_standard_layout_v<CompanyRecord2025> && std::is_trivially_copyable_v<CompanyRecord2025>);
static_assert(offsetof(CompanyRecord, AccountNum) + sizeof(CompanyRecord::AccountNum) == sizeof(CompanyRecord2025::SharedHead));
static_assert(offsetof(CompanyRecord2025, SignerName) == 12021);
static_assert(offsetof(CompanyRecord2025, SignerTitle) == 12052);
static_assert(offsetof(CompanyRecord2025, SignForm) == 12073);
static_assert(offsetof(CompanyRecord2025, PayRTN) == 12520);
static_assert(offsetof(CompanyRecord2025, PayAcctNum) == 12541);
static_assert(offsetof(CompanyRecord2025, PayAcctType) == 12562);
static_assert(offsetof(CompanyRecord2025, PayTaxBal) == 13210);

// One record of last year's employee file (".P25"). Last year had no DoubleOT, so the fields from
// VactAccrued to AccountType stand 8 bytes earlier, and two fewer amount groups (no
// TPSPFederalTax, no QualifiedOT) move everything after them further forward.
struct EmployeeRecord2025 {
    std::uint8_t SharedHead[704];                  // EmployeeNum .. StdOverTime, as this year
    std::uint8_t ShiftedBlock[272];                // VactAccrued .. AccountType, 8 bytes earlier
    RecordArray<TPeriodAmounts, 0, 74> Amounts;    // see PriorAmountGroup
    RecordArray<double, 1, 15> UserAmount;
    RecordArray<std::uint8_t, 1, 15> UserAction;
    RecordArray<RecordBool, 1, 10> UserTaxExemp;
    RecordArray<RecordBool, 1, 5> UserCafePlan;
    RecordArray<RecordBool, 1, 5> UserTaxDefr;
    std::uint8_t filler3531[5];
    RecordArray<double, 1, 15> UserMaxAmt;
    RecordArray<double, 1, 20> Recurring;          // RDepCareBen .. RNonQualPlan in this year's order
    RecordText<10> FW2CtrlNum;
    std::uint8_t unread3827[189];
    RecordBool FW4Box2c;
    std::uint8_t filler4017[7];
    double FW4Box3a;                               // qualifying children, a multiple of last year's 2000
    double FW4Box3b;
    double FW4Box3;
    double FW4Box4a;
    double FW4Box4b;
    std::uint8_t unread4064[465];
    RecordArray<RecordText<15>, 1, 13> F1095CBoxaFN;
    RecordArray<RecordText<1>, 1, 13> F1095CBoxaMI;
    RecordArray<RecordText<22>, 1, 13> F1095CBoxaLN;
    RecordArray<RecordText<11>, 1, 13> F1095CBoxb;
    RecordArray<RecordText<10>, 1, 13> F1095CBoxc;
    std::uint8_t unread5361[39559];
};

static_assert(sizeof(EmployeeRecord2025) == kPriorEmployeeRecordSize);
static_assert(std::is_standard_layout_v<EmployeeRecord2025> && std::is_trivially_copyable_v<EmployeeRecord2025>);
static_assert(offsetof(EmployeeRecord, StdOverTime) + sizeof(double) == sizeof(EmployeeRecord2025::SharedHead));
static_assert(offsetof(EmployeeRecord, filler978) + sizeof(EmployeeRecord::filler978) - offsetof(EmployeeRecord, VactAccrued)
              == sizeof(EmployeeRecord2025::ShiftedBlock));
static_assert(offsetof(EmployeeRecord2025, ShiftedBlock) == 704);
static_assert(offsetof(EmployeeRecord2025, Amounts) == 976);
static_assert(offsetof(EmployeeRecord2025, UserAmount) == 3376);
static_assert(offsetof(EmployeeRecord2025, UserAction) == 3496);
static_assert(offsetof(EmployeeRecord2025, UserTaxExemp) == 3511);
static_assert(offsetof(EmployeeRecord2025, UserCafePlan) == 3521);
static_assert(offsetof(EmployeeRecord2025, UserTaxDefr) == 3526);
static_assert(offsetof(EmployeeRecord2025, UserMaxAmt) == 3536);
static_assert(offsetof(EmployeeRecord2025, Recurring) == 3656);
static_assert(offsetof(EmployeeRecord2025, FW2CtrlNum) == 3816);
static_assert(offsetof(EmployeeRecord2025, FW4Box2c) == 4016);
static_assert(offsetof(EmployeeRecord2025, FW4Box3a) == 4024);
static_assert(offsetof(EmployeeRecord2025, FW4Box3b) == 4032);
static_assert(offsetof(EmployeeRecord2025, FW4Box3) == 4040);
static_assert(offsetof(EmployeeRecord2025, FW4Box4a) == 4048);
static_assert(offsetof(EmployeeRecord2025, FW4Box4b) == 4056);
static_assert(offsetof(EmployeeRecord2025, F1095CBoxaFN) == 4529);
static_assert(offsetof(EmployeeRecord2025, F1095CBoxaMI) == 4737);
static_assert(offsetof(EmployeeRecord2025, F1095CBoxaLN) == 4763);
static_assert(offsetof(EmployeeRecord2025, F1095CBoxb) == 5062);
static_assert(offsetof(EmployeeRecord2025, F1095CBoxc) == 5218);
static_assert(offsetof(EmployeeRecord, RNonQualPlan) - offsetof(EmployeeRecord, RDepCareBen) == 19 * sizeof(double));

// Last year's amount group of a user field 1..15: user earnings 1..5, deductions 6..10,
// liabilities 11..15.
int PriorAmountGroupOfUserField(int userField);

// A zero-filled record of this year's layout holding the parts of last year's record that share
// it, so those fields are read by their names; everything else in it is zero.
CompanyRecord ThisYearLayoutOf(const CompanyRecord2025& prior);
EmployeeRecord ThisYearLayoutOf(const EmployeeRecord2025& prior);

// The transfer's working state: the records being read, the two files of the client being
// transferred (their paths), the chosen file name (name + ".C25") and its employee file name.
extern CompanyRecord2025 PriorYearCompanyRec;
extern EmployeeRecord2025 PriorYearEmployeeRec;
extern QString PriorYearCompanyFile;
extern QString PriorYearEmployeeFile;
extern QString PriorYearClientName;
extern QString PriorYearEmployeeFileName;
// Last year's settings root, below which its keys are read from the same settings file.
extern QString PriorYearRegistryRoot;
