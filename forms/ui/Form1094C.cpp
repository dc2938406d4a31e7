#include "forms/ui/Form1094C.h"

#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/LayoutPicture.h"
#include "forms/EmployerAddress.h"
#include "forms/Form1094CParams.h"
#include "forms/ui/FormEntries.h"
#include "forms/ui/PayFormCopy.h"
#include "platform/Exceptions.h"
#include "platform/Folders.h"
#include "platform/report/ReportLayout.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/ShowModal.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include <memory>

namespace {

const QString kLayout = QStringLiteral("Form1094C");
const QString kPartIVLayout = QStringLiteral("Form1094CPage3");
const QSize kClientSize(1025, 705);
const QString kEINMask = QStringLiteral("99-9999999");
const QString kPhoneMask = QStringLiteral("999-999-9999");

} // namespace

TFrm1094C::TFrm1094C(QWidget* parent)
    : TTaxFormScreen(parent, 0, true)
{
    setObjectName(QStringLiteral("Frm1094C"));
    setWindowTitle(QStringLiteral("Form 1094-C Transmittal of Employer-Provided Health Insurance Offer and Coverage "
                                  "Information Returns 2026"));

    const ReportLayout layout = ReadFormLayout(kLayout);
    const ReportLayout partIV = ReadFormLayout(kPartIVLayout);
    TLayoutPicture* page1 = AddPage(layout, 1);
    page1->setObjectName(QStringLiteral("ImgForm1094CPg1"));
    TLayoutPicture* page2 = AddPage(layout, 2);
    page2->setObjectName(QStringLiteral("ImgForm1094CPg2"));
    TLayoutPicture* page3 = AddPage(partIV, 1);
    page3->setObjectName(QStringLiteral("ImgForm1094CPg3"));
    int label = 0;
    for (TLayoutPicture* page : {page1, page2, page3}) {
        LblNotApproved[label] = NotApprovedLabel(QStringLiteral("LblNotApproved%1").arg(label + 1));
        page->place(LblNotApproved[label], QRectF(0.5, 0.05, 7.5, 0.22));
        ++label;
    }

    // Created in the order of the form: the order Tab follows.
    F1094CCorrect = CheckEntry(QStringLiteral("F1094CCorrect"));
    F1094CCorrect->setFocusPolicy(Qt::ClickFocus);
    PlaceOnField(page1, layout, F1094CCorrect, QStringLiteral("Corrected"));
    CompName = HeaderEntry(QStringLiteral("CompName"));
    PlaceOnField(page1, layout, CompName, QStringLiteral("Box1"));
    CompFederalID = MaskedEntry(QStringLiteral("CompFederalID"), kEINMask);
    MakeHeader(CompFederalID);
    PlaceOnField(page1, layout, CompFederalID, QStringLiteral("Box2"));
    CompAddress = HeaderEntry(QStringLiteral("CompAddress"));
    PlaceOnField(page1, layout, CompAddress, QStringLiteral("Box3"));
    CompCity = HeaderEntry(QStringLiteral("CompCity"));
    PlaceOnField(page1, layout, CompCity, QStringLiteral("Box4"));
    CompState = HeaderEntry(QStringLiteral("CompState"));
    PlaceOnField(page1, layout, CompState, QStringLiteral("Box5"));
    CompZipCocde = HeaderEntry(QStringLiteral("CompZipCocde"));
    PlaceOnField(page1, layout, CompZipCocde, QStringLiteral("Box6"));
    CompFW3Contact = TextEntry(QStringLiteral("CompFW3Contact"), QStringLiteral("[A..Z,a..z, ]"), 27);
    PlaceOnField(page1, layout, CompFW3Contact, QStringLiteral("Box7"));
    CompPhoneNumber = MaskedEntry(QStringLiteral("CompPhoneNumber"), kPhoneMask);
    MakeHeader(CompPhoneNumber);
    PlaceOnField(page1, layout, CompPhoneNumber, QStringLiteral("Box8"));
    for (int line = 9; line <= 16; ++line) {
        const QString name = QStringLiteral("F1094CBox%1").arg(line);
        if (line == 10)
            F1094CBoxLine[line] = MaskedEntry(name, kEINMask);
        else if (line == 16)
            F1094CBoxLine[line] = MaskedEntry(name, kPhoneMask);
        else
            F1094CBoxLine[line] = HeaderEntry(name);
        MakeHeader(F1094CBoxLine[line]);
        PlaceOnField(page1, layout, F1094CBoxLine[line], QStringLiteral("Box%1").arg(line));
    }
    F1094CBox17 = CheckEntry(QStringLiteral("F1094CBox17"));
    F1094CBox17->setReadOnly(true);
    F1094CBox17->setEnabled(false);
    PlaceOnField(page1, layout, F1094CBox17, QStringLiteral("Box17"));
    F1094CBox18 = HeaderEntry(QStringLiteral("F1094CBox18"));
    F1094CBox18->setTextAlignment(taRightJustify);
    PlaceOnField(page1, layout, F1094CBox18, QStringLiteral("Box18"));
    F1094CBox19 = CheckEntry(QStringLiteral("F1094CBox19"));
    PlaceOnField(page1, layout, F1094CBox19, QStringLiteral("Box19"));
    F1094CBox20 = TextEntry(QStringLiteral("F1094CBox20"), QStringLiteral("[0..9]"), 9);
    F1094CBox20->setTextAlignment(taRightJustify);
    PlaceOnField(page1, layout, F1094CBox20, QStringLiteral("Box20"));
    F1094CBox21Y = CheckEntry(QStringLiteral("F1094CBox21Y"));
    PlaceOnField(page1, layout, F1094CBox21Y, QStringLiteral("Box21Y"));
    F1094CBox21N = CheckEntry(QStringLiteral("F1094CBox21N"));
    PlaceOnField(page1, layout, F1094CBox21N, QStringLiteral("Box21N"));
    for (int k = 1; k <= 4; ++k) {
        F1094CBox22[k] = CheckEntry(QStringLiteral("F1094CBox22_%1").arg(k));
        PlaceOnField(page1, layout, F1094CBox22[k], QStringLiteral("Box22_%1").arg(k));
    }
    // Certifications B and C are reserved on the 2026 form.
    for (int k : {2, 3}) {
        F1094CBox22[k]->setReadOnly(true);
        F1094CBox22[k]->setEnabled(false);
    }

    for (int r = 0; r < k1094CMonthRows; ++r) {
        F1094CBoxaY[r] = CheckEntry(QStringLiteral("F1094CBoxaY%1").arg(r));
        PlaceOnField(page2, layout, F1094CBoxaY[r], QStringLiteral("BoxaY%1").arg(r));
        F1094CBoxaN[r] = CheckEntry(QStringLiteral("F1094CBoxaN%1").arg(r));
        PlaceOnField(page2, layout, F1094CBoxaN[r], QStringLiteral("BoxaN%1").arg(r));
        F1094CBoxb[r] = TextEntry(QStringLiteral("F1094CBoxb%1").arg(r), QStringLiteral("[0..9]"), 4);
        F1094CBoxb[r]->setTextAlignment(taRightJustify);
        PlaceOnField(page2, layout, F1094CBoxb[r], QStringLiteral("Boxb%1").arg(r));
        F1094CBoxc[r] = TextEntry(QStringLiteral("F1094CBoxc%1").arg(r), QStringLiteral("[0..9]"), 4);
        F1094CBoxc[r]->setTextAlignment(taRightJustify);
        PlaceOnField(page2, layout, F1094CBoxc[r], QStringLiteral("Boxc%1").arg(r));
        F1094CBoxd[r] = CheckEntry(QStringLiteral("F1094CBoxd%1").arg(r));
        PlaceOnField(page2, layout, F1094CBoxd[r], QStringLiteral("Boxd%1").arg(r));
        // The relief indicator is reserved: shown as stored, never entered.
        F1094CBoxe[r] = TextEntry(QStringLiteral("F1094CBoxe%1").arg(r), QStringLiteral("[A,B]"), 1);
        F1094CBoxe[r]->setCharCase(ecUpperCase);
        F1094CBoxe[r]->setTextAlignment(taCenter);
        F1094CBoxe[r]->setReadOnly(true);
        F1094CBoxe[r]->setEnabled(false);
        PlaceOnField(page2, layout, F1094CBoxe[r], QStringLiteral("Boxe%1").arg(r));
    }
    // Part IV is entered column by column, as the form numbers its members.
    for (int n = 1; n <= k1094CMembers; ++n) {
        F1094CPIVName[n] = TextEntry(QStringLiteral("F1094CPIVName%1").arg(n), QString(), 40);
        PlaceOnField(page3, partIV, F1094CPIVName[n], QStringLiteral("PIVName%1").arg(n));
        F1094CPIVEIN[n] = MaskedEntry(QStringLiteral("F1094CPIVEIN%1").arg(n), kEINMask);
        PlaceOnField(page3, partIV, F1094CPIVEIN[n], QStringLiteral("PIVEIN%1").arg(n));
    }

    BtnPrint = AddButton("BtnPrint", QStringLiteral("&Print"));
    ButtonRow()->addStretch(1);
    BtnClose = AddButton("BtnClose", QStringLiteral("&Close"));
    ButtonRow()->addStretch(1);
    BtnHelp = AddButton("BtnHelp", QStringLiteral("Help"), QStringLiteral("Form Help"));
    connect(BtnPrint, &QPushButton::clicked, this, [this] { BtnPrintClick(); });
    connect(BtnClose, &QPushButton::clicked, this, [this] { BtnCloseClick(); });
    connect(BtnHelp, &QPushButton::clicked, this, [this] { BtnHelpClick(); });

    connect(F1094CBox19, &TCheckBoxEdit::clicked, this, [this] { F1094CBox19Change(); });
    connect(F1094CBox21Y, &TCheckBoxEdit::clicked, this, [this] { F1094CBox21Change(true); });
    connect(F1094CBox21N, &TCheckBoxEdit::clicked, this, [this] { F1094CBox21Change(false); });
    for (int r = 0; r < k1094CMonthRows; ++r) {
        connect(F1094CBoxaY[r], &TCheckBoxEdit::clicked, this, [this, r] { F1094CBoxaYNChange(r, true); });
        connect(F1094CBoxaN[r], &TCheckBoxEdit::clicked, this, [this, r] { F1094CBoxaYNChange(r, false); });
    }

    SetUpFormReport(Rpt1094C, FormPrintout(QStringLiteral("TFrm1094C"), QStringLiteral("Rpt1094C"),
                                           QStringLiteral("Form 1094-C"), PageOrientation::Portrait, false));
    Rpt1094C.OnPrint = [this](ReportCanvas& report) { Rpt1094CPrint(report); };

    FinishFrame(FrameFilterEdit | FrameMaskEdit | FrameCheckBoxEdit, kClientSize);
}

