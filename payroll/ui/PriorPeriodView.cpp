#include "payroll/ui/PriorPeriodView.h"

#include "payroll/ui/StatementWindowSize.h"

#include "client/PayRecords.h"
#include "payroll/PriorPeriodStatement.h"
#include "payroll/ui/StatementColumns.h"
#include "payroll/ui/StatementPrinting.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>


namespace {

constexpr int kWindowHeight = 571;

} // namespace

TPriorPeriodView::TPriorPeriodView(const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(caption);
    QFont arial = font();
    arial.setFamily(QStringLiteral("Arial"));
    setFont(arial);

    Statement = new QWidget;
    auto* statement = new QVBoxLayout(Statement);
    headings_ = new QVBoxLayout;
    headings_->setSpacing(1);
    statement->addLayout(headings_);
    CompanyName = addHeading(QStringLiteral("CompanyName"));
    CompanyName->setText(CompanyRec.Name.get());
    auto* rule = new QFrame(Statement);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    statement->addWidget(rule);
    Columns = new TStatementColumns(Statement);
    Columns->ShowUserItemNames();
    statement->addWidget(Columns);
    statement->addStretch();

    ScrollBox = new QScrollArea(this);
    ScrollBox->setWidgetResizable(true);
    ScrollBox->setWidget(Statement);

    bottomRow_ = new QHBoxLayout;
    bottomRow_->addStretch();
    BtnPrint = new QPushButton(QStringLiteral("&Print"), this);
    BtnClose = new QPushButton(QStringLiteral("&Close"), this);
    for (QPushButton* button : {BtnPrint, BtnClose}) {
        button->setAutoDefault(false);
        bottomRow_->addWidget(button, 0, Qt::AlignBottom);
    }
    connect(BtnPrint, &QPushButton::clicked, this, &TPriorPeriodView::BtnPrintClick);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ScrollBox, 1);
    layout->addLayout(bottomRow_);
}

QLabel* TPriorPeriodView::addHeading(const QString& objectName)
{
    auto* heading = new QLabel(Statement);
    heading->setObjectName(objectName);
    QFont font = heading->font();
    font.setBold(true);
    heading->setFont(font);
    heading->setAlignment(Qt::AlignCenter);
    headings_->addWidget(heading);
    return heading;
}

void TPriorPeriodView::fitToStatement()
{
    FitWindowToStatement(*this, *ScrollBox, kWindowHeight);
}

void TPriorPeriodView::showSums(const PriorPeriodSums& sums)
{
    Columns->ShowAmounts([&sums](int group) { return sums.Amount(group); });
}

void TPriorPeriodView::BtnPrintClick()
{
    if (ConfirmPrinterReady())
        PrintStatementArea(this, *Statement, windowTitle());
}
