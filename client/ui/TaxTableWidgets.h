#pragma once

#include "client/RecordFields.h"

#include <QString>

#include <vector>

class QCheckBox;
class QGridLayout;
class QLabel;
class QWidget;
class TDollarEdit;

// The pieces the state and city tax table screens share.

// A money entry wide enough for the largest amount it takes.
TDollarEdit* TableMoneyEntry(QWidget* parent, const QString& name, int dollarDigits, int centDigits, bool minusKey);

// The four columns of one withholding table, row 1 first.
struct TaxTableColumns {
    std::vector<TDollarEdit*> over, notOver, amount, rate;
};

// A withholding table of `rows` rows headed by title, its entries named prefix + "Over1" and so
// on, created row by row so that the tab order runs across each row.
QGridLayout* BuildTaxTable(QWidget* parent, const QString& title, const QString& prefix, int rows,
                           TaxTableColumns& columns);

QLabel* BoldLabel(const QString& text);
QCheckBox* NamedCheckBox(QWidget* parent, const char* name, const char* caption);

template <int Rows>
void LoadColumn(const std::vector<TDollarEdit*>& column, const RecordArray<double, 1, Rows>& values);
template <int Rows>
void SaveColumn(const std::vector<TDollarEdit*>& column, RecordArray<double, 1, Rows>& values);

void SetMoney(TDollarEdit* field, double value);
double Money(const TDollarEdit* field);

template <int Rows>
void LoadColumn(const std::vector<TDollarEdit*>& column, const RecordArray<double, 1, Rows>& values)
{
    for (int k = 1; k <= Rows; ++k)
        SetMoney(column[static_cast<std::size_t>(k - 1)], values[k]);
}

template <int Rows>
void SaveColumn(const std::vector<TDollarEdit*>& column, RecordArray<double, 1, Rows>& values)
{
    for (int k = 1; k <= Rows; ++k)
        values[k] = Money(column[static_cast<std::size_t>(k - 1)]);
}
