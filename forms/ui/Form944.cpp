#include "forms/ui/Form944.h"

#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "components/TextRoutines.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DateEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/LayoutPicture.h"
#include "forms/Form944Print.h"
#include "forms/FormHeader.h"
#include "forms/ui/FormEntries.h"
#include "platform/Clock.h"
#include "platform/Exceptions.h"
#include "platform/Folders.h"
#include "platform/report/ReportLayout.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>

using namespace F944;

namespace {

const QString kLayout = QStringLiteral("Form944");
const QString kVoucherLayout = QStringLiteral("Form944V");
// The window's client size when it opens: the page's width and most of its height.
const QSize kClientSize(716, 640);

bool IsEnteredAmount(int line)
{
    return line == Adjustments || line == Credit || line == Deposits;
}

} // namespace

TFrm944::TFrm944(QWidget* parent)
    : TTaxFormScreen(parent, kHelpContext, true)
{
    setObjectName(QStringLiteral("Frm944"));
    setWindowTitle(QStringLiteral("Form 944 for 2026: Employer's ANNUAL Federal Tax Return"));

    const ReportLayout layout = ReadFormLayout(kLayout);
    TLayoutPicture* page1 = AddPage(layout, 1);
    page1->setObjectName(QStringLiteral("Form944Pg1"));
    buildPage1(page1, layout);
    TLayoutPicture* page2 = AddPage(layout, 2);
    page2->setObjectName(QStringLiteral("Form944Pg2"));
    buildPage2(page2, layout);

    LblNotApproved = NotApprovedLabel(QStringLiteral("LblNotApproved"));
    page1->place(LblNotApproved, QRectF(0.5, 0.18, 7.5, 0.3));

    buildButtons();
    SetUpFormReport(Rpt944, FormPrintout(QStringLiteral("TFrm944"), QStringLiteral("Rpt944"), QStringLiteral("Form 944")));
    Rpt944.OnPrint = [this](ReportCanvas&) { Rpt944Print(); };

    FinishFrame(FrameDollarEdit | FrameCheckBoxEdit | FrameDateEdit | FrameFilterEdit, kClientSize);
}

void TFrm944::buildPage1(TLayoutPicture* page, const ReportLayout& layout)
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
    CompanyName = header("CompanyName", "CompName");
    CompanyTradeName = header("CompanyTradeName", "TradeName");
    CompanyAddress = header("CompanyAddress", "Address");
    CompanySuiteNum = header("CompanySuiteNum", "SuiteNum");
    CompanyCity = header("CompanyCity", "City");
    CompanyState = header("CompanyState", "State");
    CompanyZipCode = header("CompanyZipCode", "ZipCode");
    ForeignCountry = header("ForeignCountry", "ForeignCountry");
    ForeignProvCo = header("ForeignProvCo", "ForeignProvCo");
    ForeignZipCode = header("ForeignZipCode", "ForeignZipCode");
    // Created in the form's order, which Tab follows.
    for (int line = Wages; line <= LastAmount; ++line) {
        if (line == SocialSecurityWages) {
            F944ChkMark[NotSubjectToTaxes] = CheckMark(QStringLiteral("F944ChkMark1"), true);
            PlaceOnField(page, layout, F944ChkMark[NotSubjectToTaxes]);
        }
        F944Amount[line] = AmountEntry(QStringLiteral("F944Amount%1").arg(line), IsEnteredAmount(line));
        PlaceOnField(page, layout, F944Amount[line]);
    }
    for (int k : {ApplyToNextReturn, SendRefund}) {
        F944ChkMark[k] = CheckMark(QStringLiteral("F944ChkMark%1").arg(k), true);
        PlaceOnField(page, layout, F944ChkMark[k]);
        connect(F944ChkMark[k], &QLineEdit::textChanged, this, [this, k] { F944ChkMarkChange(F944ChkMark[k]); });
    }
}

