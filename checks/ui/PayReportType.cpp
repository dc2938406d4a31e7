#include "checks/ui/PayReportType.h"

#include "client/PayRecords.h"
#include "platform/ui/WindowSize.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFrmReportType::TFrmReportType(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FrmReportType"));
    setWindowTitle(QStringLiteral("Earnings Statement Report Type"));
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8)); // stands in for Tahoma

    GroupBox = new QGroupBox(QStringLiteral("Select Report Type"), this);
    RbStandard = new QRadioButton(QStringLiteral("&Standard"), GroupBox);
    RbStandard->setObjectName(QStringLiteral("RbStandard"));
    Label1 = new QLabel(QStringLiteral("Up to 2 Employees per page. Suitable for Clients who are hand writing their own "
                                       "payroll checks. This report is very detailed."),
                        GroupBox);
    Label1->setWordWrap(true);
    RbCondensed = new QRadioButton(QStringLiteral("&Condensed"), GroupBox);
    RbCondensed->setObjectName(QStringLiteral("RbCondensed"));
    Label2 = new QLabel(QStringLiteral("Up to 5 Employees per page. Suitable for Clients who are generating payroll "
                                       "checks through the Program. This report has less details."),
                        GroupBox);
    Label2->setWordWrap(true);
    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setDefault(true);
    BtnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));

    auto* choices = new QVBoxLayout(GroupBox);
    choices->addWidget(RbStandard);
    choices->addWidget(Label1);
    choices->addSpacing(6);
    choices->addWidget(RbCondensed);
    choices->addWidget(Label2);
    choices->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(GroupBox, 1);
    layout->addLayout(buttons);
    setTabOrder(RbStandard, RbCondensed);
    setTabOrder(RbCondensed, BtnOk);
    setTabOrder(BtnOk, BtnCancel);
    FixAtClientSize(*this, QSize(363, 192));

    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmReportType::FormShow()
{
    // A company printing its checks through the program gets the statement suited to it first.
    (CompanyRec.GenerateChk ? RbCondensed : RbStandard)->setChecked(true);
}

void TFrmReportType::FormClose()
{
    ReportKind = RbStandard->isChecked() ? StandardKind : CondensedKind;
}

void TFrmReportType::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TFrmReportType::done(int result)
{
    FormClose();
    QDialog::done(result);
}
