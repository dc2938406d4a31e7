#include "checks/ui/PayChecks.h"

#include "checks/CheckPrinting.h"
#include "checks/ui/PayCheckSetup.h"
#include "client/CompanyRecord.h"
#include "client/EmployeeIndex.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/ui/HelpWindow.h"
#include "client/ui/ScreenRules.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/PrintoutSetup.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/ShowModal.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrmCheck::TFrmCheck(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Payroll Check Printing"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    SetHelpContext(this, HelpContext);

    LblPayPeriod = new QLabel(this);
    LblPayDate = new QLabel(this);
    LblTotalChecks = new QLabel(this);
    LblFromTo = new QLabel(this);
    ChkDirDeposit = new QCheckBox(QStringLiteral("Print the following (above signature line):"), this);
    MemDirDepositAdvice = new QLabel(QStringLiteral("FOR DIRECT DEPOSIT ADVICE ONLY\nNOT NEGOTIABLE"), this);
    MemDirDepositAdvice->setAlignment(Qt::AlignCenter);
    MemDirDepositAdvice->setFrameShape(QFrame::StyledPanel);
    MemDirDepositAdvice->setMargin(4);
    // Printing stays off, with its buttons greyed, until the checks have somewhere to go: say why.
    LblPrintingOff = new QLabel(QString::fromLatin1(kPrintingOffText), this);
    LblPrintingOff->setObjectName(QStringLiteral("LblPrintingOff"));
    LblPrintingOff->setWordWrap(true);
    LblPrintingOff->setFrameShape(QFrame::StyledPanel);
    LblPrintingOff->setMargin(4);
    BtnPrintAll = new QPushButton(QStringLiteral("Print &All Checks"), this);
    BtnPrintOne = new QPushButton(QStringLiteral("Print &One Check"), this);
    BtnSetup = new QPushButton(QStringLiteral("&Setup"), this);
    BtnDone = new QPushButton(QStringLiteral("&Done"), this);
    BtnHelp = new QPushButton(QStringLiteral("&Help"), this);
    BtnHelp->setToolTip(QStringLiteral("Form Help"));

    auto* layout = new QVBoxLayout(this);
    for (QLabel* label : {LblPayPeriod, LblPayDate, LblTotalChecks, LblFromTo})
        layout->addWidget(label);
    layout->addWidget(ChkDirDeposit);
    layout->addWidget(MemDirDepositAdvice);
    layout->addWidget(LblPrintingOff);
    auto* buttons = new QGridLayout;
    buttons->addWidget(BtnPrintAll, 0, 0);
    buttons->addWidget(BtnPrintOne, 0, 1);
    buttons->addWidget(BtnSetup, 1, 0);
    buttons->addWidget(BtnDone, 1, 1);
    buttons->addWidget(BtnHelp, 1, 2);
    layout->addLayout(buttons);

    auto* keys = new TEnterAsTab(this);
    keys->setParentForm(this);
    keys->setEscapeAsClose(true);

    connect(BtnPrintAll, &QPushButton::clicked, this, &TFrmCheck::BtnPrintAllClick);
    connect(BtnPrintOne, &QPushButton::clicked, this, &TFrmCheck::BtnPrintOneClick);
    connect(BtnSetup, &QPushButton::clicked, this, &TFrmCheck::BtnSetupClick);
    connect(BtnDone, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnHelp, &QPushButton::clicked, this, [] { ShowHelp(HelpContext); });

    SetUpPrintout(RptPrintChecks, this, QStringLiteral("TFrmCheck"), QStringLiteral("RptPrintChecks"));
    RptPrintChecks.OnPrint = [this](ReportCanvas& report) {
        PrintCheckRun(report, DataModule().RaveProject, FirstCheckRecord, LastCheckRecord, ChkDirDeposit->isChecked());
    };
    fill();
    ScaleScreen(this, QSize(360, CompanyRec.DirDeposit && CompanyRec.GenerateChk ? 316 : 247));
}

void TFrmCheck::fill()
{
    const bool advice = CompanyRec.DirDeposit && CompanyRec.GenerateChk;
    ChkDirDeposit->setVisible(advice);
    ChkDirDeposit->setChecked(advice);
    MemDirDepositAdvice->setVisible(advice);
    if (CompanyRec.GenerateChk)
        DataModule().RaveProject.Engine = &RptPrintChecks;
    LblPayPeriod->setText(QStringLiteral("Pay Period: ") + QString(CompanyRec.PayDateFrom) + QStringLiteral("  to  ")
                          + QString(CompanyRec.PayDateTo));
    LblPayDate->setText(QStringLiteral("Pay Date:   ") + QString(CompanyRec.PayDate));
    const int count = CountEmployeesWithPay();
    LblTotalChecks->setText(QStringLiteral("Total Checks: %1").arg(count));
    const int start = CompanyRec.StartChkNum;
    LblFromTo->setText(start > 0 ? QStringLiteral("Check #:  %1  to  %2").arg(start).arg(start + count - 1) : QString());
    SetupButtons();
}

void TFrmCheck::SetupButtons()
{
    BtnPrintAll->setEnabled(IsCheckSetupComplete() || CompanyRec.GenerateChk);
    BtnPrintOne->setEnabled(BtnPrintAll->isEnabled() && GetEmployeeCount() > 1);
    BtnSetup->setEnabled(!CompanyRec.GenerateChk);
    LblPrintingOff->setVisible(!BtnPrintAll->isEnabled());
}

void TFrmCheck::execute()
{
    // The run has closed the project and restored the employee on its way out; the one message
    // is the error's own.
    try {
        if (CompanyRec.GenerateChk)
            DataModule().RaveProject.Engine = &RptPrintChecks;
        RptPrintChecks.Execute();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}

void TFrmCheck::BtnPrintAllClick()
{
    FirstCheckRecord = 1;
    LastCheckRecord = GetEmployeeCount();
    execute();
}

void TFrmCheck::BtnPrintOneClick()
{
    RecListChosen = false;
    ShowRecList();
    if (!RecListChosen || CheckEmployeeEligible(true) != 0)
        return;
    FirstCheckRecord = LastCheckRecord = DataModule().RSEmployee.CurrentRecord();
    execute();
}

void TFrmCheck::BtnSetupClick()
{
    ShowCheckSetup();
    SetupButtons();
}

void ShowCheckPrinting()
{
    TFrmCheck window;
    ShowModal(window);
}
