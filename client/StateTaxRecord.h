#pragma once

#include "client/RecordFields.h"
#include "platform/RecordText.h"

#include <cstddef>
#include <cstdint>

// Rows of each state withholding table.
constexpr int kStateTableRows = 12;

// One record of the state table file "LEDGORA.ST", byte for byte as stored. Record k is state k
// of the fixed state list. Head of household uses the single table; an upper bound of
// 999999999999 means no upper limit.
struct StateTaxRecord {
    RecordText<2> Abbreviation;              // the state's code, set when the file is created
    std::uint8_t filler3[1];
    std::int32_t StateIndex;                 // the state's position 1..54, equal to its record number

    RecordArray<double, 1, kStateTableRows> S_Over;        // single: lower bound of the row
    RecordArray<double, 1, kStateTableRows> S_ButNotOver;  // single: upper bound
    RecordArray<double, 1, kStateTableRows> S_TaxAmount;   // single: tax on the lower bound
    RecordArray<double, 1, kStateTableRows> S_TaxRate;     // single: percent on the excess
    RecordArray<double, 1, kStateTableRows> M_Over;        // married
    RecordArray<double, 1, kStateTableRows> M_ButNotOver;
    RecordArray<double, 1, kStateTableRows> M_TaxAmount;
    RecordArray<double, 1, kStateTableRows> M_TaxRate;

    double UnempTaxRate;                     // employee unemployment tax, percent
    double UnempMaxWage;                     // employee unemployment wage base
    double BaseWages;                        // weekly gross that makes a base week
    double DisbTaxRate;                      // employee disability tax, percent
    double DisbMaxWage;                      // employee disability wage base
    RecordBool MinusFedTax;                  // annual federal withholding comes off the state wages
    RecordBool WholeDollar;                  // withholding per period to whole dollars, else to one decimal
    std::uint8_t filler818[6];
    double WithValue;                        // amount per withholding allowance
    double TaxCredit1;                       // flat credit, single
    double TaxCredit2;                       // flat credit, married
    double TaxCreditPer1;                    // credit per allowance, single
    double TaxCreditPer2;                    // credit per allowance, married
    double MinStdDeduct1;                    // standard deduction minimum, single
    double MinStdDeduct2;                    // standard deduction minimum, married
    double MaxStdDeduct1;                    // standard deduction maximum, single
    double MaxStdDeduct2;                    // standard deduction maximum, married
    double StdDeductPct1;                    // standard deduction, percent of annual wages, single
    double StdDeductPct2;                    // standard deduction, percent, married
    // Whether each kind of deferral reduces the state wages; when not, it is added back.
    RecordBool Allow401k;
    RecordBool Allow403b;
    RecordBool Allow408k6;
    RecordBool Allow457b;
    RecordBool AllowIRASimp;
    RecordBool AllowCafPlan;
    std::uint8_t filler918[2];
};
static_assert(sizeof(StateTaxRecord) == 920);
static_assert(offsetof(StateTaxRecord, filler3) == 3);
static_assert(offsetof(StateTaxRecord, StateIndex) == 4);
static_assert(offsetof(StateTaxRecord, S_Over) == 8);
static_assert(offsetof(StateTaxRecord, S_ButNotOver) == 104);
static_assert(offsetof(StateTaxRecord, S_TaxAmount) == 200);
static_assert(offsetof(StateTaxRecord, S_TaxRate) == 296);
static_assert(offsetof(StateTaxRecord, M_Over) == 392);
static_assert(offsetof(StateTaxRecord, M_ButNotOver) == 488);
static_assert(offsetof(StateTaxRecord, M_TaxAmount) == 584);
static_assert(offsetof(StateTaxRecord, M_TaxRate) == 680);
static_assert(offsetof(StateTaxRecord, UnempTaxRate) == 776);
static_assert(offsetof(StateTaxRecord, UnempMaxWage) == 784);
static_assert(offsetof(StateTaxRecord, BaseWages) == 792);
static_assert(offsetof(StateTaxRecord, DisbTaxRate) == 800);
static_assert(offsetof(StateTaxRecord, DisbMaxWage) == 808);
static_assert(offsetof(StateTaxRecord, MinusFedTax) == 816);
static_assert(offsetof(StateTaxRecord, WholeDollar) == 817);
static_assert(offsetof(StateTaxRecord, filler818) == 818);
static_assert(offsetof(StateTaxRecord, WithValue) == 824);
static_assert(offsetof(StateTaxRecord, TaxCredit1) == 832);
static_assert(offsetof(StateTaxRecord, TaxCredit2) == 840);
static_assert(offsetof(StateTaxRecord, TaxCreditPer1) == 848);
static_assert(offsetof(StateTaxRecord, TaxCreditPer2) == 856);
static_assert(offsetof(StateTaxRecord, MinStdDeduct1) == 864);
static_assert(offsetof(StateTaxRecord, MinStdDeduct2) == 872);
static_assert(offsetof(StateTaxRecord, MaxStdDeduct1) == 880);
static_assert(offsetof(StateTaxRecord, MaxStdDeduct2) == 888);
static_assert(offsetof(StateTaxRecord, StdDeductPct1) == 896);
static_assert(offsetof(StateTaxRecord, StdDeductPct2) == 904);
static_assert(offsetof(StateTaxRecord, Allow401k) == 912);
static_assert(offsetof(StateTaxRecord, Allow403b) == 913);
static_assert(offsetof(StateTaxRecord, Allow408k6) == 914);
static_assert(offsetof(StateTaxRecord, Allow457b) == 915);
static_assert(offsetof(StateTaxRecord, AllowIRASimp) == 916);
static_assert(offsetof(StateTaxRecord, AllowCafPlan) == 917);
static_assert(offsetof(StateTaxRecord, filler918) == 918);
