#include "forms/ui/Form941.h"

#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DateEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/LayoutPicture.h"
#include "forms/Form941Print.h"
#include "forms/Form941Return.h"
#include "forms/FormHeader.h"
#include "forms/ui/FormEntries.h"
#include "forms/ui/FormLaunchers.h"
#include "forms/ui/ScheduleB.h"
#include "platform/AppMessageBox.h"
#include "platform/Clock.h"
#include "platform/Exceptions.h"
#include "platform/Folders.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/ReportLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>

using namespace F941;

namespace {

const QString kLayout = QStringLiteral("Form941");
const QString kVoucherLayout = QStringLiteral("Form941V");
// The window's client size when it opens: the page's width and most of its height.
const QSize kClientSize(716, 640);

// The amounts the user enters; the payroll fills the others.
bool IsEnteredAmount(int entry)
{
    return entry == NoticeAndDemandTax || entry == FractionsOfCents || entry == SickPay || entry == TipsAndLifeInsurance
           || entry == SmallBusinessCredit || entry == Deposits;
}

} // namespace

TFrm941::TFrm941(QWidget* parent)
    : TTaxFormScreen(parent, kHelpContext, true)
{
    setObjectName(QStringLiteral("Frm941"));
    setWindowTitle(QStringLiteral("Form 941 for 2026: Employer's QUARTERLY Federal Tax Return"));

    const ReportLayout layout = ReadFormLayout(kLayout);
    TLayoutPicture* page1 = AddPage(layout, 1);
    page1->setObjectName(QStringLiteral("ImgForm941Pg1"));
    buildPage1(page1, layout);
    TLayoutPicture* page2 = AddPage(layout, 2);
    page2->setObjectName(QStringLiteral("ImgForm941Pg2"));
    buildPage2(page2, layout);

    LblNotFinal = WarningLabel(QStringLiteral("LblNotFinal"), QStringLiteral("NOT FINAL — DRAFT AS OF 06/23/2025"));
    page1->place(LblNotFinal, QRectF(0.5, 0.18, 7.5, 0.3));

    buildButtons();
    SetUpFormReport(Rpt941, FormPrintout(QStringLiteral("TFrm941"), QStringLiteral("Rpt941"), QStringLiteral("Form 941")));
    Rpt941.OnPrint = [this](ReportCanvas&) { Rpt941Print(); };

    FinishFrame(FrameDollarEdit | FrameCheckBoxEdit | FrameFilterEdit | FrameDateEdit, kClientSize);
}

void TFrm941::buildPage1(TLayoutPicture* page, const ReportLayout& layout)
{
    for (int k = 1; k <= 9; ++k) {
        EIN[k] = HeaderEntry(QStringLiteral("EIN%1").arg(k));
        EIN[k]->setTextAlignment(taCenter);
        PlaceOnField(page, layout, EIN[k]);
    }
    const auto header = [&](const char* name, const char* field) {
        TFilterEdit* box = HeaderEntry(QLatin1String(name));
        PlaceOnField(page, layout, box, QLatin1String(field));
        return box;
    };
    CompName = header("CompName", "CompName");
    CompTradeName = header("CompTradeName", "TradeName");
    CompAddress = header("CompAddress", "Address");
    CompSuiteNum = header("CompSuiteNum", "SuiteNum");
    CompCity = header("CompCity", "City");
    CompState = header("CompState", "State");
    CompZipCode = header("CompZipCode", "ZipCode");
    CompForeignCountry = header("CompForeignCountry", "ForeignCountry");
    CompForeignProvCo = header("CompForeignProvCo", "ForeignProvCo");
    CompForeignZipCode = header("CompForeignZipCode", "ForeignZipCode");
    for (int q = 1; q <= 4; ++q) {
        F941CurQtr[q] = CheckMark(QStringLiteral("F941CurQtr%1").arg(q), false);
        PlaceOnField(page, layout, F941CurQtr[q]);
    }
    // Counted when the screen opens, but the user may know better: it stays editable, outside the
    // tab order.
    F941NumEmps = new TFilterEdit;
    F941NumEmps->setObjectName(QStringLiteral("F941NumEmps"));
    F941NumEmps->setValidChars(QStringLiteral("[0..9]"));
    F941NumEmps->setMaxLength(6);
    F941NumEmps->setFocusPolicy(Qt::ClickFocus);
    F941NumEmps->setTextAlignment(taRightJustify);
    PlaceOnField(page, layout, F941NumEmps);
    // Created in the form's order, which Tab follows.
    for (int entry = Wages; entry <= LastEntry; ++entry) {
        if (entry == SocialSecurityWages) {
            F941ChkMark[NotSubjectToTaxes] = CheckMark(QStringLiteral("F941ChkMark1"), true);
            PlaceOnField(page, layout, F941ChkMark[NotSubjectToTaxes]);
        }
        F941Amount[entry] = AmountEntry(QStringLiteral("F941Amount%1").arg(entry), IsEnteredAmount(entry));
        PlaceOnField(page, layout, F941Amount[entry]);
    }
    for (int k : {ApplyToNextReturn, SendRefund}) {
        F941ChkMark[k] = CheckMark(QStringLiteral("F941ChkMark%1").arg(k), true);
        PlaceOnField(page, layout, F941ChkMark[k]);
        connect(F941ChkMark[k], &QLineEdit::textChanged, this, [this, k] { F941ChkMarkChange(F941ChkMark[k]); });
    }
}

