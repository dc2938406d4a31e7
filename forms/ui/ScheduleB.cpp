#include "forms/ui/ScheduleB.h"

#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/ui/HelpWindow.h"
#include "components/TextRoutines.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/LayoutPicture.h"
#include "forms/ScheduleB.h"
#include "forms/ui/PayFormCopy.h"
#include "platform/Exceptions.h"
#include "platform/report/ReportLayout.h"

#include <QPushButton>

namespace {

// The window's client size when it opens: the page's width and most of its height.
const QSize kClientSize(716, 640);

constexpr int kQuarterToDate = 3;

// A header box the screen fills and the user only reads.
TFilterEdit* HeaderBox(const QString& name)
{
    auto* box = new TFilterEdit;
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

TDollarEdit* Amount(const QString& name, bool total)
{
    auto* amount = new TDollarEdit;
    amount->setObjectName(name);
    amount->setCentDigits(2);
    amount->setTextAlignment(taRightJustify);
    if (total) {
        amount->setReadOnly(true);
        amount->setFocusPolicy(Qt::ClickFocus);
    }
    return amount;
}

} // namespace

TFrmScheduleB::TFrmScheduleB(QWidget* parent)
    : TTaxFormScreen(parent, kHelpContext, true)
{
    setObjectName(QStringLiteral("FrmScheduleB"));
    setWindowTitle(QStringLiteral("Schedule B (Form 941): Report of Tax Liability for Semiweekly Schedule Depositors"));

    const ReportLayout layout = ReadFormLayout(kScheduleBLayout);
    TLayoutPicture* page = AddPage(layout, 1);
    page->setObjectName(QStringLiteral("ImgScheduleB"));

    for (int k = 1; k <= 9; ++k) {
        EIN[k] = HeaderBox(QStringLiteral("EIN%1").arg(k));
        EIN[k]->setTextAlignment(taCenter);
        PlaceOnField(page, layout, EIN[k], QString(), 0.2);
    }
    CompanyName = HeaderBox(QStringLiteral("CompanyName"));
    PlaceOnField(page, layout, CompanyName, QStringLiteral("CompName"));
    for (int k = 1; k <= 4; ++k) {
        CalYear[k] = HeaderBox(QStringLiteral("CalYear%1").arg(k));
        CalYear[k]->setTextAlignment(taCenter);
        PlaceOnField(page, layout, CalYear[k], QString(), 0.2);
    }
    for (int q = 1; q <= 4; ++q) {
        F941CurQtr[q] = new TCheckBoxEdit;
        F941CurQtr[q]->setObjectName(QStringLiteral("F941CurQtr%1").arg(q));
        F941CurQtr[q]->setReadOnly(true);
        F941CurQtr[q]->setFocusPolicy(Qt::ClickFocus);
        PlaceOnField(page, layout, F941CurQtr[q], QString(), 0.16);
    }
    // Created day by day, month by month: the order Tab follows.
    for (int m = 1; m <= 3; ++m) {
        for (int d = 1; d <= 32; ++d) {
            month(m)[d] = Amount(QStringLiteral("TaxLibMonth%1_%2").arg(m).arg(d), d == 32);
            PlaceOnField(page, layout, month(m)[d]);
        }
    }
    TaxLibQtr = Amount(QStringLiteral("TaxLibQtr"), true);
    PlaceOnField(page, layout, TaxLibQtr);

    BtnCalculate = AddButton("BtnCalculate", QStringLiteral("&Calculate"));
    ButtonRow()->addStretch(1);
    BtnPrint = AddButton("BtnPrint", QStringLiteral("&Print"));
    ButtonRow()->addStretch(1);
    BtnClose = AddButton("BtnClose", QStringLiteral("C&lose"));
    ButtonRow()->addStretch(1);
    BtnHelp = AddButton("BtnHelp", QStringLiteral("Help"), QStringLiteral("Form Help"));
    connect(BtnCalculate, &QPushButton::clicked, this, [this] { BtnCalculateClick(); });
    connect(BtnPrint, &QPushButton::clicked, this, [this] { BtnPrintClick(); });
    connect(BtnClose, &QPushButton::clicked, this, [this] { BtnCloseClick(); });
    connect(BtnHelp, &QPushButton::clicked, this, [this] { BtnHelpClick(); });

    SetUpFormReport(RptScheduleB, FormPrintout(QStringLiteral("TFrmScheduleB"), QStringLiteral("RptScheduleB"),
                                                QStringLiteral("Schedule B (Form 941)")));
    RptScheduleB.OnPrint = [this](ReportCanvas&) { RptScheduleBPrint(); };

    FinishFrame(FrameDollarEdit | FrameCheckBoxEdit | FrameFilterEdit, kClientSize);
}

std::array<TDollarEdit*, 33>& TFrmScheduleB::month(int m)
{
    return m == 1 ? TaxLibMonth1 : m == 2 ? TaxLibMonth2 : TaxLibMonth3;
}

void TFrmScheduleB::FormShow()
{
    LoadCompanyHeader();
    for (int k = 1; k <= 4; ++k)
        CalYear[k]->setText(kScheduleBYear.mid(k - 1, 1));
    for (int q = 1; q <= 4; ++q)
        F941CurQtr[q]->setChecked(CompanyRec.CurrentQuarter == q);
    // The stored totals are shown as they are; the first Calculate or exit recomputes them.
    LoadForm();
    BtnPrint->setEnabled(CompanyRec.PayrollPosted && CountEmployeesWithAmount(kQuarterToDate) > 0);
}

void TFrmScheduleB::LoadForm()
{
    for (int m = 1; m <= 3; ++m) {
        for (int d = 1; d <= 32; ++d)
            month(m)[d]->setValue(CompanyRec.TaxLibMonth[m][d]);
    }
    TaxLibQtr->setValue(CompanyRec.TaxLibQtr);
}

void TFrmScheduleB::SaveForm()
{
    for (int m = 1; m <= 3; ++m) {
        for (int d = 1; d <= 32; ++d)
            CompanyRec.TaxLibMonth[m][d] = month(m)[d]->value();
    }
    CompanyRec.TaxLibQtr = TaxLibQtr->value();
}

void TFrmScheduleB::CalcLines()
{
    CalcTotals(CompanyRec);
}

QWidget* TFrmScheduleB::FirstField() const
{
    return TaxLibMonth1[1];
}

QWidget* TFrmScheduleB::LastField() const
{
    return TaxLibMonth3[31];
}

void TFrmScheduleB::FieldEnter(QWidget* entry)
{
    if (entry == TaxLibMonth1[1])
        ScrollTo(0);
    else if (entry == TaxLibMonth3[1])
        ScrollTo(ScrollRange());
}

void TFrmScheduleB::PageUp()
{
    ScrollTo(0);
}

void TFrmScheduleB::PageDown()
{
    ScrollTo(ScrollRange());
}

void TFrmScheduleB::BtnPrintClick()
{
    PrintForm(
        RptScheduleB, FormOutputSet::ScheduleB, QStringLiteral("Schedule B (Form 941)"),
        [] {
            RequireCompanyEIN(QStringLiteral("Schedule B (Form 941)"));
            if (const std::optional<QString> fault = ScheduleBPrintFault(CompanyRec))
                throw EFieldException(TildeToLineBreak(*fault));
        },
        [](TFrmFormCopy& dialog) { dialog.HidePrintDate(); });
}

void TFrmScheduleB::RptScheduleBPrint()
{
    FormProjectRun run(DataModule().RaveProject, RptScheduleB);
    run.Fill(kScheduleBLayout, ScheduleBParams(CompanyRec, FilingCopyDefault));
}

void TFrmScheduleB::BtnHelpClick()
{
    ShowHelp(kHelpContext);
}
