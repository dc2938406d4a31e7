#include "forms/ui/Form1095C.h"

#include "client/EmployeeIndex.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/ui/PayEmployee.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DateEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/EntryFieldSupport.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/LayoutPicture.h"
#include "components/ui/RSNavigator.h"
#include "forms/EmployerAddress.h"
#include "forms/Form1095CPrint.h"
#include "forms/FormParams.h"
#include "forms/ui/FormEntries.h"
#include "platform/Exceptions.h"
#include "platform/Folders.h"
#include "platform/report/ReportLayout.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/ShowModal.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kLayout = QStringLiteral("Form1095C");
const QString kInstructionsLayout = QStringLiteral("Form1095CInst");
const QSize kClientSize(1025, 757);

const QString kCodeChars14 = QStringLiteral("[1,A..H,J..U,a..h,j..u]");
const QString kCodeChars16 = QStringLiteral("[2,A..H,a..h]");

TFilterEdit* CodeEntry(const QString& name, const QString& chars)
{
    TFilterEdit* entry = TextEntry(name, chars, 2);
    entry->setCharCase(ecUpperCase);
    entry->setTextAlignment(taCenter);
    return entry;
}

QString LastNameAndSuffix(const EmployeeRecord& e)
{
    return e.LastName.get() + QLatin1Char(' ') + e.Suffix.get();
}

} // namespace