void TFrm941::buildPage2(TLayoutPicture* page, const ReportLayout& layout)
{
    for (int k = SmallFiler; k <= SemiweeklyDepositor; ++k) {
        F941ChkMark[k] = CheckMark(QStringLiteral("F941ChkMark%1").arg(k), k == SmallFiler);
        PlaceOnField(page, layout, F941ChkMark[k]);
    }
    connect(F941ChkMark[SmallFiler], &QLineEdit::textChanged, this, [this] { F941ChkMarkChange(F941ChkMark[SmallFiler]); });
    for (int m = 1; m <= 3; ++m) {
        TaxLibMonth[m] = AmountEntry(QStringLiteral("TaxLibMonth%1").arg(m), false);
        PlaceOnField(page, layout, TaxLibMonth[m]);
    }
    TaxLibQtr = AmountEntry(QStringLiteral("TaxLibQtr"), false);
    PlaceOnField(page, layout, TaxLibQtr);
    F941ChkMark[BusinessClosed] = CheckMark(QStringLiteral("F941ChkMark7"), true);
    PlaceOnField(page, layout, F941ChkMark[BusinessClosed]);
    connect(F941ChkMark[BusinessClosed], &QLineEdit::textChanged, this, [this] { F941ChkMark7Change(); });
    F941EndDate = new TDateEdit;
    F941EndDate->setObjectName(QStringLiteral("F941EndDate"));
    PlaceOnField(page, layout, F941EndDate);
    F941ChkMark[SeasonalEmployer] = CheckMark(QStringLiteral("F941ChkMark8"), true);
    PlaceOnField(page, layout, F941ChkMark[SeasonalEmployer]);
}

