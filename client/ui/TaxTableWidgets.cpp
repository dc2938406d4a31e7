#include "client/ui/TaxTableWidgets.h"

#include "components/DollarEditRules.h"
#include "components/ui/DollarEdit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

#include <cmath>

TDollarEdit* TableMoneyEntry(QWidget* parent, const QString& name, int dollarDigits, int centDigits, bool minusKey)
{
    auto* field = new TDollarEdit(parent);
    field->setObjectName(name);
    field->setDollarDigits(dollarDigits);
    field->setCentDigits(centDigits);
    field->setCurrency(false);
    field->setMinusKey(minusKey);
    const QString widest = FormatMoney(std::pow(10.0, dollarDigits) - 1, centDigits, false);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(widest) + 14);
    return field;
}

QGridLayout* BuildTaxTable(QWidget* parent, const QString& title, const QString& prefix, int rows,
                           TaxTableColumns& columns)
{
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(4);
    grid->addWidget(BoldLabel(title), 0, 0, 1, 4);
    const char* titles[] = {"Wages Over", "But Not Over", "Tax Amount", "Tax Rate"};
    for (int c = 0; c < 4; ++c)
        grid->addWidget(new QLabel(QString::fromLatin1(titles[c])), 1, c, Qt::AlignCenter);
    for (int k = 1; k <= rows; ++k) {
        const QString n = QString::number(k);
        columns.over.push_back(TableMoneyEntry(parent, prefix + QStringLiteral("Over") + n, 12, 0, false));
        columns.notOver.push_back(TableMoneyEntry(parent, prefix + QStringLiteral("ButNotOver") + n, 12, 0, false));
        columns.amount.push_back(TableMoneyEntry(parent, prefix + QStringLiteral("TaxAmount") + n, 9, 2, false));
        columns.rate.push_back(TableMoneyEntry(parent, prefix + QStringLiteral("TaxRate") + n, 2, 6, false));
        grid->addWidget(columns.over.back(), k + 1, 0);
        grid->addWidget(columns.notOver.back(), k + 1, 1);
        grid->addWidget(columns.amount.back(), k + 1, 2);
        grid->addWidget(columns.rate.back(), k + 1, 3);
    }
    return grid;
}

QLabel* BoldLabel(const QString& text)
{
    auto* label = new QLabel(text);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QCheckBox* NamedCheckBox(QWidget* parent, const char* name, const char* caption)
{
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

void SetMoney(TDollarEdit* field, double value)
{
    field->setValue(value);
}

double Money(const TDollarEdit* field)
{
    return field->value();
}