TFrm1095C::TFrm1095C(QWidget* parent)
    : TTaxFormScreen(parent, 0, true)
{
    setObjectName(QStringLiteral("Frm1095C"));
    setWindowTitle(QStringLiteral("Form 1095-C Employer-Provided Health Insurance Offer and Coverage 2026"));

    const ReportLayout layout = ReadFormLayout(kLayout);
    TLayoutPicture* page = AddPage(layout, 1);
    page->setObjectName(QStringLiteral("ImgForm1095CPg1"));
    LblNotApproved = NotApprovedLabel(QStringLiteral("LblNotApproved"));
    page->place(LblNotApproved, QRectF(2.3, 0.06, 5.6, 0.26));

    const auto place = [&](QWidget* entry, const QString& field) { PlaceOnField(page, layout, entry, field); };

    // Created in the order of the form: the order Tab follows.
    F1095CVoid = CheckEntry(QStringLiteral("F1095CVoid"));
    F1095CVoid->setReadOnly(true);
    F1095CVoid->setEnabled(false);
    place(F1095CVoid, QStringLiteral("Void"));
    F1095CCorrect = CheckEntry(QStringLiteral("F1095CCorrect"));
    place(F1095CCorrect, QStringLiteral("Corrected"));

    EmpFirstName = HeaderEntry(QStringLiteral("EmpFirstName"));
    place(EmpFirstName, QStringLiteral("Box1a"));
    EmpMiddleInitial = HeaderEntry(QStringLiteral("EmpMiddleInitial"));
    place(EmpMiddleInitial, QStringLiteral("Box1b"));
    EmpLastName = HeaderEntry(QStringLiteral("EmpLastName"));
    place(EmpLastName, QStringLiteral("Box1c"));
    EmpSocSecNum = MaskedEntry(QStringLiteral("EmpSocSecNum"), QStringLiteral("000-00-0000"));
    MakeHeader(EmpSocSecNum);
    place(EmpSocSecNum, QStringLiteral("Box2"));
    EmpAddress = HeaderEntry(QStringLiteral("EmpAddress"));
    place(EmpAddress, QStringLiteral("Box3"));
    EmpCity = HeaderEntry(QStringLiteral("EmpCity"));
    place(EmpCity, QStringLiteral("Box4"));
    EmpState = HeaderEntry(QStringLiteral("EmpState"));
    place(EmpState, QStringLiteral("Box5"));
    EmpZipCode = HeaderEntry(QStringLiteral("EmpZipCode"));
    place(EmpZipCode, QStringLiteral("Box6"));
    CompName = HeaderEntry(QStringLiteral("CompName"));
    place(CompName, QStringLiteral("Box7"));
    CompFederalID = MaskedEntry(QStringLiteral("CompFederalID"), QStringLiteral("99-9999999"));
    MakeHeader(CompFederalID);
    place(CompFederalID, QStringLiteral("Box8"));
    CompAddress = HeaderEntry(QStringLiteral("CompAddress"));
    place(CompAddress, QStringLiteral("Box9"));
    CompPhoneNumber = MaskedEntry(QStringLiteral("CompPhoneNumber"), QStringLiteral("999-999-9999"));
    MakeHeader(CompPhoneNumber);
    place(CompPhoneNumber, QStringLiteral("Box10"));
    CompCity = HeaderEntry(QStringLiteral("CompCity"));
    place(CompCity, QStringLiteral("Box11"));
    CompState = HeaderEntry(QStringLiteral("CompState"));
    place(CompState, QStringLiteral("Box12"));
    CompZipCocde = HeaderEntry(QStringLiteral("CompZipCocde"));
    place(CompZipCocde, QStringLiteral("Box13"));

    EmployeeAge = HeaderEntry(QStringLiteral("EmployeeAge"));
    EmployeeAge->setMaxLength(3);
    EmployeeAge->setTextAlignment(taCenter);
    place(EmployeeAge, QStringLiteral("EmployeeAge"));
    F1095CPSM = TextEntry(QStringLiteral("F1095CPSM"), QStringLiteral("[0..9]"), 2);
    F1095CPSM->setTextAlignment(taCenter);
    place(F1095CPSM, QStringLiteral("PSM"));

    for (int c = 0; c < k1095CColumns; ++c) {
        F1095CBox14[c] = CodeEntry(QStringLiteral("F1095CBox14_%1").arg(c), kCodeChars14);
        place(F1095CBox14[c], QStringLiteral("Box14_%1").arg(c));
    }
    for (int c = 0; c < k1095CColumns; ++c) {
        F1095CBox15[c] = new TDollarEdit;
        F1095CBox15[c]->setObjectName(QStringLiteral("F1095CBox15_%1").arg(c));
        F1095CBox15[c]->setDollarDigits(4);
        ShowWidestValueWhole(F1095CBox15[c], QStringLiteral("9,999.99"));
        F1095CBox15[c]->setCentDigits(2);
        F1095CBox15[c]->setCurrency(false);
        F1095CBox15[c]->setMinusKey(false);
        F1095CBox15[c]->setTextAlignment(taRightJustify);
        place(F1095CBox15[c], QStringLiteral("Box15_%1").arg(c));
    }
    for (int c = 0; c < k1095CColumns; ++c) {
        F1095CBox16[c] = CodeEntry(QStringLiteral("F1095CBox16_%1").arg(c), kCodeChars16);
        place(F1095CBox16[c], QStringLiteral("Box16_%1").arg(c));
    }
    for (int c = 0; c < k1095CColumns; ++c) {
        F1095CBox17[c] = TextEntry(QStringLiteral("F1095CBox17_%1").arg(c), QStringLiteral("[0..9]"), 5);
        F1095CBox17[c]->setTextAlignment(taCenter);
        place(F1095CBox17[c], QStringLiteral("Box17_%1").arg(c));
    }

    F1095CCovInd = CheckEntry(QStringLiteral("F1095CCovInd"));
    place(F1095CCovInd, QStringLiteral("CovInd"));
    for (int r = 1; r <= k1095CCoveredRows; ++r) {
        F1095CBoxaFN[r] = TextEntry(QStringLiteral("F1095CBoxaFN%1").arg(r), kPersonNameChars, 15);
        place(F1095CBoxaFN[r], QStringLiteral("BoxaFN%1").arg(r));
        F1095CBoxaMI[r] = TextEntry(QStringLiteral("F1095CBoxaMI%1").arg(r), QStringLiteral("[A..Z,a..z]"), 1);
        F1095CBoxaMI[r]->setCharCase(ecUpperCase);
        F1095CBoxaMI[r]->setTextAlignment(taCenter);
        place(F1095CBoxaMI[r], QStringLiteral("BoxaMI%1").arg(r));
        F1095CBoxaLN[r] = TextEntry(QStringLiteral("F1095CBoxaLN%1").arg(r), kPersonNameChars, 22);
        place(F1095CBoxaLN[r], QStringLiteral("BoxaLN%1").arg(r));
        F1095CBoxb[r] = MaskedEntry(QStringLiteral("F1095CBoxb%1").arg(r), QStringLiteral("999-99-9999"));
        place(F1095CBoxb[r], QStringLiteral("Boxb%1").arg(r));
        F1095CBoxc[r] = new TDateEdit;
        F1095CBoxc[r]->setObjectName(QStringLiteral("F1095CBoxc%1").arg(r));
        place(F1095CBoxc[r], QStringLiteral("Boxc%1").arg(r));
        F1095CBoxd[r] = CheckEntry(QStringLiteral("F1095CBoxd%1").arg(r));
        place(F1095CBoxd[r], QStringLiteral("Boxd%1").arg(r));
        for (int m = 1; m <= 12; ++m) {
            F1095CBoxe[r][m] = CheckEntry(QStringLiteral("F1095CBoxe%1_%2").arg(r).arg(m));
            place(F1095CBoxe[r][m], QStringLiteral("Boxe%1_%2").arg(r).arg(m));
        }
    }
    // Row 1 is the employee, filled from the employee's own record.
    for (QLineEdit* own : {static_cast<QLineEdit*>(F1095CBoxaFN[1]), static_cast<QLineEdit*>(F1095CBoxaMI[1]),
                           static_cast<QLineEdit*>(F1095CBoxaLN[1]), F1095CBoxb[1],
                           static_cast<QLineEdit*>(F1095CBoxc[1])})
        MakeHeader(own);

    StaticText1 = new QLabel(QStringLiteral(
        "See pages 13 through 15 of the IRS Instructions for the correct codes to enter on lines 14 and 16, and to "
        "determine if you are required to complete line 17. If you enter code 1B, 1C, 1D,  1E, 1J, 1K, 1L, 1M, 1N, "
        "1O, 1P, 1Q, 1T, or 1U on line 14, then line 15 requires an entry, otherwise leave line 15 blank. If you "
        "enter code 1L, 1M, 1N, 1O, 1P, 1Q, 1T, or 1U on line 14, then you must complete line 17, otherwise leave "
        "line 17 blank."));
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setWordWrap(true);
    StaticText2 = new QLabel(QStringLiteral("  If no Plan was Offered, Enter \"00\" in this Field."));
    StaticText2->setObjectName(QStringLiteral("StaticText2"));
    StaticText2->setStyleSheet(QStringLiteral("font-weight: bold;"));
    StaticText2->hide();
    StaticText3 = new QLabel(QStringLiteral("This box must be checked in order to process and print Part III"));
    StaticText3->setObjectName(QStringLiteral("StaticText3"));
    // The notes stay in view below the scrolling page; the plan start month's hint keeps its room
    // while hidden, so nothing moves when it shows.
    auto* notes = new QWidget;
    notes->setObjectName(QStringLiteral("Notes"));
    auto* noteColumn = new QVBoxLayout(notes);
    noteColumn->addWidget(StaticText1);
    auto* noteRow = new QHBoxLayout;
    noteRow->addWidget(StaticText3);
    noteRow->addStretch(1);
    noteRow->addWidget(StaticText2);
    noteColumn->addLayout(noteRow);
    QSizePolicy keepRoom = StaticText2->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    StaticText2->setSizePolicy(keepRoom);
    AddNoteStrip(notes);

    BtnPrintOne = AddButton("BtnPrintOne", QStringLiteral("Print &One"), QStringLiteral("Print the current Form 1095-C"));
    BtnPrintAll = AddButton("BtnPrintAll", QStringLiteral("Print &All"), QStringLiteral("Print All Forms 1095-C"));
    BtnPrintInst = AddButton("BtnPrintInst", QStringLiteral("P&rint Inst."),
                             QStringLiteral("Print Form 1095-C Recipient Instructions"));
    BtnEmployees = AddButton("BtnEmployees", QStringLiteral("E&mployees"));
    ChkMaskSSN = new QCheckBox(QStringLiteral("Mas&k all SSNs and DOBs on Printed Form"));
    ChkMaskSSN->setObjectName(QStringLiteral("ChkMaskSSN"));
    ChkMaskSSN->setFocusPolicy(Qt::ClickFocus);
    ButtonRow()->addWidget(ChkMaskSSN);
    ButtonRow()->addStretch(1);
    RSNavigator = new TRSNavigator(this);
    RSNavigator->setObjectName(QStringLiteral("RSNavigator"));
    RSNavigator->SetVisibleButtons(AllNavBtns & ~NavBtn(nbNew) & ~NavBtn(nbDelete));
    RSNavigator->SetBtnFirstHint(QStringLiteral("First Employee (Alt+F)"));
    RSNavigator->SetBtnNextHint(QStringLiteral("Next Employee (Alt+N)"));
    RSNavigator->SetBtnPriorHint(QStringLiteral("Prior Employee (Alt+P)"));
    RSNavigator->SetBtnLastHint(QStringLiteral("Last Employee (Alt+L)"));
    RSNavigator->SetBtnListHint(QStringLiteral("List Employees (Alt+I)"));
    ButtonRow()->addWidget(RSNavigator);
    ButtonRow()->addStretch(1);
    BtnClose = AddButton("BtnClose", QStringLiteral("&Close"));
    BtnHelp = AddButton("BtnHelp", QStringLiteral("Help"), QStringLiteral("Click here for IRS Instructions"));

    connect(BtnPrintOne, &QPushButton::clicked, this, [this] { BtnPrintOneClick(); });
    connect(BtnPrintAll, &QPushButton::clicked, this, [this] { BtnPrintAllClick(); });
    connect(BtnPrintInst, &QPushButton::clicked, this, [this] { BtnPrintInstClick(); });
    connect(BtnEmployees, &QPushButton::clicked, this, [this] { BtnEmployeesClick(); });
    connect(BtnClose, &QPushButton::clicked, this, [this] { BtnCloseClick(); });
    connect(BtnHelp, &QPushButton::clicked, this, [this] { BtnHelpClick(); });
    connect(F1095CBox14[0], &QLineEdit::textEdited, this, [this] { F1095CBox14_0Change(); });
    for (int r = 1; r <= k1095CCoveredRows; ++r) {
        connect(F1095CBoxd[r], &TCheckBoxEdit::clicked, this, [this, r] { F1095CBoxdChange(r); });
        for (int m = 1; m <= 12; ++m)
            connect(F1095CBoxe[r][m], &TCheckBoxEdit::clicked, this, [this, r] { F1095CBoxeChange(r); });
    }
    RSNavigator->OnBeforeAction = [this](TRSNavigator& sender) { RSNavigatorBeforeAction(sender); };
    RSNavigator->OnAfterAction = [this](TRSNavigator&) { RSNavigatorAfterAction(); };
    RSNavigator->OnBtnListClick = [](TRSNavigator&) { ShowRecList(); };

    SetUpFormReport(Rpt1095C, FormPrintout(QStringLiteral("TFrm1095C"), QStringLiteral("Rpt1095C"),
                                           QStringLiteral("Form 1095-C"), PageOrientation::Landscape, false));
    Rpt1095C.OnPrint = [this](ReportCanvas&) { Rpt1095CPrint(); };
    SetUpFormReport(Rpt1095CInst, FormPrintout(QStringLiteral("TFrm1095C"), QStringLiteral("Rpt1095CInst"),
                                               QStringLiteral("Form 1095-C Instructions"), PageOrientation::Landscape,
                                               false));
    Rpt1095CInst.OnPrint = [this](ReportCanvas&) { Rpt1095CInstPrint(); };

    FinishFrame(FrameFilterEdit | FrameMaskEdit | FrameDateEdit | FrameCheckBoxEdit | FrameDollarEdit, kClientSize);
}