Form1094CEntries TFrm1094C::Entries() const
{
    Form1094CEntries e;
    e.contact = CompFW3Contact->text();
    e.line18 = F1094CBox18->text();
    e.line19 = F1094CBox19->checked();
    e.line20 = F1094CBox20->text();
    e.line21Yes = F1094CBox21Y->checked();
    e.line21No = F1094CBox21N->checked();
    for (int r = 0; r < k1094CMonthRows; ++r) {
        Form1094CMonthRow& row = e.rows[r];
        row.offerYes = F1094CBoxaY[r]->checked();
        row.offerNo = F1094CBoxaN[r]->checked();
        row.fullTimeCount = F1094CBoxb[r]->text();
        row.totalCount = F1094CBoxc[r]->text();
        row.aggregatedGroup = F1094CBoxd[r]->checked();
    }
    for (int n = 1; n <= k1094CMembers; ++n)
        e.member(n) = Form1094CMember{F1094CPIVName[n]->text(), MaskedText(F1094CPIVEIN[n])};
    return e;
}

// The values the rules change: line 21 and the monthly rows.
void TFrm1094C::showEntries(const Form1094CEntries& e)
{
    F1094CBox21Y->setChecked(e.line21Yes);
    F1094CBox21N->setChecked(e.line21No);
    for (int r = 0; r < k1094CMonthRows; ++r) {
        const Form1094CMonthRow& row = e.rows[r];
        F1094CBoxaY[r]->setChecked(row.offerYes);
        F1094CBoxaN[r]->setChecked(row.offerNo);
        F1094CBoxb[r]->setText(row.fullTimeCount);
        F1094CBoxc[r]->setText(row.totalCount);
        F1094CBoxd[r]->setChecked(row.aggregatedGroup);
    }
}

