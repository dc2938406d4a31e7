#include "client/TaxTableRules.h"

#include "components/TextRoutines.h"

#include <type_traits>

namespace {

// One withholding table of a record: four columns of the same rows.
template <class Column>
struct Table {
    Column& over;
    Column& notOver;
    Column& amount;
    Column& rate;
    static constexpr int rows = std::remove_const_t<Column>::last;
};

template <class Record>
auto Single(Record& r)
{
    return Table<std::remove_reference_t<decltype((r.S_Over))>>{r.S_Over, r.S_ButNotOver, r.S_TaxAmount, r.S_TaxRate};
}

template <class Record>
auto Married(Record& r)
{
    return Table<std::remove_reference_t<decltype((r.M_Over))>>{r.M_Over, r.M_ButNotOver, r.M_TaxAmount, r.M_TaxRate};
}

template <class Column>
void Calculate(Table<Column> t)
{
    for (int k = 1; k < t.rows; ++k) {
        if (t.notOver[k] == kNoUpperLimit)
            continue;
        const bool nextInUse = t.over[k + 1] != 0 || t.notOver[k + 1] != 0 || t.rate[k + 1] != 0;
        if (nextInUse)
            t.amount[k + 1] = (t.notOver[k] - t.over[k]) * t.rate[k] / 100 + t.amount[k];
    }
}

bool Entry(double value)
{
    return value > 0;
}

template <class Column>
bool Valid(Table<Column> t)
{
    // The first row: its bound and rate go together; an amount needs the whole row.
    if (Entry(t.notOver[1]) != Entry(t.rate[1]))
        return false;
    if (Entry(t.amount[1]) && !(Entry(t.over[1]) && Entry(t.notOver[1]) && Entry(t.rate[1])))
        return false;
    // Every later row is in use as a whole, amount included, or not at all.
    for (int k = 2; k <= t.rows; ++k) {
        const int entries = Entry(t.over[k]) + Entry(t.notOver[k]) + Entry(t.rate[k]);
        if (entries != 0 && entries != 3)
            return false;
        if ((entries == 3) != Entry(t.amount[k]))
            return false;
    }
    return true;
}

} // namespace

void CalculateTaxAmounts(StateTaxRecord& record)
{
    Calculate(Single(record));
    Calculate(Married(record));
}

void CalculateTaxAmounts(CityTaxRecord& record)
{
    Calculate(Single(record));
    Calculate(Married(record));
}

bool StateTablesValid(const StateTaxRecord& r)
{
    return Valid(Single(r)) && Valid(Married(r)) && !(Entry(r.UnempTaxRate) && r.UnempMaxWage == 0)
           && !(Entry(r.DisbTaxRate) && r.DisbMaxWage == 0);
}

bool CityTablesValid(const CityTaxRecord& r)
{
    return Valid(Single(r)) && Valid(Married(r)) && !IsBlank(r.CityName);
}

const char* const kStateTableRules =
    "You are not required to complete the tax tables.  However,  if  you  are  going  to~complete the tax tables, "
    "then there are some requirements that must be adhered~to and they are as follows:~~A. This ONLY applies to the "
    "FIRST ROW. If you make an entry in the \"But Not~Over\" field,  then an entry is required in the \"Tax Rate\" "
    "field.  Likewise,  if  you~make an entry in the \"Tax Rate\" field,  then an  entry  will  be  required  in  "
    "the~\"But Not Over\" field.~~B. This ONLY applies to the SECOND ROW and BEYOND.  If  you  make an~entry the "
    "\"Wages Over\", \"But Not Over\", \"Tax Amount\" or \"Tax Rate\" fields,~then an entry will be required in all "
    "four fields.~~C. If you make an entry in the Tax Rate imposed on the State  Unemployment~or  Disability Wages "
    "fields,  then  you  must  also  make  an  entry in Maximum~Wages subject to the State Unemployment or "
    "Disability Tax fields.";

const char* const kCityTableRules =
    "You are not required to complete the tax tables. However,  if  you  are  going  to~complete the tax tables, "
    "then there are some requirements that must be adhered~to and they are as follows:~~A. This ONLY applies to the "
    "FIRST ROW. If you make an entry in the \"But Not~Over\" field, then an entry is required in the \"Tax Rate\"  "
    "field.  Likewise,  if  you~make an entry in the \"Tax Rate\" field,  then  an  entry  will  be  required  in  "
    "the~\"But Not Over\" field.~~B. This ONLY applies to the SECOND ROW and BEYOND.  If  you  make an~entry the "
    "\"Wages Over\", \"But Not Over\", \"Tax Amount\" or \"Tax Rate\" fields,~then an entry will be required in all "
    "four fields.~~C. The city name field is required.";
