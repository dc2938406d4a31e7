#pragma once

#include "client/RecordFields.h"
#include "platform/RecordText.h"

#include <cstddef>
#include <cstdint>

// Rows of each city withholding table.
constexpr int kCityTableRows = 10;
// The city table holds at most this many cities, record 1 "NONE" included.
constexpr int kMaxCityRecords = 32;

// One record of the city table file "LEDGORA.CIT", byte for byte as stored. Record 1 is "NONE",
// standing for no city.
struct CityTaxRecord {
    RecordText<6> CityName;
    std::uint8_t filler7[1];

    RecordArray<double, 1, kCityTableRows> S_Over;         // single: lower bound of the row
    RecordArray<double, 1, kCityTableRows> S_ButNotOver;   // single: upper bound
    RecordArray<double, 1, kCityTableRows> S_TaxAmount;    // single: tax on the lower bound
    RecordArray<double, 1, kCityTableRows> S_TaxRate;      // single: percent on the excess
    RecordArray<double, 1, kCityTableRows> M_Over;         // married
    RecordArray<double, 1, kCityTableRows> M_ButNotOver;
    RecordArray<double, 1, kCityTableRows> M_TaxAmount;
    RecordArray<double, 1, kCityTableRows> M_TaxRate;

    double WithValue;                        // amount per withholding allowance
    double TaxCredit1;                       // flat credit, single
    double TaxCredit2;                       // flat credit, married
    double TaxCreditPer1;                    // credit per allowance, single
    double TaxCreditPer2;                    // credit per allowance, married
    double MinStdDeduct1;                    // standard deduction minimum, single
    double MinStdDeduct2;                    // standard deduction minimum, married
    double MaxStdDeduct1;                    // standard deduction maximum, single
    double MaxStdDeduct2;                    // standard deduction maximum, married
    std::int32_t StdDeductPct1;              // standard deduction, whole percent, single
    std::int32_t StdDeductPct2;              // standard deduction, whole percent, married
    // Whether each kind of deferral reduces the city wages; when not, it is added back.
    RecordBool Allow401k;
    RecordBool Allow403b;
    RecordBool Allow408k6;
    RecordBool Allow457b;
    RecordBool AllowIRASimp;
    RecordBool AllowCafPlan;
    std::uint8_t filler734[2];
};
static_assert(sizeof(CityTaxRecord) == 736);
static_assert(offsetof(CityTaxRecord, filler7) == 7);
static_assert(offsetof(CityTaxRecord, S_Over) == 8);
static_assert(offsetof(CityTaxRecord, S_ButNotOver) == 88);
static_assert(offsetof(CityTaxRecord, S_TaxAmount) == 168);
static_assert(offsetof(CityTaxRecord, S_TaxRate) == 248);
static_assert(offsetof(CityTaxRecord, M_Over) == 328);
static_assert(offsetof(CityTaxRecord, M_ButNotOver) == 408);
static_assert(offsetof(CityTaxRecord, M_TaxAmount) == 488);
static_assert(offsetof(CityTaxRecord, M_TaxRate) == 568);
static_assert(offsetof(CityTaxRecord, WithValue) == 648);
static_assert(offsetof(CityTaxRecord, TaxCredit1) == 656);
static_assert(offsetof(CityTaxRecord, TaxCredit2) == 664);
static_assert(offsetof(CityTaxRecord, TaxCreditPer1) == 672);
static_assert(offsetof(CityTaxRecord, TaxCreditPer2) == 680);
static_assert(offsetof(CityTaxRecord, MinStdDeduct1) == 688);
static_assert(offsetof(CityTaxRecord, MinStdDeduct2) == 696);
static_assert(offsetof(CityTaxRecord, MaxStdDeduct1) == 704);
static_assert(offsetof(CityTaxRecord, MaxStdDeduct2) == 712);
static_assert(offsetof(CityTaxRecord, StdDeductPct1) == 720);
static_assert(offsetof(CityTaxRecord, StdDeductPct2) == 724);
static_assert(offsetof(CityTaxRecord, Allow401k) == 728);
static_assert(offsetof(CityTaxRecord, Allow403b) == 729);
static_assert(offsetof(CityTaxRecord, Allow408k6) == 730);
static_assert(offsetof(CityTaxRecord, Allow457b) == 731);
static_assert(offsetof(CityTaxRecord, AllowIRASimp) == 732);
static_assert(offsetof(CityTaxRecord, AllowCafPlan) == 733);
static_assert(offsetof(CityTaxRecord, filler734) == 734);
