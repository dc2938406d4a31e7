#include "checks/ui/PayCheckGen.h"

#include "checks/CheckLayout.h"
#include "checks/CheckPrinting.h"
#include "client/CompanyRecord.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/ui/HelpWindow.h"
#include "client/ui/ScreenRules.h"
#include "components/NumberRoutines.h"
#include "components/Validators.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/PrintoutSetup.h"
#include "platform/Exceptions.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/ShowModal.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

const QString TFrmPayCheckGen::kAccountTooLong =
    QStringLiteral("The account number is too long to print the check number after it.");

namespace {

TFilterEdit* FilteredEdit(QWidget* parent, const QString& validChars, int maxLength)
{
    auto* edit = new TFilterEdit(parent);
    edit->setValidChars(validChars);
    edit->setMaxLength(maxLength);
    edit->setTextAlignment(taCenter);
    return edit;
}

} // namespace

TFrmPayCheckGen::TFrmPayCheckGen(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Payroll Check Generator Setup"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    SetHelpContext(this, HelpContext);

    GenerateChk = new QCheckBox(QStringLiteral("Check here to activate this form."), this);
    BankName = new QLineEdit(this);
    BankName->setMaxLength(40);
    BankAddress1 = new QLineEdit(this);
    BankAddress1->setMaxLength(40);
    BankAddress2 = new QLineEdit(this);
    BankAddress2->setMaxLength(40);
    BankFraction = FilteredEdit(this, QStringLiteral("[0..9,-,/]"), 15);
    BankRtn = FilteredEdit(this, QStringLiteral("[0..9]"), 9);
    AccountNum = FilteredEdit(this, QStringLiteral("[0..9]"), 17);
    StartChkNum = FilteredEdit(this, QStringLiteral("[0..9]"), 6);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Bank name"), BankName);
    form->addRow(QStringLiteral("Bank address"), BankAddress1);
    form->addRow(QStringLiteral("Bank city, state and zip code"), BankAddress2);
    form->addRow(QStringLiteral("Bank fractional routing number"), BankFraction);
    form->addRow(QStringLiteral("Bank routing transit number (RTN)"), BankRtn);
    form->addRow(QStringLiteral("Bank account number"), AccountNum);
    form->addRow(QStringLiteral("Starting check number"), StartChkNum);

    auto* numberGroup = new QGroupBox(QStringLiteral("Check number print position"), this);
    ChkNumPos1 = new QRadioButton(QStringLiteral("Before &Routing Transit number"), numberGroup);
    ChkNumPos2 = new QRadioButton(QStringLiteral("After &Account Number"), numberGroup);
    auto* numberLayout = new QVBoxLayout(numberGroup);
    numberLayout->addWidget(ChkNumPos1);
    numberLayout->addWidget(ChkNumPos2);
    auto* placeGroup = new QGroupBox(QStringLiteral("Check position on page"), this);
    cp_Top = new QRadioButton(QStringLiteral("&Top"), placeGroup);
    cp_Middle = new QRadioButton(QStringLiteral("&Middle"), placeGroup);
    cp_Bottom = new QRadioButton(QStringLiteral("&Bottom"), placeGroup);
    auto* placeLayout = new QHBoxLayout(placeGroup);
    for (QRadioButton* button : {cp_Top, cp_Middle, cp_Bottom})
        placeLayout->addWidget(button);
    PrintStub = new QCheckBox(QStringLiteral("Check here to print payroll check &stub"), this);

    BtnProcess = new QPushButton(QStringLiteral("&Process"), this);
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BtnTest = new QPushButton(QStringLiteral("T&est"), this);
    BtnHelp = new QPushButton(QStringLiteral("&Help"), this);
    BtnHelp->setToolTip(QStringLiteral("Form Help"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {BtnProcess, BtnCancel, BtnTest, BtnHelp})
        buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GenerateChk);
    layout->addLayout(form);
    layout->addWidget(numberGroup);
    layout->addWidget(placeGroup);
    layout->addWidget(PrintStub);
    layout->addLayout(buttons);

    auto* keys = new TEnterAsTab(this);
    keys->setParentForm(this);
    keys->setEnterAsTabKey(true);
    keys->setEscapeAsClose(true);

    for (QLineEdit* edit : {BankName, BankAddress1, BankAddress2, static_cast<QLineEdit*>(BankFraction),
                            static_cast<QLineEdit*>(BankRtn), static_cast<QLineEdit*>(AccountNum),
                            static_cast<QLineEdit*>(StartChkNum)}) {
        connect(edit, &QLineEdit::textEdited, this, &TFrmPayCheckGen::DataChangeClick);
        connect(edit, &QLineEdit::editingFinished, this, &TFrmPayCheckGen::CheckFieldStatus);
    }
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{PrintStub, ChkNumPos1, ChkNumPos2, cp_Top, cp_Middle, cp_Bottom})
        connect(button, &QAbstractButton::clicked, this, &TFrmPayCheckGen::DataChangeClick);
    connect(GenerateChk, &QCheckBox::clicked, this, &TFrmPayCheckGen::GenerateChkClick);
    connect(BtnProcess, &QPushButton::clicked, this, &TFrmPayCheckGen::BtnProcessClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnTest, &QPushButton::clicked, this, &TFrmPayCheckGen::BtnTestClick);
    connect(BtnHelp, &QPushButton::clicked, this, [] { ShowHelp(HelpContext); });

    SetUpPrintout(RptCheckTest, this, QStringLiteral("TFrmPayCheckGen"), QStringLiteral("RptCheckTest"));
    RptCheckTest.OnPrint = [](ReportCanvas& report) { PrintGeneratorTestCheck(report, DataModule().RaveProject, CompanyRec); };

    LoadPayCheckGenForm();
    SetupFields();
    ScaleScreen(this, QSize(420, 470));
}

