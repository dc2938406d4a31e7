#include "reports/ui/PayReconcileRpt.h"

#include "client/PayRecords.h"
#include "client/ui/ScreenRules.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/PrintoutSetup.h"
#include "payroll/ui/PayDateRangeBox.h"
#include "platform/ui/LedgoraApplication.h"
#include "reports/PayrollRegister.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kPeriodLength = 65;

} // namespace

TFrmReconcileRpt::TFrmReconcileRpt(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Payroll Register Report"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    GroupBox1 = new TPayDateRangeBox(QStringLiteral("Payroll Pay Dates"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    CbxPayDateFrom = GroupBox1->CbxPayDateFrom;
    CbxPayDateTo = GroupBox1->CbxPayDateTo;
    GroupBox2 = new QGroupBox(QStringLiteral("Payroll Period Description (optional)"), this);
    CustPayPerRpt = new QLineEdit(GroupBox2);
    CustPayPerRpt->setMaxLength(kPeriodLength);
    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnCancel = new QPushButton(QStringLiteral("Cancel"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    auto* periodLayout = new QVBoxLayout(GroupBox2);
    periodLayout->addWidget(CustPayPerRpt);
    layout->addWidget(GroupBox2);
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    layout->addLayout(buttons);
    setTabOrder(CbxPayDateFrom, CbxPayDateTo);
    setTabOrder(CbxPayDateTo, CustPayPerRpt);
    setTabOrder(CustPayPerRpt, BtnOk);
    setTabOrder(BtnOk, BtnCancel);

    auto* keys = new TEnterAsTab(this);
    keys->setParentForm(this);
    keys->setEscapeAsClose(true);

    connect(BtnOk, &QPushButton::clicked, this, &TFrmReconcileRpt::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    SetUpPrintout(RptReconcile, this, QStringLiteral("TFrmReconcileRpt"), QStringLiteral("RptReconcile"));
    RptReconcile.OnPrint = [this](ReportCanvas& report) {
        PrintPayrollRegister(report, GroupBox1->Range(), CustPayPerRpt->text());
    };

    CustPayPerRpt->setText(ReportPeriodText);
    ScaleScreen(this, QSize(300, 150));
    CbxPayDateFrom->setFocus();
}

void TFrmReconcileRpt::BtnOkClick()
{
    if (!GroupBox1->AcceptChoice())
        return;
    try {
        RptReconcile.Execute();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}

void TFrmReconcileRpt::done(int result)
{
    ReportPeriodText = CustPayPerRpt->text();
    QDialog::done(result);
}
