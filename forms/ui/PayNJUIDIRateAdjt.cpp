#include "forms/ui/PayNJUIDIRateAdjt.h"

#include "client/PayDataModule.h"
#include "client/ProgramStart.h"
#include "components/PrintoutFrames.h"
#include "components/ui/PrintoutSetup.h"
#include "forms/NJRateAdjustment.h"
#include "platform/AppMessageBox.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/ShowModal.h"
#include "platform/ui/WindowSize.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

namespace {

PrintoutFrame RateReportPrintout()
{
    PrintoutFrame frame;
    frame.Window = QStringLiteral("TFrmNJUIDIRA");
    frame.Component = QStringLiteral("RptNUUIDIRA");
    frame.TitleSetup = QStringLiteral("New Jersey State UI/DI Rate Change Utility Report Output Options");
    frame.TitleStatus = QStringLiteral("New Jersey State UI/DI Rate Change Utility Report Status");
    frame.TitlePreview = QStringLiteral("New Jersey State UI/DI Rate Change Utility Report Preview");
    frame.PrinterTitle = QStringLiteral("New Jersey State UI/DI Rate Change Utility Report");
    return frame;
}

QLabel* Line(const QString& text, bool bold, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

} // namespace

TFrmNJUIDIRA::TFrmNJUIDIRA(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FrmNJUIDIRA"));
    setWindowTitle(QStringLiteral("New Jersey UI/DI Rate Change Utility Report"));
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8)); // stands in for Tahoma

    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(Line(QStringLiteral("This utility will create a report that can be used to adjust"), false, this));
    texts->addWidget(Line(QStringLiteral("the New Jersey state  unemployment and disability "), false, this));
    texts->addWidget(Line(QStringLiteral("Employer tax liability when there is a change in rates."), false, this));
    texts->addSpacing(8);
    texts->addWidget(Line(QStringLiteral("Enter the new rate under the Company's State"), true, this));
    texts->addWidget(Line(QStringLiteral("Data for NJ, before running this utility."), true, this));

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
    layout->addLayout(texts);
    layout->addStretch();
    layout->addLayout(buttons);
    FixAtClientSize(*this, QSize(340, 150));

    SetUpPrintout(RptNUUIDIRA, this, RateReportPrintout());
    RptNUUIDIRA.OnPrint = [](ReportCanvas&) { PrintNJRateAdjustmentReport(DataModule().RaveProject); };

    connect(BtnOk, &QPushButton::clicked, this, &TFrmNJUIDIRA::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmNJUIDIRA::showEvent(QShowEvent* event)
{
    BtnOk->setFocus();
    QDialog::showEvent(event);
}

void TFrmNJUIDIRA::BtnOkClick()
{
    if (CountNJEmployees() == 0) {
        AppMessageBox(QStringLiteral("No employee of this client works in New Jersey: there is nothing to report."),
                      QString::fromLatin1(kApplicationTitle), MbOk | MbIconInformation);
    } else {
        ReportProject& project = DataModule().RaveProject;
        project.Engine = &RptNUUIDIRA;
        try {
            RptNUUIDIRA.Execute();
        } catch (const std::exception& error) {
            LedgoraApplication::ShowException(error);
        }
        project.Engine = nullptr;
    }
    accept();
}

void ShowNJUIDIRateAdjustment()
{
    TFrmNJUIDIRA window;
    ShowModal(window);
}