QList<QWidget*> TFrmPayCheckGen::dataControls() const
{
    return {BankName, BankAddress1, BankAddress2, BankFraction, BankRtn, AccountNum, StartChkNum,
            PrintStub, ChkNumPos1, ChkNumPos2, cp_Top, cp_Middle, cp_Bottom};
}

void TFrmPayCheckGen::LoadPayCheckGenForm()
{
    const CompanyRecord& c = CompanyRec;
    GenerateChk->setChecked(c.GenerateChk);
    BankName->setText(c.BankName);
    BankAddress1->setText(c.BankAddress1);
    BankAddress2->setText(c.BankAddress2);
    BankFraction->setText(c.BankFraction);
    BankRtn->setText(c.BankRtn);
    AccountNum->setText(c.AccountNum);
    StartChkNum->setText(QString::number(c.StartChkNum));
    (c.CheckPos == 1 ? cp_Middle : c.CheckPos == 2 ? cp_Bottom : cp_Top)->setChecked(true);
    (c.ChkNumPos == 2 ? ChkNumPos2 : ChkNumPos1)->setChecked(true);
    PrintStub->setChecked(c.PrintStub);
}

void TFrmPayCheckGen::SavePayCheckGenForm()
{
    CompanyRecord& c = CompanyRec;
    c.GenerateChk = GenerateChk->isChecked();
    c.BankName = BankName->text().left(40);
    c.BankAddress1 = BankAddress1->text().left(40);
    c.BankAddress2 = BankAddress2->text().left(40);
    c.BankFraction = BankFraction->text().left(15);
    c.BankRtn = BankRtn->text().left(9);
    c.AccountNum = AccountNum->text().left(17);
    c.StartChkNum = TextToInt(StartChkNum->text());
    if (cp_Top->isChecked() || cp_Middle->isChecked() || cp_Bottom->isChecked())
        c.CheckPos = cp_Middle->isChecked() ? 1 : cp_Bottom->isChecked() ? 2 : 0;
    if (ChkNumPos1->isChecked() || ChkNumPos2->isChecked())
        c.ChkNumPos = ChkNumPos2->isChecked() ? 2 : 1;
    c.PrintStub = PrintStub->isChecked();
}

void TFrmPayCheckGen::SetupFields()
{
    const bool active = GenerateChk->isChecked();
    for (QWidget* control : dataControls())
        control->setEnabled(active);
    BtnProcess->setEnabled(active);
    BtnTest->setEnabled(false);
    CheckFieldStatus();
}