void TFrm944::buildPage2(TLayoutPicture* page, const ReportLayout& layout)
{
    for (int k : {SmallFiler, MonthlyLiabilities}) {
        F944ChkMark[k] = CheckMark(QStringLiteral("F944ChkMark%1").arg(k), false);
        PlaceOnField(page, layout, F944ChkMark[k]);
    }
    for (int m = 1; m <= 12; ++m) {
        F944TaxLib[m] = AmountEntry(QStringLiteral("F944TaxLib%1").arg(m), true);
        PlaceOnField(page, layout, F944TaxLib[m]);
    }
    F944TotalLib = AmountEntry(QStringLiteral("F944TotalLib"), false);
    PlaceOnField(page, layout, F944TotalLib);
    F944ChkMark[BusinessClosed] = CheckMark(QStringLiteral("F944ChkMark6"), true);
    PlaceOnField(page, layout, F944ChkMark[BusinessClosed]);
    connect(F944ChkMark[BusinessClosed], &QLineEdit::textChanged, this, [this] { F944ChkMark6Change(); });
    F944EndDate = new TDateEdit;
    F944EndDate->setObjectName(QStringLiteral("F944EndDate"));
    PlaceOnField(page, layout, F944EndDate);
}

void TFrm944::buildButtons()
{
    NoPrintPrepInfo = new QCheckBox(QStringLiteral("&Don't print preparer information."), PanelContainer);
    NoPrintPrepInfo->setObjectName(QStringLiteral("NoPrintPrepInfo"));
    NoPrintPrepInfo->setFocusPolicy(Qt::NoFocus);
    ButtonRow()->addWidget(NoPrintPrepInfo);
    ButtonRow()->addStretch(1);
    BtnCalculate = AddButton("BtnCalculate", QStringLiteral("&Calculate"));
    BtnPrint = AddButton("BtnPrint", QStringLiteral("&Print"));
    BtnClose = AddButton("BtnClose", QStringLiteral("C&lose"));
    ButtonRow()->addStretch(1);
    BtnHelp = AddButton("BtnHelp", QStringLiteral("Help"), QStringLiteral("Help on completing this form (F1)"));
    connect(BtnCalculate, &QPushButton::clicked, this, [this] { BtnCalculateClick(); });
    connect(BtnPrint, &QPushButton::clicked, this, [this] { BtnPrintClick(); });
    connect(BtnClose, &QPushButton::clicked, this, [this] { BtnCloseClick(); });
    connect(BtnHelp, &QPushButton::clicked, this, [this] { BtnHelpClick(); });
}

void TFrm944::FormShow()
{
    // Not approved for filing: nothing turns Print on while the screen is open.
    BtnPrint->setEnabled(false);
    const FormHeader header = CompanyFormHeader(CompanyRec);
    for (int k = 1; k <= 9; ++k)
        EIN[k]->setText(header.EINBox(k));
    CompanyName->setText(header.Name);
    CompanyTradeName->setText(header.TradeName);
    CompanyAddress->setText(header.Address);
    CompanySuiteNum->setText(header.SuiteNum);
    CompanyCity->setText(header.City);
    CompanyState->setText(header.State);
    CompanyZipCode->setText(header.ZipCode);
    ForeignCountry->setText(header.ForeignCountry);
    ForeignProvCo->setText(header.ForeignProvCo);
    ForeignZipCode->setText(header.ForeignZipCode);

    form_ = Form944Return();
    GatherForm944Totals(form_, CompanyRec);
    LoadForm944Block(form_, CompanyRec);
    CalcForm944Lines(form_);
    LoadForm();
    EnableControls();
}

void TFrm944::LoadForm()
{
    for (int line = 1; line <= LastAmount; ++line)
        F944Amount[line]->setValue(form_.amount[line]);
    for (int m = 1; m <= 12; ++m)
        F944TaxLib[m]->setValue(form_.monthLiability[m]);
    F944TotalLib->setValue(form_.totalLiability);
    for (int k = 1; k <= 6; ++k) {
        const QSignalBlocker quiet(F944ChkMark[k]);
        F944ChkMark[k]->setChecked(form_.mark[k]);
    }
    F944EndDate->setText(form_.finalDate);
    NoPrintPrepInfo->setChecked(::NoPrintPrepInfo);
}

