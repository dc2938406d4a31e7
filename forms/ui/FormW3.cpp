#include "forms/ui/FormW3.h"

#include "client/CompanyAddress.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/ui/HelpWindow.h"
#include "components/TextRoutines.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/LayoutPicture.h"
#include "forms/W2Forms.h"
#include "forms/ui/FittedLabel.h"
#include "forms/ui/PayFormCopy.h"
#include "forms/ui/FormEntries.h"
#include "platform/Exceptions.h"
#include "platform/report/ReportLayout.h"
#include "platform/ui/LedgoraApplication.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

const QString TFrmW3::kNotApproved = QStringLiteral("NOT APPROVED BY S.S.A. — DO NOT FILE");

namespace {

// The form fills the top of its page: the screen shows that part.
const QRectF kFormRegion(0.0, 0.0, 8.5, 6.4);
// The top margin, where the layout prints the notice the screen shows in red.
const QRectF kNoticeStrip(0.5, 0.18, 7.5, 0.2);
const QSize kClientSize(700, 600);

constexpr int kYearToDate = 4;

const QString kUpperLettersDigitsDash = QStringLiteral("[A..Z,a..z,0..9,-]");
const QString kSickPayRecap = QStringLiteral("Third-Party Sick Pay Recap");

TFittedLabel* ShownBox(const QString& name)
{
    auto* label = new TFittedLabel;
    label->setObjectName(name);
    return label;
}

TDollarEdit* Money(const QString& name, bool readOnly)
{
    auto* money = new TDollarEdit;
    money->setObjectName(name);
    money->setDollarDigits(9);
    money->setCentDigits(2);
    money->setMinusKey(false);
    money->setTextAlignment(taRightJustify);
    if (readOnly) {
        money->setReadOnly(true);
        money->setFocusPolicy(Qt::ClickFocus);
    }
    return money;
}

TFilterEdit* Text(const QString& name, const QString& validChars, int maxLength)
{
    auto* text = new TFilterEdit;
    text->setObjectName(name);
    text->setValidChars(validChars);
    text->setMaxLength(maxLength);
    return text;
}

} // namespace

