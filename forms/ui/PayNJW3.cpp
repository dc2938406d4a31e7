#include "forms/ui/PayNJW3.h"

#include "client/EFW2SettingsFiles.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/PayDataModule.h"
#include "client/ui/ScreenRules.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "efw2/ui/PayNJEFW2.h"
#include "forms/FormOutput.h"
#include "forms/ui/FormEntries.h"
#include "forms/ui/PayFormCopy.h"
#include "components/ui/LayoutPicture.h"
#include "platform/report/ReportLayout.h"
#include "platform/ui/LedgoraApplication.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString kLayout = QStringLiteral("FormNJW3");
// The page down to the mailing block; the note stays in view below it.
const QRectF kShownRegion(0, 0, 8.5, 6.75);
const QSize kClientSize(700, 610);

TFilterEdit* ReadOnlyBox(const QString& name, TAlignment alignment = taLeftJustify)
{
    auto* box = HeaderEntry(name);
    box->setTextAlignment(alignment);
    return box;
}

TDollarEdit* ReadOnlyAmount(const QString& name)
{
    auto* amount = new TDollarEdit;
    amount->setObjectName(name);
    amount->setDollarDigits(9);
    amount->setCentDigits(2);
    amount->setTextAlignment(taRightJustify);
    amount->setReadOnly(true);
    amount->setFocusPolicy(Qt::ClickFocus);
    return amount;
}

} // namespace

TFrmNJW3::TFrmNJW3(QWidget* parent)
    : TTaxFormScreen(parent, 0, false)
{
    setObjectName(QStringLiteral("FrmNJW3"));
    setWindowTitle(QStringLiteral("Form NJ-W-3  State of New Jersey — Annual Reconciliation of Tax Withheld from Salaries and Wages"));

    const ReportLayout layout = ReadFormLayout(kLayout);
    TLayoutPicture* page = AddPageRegion(layout, 1, kShownRegion, kPictureDotsPerInch);
    page->setObjectName(QStringLiteral("FormNJW3Pg1"));

    LblTaxableYear = new QLabel(QStringLiteral("2026"));
    LblTaxableYear->setObjectName(QStringLiteral("LblTaxableYear"));
    LblFilingYear = new QLabel(QStringLiteral("2027"));
    LblFilingYear->setObjectName(QStringLiteral("LblFilingYear"));
    for (QLabel* year : {LblTaxableYear, LblFilingYear}) {
        year->setAlignment(Qt::AlignCenter);
        year->setStyleSheet(QStringLiteral("font-weight: bold; background: white; color: black;"));
    }
    PlaceOnField(page, layout, LblTaxableYear, QStringLiteral("TaxableYear"));
    PlaceOnField(page, layout, LblFilingYear, QStringLiteral("FilingYear"));

    const auto box = [&](TFilterEdit* entry, const char* field) {
        PlaceOnField(page, layout, entry, QLatin1String(field));
        return entry;
    };
    StateID = box(ReadOnlyBox(QStringLiteral("StateID"), taCenter), "StateID");
    CompName = box(ReadOnlyBox(QStringLiteral("CompName")), "CompName");
    CompTradeName = box(ReadOnlyBox(QStringLiteral("CompTradeName")), "TradeName");
    CompAddress = box(ReadOnlyBox(QStringLiteral("CompAddress")), "Address");
    CompCity = box(ReadOnlyBox(QStringLiteral("CompCity")), "City");
    CompState = box(ReadOnlyBox(QStringLiteral("CompState")), "State");
    CompZipCode = box(ReadOnlyBox(QStringLiteral("CompZipCode")), "ZipCode");
    TotalEmployees = box(ReadOnlyBox(QStringLiteral("TotalEmployees"), taCenter), "TotalEmployees");
    TotalIncome = ReadOnlyAmount(QStringLiteral("TotalIncome"));
    PlaceOnField(page, layout, TotalIncome);
    AmountWithheld = ReadOnlyAmount(QStringLiteral("AmountWithheld"));
    PlaceOnField(page, layout, AmountWithheld);

    LblNote = new QLabel(QStringLiteral("NOTE: Per New Jersey state mandate; Form W-2 must be filed electronically."));
    LblNote->setObjectName(QStringLiteral("LblNote"));
    LblNote->setAlignment(Qt::AlignCenter);
    AddNoteStrip(LblNote);
    SetReadableInk(LblNote, Qt::red, QStringLiteral("font-weight: bold;"));

    BtnPrint = AddButton("BtnPrint", QStringLiteral("&Print"));
    BtnNJEFW2 = AddButton("BtnNJEFW2", QStringLiteral("NJ-&EFW2"));
    BtnClose = AddButton("BtnClose", QStringLiteral("&Close"));
    connect(BtnPrint, &QPushButton::clicked, this, [this] { BtnPrintClick(); });
    connect(BtnNJEFW2, &QPushButton::clicked, this, [this] { BtnNJEFW2Click(); });
    connect(BtnClose, &QPushButton::clicked, this, [this] { BtnCloseClick(); });

    SetUpFormReport(RptNJW3, FormPrintout(QStringLiteral("TFrmNJW3"), QStringLiteral("RptNJW3"), QStringLiteral("NJ Form NJ-W-3")));
    RptNJW3.OnPrint = [this](ReportCanvas&) { RptNJW3Print(); };

    FinishFrame(FrameDollarEdit | FrameFilterEdit, kClientSize);
}

void TFrmNJW3::FormShow()
{
    BtnPrint->setEnabled(CompanyRec.PayrollPosted && CountEmployeesWithAmount(4) > 0);
    form_ = GatherNJW3(CompanyRec);
    StateID->setText(form_.stateId);
    CompName->setText(form_.name);
    CompTradeName->setText(form_.tradeName);
    CompAddress->setText(form_.address);
    CompCity->setText(form_.city);
    CompState->setText(form_.state);
    CompZipCode->setText(form_.zipCode);
    TotalEmployees->setText(QString::number(form_.employees));
    TotalIncome->setValue(form_.wages);
    AmountWithheld->setValue(form_.withheld);
    ShowTextsFromTheStart(this);
}

QWidget* TFrmNJW3::FirstField() const
{
    return StateID;
}

QWidget* TFrmNJW3::LastField() const
{
    return AmountWithheld;
}

void TFrmNJW3::BtnPrintClick()
{
    PrintForm(RptNJW3, FormOutputSet::Full, QStringLiteral("Form NJ-W-3"), {}, [](TFrmFormCopy& dialog) {
        dialog.RbFilingCopy->setText(QStringLiteral("Filing Copy for E-File"));
    });
}

void TFrmNJW3::RptNJW3Print()
{
    FormProjectRun run(DataModule().RaveProject, RptNJW3);
    run.Fill(kLayout, NJW3Params(form_, FilingCopyDefault));
}

void TFrmNJW3::BtnNJEFW2Click()
{
    try {
        LoadSubmitterForNewJersey(W2SubmitterFileName, EFW2SubmitterRec);
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
        return;
    }
    OpenNJEFW2Screen(EFW2SubmitterRec);
}
