#include "checks/ui/PayCheckSetup.h"

#include "checks/CheckPrinting.h"
#include "client/CompanyRecord.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/ProgramStart.h"
#include "client/ui/HelpWindow.h"
#include "client/ui/ScreenRules.h"
#include "components/NumberRoutines.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/PrintoutSetup.h"
#include "platform/AppMessageBox.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/ShowModal.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

const QString TFrmCheckSetup::kIncomplete =
    QStringLiteral("Unable to process. One or more of the~required data entry fields is incomplete.");
const QString TFrmCheckSetup::kGridNotice = QStringLiteral(
    "This procedure will print a grid on your blank check complete with~vertical and horizontal print positions.  "
    "This will make it easier to~complete the Check Printing setup form.");

namespace {

TDollarEdit* PositionEdit(QWidget* parent, double maximum)
{
    auto* edit = new TDollarEdit(parent);
    edit->setDollarDigits(2);
    edit->setCentDigits(6);
    edit->setCurrency(false);
    edit->setMinusKey(false);
    edit->setMaxValue(maximum);
    return edit;
}

bool BothSet(const TDollarEdit* left, const TDollarEdit* right)
{
    return TextToFloat(left->text()) != 0.0 && TextToFloat(right->text()) != 0.0;
}

} // namespace

TFrmCheckSetup::TFrmCheckSetup(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Check Printing Setup"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    SetHelpContext(this, HelpContext);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Vertical\nPosition"), this), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("Horizontal\nPosition"), this), 0, 2, Qt::AlignCenter);
    const auto row = [&](int at, const QString& caption, TDollarEdit*& left, TDollarEdit*& right) {
        grid->addWidget(new QLabel(caption, this), at, 0);
        left = PositionEdit(this, 8.25);
        right = PositionEdit(this, 10.75);
        grid->addWidget(left, at, 1);
        grid->addWidget(right, at, 2);
    };
    row(1, QStringLiteral("Check payable to (required)"), vpFullName, hpFullName);
    row(2, QStringLiteral("Employee's name (optional)"), vpAddress1, hpAddress1);
    row(3, QStringLiteral("Employee's full address (optional)"), vpAddress2, hpAddress2);
    row(4, QStringLiteral("Check date (required)"), vpCheckDate, hpCheckDate);
    row(5, QStringLiteral("Check amount (required)"), vpAmount, hpAmount);
    row(6, QStringLiteral("Written check amount (required)"), vpAmountText, hpAmountText);
    PrintStub = new QCheckBox(QStringLiteral("Check here to print payroll check\nstub and enter the print positions."), this);
    grid->addWidget(PrintStub, 7, 0);
    vpCheckStub = PositionEdit(this, 8.25);
    hpCheckStub = PositionEdit(this, 10.75);
    grid->addWidget(vpCheckStub, 7, 1);
    grid->addWidget(hpCheckStub, 7, 2);

    BtnProcess = new QPushButton(QStringLiteral("&Process"), this);
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BtnTest = new QPushButton(QStringLiteral("&Test"), this);
    BtnTest->setFocusPolicy(Qt::ClickFocus);
    BtnGrid = new QPushButton(QStringLiteral("&Grid"), this);
    BtnHelp = new QPushButton(QStringLiteral("&Help"), this);
    BtnHelp->setToolTip(QStringLiteral("Form Help"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {BtnProcess, BtnCancel, BtnTest, BtnGrid, BtnHelp})
        buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    auto* keys = new TEnterAsTab(this);
    keys->setParentForm(this);
    keys->setEnterAsTabKey(true);
    keys->setEscapeAsClose(true);

    connect(BtnProcess, &QPushButton::clicked, this, &TFrmCheckSetup::BtnProcessClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnTest, &QPushButton::clicked, this, &TFrmCheckSetup::BtnTestClick);
    connect(BtnGrid, &QPushButton::clicked, this, &TFrmCheckSetup::BtnGridClick);
    connect(BtnHelp, &QPushButton::clicked, this, [] { ShowHelp(HelpContext); });

    SetUpPrintout(RptCheckTest, this, QStringLiteral("TFrmCheckSetup"), QStringLiteral("RptCheckTest"));
    RptCheckTest.OnPrint = [](ReportCanvas& report) { PrintSetupTestCheck(report, DataModule().RaveProject, CompanyRec); };
    SetUpPrintout(RptPrinterGrid, this, QStringLiteral("TFrmCheckSetup"), QStringLiteral("RptPrinterGrid"));
    RptPrinterGrid.OnPrint = [](ReportCanvas&) { PrintPrinterGrid(DataModule().RaveProject); };

    LoadCheckSetupForm();
    BtnTest->setEnabled(IsValidData());
    ScaleScreen(this, QSize(430, 330));
}

