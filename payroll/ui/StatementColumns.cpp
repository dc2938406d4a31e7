#include "payroll/ui/StatementColumns.h"

#include "components/TextRoutines.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

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
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(24);
    for (StatementColumn column : kColumns) {
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(8);
        grid->setVerticalSpacing(1);
        auto* heading = new QLabel(StatementColumnHeading(column), this);
        QFont bold = heading->font();
        bold.setBold(true);
        bold.setUnderline(true);
        heading->setFont(bold);
        heading->setAlignment(Qt::AlignHCenter);
        grid->addWidget(heading, 0, 0, 1, 2);
        int r = 1;
        bool ruled = false;
        for (const StatementLine& line : StatementLines(column)) {
            if (line.total && !ruled) {
                grid->addWidget(Rule(this), r++, 1);
                ruled = true;
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
            grid->addWidget(caption, r, 0);
            grid->addWidget(amount, r, 1);
            ++r;
            captions_[line.group] = caption;
            amounts_[line.group] = amount;
        }
        grid->setRowStretch(r, 1);
        grid->setColumnStretch(0, 1);
        row->addLayout(grid);
    }
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