void TFrm1094C::FormShow()
{
    BtnPrint->setEnabled(false);
    ScrollTo(0);
    LoadForm();
    // Every opening starts as the authoritative transmittal.
    F1094CBox19->setChecked(true);
    EnableControls();
    ApplyOutputSet(Rpt1094C, FormOutputSet::PreviewOnly);
}

void TFrm1094C::LoadForm()
{
    const CompanyRecord& c = CompanyRec;
    F1094CCorrect->setChecked(c.F1094CCorrect);
    CompName->setText(c.Name);
    CompFederalID->setText(c.FederalID);
    CompAddress->setText(EmployerStreet(c, QStringLiteral("  suite ")));
    CompCity->setText(c.City);
    CompState->setText(EmployerStateOrProvince(c));
    CompZipCocde->setText(EmployerCountryAndPostalCode(c));
    CompFW3Contact->setText(c.FW3Contact);
    CompPhoneNumber->setText(c.PhoneNumber);
    F1094CBoxLine[9]->setText(c.F1094CBox9);
    F1094CBoxLine[10]->setText(c.F1094CBox10);
    F1094CBoxLine[11]->setText(c.F1094CBox11);
    F1094CBoxLine[12]->setText(c.F1094CBox12);
    F1094CBoxLine[13]->setText(c.F1094CBox13);
    F1094CBoxLine[14]->setText(c.F1094CBox14);
    F1094CBoxLine[15]->setText(c.F1094CBox15);
    F1094CBoxLine[16]->setText(c.F1094CBox16);
    F1094CBox17->setChecked(c.F1094CBox17);
    // The forms sent with this transmittal: one per employee record, whatever was stored.
    F1094CBox18->setText(QString::number(GetEmployeeCount()));
    F1094CBox19->setChecked(c.F1094CBox19);
    F1094CBox20->setText(QString::number(c.F1094CBox20));
    for (int k = 1; k <= 4; ++k)
        F1094CBox22[k]->setChecked(c.F1094CBox22[k]);

    Form1094CEntries e;
    // A record holding both answers keeps the later one, as two clicks would.
    SetLine21(e, true, c.F1094CBox21Y);
    if (c.F1094CBox21N)
        SetLine21(e, false, true);
    for (int r = 0; r < k1094CMonthRows; ++r) {
        Form1094CMonthRow& row = e.rows[r];
        row.offerYes = c.F1094CBoxaY[r] && !c.F1094CBoxaN[r];
        row.offerNo = c.F1094CBoxaN[r];
        row.fullTimeCount = QString::number(c.F1094CBoxb[r]);
        row.totalCount = QString::number(c.F1094CBoxc[r]);
        row.aggregatedGroup = c.F1094CBoxd[r];
        const char16_t relief = c.F1094CBoxe[r];
        F1094CBoxe[r]->setText(relief == 0 ? QString() : QString(QChar(relief)).trimmed());
    }
    if (e.rows[0].offerYes || e.rows[0].offerNo)
        ClearMonthRows(e);
    showEntries(e);
    for (int n = 1; n <= k1094CMembers; ++n) {
        F1094CPIVName[n]->setText(c.F1094CPIVName[n]);
        F1094CPIVEIN[n]->setText(c.F1094CPIVEIN[n]);
    }
    ShowTextsFromTheStart(this);
}

