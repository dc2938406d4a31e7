#include "client/ui/Scaling.h"

#include "client/PayRecords.h"
#include "platform/ui/WindowSize.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kScaledWindows[] = {
    "A. Company Data", "B. Employee File Maintenance", "C. Employee Manual Entry",
    "D. Federal Withholding Tax Rates Tables", "E. Form 940", "F. Form 941", "G. Form 944",
    "H. Schedule B (Form 941)", "I. Form 1094-C", "J. Form 1095-C", "K. Form W-4",
};

} // namespace

TFrmScaling::TFrmScaling(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmScaling"));
    setWindowTitle(QStringLiteral("Window Scaling Utility"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    auto* prompt = new QLabel(QStringLiteral("Select Scaling Percentage"), this);
    CbxScalingPct = new QComboBox(this);
    CbxScalingPct->setObjectName(QStringLiteral("CbxScalingPct"));
    // Room for "100" whatever the style draws beside it.
    CbxScalingPct->setMinimumContentsLength(4);
    for (int percent = 100; percent >= 85; --percent)
        CbxScalingPct->addItem(QString::number(percent));
    prompt->setBuddy(CbxScalingPct);

    auto* info = new QGroupBox(QStringLiteral("Scaling will apply to the following windows:"), this);
    auto* infoLayout = new QVBoxLayout(info);
    for (const char* line : kScaledWindows)
        infoLayout->addWidget(new QLabel(QLatin1String(line), info));

    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setDefault(true);
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    connect(BtnOk, &QPushButton::clicked, this, &TFrmScaling::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* choice = new QHBoxLayout;
    choice->addWidget(prompt);
    choice->addWidget(CbxScalingPct);
    choice->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(info);
    layout->addLayout(buttons);
    FixAtClientSize(*this, QSize());
}

void TFrmScaling::showEvent(QShowEvent* event)
{
    CbxScalingPct->setCurrentIndex(100 - ScalingPercent);
    QDialog::showEvent(event);
}

void TFrmScaling::BtnOkClick()
{
    ScalingPercent = 100 - CbxScalingPct->currentIndex();
    accept();
}