Form1095CEntries TFrm1095C::Entries() const
{
    Form1095CEntries e;
    e.employeeAge = EmployeeAge->text();
    e.planStartMonth = F1095CPSM->text();
    for (int c = 0; c < k1095CColumns; ++c) {
        e.line14[c] = F1095CBox14[c]->text();
        e.line15[c] = F1095CBox15[c]->value();
        e.line16[c] = F1095CBox16[c]->text();
        e.line17[c] = F1095CBox17[c]->text();
    }
    e.monthColumnsEnabled = F1095CBox14[1]->isEnabled();
    e.coveredIndividuals = F1095CCovInd->checked();
    for (int r = 1; r <= k1095CCoveredRows; ++r) {
        Form1095CCoveredRow& row = e.row(r);
        row.firstName = F1095CBoxaFN[r]->text();
        row.middleInitial = F1095CBoxaMI[r]->text();
        row.lastName = F1095CBoxaLN[r]->text();
        row.ssn = MaskedText(F1095CBoxb[r]);
        row.dateOfBirth = F1095CBoxc[r]->text();
        row.allYear = F1095CBoxd[r]->checked();
        for (int m = 1; m <= 12; ++m)
            row.months[m - 1] = F1095CBoxe[r][m]->checked();
    }
    return e;
}