void TFrm1094C::SaveForm()
{
    CompanyRecord& c = CompanyRec;
    c.F1094CCorrect = F1094CCorrect->checked();
    c.FW3Contact = CompFW3Contact->text();
    c.F1094CBox18 = TextToInt(F1094CBox18->text());
    c.F1094CBox19 = F1094CBox19->checked();
    c.F1094CBox20 = TextToInt(F1094CBox20->text());
    c.F1094CBox21Y = F1094CBox21Y->checked();
    c.F1094CBox21N = F1094CBox21N->checked();
    for (int k = 1; k <= 4; ++k)
        c.F1094CBox22[k] = F1094CBox22[k]->checked();
    for (int r = 0; r < k1094CMonthRows; ++r) {
        c.F1094CBoxaY[r] = F1094CBoxaY[r]->checked();
        c.F1094CBoxaN[r] = F1094CBoxaN[r]->checked();
        c.F1094CBoxb[r] = TextToInt(F1094CBoxb[r]->text());
        c.F1094CBoxc[r] = TextToInt(F1094CBoxc[r]->text());
        c.F1094CBoxd[r] = F1094CBoxd[r]->checked();
        c.F1094CBoxe[r] = FirstCharOrSpace(F1094CBoxe[r]->text()).unicode();
    }
    for (int n = 1; n <= k1094CMembers; ++n) {
        c.F1094CPIVName[n] = F1094CPIVName[n]->text();
        c.F1094CPIVEIN[n] = MaskedText(F1094CPIVEIN[n]);
    }
}