bool TFrmCheckSetup::IsValidData() const
{
    return BothSet(vpFullName, hpFullName) && BothSet(vpCheckDate, hpCheckDate) && BothSet(vpAmount, hpAmount)
           && BothSet(vpAmountText, hpAmountText) && (!PrintStub->isChecked() || BothSet(vpCheckStub, hpCheckStub));
}

void TFrmCheckSetup::LoadCheckSetupForm()
{
    const CompanyRecord& c = CompanyRec;
    const std::pair<TDollarEdit*, double> values[] = {
        {vpFullName, c.vpFullName},     {hpFullName, c.hpFullName},     {vpAddress1, c.vpAddress1},
        {hpAddress1, c.hpAddress1},     {vpAddress2, c.vpAddress2},     {hpAddress2, c.hpAddress2},
        {vpCheckDate, c.vpCheckDate},   {hpCheckDate, c.hpCheckDate},   {vpAmount, c.vpAmount},
        {hpAmount, c.hpAmount},         {vpAmountText, c.vpAmountText}, {hpAmountText, c.hpAmountText},
        {vpCheckStub, c.vpCheckStub},   {hpCheckStub, c.hpCheckStub},
    };
    for (const auto& [edit, value] : values)
        edit->setValue(value);
    PrintStub->setChecked(c.PrintStub);
}

void TFrmCheckSetup::SaveCheckSetupForm()
{
    CompanyRecord& c = CompanyRec;
    const std::pair<double*, TDollarEdit*> values[] = {
        {&c.vpFullName, vpFullName},     {&c.hpFullName, hpFullName},     {&c.vpAddress1, vpAddress1},
        {&c.hpAddress1, hpAddress1},     {&c.vpAddress2, vpAddress2},     {&c.hpAddress2, hpAddress2},
        {&c.vpCheckDate, vpCheckDate},   {&c.hpCheckDate, hpCheckDate},   {&c.vpAmount, vpAmount},
        {&c.hpAmount, hpAmount},         {&c.vpAmountText, vpAmountText}, {&c.hpAmountText, hpAmountText},
        {&c.vpCheckStub, vpCheckStub},   {&c.hpCheckStub, hpCheckStub},
    };
    for (const auto& [field, edit] : values)
        *field = edit->value();
    c.PrintStub = PrintStub->isChecked();
}

void TFrmCheckSetup::BtnProcessClick()
{
    const CompanyRecord before = CompanyRec;
    try {
        CheckBrowseMode();
        if (!IsValidData()) {
            AppMessageBox(kIncomplete, QLatin1String(kApplicationTitle), MbOk | MbIconStop);
            BtnTest->setEnabled(false);
            BtnCancel->setText(QStringLiteral("&Cancel"));
            return;
        }
        SaveCheckSetupForm();
        DataModule().RSCompany.PostRec();
    } catch (const std::exception& error) {
        CompanyRec = before;
        LedgoraApplication::ShowException(error);
        return;
    }
    BtnTest->setEnabled(true);
    BtnTest->setFocus();
    BtnCancel->setText(QStringLiteral("&Done"));
}

void TFrmCheckSetup::run(ReportSystem& system)
{
    try {
        DataModule().RaveProject.Engine = &system;
        system.Execute();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}

void TFrmCheckSetup::BtnTestClick()
{
    run(RptCheckTest);
}

void TFrmCheckSetup::BtnGridClick()
{
    AppMessageBox(kGridNotice, QLatin1String(kApplicationTitle), MbOk | MbIconInformation);
    run(RptPrinterGrid);
}

void ShowCheckSetup()
{
    TFrmCheckSetup window(QApplication::activeWindow());
    ShowModal(window);
}