// Shows what the rules of lines 14 to 17 and of Part III changed.
void TFrm1095C::showCheckedEntries(const Form1095CEntries& e)
{
    for (int c = 0; c < k1095CColumns; ++c) {
        F1095CBox14[c]->setText(e.line14[c]);
        F1095CBox15[c]->setValue(e.line15[c]);
        F1095CBox16[c]->setText(e.line16[c]);
        F1095CBox17[c]->setText(e.line17[c]);
    }
    for (int r = 1; r <= k1095CCoveredRows; ++r) {
        F1095CBoxd[r]->setChecked(e.row(r).allYear);
        for (int m = 1; m <= 12; ++m)
            F1095CBoxe[r][m]->setChecked(e.row(r).months[m - 1]);
    }
}

void TFrm1095C::FormShow()
{
    ScrollTo(0);
    TFrmDataModule& module = DataModule();
    if (module.RSEmployee.CurrentRecord() < module.RSEmployee.FirstRecord())
        module.RSEmployee.SetCurrentRecord(module.RSEmployee.FirstRecord());
    module.RSEmployee.GetRec();
    LoadForm();
    RSNavigator->SetRecordSet(&module.RSEmployee);

    const CompanyRecord& c = CompanyRec;
    CompName->setText(c.Name);
    CompFederalID->setText(c.FederalID);
    CompAddress->setText(EmployerStreet(c, QStringLiteral(" suite ")));
    CompCity->setText(c.City);
    CompState->setText(EmployerStateOrProvince(c));
    CompZipCocde->setText(EmployerCountryAndPostalCode(c));
    CompPhoneNumber->setText(c.PhoneNumber);
    ShowTextsFromTheStart(this);

    ApplyOutputSet(Rpt1095C, FormOutputSet::PreviewOnly);
    EmployeeCount = GetEmployeeCount();
    checked_.assign(static_cast<std::size_t>(std::max(EmployeeCount, 0)), false);
    markShown();
    ChkMaskSSN->setChecked(true);
    BtnPrintOne->setEnabled(false);
    BtnPrintInst->setEnabled(false);
    UpdatePrintAll();
    F1095CPSM->setFocus(Qt::OtherFocusReason);
}