void TFrm941::buildButtons()
{
    NoPrintPrepInfo = new QCheckBox(QStringLiteral("&Don't print preparer info."), PanelContainer);
    NoPrintPrepInfo->setObjectName(QStringLiteral("NoPrintPrepInfo"));
    NoPrintPrepInfo->setFocusPolicy(Qt::NoFocus);
    ButtonRow()->addWidget(NoPrintPrepInfo);
    ButtonRow()->addStretch(1);
    BtnCalculate = AddButton("BtnCalculate", QStringLiteral("&Calculate"));
    BtnPrint = AddButton("BtnPrint", QStringLiteral("&Print"));
    BtnTaxAdjustment = AddButton("BtnTaxAdjustment", QStringLiteral("&Tax Adjustment"), QStringLiteral("Make a tax adjustment"));
    BtnClose = AddButton("BtnClose", QStringLiteral("C&lose"));
    CbxSelectQtr = new QComboBox(PanelContainer);
    CbxSelectQtr->setObjectName(QStringLiteral("CbxSelectQtr"));
    CbxSelectQtr->addItems({QStringLiteral("Select Quarter"), QStringLiteral("1st Quarter"), QStringLiteral("2nd Quarter"),
                            QStringLiteral("3rd Quarter"), QStringLiteral("4th Quarter")});
    CbxSelectQtr->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ButtonRow()->addWidget(CbxSelectQtr);
    ButtonRow()->addStretch(1);
    BtnHelp = AddButton("BtnHelp", QStringLiteral("Help"), QStringLiteral("Help on completing this form (F1)"));
    connect(BtnCalculate, &QPushButton::clicked, this, [this] { BtnCalculateClick(); });
    connect(BtnPrint, &QPushButton::clicked, this, [this] { BtnPrintClick(); });
    connect(BtnTaxAdjustment, &QPushButton::clicked, this, [this] { BtnTaxAdjustmentClick(); });
    connect(BtnClose, &QPushButton::clicked, this, [this] { BtnCloseClick(); });
    connect(BtnHelp, &QPushButton::clicked, this, [this] { BtnHelpClick(); });

    StatusBar = new QLabel(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setStyleSheet(QStringLiteral("font-weight: bold;"));
    StatusBar->setContentsMargins(6, 2, 6, 2);
    layout()->addWidget(StatusBar);
}

void TFrm941::FormShow()
{
    const FormHeader header = CompanyFormHeader(CompanyRec);
    for (int k = 1; k <= 9; ++k)
        EIN[k]->setText(header.EINBox(k));
    CompName->setText(header.Name);
    CompTradeName->setText(header.TradeName);
    CompAddress->setText(header.Address);
    CompSuiteNum->setText(header.SuiteNum);
    CompCity->setText(header.City);
    CompState->setText(header.State);
    CompZipCode->setText(header.ZipCode);
    CompForeignCountry->setText(header.ForeignCountry);
    CompForeignProvCo->setText(header.ForeignProvCo);
    CompForeignZipCode->setText(header.ForeignZipCode);

    for (int q = 1; q <= 4; ++q)
        F941CurQtr[q]->setChecked(CompanyRec.CurrentQuarter == q);

    const Form941Gathered gathered = GatherForm941Totals(CompanyRec);
    HasThirdPartySickPay = gathered.thirdPartySickPay;
    CalcForm941Lines(CompanyRec);
    if (gathered.employeesPaid) {
        const int quarter = CompanyRec.CurrentQuarter;
        CbxSelectQtr->setCurrentIndex(quarter >= 1 && quarter <= 4 ? quarter : 0);
        CbxSelectQtr->setEnabled(false);
        StatusBar->setText(QStringLiteral("Automatically processed form. Line 13 may require your attention (Total deposits for this quarter)."));
    } else {
        CbxSelectQtr->setCurrentIndex(0);
        CbxSelectQtr->setEnabled(true);
        StatusBar->setText(QStringLiteral("Unprocessed form. Select the applicable quarter to print a zero employees return."));
    }
    SetForm941DepositBoxes(CompanyRec);
    LoadForm();
    EnableControls();
}

void TFrm941::LoadForm()
{
    F941NumEmps->setText(QString::number(CompanyRec.F941NumEmps));
    for (int k = 1; k <= 8; ++k) {
        const QSignalBlocker quiet(F941ChkMark[k]);
        F941ChkMark[k]->setChecked(CompanyRec.F941ChkMark[k]);
    }
    for (int m = 1; m <= 3; ++m)
        TaxLibMonth[m]->setValue(CompanyRec.TaxLibMonth[m][32]);
    TaxLibQtr->setValue(CompanyRec.TaxLibQtr);
    F941EndDate->setText(CompanyRec.F941EndDate);
    for (int entry = 1; entry <= LastEntry; ++entry)
        F941Amount[entry]->setValue(CompanyRec.F941Amount[entry]);
    NoPrintPrepInfo->setChecked(::NoPrintPrepInfo);
}

void TFrm941::SaveForm()
{
    CompanyRec.F941NumEmps = TextToInt(F941NumEmps->text());
    for (int k = 1; k <= 8; ++k)
        CompanyRec.F941ChkMark[k] = F941ChkMark[k]->checked();
    CompanyRec.F941EndDate = F941EndDate->text().left(10);
    for (int entry = 1; entry <= LastEntry; ++entry)
        CompanyRec.F941Amount[entry] = F941Amount[entry]->value();
    ::NoPrintPrepInfo = NoPrintPrepInfo->isChecked();
}

void TFrm941::CalcLines()
{
    CalcForm941Lines(CompanyRec);
}

void TFrm941::EnableControls()
{
    SetEditable(F941Amount[SickPay], !HasThirdPartySickPay);
    BtnPrint->setEnabled(CompanyRec.PayrollPosted);
    F941EndDate->setEnabled(F941ChkMark[BusinessClosed]->checked());
    const bool overpaid = F941Amount[Overpayment]->value() != 0;
    SetEditable(F941ChkMark[ApplyToNextReturn], overpaid);
    SetEditable(F941ChkMark[SendRefund], overpaid);
    SetEditable(F941ChkMark[SmallFiler], !CompanyRec.DepositStat);
}

QWidget* TFrm941::FirstField() const
{
    return F941ChkMark[NotSubjectToTaxes];
}

QWidget* TFrm941::LastField() const
{
    return F941ChkMark[SeasonalEmployer];
}

void TFrm941::FieldEnter(QWidget* entry)
{
    if (entry == F941ChkMark[NotSubjectToTaxes])
        ScrollTo(0);
    else if (entry == F941Amount[FractionsOfCents])
        ScrollTo(ScrollRange());
}

void TFrm941::F941ChkMarkChange(TCheckBoxEdit* sender)
{
    if (sender == F941ChkMark[ApplyToNextReturn] || sender == F941ChkMark[SendRefund]) {
        const QSignalBlocker quiet2(F941ChkMark[ApplyToNextReturn]);
        const QSignalBlocker quiet3(F941ChkMark[SendRefund]);
        const bool state = sender->checked();
        F941ChkMark[ApplyToNextReturn]->setChecked(false);
        F941ChkMark[SendRefund]->setChecked(false);
        sender->setChecked(state);
        return;
    }
    const QSignalBlocker quiet4(F941ChkMark[SmallFiler]);
    const QSignalBlocker quiet5(F941ChkMark[MonthlyDepositor]);
    Form941SmallFilerBoxChanged(CompanyRec, F941ChkMark[SmallFiler]->checked());
    F941ChkMark[SmallFiler]->setChecked(CompanyRec.F941ChkMark[SmallFiler]);
    F941ChkMark[MonthlyDepositor]->setChecked(CompanyRec.F941ChkMark[MonthlyDepositor]);
}

void TFrm941::F941ChkMark7Change()
{
    const bool closed = F941ChkMark[BusinessClosed]->checked();
    if (!closed)
        F941EndDate->setText(QStringLiteral("  /  /    "));
    F941EndDate->setEnabled(closed);
}

std::optional<int> TFrm941::chosenQuarter() const
{
    if (!CbxSelectQtr->isEnabled())
        return std::nullopt;
    return CbxSelectQtr->currentIndex();
}

void TFrm941::ValidateFields()
{
    const std::optional<int> chosen = chosenQuarter();
    const std::optional<Form941Problem> problem = CheckForm941(CompanyRec, chosen && *chosen == 0);
    if (!problem)
        return;
    switch (problem->check) {
    case Form941Check::Quarter:
        CbxSelectQtr->setFocus(Qt::OtherFocusReason);
        break;
    case Form941Check::Line4:
        ScrollTo(0);
        F941ChkMark[NotSubjectToTaxes]->setFocus(Qt::OtherFocusReason);
        break;
    case Form941Check::Overpayment:
        ScrollBox->ensureWidgetVisible(F941ChkMark[ApplyToNextReturn]);
        F941ChkMark[ApplyToNextReturn]->setFocus(Qt::OtherFocusReason);
        break;
    case Form941Check::RefundAccount:
        ScrollBox->ensureWidgetVisible(F941ChkMark[SendRefund]);
        F941ChkMark[SendRefund]->setFocus(Qt::OtherFocusReason);
        break;
    case Form941Check::Line16:
        break;
    case Form941Check::FinalDate:
        ScrollTo(ScrollRange());
        F941EndDate->setFocus(Qt::OtherFocusReason);
        break;
    }
    throw EFieldException(TildeToLineBreak(problem->message));
}

void TFrm941::ConfirmDeposits()
{
    const std::optional<QString> warning = Form941DepositsWarning(CompanyRec);
    if (!warning)
        return;
    if (AppMessageBox(*warning, QStringLiteral("Form 941"), MbYesNo | MbIconWarning | MbDefButton2) == IdYes)
        return;
    ScrollBox->ensureWidgetVisible(F941Amount[Deposits]);
    F941Amount[Deposits]->setFocus(Qt::OtherFocusReason);
    throw EAbort();
}

void TFrm941::BtnPrintClick()
{
    PrintForm(Rpt941, FormOutputSet::Full, QStringLiteral("Form 941"),
              [this] {
                  RequireCompanyEIN(QStringLiteral("Form 941"));
                  ValidateFields();
                  ConfirmDeposits();
              });
}

void TFrm941::Rpt941Print()
{
    const ReturnPrintChoices choices{FilingCopyDefault, TaxFormPrintDateText, ::NoPrintPrepInfo, Today()};
    FormProjectRun run(DataModule().RaveProject, Rpt941);
    run.Fill(kLayout, Form941Params(CompanyRec, PreparerRec, choices, chosenQuarter()));
    if (!Form941NeedsVoucher(CompanyRec))
        return;
    run.NewPage();
    run.Fill(kVoucherLayout, Form941VoucherParams(CompanyRec, CompanyCityStateZip, FilingCopyDefault));
    // The voucher marks the quarter the return reports.
    if (const std::optional<QRectF> circle = Form941VoucherQuarterCircle(chosenQuarter().value_or(CompanyRec.CurrentQuarter))) {
        ReportCanvas& canvas = *Rpt941.Canvas();
        canvas.SetBrush(Qt::black, BrushStyle::Solid);
        canvas.Ellipse(circle->left(), circle->top(), circle->right(), circle->bottom());
    }
}

void TFrm941::BtnTaxAdjustmentClick()
{
    // What the user typed here goes into the record that Schedule B posts when it closes.
    SaveForm();
    CalcLines();
    OpenFormScreen<TFrmScheduleB>();
    HasThirdPartySickPay = GatherForm941Totals(CompanyRec).thirdPartySickPay;
    CalcLines();
    LoadForm();
    EnableControls();
}

void TFrm941::BtnHelpClick()
{
    ShowInstructions(ProgramDir() + QStringLiteral("Inst 941.pdf"), QStringLiteral("The IRS Instructions cannot no be found"));
}
