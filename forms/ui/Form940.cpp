#include "forms/ui/Form940.h"

#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/ui/HelpWindow.h"
#include "components/StateTables.h"
#include "components/TextRoutines.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/LayoutPicture.h"
#include "components/ui/StateEdit.h"
#include "forms/FormHeader.h"
#include "forms/ui/FittedLabel.h"
#include "forms/ui/PayFormCopy.h"
#include "forms/ui/FormEntries.h"
#include "platform/Exceptions.h"
#include "platform/report/ReportLayout.h"

#include <QCheckBox>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

const QString TFrm940::kNotApproved = QStringLiteral("NOT APPROVED BY I.R.S. — DO NOT FILE");

namespace {

// Wide enough for the window's long caption.
const QSize kClientSize(890, 640);
const QString kGrey = QStringLiteral("background: #E2E2E2;");
// Where the screen's own notes stand on the pages, in inches.
const QRectF kNotApprovedStrip1(2.0, 0.2, 4.5, 0.22);
const QRectF kNotApprovedStrip2(2.0, 0.2, 4.5, 0.22);
const QRectF kLine9Note(4.28, 7.53, 1.49, 0.17);
const QRectF kCreditReductionNote(6.15, 1.4, 1.85, 1.52);

TFilterEdit* HeaderBox(const QString& name)
{
    auto* box = new TFilterEdit;
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

TCheckBoxEdit* Mark(const QString& name, bool readOnly = false)
{
    auto* mark = new TCheckBoxEdit;
    mark->setObjectName(name);
    if (readOnly) {
        mark->setReadOnly(true);
        mark->setFocusPolicy(Qt::ClickFocus);
    }
    return mark;
}

TDollarEdit* Money(const QString& name, bool readOnly)
{
    auto* money = new TDollarEdit;
    money->setObjectName(name);
    money->setDollarDigits(9);
    money->setCentDigits(2);
    money->setTextAlignment(taRightJustify);
    if (readOnly) {
        money->setReadOnly(true);
        money->setFocusPolicy(Qt::ClickFocus);
    }
    return money;
}

bool EditableLine(int entry)
{
    return entry == F940::SomeWagesExcluded || entry == F940::Deposits
           || (entry >= F940::Quarter1 && entry <= F940::Quarter4);
}

QLabel* Note(const QString& name, const QString& text, const QString& style)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setStyleSheet(style);
    return label;
}

} // namespace