void TFrm1095C::LoadForm()
{
    const EmployeeRecord& e = EmployeeRec;
    F1095CVoid->setChecked(e.F1095CVoid);
    F1095CCorrect->setChecked(e.F1095CCorrect);
    EmpFirstName->setText(e.FirstName);
    EmpMiddleInitial->setText(e.MiddleInitial);
    EmpLastName->setText(LastNameAndSuffix(e));
    EmpSocSecNum->setText(e.SocSecNum);
    EmpAddress->setText(e.Address);
    EmpCity->setText(e.City);
    EmpState->setText(e.State);
    EmpZipCode->setText(e.ZipCode);
    EmployeeAge->setText(QString::number(e.EmployeeAge));
    F1095CPSM->setText(e.F1095CPSM);

    F1095CBoxaFN[1]->setText(e.FirstName);
    F1095CBoxaMI[1]->setText(e.MiddleInitial);
    F1095CBoxaLN[1]->setText(LastNameAndSuffix(e));
    F1095CBoxb[1]->setText(e.SocSecNum);
    F1095CBoxc[1]->setText(QString());

    for (int c = 0; c < k1095CColumns; ++c) {
        F1095CBox14[c]->setText(e.F1095CBox14[c]);
        F1095CBox15[c]->setValue(e.F1095CBox15[c]);
        F1095CBox16[c]->setText(e.F1095CBox16[c]);
        F1095CBox17[c]->setText(e.F1095CBox17[c]);
    }
    F1095CCovInd->setChecked(e.F1095CCovInd);
    for (int r = 2; r <= k1095CCoveredRows; ++r) {
        F1095CBoxaFN[r]->setText(e.F1095CBoxaFN[r]);
        F1095CBoxaMI[r]->setText(e.F1095CBoxaMI[r]);
        F1095CBoxaLN[r]->setText(e.F1095CBoxaLN[r]);
        F1095CBoxb[r]->setText(e.F1095CBoxb[r]);
        F1095CBoxc[r]->setText(e.F1095CBoxc[r]);
    }
    for (int r = 1; r <= k1095CCoveredRows; ++r) {
        F1095CBoxd[r]->setChecked(e.F1095CBoxd[r]);
        for (int m = 1; m <= 12; ++m)
            F1095CBoxe[r][m]->setChecked(e.F1095CBoxe[r][m]);
    }
    EnableMonthColumns();
    EnableCoverageMonths();
    ShowTextsFromTheStart(this);
}

