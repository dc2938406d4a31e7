#include "reports/ui/PayTaxLiability.h"

#include "client/PayRecords.h"
#include "client/ui/ScreenRules.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/PrintoutSetup.h"
#include "payroll/ui/PayDateRangeBox.h"
#include "platform/HourglassCursor.h"
#include "platform/ui/LedgoraApplication.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// The object names of the label and amount of each line, in the order of TaxLiabilityLines.
constexpr const char* kLineNames[] = {"SocialSecurity",     "Medicare",           "TaxWithholding",
                                      "Form941Liability",   "Form940Liability",   "StateWithholdingTax",
                                      "StateUnemploymentTax", "StateDisabilityTax", "TotalStateTaxLiability"};
constexpr int kAmountColumns = 4;

QLabel* HeadingLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter);
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(13);
    label->setFont(font);
    return label;
}

} // namespace

TFrmTaxLiability::TFrmTaxLiability(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Employer Federal and State Tax Liabilities"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setWidgetResizable(true);
    QWidget* display = makeDisplay();
    ScrollBox->setWidget(display);

    GroupPayDates = new TPayDateRangeBox(QStringLiteral("Pay Dates:"), this);
    CbxPayDateFrom = GroupPayDates->CbxPayDateFrom;
    CbxPayDateTo = GroupPayDates->CbxPayDateTo;
    BtnPrint = new QPushButton(QStringLiteral("&Print"), this);
    BtnClose = new QPushButton(QStringLiteral("&Close"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ScrollBox, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(GroupPayDates);
    bottom->addStretch();
    bottom->addWidget(BtnPrint, 0, Qt::AlignBottom);
    bottom->addWidget(BtnClose, 0, Qt::AlignBottom);
    layout->addLayout(bottom);
    setTabOrder(CbxPayDateFrom, CbxPayDateTo);
    setTabOrder(CbxPayDateTo, BtnPrint);
    setTabOrder(BtnPrint, BtnClose);

    auto* keys = new TEnterAsTab(this);
    keys->setParentForm(this);
    keys->setEscapeAsClose(true);

    connect(BtnPrint, &QPushButton::clicked, this, &TFrmTaxLiability::BtnPrintClick);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);

    SetUpPrintout(RptTaxLiability, this, QStringLiteral("TFrmTaxLiability"), QStringLiteral("RptTaxLiability"));
    RptTaxLiability.OnPrint = [this](ReportCanvas& report) {
        PrintTaxLiabilityReport(report, sums_, GroupPayDates->Range());
    };

    CompanyName->setText(QString(CompanyRec.Name));
    GroupPayDates->FollowChoices();
    connect(GroupPayDates, &TPayDateRangeBox::RangeChanged, this, [this] {
        SumLiabilities();
        ShowLiabilities();
    });
    SumLiabilities();
    ShowLiabilities();
    // The whole display shows without scrolling at the font in force.
    const QSize shown = display->sizeHint();
    const int frame = 2 * ScrollBox->frameWidth();
    ScrollBox->setMinimumSize(shown.width() + frame, shown.height() + frame);
    ScaleScreen(this, QSize(560, 400));
    CbxPayDateFrom->setFocus();
}

QWidget* TFrmTaxLiability::makeDisplay()
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Display"));
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(white);

    auto* layout = new QVBoxLayout(panel);
    CompanyName = HeadingLabel(QStringLiteral("CompanyName"), panel);
    LblReportName = HeadingLabel(QStringLiteral("LblReportName"), panel);
    LblReportName->setText(QStringLiteral("Employer Federal and State Tax Liabilities Report"));
    PPPDateFromTo = HeadingLabel(QStringLiteral("PPPDateFromTo"), panel);
    layout->addWidget(CompanyName);
    layout->addWidget(LblReportName);
    layout->addWidget(PPPDateFromTo);
    layout->addSpacing(16);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    const std::vector<TaxLiabilityLine> lines = TaxLiabilityLines(TaxLiabilities{});
    int row = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // The federal and the state lines stand apart, as on the printout.
        if (i == 5)
            grid->setRowMinimumHeight(row++, 12);
        auto* label = new QLabel(lines[i].label, panel);
        label->setObjectName(QStringLiteral("Lbl") + QLatin1String(kLineNames[i]));
        auto* amount = new QLabel(panel);
        amount->setObjectName(QStringLiteral("Lbl") + QLatin1String(kLineNames[i]) + QStringLiteral("Amount"));
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, row, 0);
        grid->addWidget(amount, row, 1 + lines[i].step);
        amounts_.push_back(amount);
        ++row;
    }
    for (int column = 1; column <= kAmountColumns; ++column)
        grid->setColumnMinimumWidth(column, 80);
    auto* centred = new QHBoxLayout;
    centred->addStretch();
    centred->addLayout(grid);
    centred->addStretch();
    layout->addLayout(centred);
    layout->addStretch();

    LblSocialSecurityAmount = amounts_[0];
    LblMedicareAmount = amounts_[1];
    LblTaxWithholdingAmount = amounts_[2];
    LblForm941LiabilityAmount = amounts_[3];
    LblForm940LiabilityAmount = amounts_[4];
    LblStateWithholdingTaxAmount = amounts_[5];
    LblStateUnemploymentTaxAmount = amounts_[6];
    LblStateDisabilityTaxAmount = amounts_[7];
    LblTotalStateTaxLiabilityAmount = amounts_[8];
    return panel;
}

void TFrmTaxLiability::SumLiabilities()
{
    const HourglassCursor hourglass;
    sums_ = SumTaxLiabilities(GroupPayDates->Range());
}

void TFrmTaxLiability::ShowLiabilities()
{
    PPPDateFromTo->setText(TaxLiabilityPeriodLine(GroupPayDates->Range()));
    const std::vector<TaxLiabilityLine> lines = TaxLiabilityLines(sums_);
    for (std::size_t i = 0; i < lines.size(); ++i)
        amounts_[i]->setText(lines[i].amount);
}

void TFrmTaxLiability::BtnPrintClick()
{
    try {
        RptTaxLiability.Execute();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}
