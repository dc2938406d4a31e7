#pragma once

#include "client/RecordFields.h"

#include <cstddef>

// Rows of each federal withholding table.
constexpr int kFederalTableRows = 7;

// The one record of the federal table file "LEDGORA.FTT", byte for byte as stored: 95 doubles,
// no filler. Row n of a withholding table is entry n of its four arrays; amounts are annual
// dollars, rates percent.
struct FederalTaxRecord {
    // Single or married filing separately.
    RecordArray<double, 1, kFederalTableRows> SWagesOver;      // lower bound of the row
    RecordArray<double, 1, kFederalTableRows> SWagesNotOver;   // upper bound of the row
    RecordArray<double, 1, kFederalTableRows> STaxAmount;      // tax on the lower bound
    RecordArray<double, 1, kFederalTableRows> STaxRate;        // percent on the excess over the lower bound
    // Married filing jointly.
    RecordArray<double, 1, kFederalTableRows> MWagesOver;
    RecordArray<double, 1, kFederalTableRows> MWagesNotOver;
    RecordArray<double, 1, kFederalTableRows> MTaxAmount;
    RecordArray<double, 1, kFederalTableRows> MTaxRate;
    // Head of household.
    RecordArray<double, 1, kFederalTableRows> HOHWagesOver;
    RecordArray<double, 1, kFederalTableRows> HOHWagesNotOver;
    RecordArray<double, 1, kFederalTableRows> HOHTaxAmount;
    RecordArray<double, 1, kFederalTableRows> HOHTaxRate;

    double ExemptionVal;      // shown and kept; the pay computation does not use it
    double FICARate;          // Social Security, percent
    double MaxFICAWages;      // Social Security wage base
    double MaxFICATax;        // MaxFICAWages x FICARate / 100, to the cent
    double MedicareRate;      // percent
    double MaxMedicareWages;  // shown and kept; Medicare wages have no limit in the computation
    double FUTARate;          // percent
    double MaxFUTAWages;      // FUTA wage base
    double MaxFUTATax;        // MaxFUTAWages x FUTARate / 100, to the cent
    double MedSurcharge;      // additional Medicare, percent
    double MedExclWages;      // year-to-date wages above this bear the additional Medicare rate
};
static_assert(sizeof(FederalTaxRecord) == 760);
static_assert(offsetof(FederalTaxRecord, SWagesNotOver) == 56);
static_assert(offsetof(FederalTaxRecord, STaxAmount) == 112);
static_assert(offsetof(FederalTaxRecord, STaxRate) == 168);
static_assert(offsetof(FederalTaxRecord, MWagesOver) == 224);
static_assert(offsetof(FederalTaxRecord, MWagesNotOver) == 280);
static_assert(offsetof(FederalTaxRecord, MTaxAmount) == 336);
static_assert(offsetof(FederalTaxRecord, MTaxRate) == 392);
static_assert(offsetof(FederalTaxRecord, HOHWagesOver) == 448);
static_assert(offsetof(FederalTaxRecord, HOHWagesNotOver) == 504);
static_assert(offsetof(FederalTaxRecord, HOHTaxAmount) == 560);
static_assert(offsetof(FederalTaxRecord, HOHTaxRate) == 616);
static_assert(offsetof(FederalTaxRecord, ExemptionVal) == 672);
static_assert(offsetof(FederalTaxRecord, FICARate) == 680);
static_assert(offsetof(FederalTaxRecord, MaxFICAWages) == 688);
static_assert(offsetof(FederalTaxRecord, MaxFICATax) == 696);
static_assert(offsetof(FederalTaxRecord, MedicareRate) == 704);
static_assert(offsetof(FederalTaxRecord, MaxMedicareWages) == 712);
static_assert(offsetof(FederalTaxRecord, FUTARate) == 720);
static_assert(offsetof(FederalTaxRecord, MaxFUTAWages) == 728);
static_assert(offsetof(FederalTaxRecord, MaxFUTATax) == 736);
static_assert(offsetof(FederalTaxRecord, MedSurcharge) == 744);
static_assert(offsetof(FederalTaxRecord, MedExclWages) == 752);
