#include "forms/ui/W2FormType.h"

#include "client/PayRecords.h"
#include "platform/ui/WindowSize.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int ClientWidth = 300;
constexpr int ClientHeight = 230;
} // namespace

TFrmFormType::TFrmFormType(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FrmFormType"));
    setWindowTitle(QStringLiteral("Form W-2 Type"));

    LblSelectFormType = new QLabel(QStringLiteral("Select a Form Type to print"), this);
    LblSelectFormType->setObjectName(QStringLiteral("LblSelectFormType"));
    GrpFormType = new QGroupBox(this);
    GrpFormType->setObjectName(QStringLiteral("GrpFormType"));
    const auto radio = [&](const char* name, const char* caption) {
        auto* button = new QRadioButton(QLatin1String(caption), GrpFormType);
        button->setObjectName(QLatin1String(name));
        return button;
    };
    RbEmployee = radio("RbEmployee", "Employee Copy");
    RbEmployer = radio("RbEmployer", "Employer Copy");
    RbState = radio("RbState", "State Filing Copy");
    RbSSA = radio("RbSSA", "SSA Laser Copy");
    auto* choices = new QVBoxLayout(GrpFormType);
    for (QRadioButton* button : {RbEmployee, RbEmployer, RbState, RbSSA})
        choices->addWidget(button);

    ChkMaskSSN = new QCheckBox(QStringLiteral("&Mask SSN on Employee/Employer Copy"), this);
    ChkMaskSSN->setObjectName(QStringLiteral("ChkMaskSSN"));

    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setDefault(true);
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LblSelectFormType);
    layout->addWidget(GrpFormType);
    layout->addWidget(ChkMaskSSN);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ChkMaskSSN, &QCheckBox::toggled, this, &TFrmFormType::ChkMaskSSNClick);
    FixAtClientSize(*this, QSize(ClientWidth, ClientHeight));
}

void TFrmFormType::showEvent(QShowEvent* event)
{
    QRadioButton* chosen = W2CopyType == 1 ? RbEmployer : W2CopyType == 2 ? RbState : W2CopyType == 3 ? RbSSA : RbEmployee;
    chosen->setChecked(true);
    chosen->setFocus();
    ChkMaskSSN->setChecked(true);
    MaskSSNOnCopies = true;
    QDialog::showEvent(event);
}

void TFrmFormType::ChkMaskSSNClick()
{
    MaskSSNOnCopies = ChkMaskSSN->isChecked();
}

void TFrmFormType::done(int result)
{
    W2CopyType = RbEmployer->isChecked() ? 1 : RbState->isChecked() ? 2 : RbSSA->isChecked() ? 3 : 0;
    QDialog::done(result);
}