TFrmW3::TFrmW3(QWidget* parent)
    : TTaxFormScreen(parent, kHelpContext, false)
{
    setObjectName(QStringLiteral("FrmW3"));
    setWindowTitle(QStringLiteral("Form W-3 Transmittal of Wage and Tax Statements 2026"));

    const ReportLayout layout = ReadFormLayout(kFormW3Layout);
    TLayoutPicture* form = AddPageRegion(layout, 1, kFormRegion, kPictureDotsPerInch);
    form->setObjectName(QStringLiteral("ImgFormW3"));
    form->setStyleSheet(QStringLiteral("QLabel { color: black; background: transparent; }"));
    const auto onField = [&](QWidget* entry, const char* field, double width) {
        PlaceOnField(form, layout, entry, QLatin1String(field), width);
    };

    LblNotApproved = new QLabel(kNotApproved);
    LblNotApproved->setObjectName(QStringLiteral("LblNotApproved"));
    LblNotApproved->setAlignment(Qt::AlignCenter);
    LblNotApproved->setStyleSheet(QStringLiteral("QLabel { color: %1; font-weight: bold; background: white; }").arg(kWarningRed.name()));
    form->place(LblNotApproved, kNoticeStrip);

    // Created in tab order: a, b, d, h, 13, 18, 19 and the contact; the shown boxes after them.
    FW3CtrlNum = Text(QStringLiteral("FW3CtrlNum"), kUpperLettersDigitsDash, 10);
    FW3CtrlNum->setCharCase(ecUpperCase);
    onField(FW3CtrlNum, "Boxa", 1.8);
    for (int i = 1; i <= kThirdPartySickPayMark; ++i) {
        FW3ChkMark[i] = new TCheckBoxEdit;
        FW3ChkMark[i]->setObjectName(QStringLiteral("FW3ChkMark%1").arg(i));
        onField(FW3ChkMark[i], QStringLiteral("Boxb%1").arg(i).toLatin1().constData(), 0.14);
        if (i <= kLastKindOfPayer)
            connect(FW3ChkMark[i], &TCheckBoxEdit::clicked, this,
                    [this, i] { markGroupClicked(i, kFirstKindOfPayer, kLastKindOfPayer); });
        else if (i <= kLastKindOfEmployer)
            connect(FW3ChkMark[i], &TCheckBoxEdit::clicked, this,
                    [this, i] { markGroupClicked(i, kFirstKindOfEmployer, kLastKindOfEmployer); });
    }
    FW3EstNumber = Text(QStringLiteral("FW3EstNumber"), QStringLiteral("[0..9]"), 4);
    onField(FW3EstNumber, "Boxd", 0.8);
    FW3OtherID = new QLineEdit;
    FW3OtherID->setObjectName(QStringLiteral("FW3OtherID"));
    FW3OtherID->setInputMask(QStringLiteral("99-9999999; "));
    onField(FW3OtherID, "Boxh", 1.3);
    FW3Box13 = Text(QStringLiteral("FW3Box13"), QStringLiteral("[]"), 30);
    connect(FW3Box13, &TFilterEdit::keyPressed, this, [this](QChar& key) { box13KeyPressed(key); });
    onField(FW3Box13, "Box13", 1.75);
    FW3Box18 = Money(QStringLiteral("FW3Box18"), false);
    onField(FW3Box18, "Box18", 1.6);
    FW3Box19 = Money(QStringLiteral("FW3Box19"), false);
    onField(FW3Box19, "Box19", 1.6);
    FW3Contact = Text(QStringLiteral("FW3Contact"), QStringLiteral("[A..Z,a..z,., ]"), 27);
    onField(FW3Contact, "ContactPerson", 2.9);

    TotalFormsW2 = ShownBox(QStringLiteral("TotalFormsW2"));
    onField(TotalFormsW2, "Boxc", 0.8);
    FederalID = ShownBox(QStringLiteral("FederalID"));
    onField(FederalID, "Boxe", 1.5);
    CompName = ShownBox(QStringLiteral("CompName"));
    onField(CompName, "Boxf1", 3.45);
    CompTradeName = ShownBox(QStringLiteral("CompTradeName"));
    onField(CompTradeName, "Boxf2", 3.45);
    CompAddress = ShownBox(QStringLiteral("CompAddress"));
    onField(CompAddress, "Boxg1", 3.45);
    CompCityStateZip = ShownBox(QStringLiteral("CompCityStateZip"));
    onField(CompCityStateZip, "Boxg2", 3.45);
    for (int i = 1; i <= 12; ++i) {
        if (i == 9)
            continue;
        FW3Amount[i] = Money(QStringLiteral("FW3Amount%1").arg(i), true);
        onField(FW3Amount[i], (i == kW3Box12a ? QStringLiteral("Box12a") : QStringLiteral("Box%1").arg(i)).toLatin1().constData(),
                1.6);
    }
    FW3Box14 = Money(QStringLiteral("FW3Box14"), true);
    onField(FW3Box14, "Box14", 1.6);
    FW3Box16 = Money(QStringLiteral("FW3Box16"), true);
    onField(FW3Box16, "Box16", 1.6);
    FW3Box17 = Money(QStringLiteral("FW3Box17"), true);
    onField(FW3Box17, "Box17", 1.6);
    StateName = ShownBox(QStringLiteral("StateName"));
    StateName->setAlignment(Qt::AlignCenter);
    onField(StateName, "Box15", 0.3);
    StateID = ShownBox(QStringLiteral("StateID"));
    onField(StateID, "EmployerStateID", 2.0);
    PhoneNumber = ShownBox(QStringLiteral("PhoneNumber"));
    onField(PhoneNumber, "TelephoneNum", 2.0);
    FaxNumber = ShownBox(QStringLiteral("FaxNumber"));
    onField(FaxNumber, "FaxNum", 2.9);
    EmailAddress = ShownBox(QStringLiteral("EmailAddress"));
    onField(EmailAddress, "EmailAddress", 4.2);

    ButtonRow()->addStretch(1);
    BtnPrint = AddButton("BtnPrint", QStringLiteral("&Print"));
    ButtonRow()->addStretch(1);
    BtnClose = AddButton("BtnClose", QStringLiteral("&Close"));
    ButtonRow()->addStretch(1);
    BtnHelp = AddButton("BtnHelp", QStringLiteral("Help"), QStringLiteral("Form Help"));
    ButtonRow()->addStretch(1);
    connect(BtnPrint, &QPushButton::clicked, this, [this] { BtnPrintClick(); });
    connect(BtnClose, &QPushButton::clicked, this, [this] { BtnCloseClick(); });
    connect(BtnHelp, &QPushButton::clicked, this, [this] { BtnHelpClick(); });

    SetUpFormReport(RptW3, FormPrintout(QStringLiteral("TFrmW3"), QStringLiteral("RptW3"), QStringLiteral("Form W-3")));
    RptW3.OnPrint = [this](ReportCanvas&) { RptW3Print(); };

    FinishFrame(FrameDollarEdit | FrameCheckBoxEdit | FrameFilterEdit | FrameMaskEdit, kClientSize);
}

void TFrmW3::FormShow()
{
    CompName->ShowText(CompanyRec.Name.get());
    CompTradeName->ShowText(CompanyRec.TradeName.get());
    CompAddress->ShowText(CompanyStreetLine(CompanyRec, QStringLiteral("Ste")));
    CompCityStateZip->ShowText(CompanyCityStateZip);
    BtnPrint->setEnabled(CompanyRec.PayrollPosted && CountEmployeesWithAmount(kYearToDate) > 0);
    CalcFields();
    LoadForm();
}

void TFrmW3::CalcFields()
{
    box15_ = CalcW3Totals(CompanyRec);
}