void TFrm1095C::SaveForm()
{
    EmployeeRecord& e = EmployeeRec;
    e.F1095CVoid = F1095CVoid->checked();
    e.F1095CCorrect = F1095CCorrect->checked();
    e.EmployeeAge = TextToInt(EmployeeAge->text());
    e.F1095CPSM = F1095CPSM->text();
    for (int c = 0; c < k1095CColumns; ++c) {
        e.F1095CBox14[c] = F1095CBox14[c]->text();
        e.F1095CBox15[c] = F1095CBox15[c]->value();
        e.F1095CBox16[c] = F1095CBox16[c]->text();
        e.F1095CBox17[c] = F1095CBox17[c]->text();
    }
    e.F1095CCovInd = F1095CCovInd->checked();
    for (int r = 1; r <= k1095CCoveredRows; ++r) {
        e.F1095CBoxaFN[r] = F1095CBoxaFN[r]->text();
        e.F1095CBoxaMI[r] = F1095CBoxaMI[r]->text();
        e.F1095CBoxaLN[r] = F1095CBoxaLN[r]->text();
        e.F1095CBoxb[r] = MaskedText(F1095CBoxb[r]);
        e.F1095CBoxc[r] = F1095CBoxc[r]->text();
        e.F1095CBoxd[r] = F1095CBoxd[r]->checked();
        for (int m = 1; m <= 12; ++m)
            e.F1095CBoxe[r][m] = F1095CBoxe[r][m]->checked();
    }
}

