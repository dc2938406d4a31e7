#include "payroll/ConnecticutWithholding.h"

#include <span>

namespace {

// A row applies to annual wages up to and including its bound; wages above the last row's bound
// take the value after the table.
struct WageRow {
    double upTo;
    double value;
};

double LookUp(std::span<const WageRow> rows, double valueAbove, double annualWholeDollars)
{
    for (const WageRow& row : rows) {
        if (annualWholeDollars <= row.upTo)
            return row.value;
    }
    return valueAbove;
}

constexpr WageRow kExemptionNotMarried[] = {
    {24000, 12000}, {25000, 11000}, {26000, 10000}, {27000, 9000}, {28000, 8000},
    {29000, 7000},  {30000, 6000},  {31000, 5000},  {32000, 4000}, {33000, 3000},
    {34000, 2000},  {35000, 1000},
};

constexpr WageRow kExemptionMarried[] = {
    {38000, 19000}, {39000, 18000}, {40000, 17000}, {41000, 16000}, {42000, 15000},
    {43000, 14000}, {44000, 13000}, {45000, 12000}, {46000, 11000}, {47000, 10000},
    {48000, 9000},  {49000, 8000},  {50000, 7000},  {51000, 6000},  {52000, 5000},
    {53000, 4000},  {54000, 3000},  {55000, 2000},  {56000, 1000},
};

constexpr WageRow kFactorNotMarried[] = {
    {12000, 0.00}, {15000, 0.25}, {15500, 0.30}, {16000, 0.35}, {16500, 0.40}, {17000, 0.45},
    {17500, 0.50}, {18000, 0.55}, {18500, 0.60}, {20000, 0.65}, {20500, 0.70}, {21000, 0.75},
    {21500, 0.80}, {25000, 0.85}, {25500, 0.86}, {26000, 0.87}, {26500, 0.88}, {27000, 0.89},
    {48000, 0.90}, {48500, 0.91}, {49000, 0.92}, {49500, 0.93}, {50000, 0.94}, {50500, 0.95},
    {51000, 0.96}, {51500, 0.97}, {52000, 0.98}, {52500, 0.99},
};

constexpr WageRow kFactorMarried[] = {
    {19000, 0.00}, {24000, 0.25}, {24500, 0.30}, {25000, 0.35}, {25500, 0.40}, {26000, 0.45},
    {26500, 0.50}, {27000, 0.55}, {27500, 0.60}, {34000, 0.65}, {34500, 0.70}, {35000, 0.75},
    {35500, 0.80}, {44000, 0.85}, {44500, 0.86}, {45000, 0.87}, {45500, 0.88}, {46000, 0.89},
    {74000, 0.90}, {74500, 0.91}, {75000, 0.92}, {75500, 0.93}, {76000, 0.94}, {76500, 0.95},
    {77000, 0.96}, {77500, 0.97}, {78000, 0.98}, {78500, 0.99},
};

} // namespace

double ConnecticutExemption(double annualWholeDollars, bool married)
{
    return married ? LookUp(kExemptionMarried, 0, annualWholeDollars)
                   : LookUp(kExemptionNotMarried, 0, annualWholeDollars);
}

double ConnecticutTaxFactor(double annualWholeDollars, bool married)
{
    return married ? LookUp(kFactorMarried, 1, annualWholeDollars)
                   : LookUp(kFactorNotMarried, 1, annualWholeDollars);
}
