#include "forms/ui/PayFormCopy.h"

#include "client/PayRecords.h"
#include "components/ui/DateEdit.h"
#include "components/ui/EnterAsTab.h"
#include "forms/FormParams.h"
#include "platform/Clock.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFrmFormCopy::TFrmFormCopy(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FrmFormCopy"));
    setModal(true);

    LblSelectFormType = new QLabel(QStringLiteral("Select a Tax Form Type to print"), this);
    LblSelectFormType->setObjectName(QStringLiteral("LblSelectFormType"));
    GroupBox = new QGroupBox(this);
    GroupBox->setObjectName(QStringLiteral("GroupBox"));
    RbFilingCopy = new QRadioButton(QStringLiteral("Filing Copy for IRS"), GroupBox);
    RbFilingCopy->setObjectName(QStringLiteral("RbFilingCopy"));
    RbFileCopy = new QRadioButton(QStringLiteral("File Copy for your records"), GroupBox);
    RbFileCopy->setObjectName(QStringLiteral("RbFileCopy"));
    auto* choices = new QVBoxLayout(GroupBox);
    choices->addWidget(RbFilingCopy);
    choices->addWidget(RbFileCopy);

    LblFormPrintDate = new QLabel(QStringLiteral("Form Print Date"), this);
    LblFormPrintDate->setObjectName(QStringLiteral("LblFormPrintDate"));
    TaxFormPrintDate = new TDateEdit(this);
    TaxFormPrintDate->setObjectName(QStringLiteral("TaxFormPrintDate"));
    LblFormPrintDate->setBuddy(TaxFormPrintDate);
    auto* dateRow = new QHBoxLayout;
    dateRow->addStretch(1);
    dateRow->addWidget(LblFormPrintDate);
    dateRow->addWidget(TaxFormPrintDate);
    dateRow->addStretch(1);

    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnOk->setDefault(true);
    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    buttons->addStretch(1);

    auto* column = new QVBoxLayout(this);
    column->addWidget(LblSelectFormType, 0, Qt::AlignHCenter);
    column->addWidget(GroupBox);
    column->addLayout(dateRow);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    enterAsTab_ = new TEnterAsTab(this);
    enterAsTab_->setEnterAsTabKey(true);
    enterAsTab_->setEscapeAsClose(false);
    enterAsTab_->setParentForm(this);
    setTabOrder(RbFilingCopy, RbFileCopy);
    setTabOrder(RbFileCopy, TaxFormPrintDate);
    setTabOrder(TaxFormPrintDate, BtnOk);
    setTabOrder(BtnOk, BtnCancel);
}

void TFrmFormCopy::HidePrintDate()
{
    LblFormPrintDate->hide();
    TaxFormPrintDate->hide();
    adjustSize();
}

void TFrmFormCopy::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    FormShow();
}

void TFrmFormCopy::FormShow()
{
    (FilingCopyDefault ? RbFilingCopy : RbFileCopy)->setChecked(true);
    if (!TaxFormPrintDate->isHidden())
        TaxFormPrintDate->setText(CopyDialogDate(TaxFormPrintDateText, Today()));
    (FilingCopyDefault ? RbFilingCopy : RbFileCopy)->setFocus(Qt::OtherFocusReason);
}

void TFrmFormCopy::FormClose()
{
    FilingCopyDefault = RbFilingCopy->isChecked();
    if (!TaxFormPrintDate->isHidden())
        TaxFormPrintDateText = TaxFormPrintDate->text();
}

void TFrmFormCopy::done(int result)
{
    if (shown_)
        FormClose();
    QDialog::done(result);
}