// Closing stores the form shown as it is: only moving to another employee and printing check it.
void TFrm1095C::SaveScreen()
{
    SaveForm();
    DataModule().RSEmployee.PostRec();
}

void TFrm1095C::RevertScreen()
{
    DataModule().RSEmployee.GetRec();
}

void TFrm1095C::EnableMonthColumns()
{
    setMonthColumns(MonthColumnsEnabledOnShow(F1095CBox14[0]->text()));
}

void TFrm1095C::F1095CBox14_0Change()
{
    setMonthColumns(MonthColumnsEnabledWhileTyping(F1095CBox14[0]->text()));
}

// Columns switched off are emptied: what they held goes with them.
void TFrm1095C::setMonthColumns(bool enabled)
{
    if (!enabled) {
        Form1095CEntries e = Entries();
        ClearMonthColumns(e);
        showCheckedEntries(e);
    }
    for (int c = 1; c < k1095CColumns; ++c)
        for (QWidget* entry : {static_cast<QWidget*>(F1095CBox14[c]), static_cast<QWidget*>(F1095CBox15[c]),
                               static_cast<QWidget*>(F1095CBox16[c]), static_cast<QWidget*>(F1095CBox17[c])})
            entry->setEnabled(enabled);
}

void TFrm1095C::EnableCoverageMonths()
{
    for (int r = 1; r <= k1095CCoveredRows; ++r)
        F1095CBoxdChange(r);
}

void TFrm1095C::F1095CBoxdChange(int row)
{
    const bool allYear = F1095CBoxd[row]->checked();
    for (int m = 1; m <= 12; ++m) {
        if (allYear)
            F1095CBoxe[row][m]->setChecked(false);
        F1095CBoxe[row][m]->setEnabled(!allYear);
    }
}

void TFrm1095C::F1095CBoxeChange(int row)
{
    Form1095CEntries e = Entries();
    if (!TurnFullYearIntoAllYear(e.row(row)))
        return;
    showCheckedEntries(e);
    F1095CBoxdChange(row);
    F1095CBoxd[row]->setFocus(Qt::OtherFocusReason);
}

void TFrm1095C::ClearUnneededLine15()
{
    Form1095CEntries e = Entries();
    ::ClearUnneededLine15(e);
    showCheckedEntries(e);
}

void TFrm1095C::ClearUnneededLine17()
{
    Form1095CEntries e = Entries();
    ::ClearUnneededLine17(e);
    showCheckedEntries(e);
}

QWidget* TFrm1095C::failedField(const Form1095CFailure& failure) const
{
    using Field = Form1095CFailure::Field;
    switch (failure.field) {
    case Field::EmployeeAge: return EmployeeAge;
    case Field::PlanStartMonth: return F1095CPSM;
    case Field::Line14: return F1095CBox14[failure.index];
    case Field::Line15: return F1095CBox15[failure.index];
    case Field::Line16: return F1095CBox16[failure.index];
    case Field::Line17: return F1095CBox17[failure.index];
    case Field::CoveredFirstName: return F1095CBoxaFN[failure.index];
    case Field::CoveredLastName: return F1095CBoxaLN[failure.index];
    case Field::CoveredSsn: return F1095CBoxb[failure.index];
    }
    return nullptr;
}

void TFrm1095C::ValidateFields()
{
    const std::optional<Form1095CFailure> failure = Check1095C(Entries());
    if (!failure)
        return;
    QWidget* field = failedField(*failure);
    ScrollBox->ensureWidgetVisible(field);
    field->setFocus(Qt::OtherFocusReason);
    throw EFieldException(failure->message);
}