TFrm940::TFrm940(QWidget* parent)
    : TTaxFormScreen(parent, kHelpContext, true)
{
    setObjectName(QStringLiteral("Frm940"));
    setWindowTitle(QStringLiteral("Form 940 for 2026: Employer's Annual Federal Unemployment (FUTA) Tax Return & "
                                  "Schedule A Multi State Employer & Credit Reduction"));

    const ReportLayout form = ReadFormLayout(kForm940Layout);
    const ReportLayout schedule = ReadFormLayout(kScheduleALayout);
    TLayoutPicture* page1 = AddPage(form, 1);
    page1->setObjectName(QStringLiteral("ImgForm940Pg1"));
    TLayoutPicture* page2 = AddPage(form, 2);
    page2->setObjectName(QStringLiteral("ImgForm940Pg2"));
    TLayoutPicture* scheduleA = AddPage(schedule, 1);
    scheduleA->setObjectName(QStringLiteral("ImgScheduleA"));
    const auto on1 = [&](QWidget* entry, const QString& field, double width = 0) {
        PlaceOnField(page1, form, entry, field, width);
    };
    const auto on2 = [&](QWidget* entry, const QString& field, double width = 0) {
        PlaceOnField(page2, form, entry, field, width);
    };
    const auto onA = [&](QWidget* entry, const QString& field, double width = 0) {
        PlaceOnField(scheduleA, schedule, entry, field, width);
    };
    const QString red = QStringLiteral("QLabel { color: %1; font-weight: bold; background: white; }").arg(kWarningRed.name());
    LblNotApproved1 = Note(QStringLiteral("LblNotApproved1"), kNotApproved, red);
    LblNotApproved1->setAlignment(Qt::AlignCenter);
    page1->place(LblNotApproved1, kNotApprovedStrip1);
    LblNotApproved2 = Note(QStringLiteral("LblNotApproved2"), kNotApproved, red);
    LblNotApproved2->setAlignment(Qt::AlignCenter);
    scheduleA->place(LblNotApproved2, kNotApprovedStrip2);

    // Page 1, in tab order.
    for (int k = 1; k <= FormHeader::kEINBoxes; ++k) {
        EIN1[k] = HeaderBox(QStringLiteral("EIN1_%1").arg(k));
        EIN1[k]->setTextAlignment(taCenter);
        on1(EIN1[k], QStringLiteral("EIN%1").arg(k));
    }
    const struct {
        TFilterEdit** box;
        const char* name;
        const char* field;
    } header[] = {{&CompName1, "CompName1", "CompName"},
                  {&CompTradeName, "CompTradeName", "TradeName"},
                  {&CompAddress, "CompAddress", "Address"},
                  {&CompSuiteNum, "CompSuiteNum", "SuiteNum"},
                  {&CompCity, "CompCity", "City"},
                  {&CompState, "CompState", "State"},
                  {&CompZipCode, "CompZipCode", "ZipCode"},
                  {&CompForeignCountry, "CompForeignCountry", "ForeignCountry"},
                  {&CompForeignProvCo, "CompForeignProvCo", "ForeignProvCo"},
                  {&CompForeignZipCode, "CompForeignZipCode", "ForeignZipCode"}};
    for (const auto& h : header) {
        *h.box = HeaderBox(QLatin1String(h.name));
        on1(*h.box, QLatin1String(h.field));
    }
    ShowWidestValueWhole(CompZipCode, QStringLiteral("00000-0000"));
    for (int k = 1; k <= 4; ++k) {
        F940Type[k] = Mark(QStringLiteral("F940Type%1").arg(k));
        on1(F940Type[k], QStringLiteral("F940Type%1").arg(k), 0.14);
    }
    F940StateCode = new TStateEdit;
    F940StateCode->setObjectName(QStringLiteral("F940StateCode"));
    on1(F940StateCode, QStringLiteral("F940StateCode1"), 0.64);
    F940SchAChk1 = Mark(QStringLiteral("F940SchAChk1"));
    on1(F940SchAChk1, QStringLiteral("F940SchAChk1"), 0.14);
    F940SchAChk2 = Mark(QStringLiteral("F940SchAChk2"));
    on1(F940SchAChk2, QStringLiteral("F940SchAChk2"), 0.14);
    for (int line = F940::TotalPayments; line <= F940::Overpayment; ++line) {
        F940Amount[line] = Money(QStringLiteral("F940Amount%1").arg(line), !EditableLine(line));
        on1(F940Amount[line], QStringLiteral("F940Amount%1").arg(line), 1.6);
        if (line == F940::ExemptPayments) {
            for (int kind = F940::FringeBenefits; kind <= F940::Other; ++kind) {
                F940Exempt[kind] = Mark(QStringLiteral("F940Exempt%1").arg(kind), true);
                on1(F940Exempt[kind], QStringLiteral("F940Exempt%1").arg(kind), 0.14);
            }
        }
        if (line == F940::AllWagesExcluded) {
            F940NoWages = Mark(QStringLiteral("F940NoWages"));
            on1(F940NoWages, QStringLiteral("F940NoWages"), 0.14);
            auto* note = new TFittedLabel;
            note->setObjectName(QStringLiteral("LblNoWages"));
            note->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            note->setStyleSheet(QStringLiteral("QLabel { color: blue; font-weight: bold; background: white; }"));
            note->ShowText(QStringLiteral("Check to calculate line 9"));
            page1->place(note, kLine9Note);
        }
    }
    F940OverPay1 = Mark(QStringLiteral("F940OverPay1"));
    on1(F940OverPay1, QStringLiteral("F940OverPay1"), 0.14);
    F940OverPay2 = Mark(QStringLiteral("F940OverPay2"));
    on1(F940OverPay2, QStringLiteral("F940OverPay2"), 0.14);

    // Page 2: the quarters and their total.
    for (int line = F940::Quarter1; line <= F940::YearLiability; ++line) {
        F940Amount[line] = Money(QStringLiteral("F940Amount%1").arg(line), !EditableLine(line));
        on2(F940Amount[line], QStringLiteral("F940Amount%1").arg(line), 1.5);
    }
    page2->place(Note(QStringLiteral("LblCreditReduction"),
                      QStringLiteral("NOTE. If Credit Reduction applies, you must add the credit reduction amount to the "
                                     "4th quarter of your FUTA tax liability."),
                      red),
                 kCreditReductionNote);

    // Schedule A.
    for (int k = 1; k <= FormHeader::kEINBoxes; ++k) {
        EIN2[k] = HeaderBox(QStringLiteral("EIN2_%1").arg(k));
        EIN2[k]->setTextAlignment(taCenter);
        onA(EIN2[k], QStringLiteral("EIN%1").arg(k));
    }
    CompName2 = HeaderBox(QStringLiteral("CompName2"));
    onA(CompName2, QStringLiteral("CompName"));
    for (int row = 1; row <= kScheduleARows; ++row) {
        F940States[row] = Mark(QStringLiteral("F940States%1").arg(row));
        onA(F940States[row], QStringLiteral("F940States%1").arg(row), 0.14);
        F940CRWages[row] = Money(QStringLiteral("F940CRWages%1").arg(row), false);
        F940CRWages[row]->setStyleSheet(kGrey);
        onA(F940CRWages[row], QStringLiteral("F940CRWages%1").arg(row), 1.15);
        F940CRRate[row] = new QLabel;
        F940CRRate[row]->setObjectName(QStringLiteral("F940CRRate%1").arg(row));
        onA(F940CRRate[row], QStringLiteral("F940CRRate%1").arg(row), 0.6);
        F940CRAmount[row] = Money(QStringLiteral("F940CRAmount%1").arg(row), false);
        F940CRAmount[row]->setStyleSheet(kGrey);
        onA(F940CRAmount[row], QStringLiteral("F940CRAmount%1").arg(row), 1.15);
    }
    F940TCRAmount = Money(QStringLiteral("F940TCRAmount"), true);
    onA(F940TCRAmount, QStringLiteral("F940TCRAmount"), 1.6);

    BtnCalculate = AddButton("BtnCalculate", QStringLiteral("&Calculate"));
    ButtonRow()->addStretch(1);
    NoPrintPrepInfo = new QCheckBox(QStringLiteral("&Don't print prepare information."));
    NoPrintPrepInfo->setObjectName(QStringLiteral("NoPrintPrepInfo"));
    ButtonRow()->addWidget(NoPrintPrepInfo);
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
    connect(F940NoWages, &TCheckBoxEdit::clicked, this, [this] { BtnCalculateClick(); });
    connect(F940OverPay1, &TCheckBoxEdit::clicked, this, [this] { overPayClicked(F940OverPay1); });
    connect(F940OverPay2, &TCheckBoxEdit::clicked, this, [this] { overPayClicked(F940OverPay2); });

    SetUpFormReport(Rpt940, FormPrintout(QStringLiteral("TFrm940"), QStringLiteral("Rpt940"), QStringLiteral("Form 940")));
    Rpt940.OnPrint = [this](ReportCanvas&) { Rpt940Print(); };

    FinishFrame(FrameCheckBoxEdit | FrameDollarEdit | FrameStateEdit | FrameFilterEdit, kClientSize);
}