void TFrm944::SaveForm()
{
    for (int line = 1; line <= LastAmount; ++line)
        form_.amount[line] = F944Amount[line]->value();
    for (int m = 1; m <= 12; ++m)
        form_.monthLiability[m] = F944TaxLib[m]->value();
    for (int k = 1; k <= 6; ++k)
        form_.mark[k] = F944ChkMark[k]->checked();
    form_.finalDate = F944EndDate->text();
    SaveForm944Block(form_, CompanyRec);
    ::NoPrintPrepInfo = NoPrintPrepInfo->isChecked();
}

void TFrm944::CalcLines()
{
    CalcForm944Lines(form_);
}

void TFrm944::EnableControls()
{
    const bool overpaid = F944Amount[Overpayment]->value() != 0;
    SetEditable(F944ChkMark[ApplyToNextReturn], overpaid);
    SetEditable(F944ChkMark[SendRefund], overpaid);
    F944EndDate->setEnabled(F944ChkMark[BusinessClosed]->checked());
}

QWidget* TFrm944::FirstField() const
{
    return F944ChkMark[NotSubjectToTaxes];
}

QWidget* TFrm944::LastField() const
{
    return F944ChkMark[BusinessClosed];
}

void TFrm944::FieldEnter(QWidget* entry)
{
    if (entry == F944ChkMark[NotSubjectToTaxes])
        ScrollTo(0);
}

void TFrm944::F944ChkMarkChange(TCheckBoxEdit* sender)
{
    const QSignalBlocker quiet2(F944ChkMark[ApplyToNextReturn]);
    const QSignalBlocker quiet3(F944ChkMark[SendRefund]);
    const bool state = sender->checked();
    F944ChkMark[ApplyToNextReturn]->setChecked(false);
    F944ChkMark[SendRefund]->setChecked(false);
    sender->setChecked(state);
}

void TFrm944::F944ChkMark6Change()
{
    const bool closed = F944ChkMark[BusinessClosed]->checked();
    if (!closed)
        F944EndDate->setText(QStringLiteral("  /  /    "));
    F944EndDate->setEnabled(closed);
}

void TFrm944::ValidateFields()
{
    const std::optional<Form944Problem> problem = CheckForm944(form_, CompanyRec);
    if (!problem)
        return;
    switch (problem->check) {
    case Form944Check::Line3:
        ScrollTo(0);
        F944ChkMark[NotSubjectToTaxes]->setFocus(Qt::OtherFocusReason);
        break;
    case Form944Check::Overpayment:
        ScrollBox->ensureWidgetVisible(F944ChkMark[ApplyToNextReturn]);
        F944ChkMark[ApplyToNextReturn]->setFocus(Qt::OtherFocusReason);
        break;
    case Form944Check::RefundAccount:
        ScrollBox->ensureWidgetVisible(F944ChkMark[SendRefund]);
        F944ChkMark[SendRefund]->setFocus(Qt::OtherFocusReason);
        break;
    case Form944Check::Line13m:
        break;
    case Form944Check::FinalDate:
        ScrollTo(ScrollRange());
        F944EndDate->setFocus(Qt::OtherFocusReason);
        break;
    }
    throw EFieldException(TildeToLineBreak(problem->message));
}

void TFrm944::BtnPrintClick()
{
    PrintForm(Rpt944, FormOutputSet::PreviewOnly, QStringLiteral("Form 944"),
              [this] {
                  RequireCompanyEIN(QStringLiteral("Form 944"));
                  ValidateFields();
              });
}

void TFrm944::Rpt944Print()
{
    const ReturnPrintChoices choices{FilingCopyDefault, TaxFormPrintDateText, ::NoPrintPrepInfo, Today()};
    FormProjectRun run(DataModule().RaveProject, Rpt944);
    run.Fill(kLayout, Form944Params(form_, CompanyRec, PreparerRec, choices));
    if (!Form944NeedsVoucher(form_, CompanyRec))
        return;
    run.NewPage();
    run.Fill(kVoucherLayout, Form944VoucherParams(form_, CompanyRec, CompanyCityStateZip, FilingCopyDefault));
}

void TFrm944::BtnHelpClick()
{
    ShowInstructions(ProgramDir() + QStringLiteral("Inst 944.pdf"), QStringLiteral("The IRS Instructions are not available"));
}