void TFrmPayCheckGen::CheckFieldStatus()
{
    const bool active = GenerateChk->isChecked();
    for (QLineEdit* edit : {BankName, BankAddress1, BankAddress2, static_cast<QLineEdit*>(BankFraction),
                            static_cast<QLineEdit*>(AccountNum)})
        PaintFieldStatus(edit, active && edit->text().trimmed().isEmpty());
    PaintFieldStatus(BankRtn, active && !IsValidRoutingNumber(BankRtn->text()));
    PaintFieldStatus(StartChkNum, active && TextToInt(StartChkNum->text()) == 0);
}

void TFrmPayCheckGen::ValidateFields()
{
    const struct {
        QLineEdit* edit;
        bool failed;
        const char* message;
    } checks[] = {
        {BankName, BankName->text().trimmed().isEmpty(), "The Bank's name is missing"},
        {BankAddress1, BankAddress1->text().trimmed().isEmpty(), "The Bank's address is missing"},
        {BankAddress2, BankAddress2->text().trimmed().isEmpty(), "The Bank's city, state and Zip Code are missing"},
        {BankFraction, BankFraction->text().trimmed().isEmpty(), "The Bank's fraction number is missing"},
        {BankRtn, !IsValidRoutingNumber(BankRtn->text()), "The Bank's Routing Transit Number is invalid"},
        {AccountNum, AccountNum->text().trimmed().isEmpty(), "The Bank account number is missing"},
        {StartChkNum, TextToInt(StartChkNum->text()) == 0, "The starting check number is invalid"},
    };
    for (const auto& check : checks) {
        if (check.failed) {
            check.edit->setFocus();
            throw EFieldException(QString::fromUtf8(check.message));
        }
    }
    if (!ChkNumPos1->isChecked() && !ChkNumPos2->isChecked())
        throw EFieldException(QStringLiteral("The check number print position has not been checked"));
    if (!cp_Top->isChecked() && !cp_Middle->isChecked() && !cp_Bottom->isChecked())
        throw EFieldException(QStringLiteral("The check position on page has not been checked"));
    // The account and a check number after it must end before the amount field of the MICR line.
    if (ChkNumPos2->isChecked() && AccountNum->text().trimmed().size() > kMaxAccountWithNumberAfter) {
        AccountNum->setFocus();
        throw EFieldException(kAccountTooLong);
    }
}

void TFrmPayCheckGen::BtnProcessClick()
{
    const CompanyRecord before = CompanyRec;
    try {
        CheckBrowseMode();
        ValidateFields();
        SavePayCheckGenForm();
        DataModule().RSCompany.PostRec();
    } catch (const std::exception& error) {
        CompanyRec = before;
        LedgoraApplication::ShowException(error);
        return;
    }
    CheckFieldStatus();
    BtnTest->setEnabled(true);
    BtnTest->setFocus();
    BtnCancel->setText(QStringLiteral("&Done"));
}

void TFrmPayCheckGen::BtnTestClick()
{
    try {
        DataModule().RaveProject.Engine = &RptCheckTest;
        RptCheckTest.Execute();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}

void TFrmPayCheckGen::DataChangeClick()
{
    BtnTest->setEnabled(false);
    BtnCancel->setText(QStringLiteral("&Cancel"));
}

void TFrmPayCheckGen::GenerateChkClick()
{
    SetupFields();
    if (BtnCancel->text() == QLatin1String("&Done"))
        BtnCancel->setText(QStringLiteral("&Cancel"));
}

void TFrmPayCheckGen::done(int result)
{
    // Closing with the box unchecked switches the generator off; the bank data stays stored.
    if (!BtnProcess->isEnabled() && CompanyRec.GenerateChk) {
        const CompanyRecord before = CompanyRec;
        try {
            CheckBrowseMode();
            CompanyRec.GenerateChk = false;
            DataModule().RSCompany.PostRec();
        } catch (const std::exception& error) {
            CompanyRec = before;
            LedgoraApplication::ShowException(error);
        }
    }
    QDialog::done(result);
}

void ShowCheckGenerator()
{
    TFrmPayCheckGen window(QApplication::activeWindow());
    ShowModal(window);
}