void TFrm940::FormShow()
{
    const FormHeader header = CompanyFormHeader(CompanyRec);
    for (int k = 1; k <= FormHeader::kEINBoxes; ++k) {
        EIN1[k]->setText(header.EINBox(k));
        EIN2[k]->setText(header.EINBox(k));
    }
    CompName1->setText(header.Name);
    CompName2->setText(CompName1->text());
    CompTradeName->setText(header.TradeName);
    CompAddress->setText(header.Address);
    CompSuiteNum->setText(header.SuiteNum);
    CompCity->setText(header.City);
    CompState->setText(header.State);
    CompZipCode->setText(header.ZipCode);
    CompForeignCountry->setText(header.ForeignCountry);
    CompForeignProvCo->setText(header.ForeignProvCo);
    CompForeignZipCode->setText(header.ForeignZipCode);
    for (int row = 1; row <= kScheduleARows; ++row) {
        F940CRWages[row]->setEnabled(false);
        F940CRAmount[row]->setEnabled(false);
    }
    ScrollTo(0);
    ApplyOutputSet(Rpt940, FormOutputSet::PreviewOnly);
    GatherForm940Totals(CompanyRec);
    CalcForm940Lines(CompanyRec);
    LoadForm();
    BtnPrint->setEnabled(false);
    F940SchAChk2->setEnabled(false);
    EnableControls();
}

void TFrm940::LoadForm()
{
    const CompanyRecord& c = CompanyRec;
    for (int k = 1; k <= 4; ++k)
        F940Type[k]->setChecked(c.F940Type[k]);
    const int state = StateCodeIndex(c.F940StateCode.get());
    F940StateCode->setCurrentIndex(IsBlank(c.F940StateCode) || state >= StateCount ? -1 : state);
    F940SchAChk1->setChecked(c.F940SchAChk1);
    F940SchAChk2->setChecked(c.F940SchAChk2);
    for (int kind = F940::FringeBenefits; kind <= F940::Other; ++kind)
        F940Exempt[kind]->setChecked(c.F940Exempt[kind]);
    F940NoWages->setChecked(c.F940NoWages);
    F940OverPay1->setChecked(c.F940OverPay1);
    F940OverPay2->setChecked(c.F940OverPay2);
    for (int line = F940::TotalPayments; line <= F940::YearLiability; ++line)
        F940Amount[line]->setValue(c.F940Amount[line]);
    for (int row = 1; row <= kScheduleARows; ++row) {
        F940States[row]->setChecked(c.F940States[row]);
        F940CRWages[row]->setValue(c.F940CRWages[row]);
        F940CRAmount[row]->setValue(c.F940CRAmount[row]);
    }
    F940TCRAmount->setValue(c.F940TCRAmount);
    NoPrintPrepInfo->setChecked(::NoPrintPrepInfo);
}