void TFrm1095C::UpdatePrintAll()
{
    const bool allShown = std::all_of(checked_.begin(), checked_.end(), [](bool shown) { return shown; });
    BtnPrintAll->setEnabled(BtnPrintOne->isEnabled() && allShown);
}

void TFrm1095C::markShown()
{
    const int n = DataModule().RSEmployee.CurrentRecord();
    if (n >= 1 && n <= static_cast<int>(checked_.size()))
        checked_[static_cast<std::size_t>(n - 1)] = true;
}

void TFrm1095C::RSNavigatorBeforeAction(TRSNavigator& sender)
{
    if (browseOnly())
        return;
    try {
        ClearUnneededLine15();
        ClearUnneededLine17();
        ValidateFields();
        SaveForm();
        DataModule().RSEmployee.PostRec();
    } catch (const std::exception& error) {
        sender.Cancel();
        LedgoraApplication::ShowException(error);
    }
}

void TFrm1095C::RSNavigatorAfterAction()
{
    LoadForm();
    markShown();
    UpdatePrintAll();
}

void TFrm1095C::printForms(int first, int last)
{
    ClearUnneededLine15();
    ClearUnneededLine17();
    ValidateFields();
    firstRecToPrint_ = first;
    lastRecToPrint_ = last;
    SaveForm();
    if (!browseOnly())
        DataModule().RSEmployee.PostRec();
    try {
        Rpt1095C.Execute();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}

void TFrm1095C::BtnPrintOneClick()
{
    const int current = DataModule().RSEmployee.CurrentRecord();
    printForms(current, current);
}

void TFrm1095C::BtnPrintAllClick()
{
    const TRecordSet& employees = DataModule().RSEmployee;
    printForms(employees.FirstRecord(), employees.LastRecord());
}

void TFrm1095C::Rpt1095CPrint()
{
    FormProjectRun run(DataModule().RaveProject, Rpt1095C);
    Print1095CForms(run, firstRecToPrint_, lastRecToPrint_, ChkMaskSSN->isChecked());
}

void TFrm1095C::BtnPrintInstClick()
{
    try {
        Rpt1095CInst.Execute();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}

void TFrm1095C::Rpt1095CInstPrint()
{
    FormProjectRun run(DataModule().RaveProject, Rpt1095CInst);
    run.Fill(kInstructionsLayout, FormParams());
}

void TFrm1095C::BtnEmployeesClick()
{
    SaveForm();
    if (!browseOnly())
        DataModule().RSEmployee.PostRec();
    {
        TFrmEmployee employee;
        employee.RSNavigator->SetAutoPerform(false);
        ShowModal(employee);
    }
    // The employee's name, address and age may have changed there.
    LoadForm();
}

QWidget* TFrm1095C::FirstField() const
{
    return F1095CPSM;
}

QWidget* TFrm1095C::LastField() const
{
    return F1095CBoxaFN[k1095CCoveredRows];
}

void TFrm1095C::FieldEnter(QWidget* entry)
{
    if (entry == F1095CPSM)
        StaticText2->show();
    else if (entry == F1095CBoxaFN[5])
        ScrollTo(ScrollRange());
}

// The keys the frame leaves alone give the navigator its Alt keys.
bool TFrm1095C::FormKeyDown(QKeyEvent* event)
{
    if (TTaxFormScreen::FormKeyDown(event))
        return true;
    RSNavigator->KeyDownHandler(event->key(), event->modifiers());
    return false;
}

void TFrm1095C::FieldExit(QWidget*)
{
    StaticText2->hide();
}

void TFrm1095C::BtnHelpClick()
{
    ShowInstructions(ProgramDir() + QStringLiteral("Inst 1094-95-C.pdf"), QStringLiteral("The IRS Instructions cannot be found"));
}
