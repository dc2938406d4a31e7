#include "payroll/ui/StatementColumns.h"

#include "components/TextRoutines.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

#include <algorithm>
#include <functional>

namespace {

constexpr StatementColumn kColumns[kStatementColumnCount] = {
    StatementColumn::Earnings, StatementColumn::TaxesAndDeductions, StatementColumn::EmployerLiabilities,
    StatementColumn::OtherPayrollData};

QFrame* Rule(QWidget* parent)
{
    auto* rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    return rule;
}

} // namespace

TStatementColumns::TStatementColumns(QWidget* parent)
    : QWidget(parent)
{
    // One grid for all four columns, so the totals of the columns share their rows as on a
    // printed statement: each column takes a caption and an amount grid column, with a gap after.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(1);
    int totalsRow = 0;
    for (StatementColumn column : kColumns) {
        const auto& lines = StatementLines(column);
        const auto isTotal = [](const StatementLine& l) { return l.total; };
        if (std::any_of(lines.begin(), lines.end(), isTotal))
            totalsRow = std::max(totalsRow, static_cast<int>(std::count_if(lines.begin(), lines.end(), std::not_fn(isTotal))));
    }
    totalsRow += 2;   // below the heading and the rule
    int gridColumn = 0;
    for (StatementColumn column : kColumns) {
        auto* heading = new QLabel(StatementColumnHeading(column), this);
        QFont bold = heading->font();
        bold.setBold(true);
        bold.setUnderline(true);
        heading->setFont(bold);
        heading->setAlignment(Qt::AlignHCenter);
        grid->addWidget(heading, 0, gridColumn, 1, 2);
        int row = 1;
        for (const StatementLine& line : StatementLines(column)) {
            if (line.total && row < totalsRow) {
                grid->addWidget(Rule(this), totalsRow - 1, gridColumn + 1);
                row = totalsRow;
            }
            auto* caption = new QLabel(QString::fromLatin1(line.caption), this);
            auto* amount = new QLabel(StatementAmount(0), this);
            amount->setObjectName(QStringLiteral("PPP") + QLatin1String(line.name));
            amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (line.total) {
                QFont font = caption->font();
                font.setBold(true);
                caption->setFont(font);
                amount->setFont(font);
            }
            grid->addWidget(caption, row, gridColumn);
            grid->addWidget(amount, row, gridColumn + 1);
            ++row;
            captions_[line.group] = caption;
            amounts_[line.group] = amount;
        }
        if (gridColumn > 0)
            grid->setColumnMinimumWidth(gridColumn - 1, 16);
        gridColumn += 3;
    }
    grid->setRowStretch(grid->rowCount(), 1);
}

void TStatementColumns::ShowUserItemNames()
{
    for (StatementColumn column : kColumns) {
        for (const StatementLine& line : StatementLines(column)) {
            if (line.userItem == 0)
                continue;
            const QString name = UserItemName(column, line.userItem);
            captions_.at(line.group)->setText(name);
            amounts_.at(line.group)->setVisible(!IsBlank(name));
        }
    }
}

void TStatementColumns::ShowAmounts(const std::function<double(int group)>& amount)
{
    for (const auto& [group, label] : amounts_)
        label->setText(StatementAmount(amount(group)));
}