void TFrm940::SaveForm()
{
    CompanyRecord& c = CompanyRec;
    for (int k = 1; k <= 4; ++k)
        c.F940Type[k] = F940Type[k]->checked();
    c.F940StateCode = F940StateCode->currentIndex() < 0 ? QString() : F940StateCode->currentText().left(2);
    c.F940SchAChk1 = F940SchAChk1->checked();
    c.F940SchAChk2 = F940SchAChk2->checked();
    c.F940NoWages = F940NoWages->checked();
    c.F940OverPay1 = F940OverPay1->checked();
    c.F940OverPay2 = F940OverPay2->checked();
    for (int line = F940::AllWagesExcluded; line <= F940::YearLiability; ++line)
        c.F940Amount[line] = F940Amount[line]->value();
    for (int row = 1; row <= kScheduleARows; ++row) {
        c.F940States[row] = F940States[row]->checked();
        c.F940CRWages[row] = F940CRWages[row]->value();
    }
    ::NoPrintPrepInfo = NoPrintPrepInfo->isChecked();
}

void TFrm940::CalcLines()
{
    CalcForm940Lines(CompanyRec);
}

void TFrm940::EnableControls()
{
    const bool noOverpayment = F940Amount[F940::Overpayment]->value() == 0;
    F940OverPay1->setReadOnly(noOverpayment);
    F940OverPay2->setReadOnly(noOverpayment);
}

QWidget* TFrm940::FirstField() const
{
    return F940Type[1];
}

QWidget* TFrm940::LastField() const
{
    return F940States[kScheduleARows];
}

void TFrm940::FieldEnter(QWidget* entry)
{
    if (entry == F940Type[1])
        ScrollTo(0);
}

void TFrm940::overPayClicked(TCheckBoxEdit* changed)
{
    const bool checked = changed->checked();
    F940OverPay1->setChecked(false);
    F940OverPay2->setChecked(false);
    changed->setChecked(checked);
}

QWidget* TFrm940::problemEntry(const Form940Problem& problem) const
{
    switch (problem.check) {
    case Form940Check::StateAndMultiState:
    case Form940Check::StateOrMultiState:
        return F940StateCode;
    case Form940Check::Line9And10:
        return F940Amount[F940::SomeWagesExcluded];
    case Form940Check::StateWagesAboveLine7:
        return F940CRWages[problem.row];
    case Form940Check::Overpayment:
        return F940OverPay1;
    case Form940Check::RefundAccount:
        return F940OverPay2;
    case Form940Check::Line12Line17:
        return F940Amount[F940::Quarter1];
    default:
        return F940States[1];
    }
}

void TFrm940::ValidateFields()
{
    if (const std::optional<Form940Problem> problem = CheckForm940(CompanyRec)) {
        QWidget* entry = problemEntry(*problem);
        ScrollBox->ensureWidgetVisible(entry);
        entry->setFocus();
        throw EFieldException(TildeToLineBreak(problem->message));
    }
}

void TFrm940::BtnPrintClick()
{
    PrintForm(Rpt940, FormOutputSet::PreviewOnly, QStringLiteral("Form 940"),
              [this] {
                  RequireCompanyEIN(QStringLiteral("Form 940"));
                  ValidateFields();
              });
}

void TFrm940::Rpt940Print()
{
    FormProjectRun run(DataModule().RaveProject, Rpt940);
    Form940PrintChoice choice;
    choice.filingCopy = FilingCopyDefault;
    choice.printDateText = TaxFormPrintDateText;
    choice.noPrintPrepInfo = ::NoPrintPrepInfo;
    choice.today = QDate::currentDate();
    run.Fill(kForm940Layout, Form940Params(CompanyRec, PreparerRec, choice));
    if (PrintsForm940V(CompanyRec)) {
        run.NewPage();
        run.Fill(kForm940VLayout, Form940VParams(CompanyRec, FilingCopyDefault));
    }
    if (PrintsScheduleA(CompanyRec)) {
        run.NewPage();
        run.Fill(kScheduleALayout, ScheduleAParams(CompanyRec, FilingCopyDefault));
    }
}

void TFrm940::BtnHelpClick()
{
    ShowHelp(kHelpContext);
}