void TFrmW3::LoadForm()
{
    const CompanyRecord& c = CompanyRec;
    FW3CtrlNum->setText(c.FW3CtrlNum.get());
    for (int i = 1; i <= kThirdPartySickPayMark; ++i)
        FW3ChkMark[i]->setChecked(c.FW3ChkMark[i]);
    TotalFormsW2->ShowText(QString::number(GetNumToPrint()));
    FW3EstNumber->setText(c.FW3EstNumber.get());
    FederalID->ShowText(c.FederalID.get());
    for (int i = 1; i <= 12; ++i) {
        if (FW3Amount[i])
            FW3Amount[i]->setValue(c.FW3Amount[i]);
    }
    FW3OtherID->setText(c.FW3OtherID.get());
    FW3Box13->setText(c.FW3Box13.get());
    FW3Box14->setValue(c.FW3Box14);
    StateName->ShowText(box15_.code);
    StateID->ShowText(box15_.stateId);
    FW3Box16->setValue(c.FW3Box16);
    FW3Box17->setValue(c.FW3Box17);
    FW3Box18->setValue(c.FW3Box18);
    FW3Box19->setValue(c.FW3Box19);
    FW3Contact->setText(IsBlank(c.FW3Contact) ? c.SignerName.get() : c.FW3Contact.get());
    PhoneNumber->ShowText(c.PhoneNumber.get());
    EmailAddress->ShowText(c.EmailAddress.get());
    FaxNumber->ShowText(c.FaxNumber.get());
}

void TFrmW3::SaveForm()
{
    CompanyRecord& c = CompanyRec;
    c.FW3CtrlNum = FW3CtrlNum->text().left(10);
    for (int i = 1; i <= kThirdPartySickPayMark; ++i)
        c.FW3ChkMark[i] = FW3ChkMark[i]->checked();
    c.FW3EstNumber = FW3EstNumber->text().left(4);
    c.FW3OtherID = FW3OtherID->displayText().left(10);
    c.FW3Box13 = FW3Box13->text().left(30);
    c.FW3Box14 = FW3Box14->value();
    c.FW3Contact = FW3Contact->text().left(27);
    c.FW3Box18 = FW3Box18->value();
    c.FW3Box19 = FW3Box19->value();
}

QWidget* TFrmW3::FirstField() const
{
    return FW3CtrlNum;
}

QWidget* TFrmW3::LastField() const
{
    return FW3Contact;
}

void TFrmW3::FieldExit(QWidget*)
{
    // The totals are the W-2s': nothing on this screen computes from what the user types.
}

void TFrmW3::markGroupClicked(int mark, int first, int last)
{
    for (int i = first; i <= last; ++i)
        FW3ChkMark[i]->setChecked(i == mark);
}

void TFrmW3::box13KeyPressed(QChar& key)
{
    if (IsBlank(FW3Box13->text()) && (key == QLatin1Char('T') || key == QLatin1Char('t'))) {
        key = QChar();
        FW3Box13->setText(kSickPayRecap);
    }
}

void TFrmW3::focusProblem(W3Check check)
{
    switch (check) {
    case W3Check::KindOfPayer:
        FW3ChkMark[kFirstKindOfPayer]->setFocus();
        break;
    case W3Check::KindOfEmployer:
        FW3ChkMark[kFirstKindOfEmployer]->setFocus();
        break;
    case W3Check::Contact:
        FW3Contact->setFocus();
        break;
    }
}

void TFrmW3::ValidateFields()
{
    SaveForm();
    if (const std::optional<W3Problem> problem = CheckW3(CompanyRec)) {
        focusProblem(problem->check);
        throw EFieldException(problem->message);
    }
}

void TFrmW3::SaveScreen()
{
    SaveForm();
    DataModule().RSCompany.PostRec();
    // Closing never fails: what the user completed is kept, and the year-end order counts the
    // visit only once the W-3 would print.
    if (const std::optional<W3Problem> problem = CheckW3(CompanyRec)) {
        focusProblem(problem->check);
        LedgoraApplication::ShowException(EFieldException(problem->message));
        return;
    }
    W2W3VisitCount = W2W3VisitCount == 0 ? 1 : 2;
}

void TFrmW3::BtnPrintClick()
{
    PrintForm(RptW3, FormOutputSet::Full, QStringLiteral("Form W-3"),
              [this] {
                  RequireCompanyEIN(QStringLiteral("Form W-3"));
                  ValidateFields();
              },
              [](TFrmFormCopy& dialog) { dialog.RbFilingCopy->setText(QStringLiteral("Filing Copy for SSA")); });
}

void TFrmW3::RptW3Print()
{
    FormProjectRun run(DataModule().RaveProject, RptW3);
    run.Fill(kFormW3Layout, W3Params(CompanyRec, TotalFormsW2->text().toInt(), box15_, FilingCopyDefault,
                                     TaxFormPrintDateText));
}

void TFrmW3::BtnHelpClick()
{
    ShowHelp(kHelpContext);
}