void TFrm1094C::EnableControls()
{
    const Form1094CEntries e = Entries();
    const bool line19 = e.line19;
    const bool months = MonthRowsEnabled(e);
    const bool partIV = PartIVEnabled(e);
    for (QWidget* entry : {static_cast<QWidget*>(F1094CBox21Y), static_cast<QWidget*>(F1094CBox21N),
                           static_cast<QWidget*>(F1094CBox22[1]), static_cast<QWidget*>(F1094CBox22[4])})
        entry->setEnabled(line19);
    for (int r = 0; r < k1094CMonthRows; ++r) {
        const bool on = r == 0 ? line19 : months;
        for (QWidget* entry : {static_cast<QWidget*>(F1094CBoxaY[r]), static_cast<QWidget*>(F1094CBoxaN[r]),
                               static_cast<QWidget*>(F1094CBoxb[r]), static_cast<QWidget*>(F1094CBoxc[r]),
                               static_cast<QWidget*>(F1094CBoxd[r])})
            entry->setEnabled(on);
    }
    for (int n = 1; n <= k1094CMembers; ++n) {
        F1094CPIVName[n]->setEnabled(partIV);
        F1094CPIVEIN[n]->setEnabled(partIV);
    }
}

void TFrm1094C::F1094CBox19Change()
{
    EnableControls();
}

void TFrm1094C::F1094CBox21Change(bool yesBox)
{
    Form1094CEntries e = Entries();
    SetLine21(e, yesBox, yesBox ? F1094CBox21Y->checked() : F1094CBox21N->checked());
    showEntries(e);
    EnableControls();
}

void TFrm1094C::F1094CBoxaYNChange(int row, bool yesBox)
{
    Form1094CEntries e = Entries();
    SetCoverageOffer(e, row, yesBox, yesBox ? F1094CBoxaY[row]->checked() : F1094CBoxaN[row]->checked());
    showEntries(e);
    EnableControls();
}

QWidget* TFrm1094C::FirstField() const
{
    return F1094CBox19;
}

QWidget* TFrm1094C::LastField() const
{
    return F1094CPIVEIN[k1094CMembers]->isEnabled() ? F1094CPIVEIN[k1094CMembers] : nullptr;
}

void TFrm1094C::FieldExit(QWidget*)
{
    // Nothing on this form is computed from what is typed.
}

QWidget* TFrm1094C::failedField(const Form1094CFailure& failure) const
{
    using Field = Form1094CFailure::Field;
    switch (failure.field) {
    case Field::None: return nullptr;
    case Field::Contact: return CompFW3Contact;
    case Field::Line20: return F1094CBox20;
    case Field::Line21Yes: return F1094CBox21Y;
    case Field::OfferYes: return F1094CBoxaY[failure.index];
    case Field::FullTimeCount: return F1094CBoxb[failure.index];
    case Field::TotalCount: return F1094CBoxc[failure.index];
    case Field::AggregatedGroup: return F1094CBoxd[failure.index];
    case Field::MemberName: return F1094CPIVName[failure.index];
    case Field::MemberEIN: return F1094CPIVEIN[failure.index];
    }
    return nullptr;
}

void TFrm1094C::ValidateFields()
{
    const std::optional<Form1094CFailure> failure = Check1094C(Entries());
    if (!failure)
        return;
    if (QWidget* field = failedField(*failure)) {
        ScrollBox->ensureWidgetVisible(field);
        field->setFocus(Qt::OtherFocusReason);
    }
    throw EFieldException(TildeToLineBreak(failure->message));
}

void TFrm1094C::BtnPrintClick()
{
    ValidateFields();
    bool ok = false;
    {
        auto dialog = std::make_unique<TFrmFormCopy>(this);
        dialog->setWindowTitle(QStringLiteral("Form 1094C"));
        ok = ShowModal(*dialog) == QDialog::Accepted;
    }
    if (!ok)
        return;
    SaveForm();
    if (!browseOnly())
        DataModule().RSCompany.PostRec();
    try {
        Rpt1094C.Execute();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}

void TFrm1094C::Rpt1094CPrint(ReportCanvas&)
{
    FormProjectRun run(DataModule().RaveProject, Rpt1094C);
    run.Fill(kLayout, Form1094CParams(CompanyRec, FilingCopyDefault, TaxFormPrintDateText));
    if (Form1094CPrintsPartIV(CompanyRec)) {
        run.NewPage();
        run.Fill(kPartIVLayout, Form1094CPage3Params(CompanyRec, FilingCopyDefault));
    }
}

void TFrm1094C::BtnHelpClick()
{
    ShowInstructions(ProgramDir() + QStringLiteral("Inst 1094-95-C.pdf"), QStringLiteral("The IRS Instructions cannot be found"));
}
