#include "forms/ui/FormW2.h"

#include "client/CompanyAddress.h"
#include "client/EmployeeIndex.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/ProgramStart.h"
#include "client/ui/HelpWindow.h"
#include "components/StateTables.h"
#include "components/TextRoutines.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/EntryFieldSupport.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/LayoutPicture.h"
#include "components/ui/RSNavigator.h"
#include "components/ui/StateEdit.h"
#include "forms/W2Checks.h"
#include "forms/W2Forms.h"
#include "forms/W2Printing.h"
#include "forms/ui/FittedLabel.h"
#include "forms/ui/FormLaunchers.h"
#include "forms/ui/IRSBox12Codes.h"
#include "forms/ui/TTOBox14bCodes.h"
#include "forms/ui/W2FormType.h"
#include "forms/ui/FormEntries.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/Folders.h"
#include "platform/report/ReportLayout.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/ShowModal.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kLayoutName = QStringLiteral("FormW2");
// The screen shows the first form of the employee's copies: the top left quarter of the page,
// from the strip above the form to its title, in a picture the build renders at this resolution.
constexpr int kW2DotsPerInch = 120;
const QRectF kFormRegion(0.0, 0.0, 4.22, 4.72);
// Where box 12 lies on the form, and box 9, which the form leaves empty and the screen's hints use.
const QRectF kBox12Area(3.03, 2.115, 1.065, 1.18);
const QRectF kBox9Area(1.97, 2.72, 1.04, 0.56);
// The strip above the form that carries the draft notice.
const QRectF kNoticeStrip(0.15, 0.04, 3.95, 0.22);
// Box c's lines and box 14a's lines stand closer than an entry's height.
constexpr double kEmployerLine = 0.13;
constexpr double kBox14Line = 0.15;
constexpr int kBox12RowsShown = 6;
const QSize kClientSize(560, 620);

constexpr int kYearToDate = 4;

const QString kNotFinal = QStringLiteral("NOT FINAL — DRAFT AS OF  12/15/2025");
const QString kNoEmployees = QStringLiteral("There are no employee records.");

TFittedLabel* ShownBox(const QString& name)
{
    auto* label = new TFittedLabel;
    label->setObjectName(name);
    return label;
}

TDollarEdit* Money(const QString& name, int dollarDigits, bool readOnly)
{
    auto* money = new TDollarEdit;
    money->setObjectName(name);
    money->setDollarDigits(dollarDigits);
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

TCheckBoxEdit* Mark(const QString& name)
{
    auto* mark = new TCheckBoxEdit;
    mark->setObjectName(name);
    return mark;
}

QString Letter(int entry)
{
    return QString(QChar(QLatin1Char('a').unicode() + entry - 1));
}

} // namespace

TFrmW2::TFrmW2(QWidget* parent)
    : TTaxFormScreen(parent, kHelpContext, false)
{
    setObjectName(QStringLiteral("FrmW2"));
    setWindowTitle(QStringLiteral("Form W-2 Wage and Tax Statement 2026"));

    // The whole form fits the window: its box has nothing to scroll and is no stop for Tab.
    ScrollBox->setFocusPolicy(Qt::NoFocus);
    const ReportLayout layout = ReadFormLayout(kLayoutName);
    TLayoutPicture* form = AddPageRegion(layout, 1, kFormRegion, kW2DotsPerInch);
    form->setObjectName(QStringLiteral("ImgFormW2"));
    // What the screen only shows is printed on the paper: black on the form, in every style.
    form->setStyleSheet(QStringLiteral("QLabel { color: black; background: transparent; }"
                                       "QWidget#EmployerBox { background: transparent; }"
                                       "QWidget#Box12Entries { background: white; }"));
    const auto onField = [&](QWidget* entry, const char* field, double width) {
        PlaceOnField(form, layout, entry, QLatin1String(field), width);
    };

    LblNotFinal = new QLabel(kNotFinal);
    LblNotFinal->setObjectName(QStringLiteral("LblNotFinal"));
    LblNotFinal->setAlignment(Qt::AlignCenter);
    LblNotFinal->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(kWarningRed.name()));
    form->place(LblNotFinal, kNoticeStrip);

    // Boxes a to f.
    SocSecNum = ShownBox(QStringLiteral("SocSecNum"));
    onField(SocSecNum, "Boxa", 1.6);
    FederalID = ShownBox(QStringLiteral("FederalID"));
    onField(FederalID, "Boxb", 1.6);
    buildEmployer(form, layout);
    FW2CtrlNum = Text(QStringLiteral("FW2CtrlNum"), QStringLiteral("[A..Z,a..z,0..9,-]"), 10);
    FW2CtrlNum->setCharCase(ecUpperCase);
    onField(FW2CtrlNum, "Boxd", 1.6);
    EmpFirstName = ShownBox(QStringLiteral("EmpFirstName"));
    onField(EmpFirstName, "Boxe1", 1.35);
    EmpLastName = ShownBox(QStringLiteral("EmpLastName"));
    onField(EmpLastName, "Boxe2", 1.35);
    EmpSuffix = ShownBox(QStringLiteral("EmpSuffix"));
    EmpSuffix->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    onField(EmpSuffix, "Boxe3", 0.3);
    EmpAddress = ShownBox(QStringLiteral("EmpAddress"));
    onField(EmpAddress, "Boxf1", 1.6);
    EmpCityStateZip = ShownBox(QStringLiteral("EmpCityStateZip"));
    onField(EmpCityStateZip, "Boxf2", 1.6);

    const struct {
        TDollarEdit** entry;
        const char* name;
        const char* field;
    } amounts[] = {{&FedEarnings, "FedEarnings", "Box1"}, {&FederalTax, "FederalTax", "Box2"},
                   {&SSWages, "SSWages", "Box3"},         {&FICATax, "FICATax", "Box4"},
                   {&MedEarnings, "MedEarnings", "Box5"}, {&MedicareTax, "MedicareTax", "Box6"},
                   {&Tips, "Tips", "Box7"},               {&AllocatedTip, "AllocatedTip", "Box8"},
                   {&DepCareBen, "DepCareBen", "Box10"},  {&NonQualPlan, "NonQualPlan", "Box11"}};
    for (const auto& a : amounts) {
        *a.entry = Money(QLatin1String(a.name), 9, true);
        onField(*a.entry, a.field, 0.95);
    }

    buildBox12(form);
    FW2Box13Chk1 = Mark(QStringLiteral("FW2Box13Chk1"));
    FW2Box13Chk2 = Mark(QStringLiteral("FW2Box13Chk2"));
    FW2Box13Chk3 = Mark(QStringLiteral("FW2Box13Chk3"));
    onField(FW2Box13Chk1, "Box13a", 0.14);
    onField(FW2Box13Chk2, "Box13b", 0.14);
    onField(FW2Box13Chk3, "Box13c", 0.14);
    buildBox14a(form, layout);
    FW2Box14bTTOC = Text(QStringLiteral("FW2Box14bTTOC"), QStringLiteral("[0..9]"), 3);
    FW2Box14bTTOC->setReadOnly(true);
    FW2Box14bTTOC->setToolTip(QStringLiteral("Double click for a list of designated TTO codes"));
    onField(FW2Box14bTTOC, "Box14bTTOC", 0.5);

    WorkState = ShownBox(QStringLiteral("WorkState"));
    WorkState->setAlignment(Qt::AlignCenter);
    onField(WorkState, "Box15a1", 0.36);
    StateID = ShownBox(QStringLiteral("StateID"));
    onField(StateID, "Box15a2", 1.05);
    StateEarning = Money(QStringLiteral("StateEarning"), 9, true);
    onField(StateEarning, "Box16a", 1.1);
    StateTax = Money(QStringLiteral("StateTax"), 9, true);
    onField(StateTax, "Box17a", 1.05);
    FW2Box15Text = new TStateEdit;
    FW2Box15Text->setObjectName(QStringLiteral("FW2Box15Text"));
    onField(FW2Box15Text, "Box15b1", 0.44);
    FW2StateID2 = Text(QStringLiteral("FW2StateID2"), QStringLiteral("[0..9, ,-]"), 16);
    onField(FW2StateID2, "Box15b2", 1.05);
    FW2Box16Amt = Money(QStringLiteral("FW2Box16Amt"), 8, false);
    onField(FW2Box16Amt, "Box16b", 1.1);
    FW2Box17Amt = Money(QStringLiteral("FW2Box17Amt"), 8, false);
    onField(FW2Box17Amt, "Box17b", 1.05);
    CityEarnings = Money(QStringLiteral("CityEarnings"), 9, true);
    onField(CityEarnings, "Box18a", 1.15);
    CityTax = Money(QStringLiteral("CityTax"), 9, true);
    onField(CityTax, "Box19a", 1.2);
    CityName = ShownBox(QStringLiteral("CityName"));
    onField(CityName, "Box20a", 1.25);
    FW2Box18Amt = Money(QStringLiteral("FW2Box18Amt"), 8, false);
    onField(FW2Box18Amt, "Box18b", 1.15);
    FW2Box19Amt = Money(QStringLiteral("FW2Box19Amt"), 8, false);
    onField(FW2Box19Amt, "Box19b", 1.2);
    FW2Box20Text = Text(QStringLiteral("FW2Box20Text"), QStringLiteral("[]"), 6);
    onField(FW2Box20Text, "Box20b", 1.25);

    // The hints stand in box 9, which the form leaves empty.
    const auto hint = [&](const char* name, const char* text) {
        auto* label = new QLabel(QLatin1String(text));
        label->setObjectName(QLatin1String(name));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("background: #FFFFE1; color: black; border: 1px solid black;"));
        form->place(label, kBox9Area);
        label->hide();
        return label;
    };
    LblBox12Hint = hint("LblBox12Hint", " Double click for a list of designated IRS codes ");
    LblBox14bHint = hint("LblBox14bHint", " Double click for a list of designated TTO codes ");

    RSNavigator = new TRSNavigator(PanelContainer);
    RSNavigator->setObjectName(QStringLiteral("RSNavigator"));
    RSNavigator->SetVisibleButtons(NavBtn(nbFirst) | NavBtn(nbPrior) | NavBtn(nbNext) | NavBtn(nbLast) | NavBtn(nbList));
    RSNavigator->SetBtnFirstHint(QStringLiteral("First Employee (Alt+F)"));
    RSNavigator->SetBtnNextHint(QStringLiteral("Next Employee (Alt+N)"));
    RSNavigator->SetBtnPriorHint(QStringLiteral("Prior Employee (Alt+P)"));
    RSNavigator->SetBtnLastHint(QStringLiteral("Last Employee (Alt+L)"));
    RSNavigator->SetBtnListHint(QStringLiteral("List Employees (Alt+I)"));
    RSNavigator->OnBeforeAction = [this](TRSNavigator& sender) {
        if (!SaveBeforeMoving())
            sender.Cancel();
    };
    RSNavigator->OnAfterAction = [this](TRSNavigator&) { RSNavigatorAfterAction(); };
    RSNavigator->OnBtnListClick = [](TRSNavigator&) { ShowRecList(); };
    ButtonRow()->addWidget(RSNavigator);
    ButtonRow()->addStretch(1);
    BtnPrintOne = AddButton("BtnPrintOne", QStringLiteral("Print &One"), QStringLiteral("Print the current Form W-2"));
    BtnPrintAll = AddButton("BtnPrintAll", QStringLiteral("Print &All"), QStringLiteral("Print All Forms W-2"));
    BtnBox12Inst = AddButton("BtnBox12Inst", QStringLiteral("See instructions for box 12"));
    ButtonRow()->addStretch(1);
    BtnClose = AddButton("BtnClose", QStringLiteral("&Close"));
    BtnHelp = AddButton("BtnHelp", QStringLiteral("Help"), QStringLiteral("Form Help"));
    connect(BtnPrintOne, &QPushButton::clicked, this, [this] { BtnPrintOneClick(); });
    connect(BtnPrintAll, &QPushButton::clicked, this, [this] { BtnPrintAllClick(); });
    connect(BtnBox12Inst, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    connect(BtnClose, &QPushButton::clicked, this, [this] { BtnCloseClick(); });
    connect(BtnHelp, &QPushButton::clicked, this, [this] {
        ShowInstructions(ProgramDir() + QStringLiteral("Inst W2W3.pdf"), QStringLiteral("The IRS Instructions cannot no be found"));
    });
    setUpReports();
    FinishFrame(FrameDollarEdit | FrameCheckBoxEdit | FrameFilterEdit | FrameStateEdit, kClientSize);
}

void TFrmW2::buildEmployer(TLayoutPicture* picture, const ReportLayout& layout)
{
    // Four lines that close up when there is no trade name, so no empty line shows.
    const LayoutElement* first = layout.Field(QStringLiteral("Boxc1"));
    auto* box = new QWidget;
    box->setObjectName(QStringLiteral("EmployerBox"));
    auto* lines = new QVBoxLayout(box);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(0);
    const int lineHeight = qRound(kEmployerLine * kW2DotsPerInch);
    for (TFittedLabel** line : {&CompName, &CompTradeName, &CompAddress, &CompCityStateZip}) {
        *line = ShownBox(QString());
        QFont font = (*line)->font();
        font.setPixelSize(lineHeight - 3);
        (*line)->setFont(font);
        (*line)->setFixedHeight(lineHeight);
        lines->addWidget(*line);
    }
    CompName->setObjectName(QStringLiteral("CompName"));
    CompTradeName->setObjectName(QStringLiteral("CompTradeName"));
    CompAddress->setObjectName(QStringLiteral("CompAddress"));
    CompCityStateZip->setObjectName(QStringLiteral("CompCityStateZip"));
    lines->addStretch(1);
    const double top = first->y1 - kEmployerLine + 0.03;
    picture->place(box, QRectF(first->x1, top, 1.66, 4 * kEmployerLine + 0.02));
}

void TFrmW2::buildBox12(TLayoutPicture* picture)
{
    ScrollBox_Box12 = new QScrollArea;
    ScrollBox_Box12->setObjectName(QStringLiteral("ScrollBox_Box12"));
    ScrollBox_Box12->setFrameShape(QFrame::NoFrame);
    ScrollBox_Box12->setFocusPolicy(Qt::NoFocus);
    ScrollBox_Box12->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox_Box12->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ScrollBox_Box12->setWidgetResizable(true);
    auto* rows = new QWidget;
    rows->setObjectName(QStringLiteral("Box12Entries"));
    rows->setAutoFillBackground(true);
    QPalette white = rows->palette();
    white.setColor(QPalette::Window, Qt::white);
    rows->setPalette(white);
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(1, 0, 1, 0);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(0);
    const int rowHeight = static_cast<int>(kBox12Area.height() * kW2DotsPerInch / kBox12RowsShown);
    QFont font = rows->font();
    font.setPixelSize(std::max(8, rowHeight - 8));
    for (int entry = 1; entry <= 12; ++entry) {
        auto* letter = new QLabel(Letter(entry), rows);
        letter->setFont(font);
        FW2Box12Code[entry] = Text(QStringLiteral("FW2Box12Code%1").arg(entry), QStringLiteral("[A..Z,a..z]"), 2);
        FW2Box12Code[entry]->setCharCase(ecUpperCase);
        FW2Box12Code[entry]->setReadOnly(true);
        FW2Box12Code[entry]->setTextAlignment(taCenter);
        FW2Box12Code[entry]->setProperty("Tag", 100);
        FW2Box12Code[entry]->setToolTip(QStringLiteral("Double click for a list of designated IRS codes"));
        FW2Box12Amt[entry] = Money(QStringLiteral("FW2Box12Amt%1").arg(entry), 6, false);
        for (QWidget* field : {static_cast<QWidget*>(FW2Box12Code[entry]), static_cast<QWidget*>(FW2Box12Amt[entry])}) {
            field->setFont(font);
            field->setFixedHeight(rowHeight);
            static_cast<QLineEdit*>(field)->setFrame(false);
            WatchEntry(field);
        }
        FW2Box12Code[entry]->setFixedWidth(qRound(0.26 * kW2DotsPerInch));
        ShowWidestValueWhole(FW2Box12Amt[entry], QStringLiteral("999,999.99"));
        grid->addWidget(letter, entry - 1, 0);
        grid->addWidget(FW2Box12Code[entry], entry - 1, 1);
        grid->addWidget(FW2Box12Amt[entry], entry - 1, 2);
    }
    grid->setColumnStretch(2, 1);
    ScrollBox_Box12->setWidget(rows);
    ScrollBox_Box12->verticalScrollBar()->setSingleStep(rowHeight);
    picture->place(ScrollBox_Box12, kBox12Area);
}

void TFrmW2::buildBox14a(TLayoutPicture* picture, const ReportLayout& layout)
{
    const int lineHeight = qRound(kBox14Line * kW2DotsPerInch);
    for (int line = 1; line <= 3; ++line) {
        FW2Box14Desc[line] = Text(QStringLiteral("FW2Box14Desc%1").arg(line), QStringLiteral("[]"), 10);
        FW2Box14Amt[line] = Money(QStringLiteral("FW2Box14Amt%1").arg(line), 6, false);
        const QString letter = Letter(line);
        const LayoutElement* description = layout.Field(QStringLiteral("Box14") + letter + QLatin1Char('1'));
        const LayoutElement* amount = layout.Field(QStringLiteral("Box14") + letter + QLatin1Char('2'));
        const double top = description->y1 - kBox14Line + 0.035;
        picture->place(FW2Box14Desc[line], QRectF(description->x1, top, 0.9, kBox14Line));
        picture->place(FW2Box14Amt[line], QRectF(amount->x1 - 0.7, top, 0.7, kBox14Line));
        for (QLineEdit* field : {static_cast<QLineEdit*>(FW2Box14Desc[line]), static_cast<QLineEdit*>(FW2Box14Amt[line])}) {
            QFont font = field->font();
            font.setPixelSize(lineHeight - 4);
            field->setFont(font);
            field->setFrame(false);
            WatchEntry(field);
        }
    }
}

void TFrmW2::setUpReports()
{
    const struct {
        ReportSystem* report;
        const char* component;
        const char* title;
        const char* printerTitle;
    } reports[] = {{&RptW2, "RptW2", "Employee Form W-2", "Form W-2"},
                   {&RptW2D1, "RptW2D1", "Employee Form W-2", "Form W-2"},
                   {&RptSSAW2, "RptSSAW2", "SSA Form W-2", "SSA Form W-2"}};
    for (const auto& r : reports) {
        PrintoutFrame frame = FormPrintout(QStringLiteral("TFrmW2"), QLatin1String(r.component), QLatin1String(r.title));
        frame.PrinterTitle = QLatin1String(r.printerTitle);
        SetUpFormReport(*r.report, frame);
        r.report->SystemPreview.ZoomFactor = 120;
    }
    ReportProject& project = DataModule().RaveProject;
    RptW2.OnPrint = [this, &project](ReportCanvas& report) {
        PrintW2EmployeeCopies(report, project, W2FirstRecToPrint, W2LastRecToPrint, MaskSSNOnCopies);
    };
    RptW2D1.OnPrint = [this, &project](ReportCanvas& report) {
        PrintW2CopyD1(report, project, W2FirstRecToPrint, W2LastRecToPrint, W2CopyType == 2 ? W2Copy::Copy1 : W2Copy::CopyD,
                      MaskSSNOnCopies);
    };
    RptSSAW2.OnPrint = [&project](ReportCanvas& report) { PrintW2CopyA(report, project); };
}

void TFrmW2::FormShow()
{
    TRecordSet& employees = DataModule().RSEmployee;
    employees.GetRec();
    LoadForm();
    RSNavigator->SetRecordSet(&employees);

    FederalID->ShowText(CompanyRec.FederalID.get());
    CompName->ShowText(CompanyRec.Name.get());
    CompTradeName->ShowText(CompanyRec.TradeName.get());
    CompTradeName->setVisible(!IsBlank(CompanyRec.TradeName.get()));
    CompAddress->ShowText(CompanyStreetLine(CompanyRec, QStringLiteral("Ste")));
    CompCityStateZip->ShowText(CompanyCityStateZip);

    BtnPrintOne->setEnabled(CompanyRec.PayrollPosted && CountEmployeesWithAmount(kYearToDate) > 0);
    // Copy A is filed on the Administration's red-ink form: this one is a preview only.
    ApplyOutputSet(RptSSAW2, FormOutputSet::PreviewOnly);

    EmployeeCount = GetEmployeeCount();
    FW2Checked.assign(static_cast<size_t>(std::max(EmployeeCount, 0)), false);
    const int current = employees.CurrentRecord();
    if (current >= 1 && current <= static_cast<int>(FW2Checked.size()))
        FW2Checked[static_cast<size_t>(current - 1)] = true;
    UpdatePrintAll();
    MaskSSNOnCopies = true;
}

void TFrmW2::LoadForm()
{
    const EmployeeRecord& e = EmployeeRec;
    const int y = kYearToDateColumn;
    SocSecNum->ShowText(e.SocSecNum.get());
    FW2CtrlNum->setText(e.FW2CtrlNum.get());
    EmpFirstName->ShowText(e.FirstName.get() + QLatin1Char(' ') + e.MiddleName.get());
    EmpLastName->ShowText(e.LastName.get());
    EmpSuffix->ShowText(e.Suffix.get());
    EmpAddress->ShowText(e.Address.get());
    EmpCityStateZip->ShowText(e.CityStateZip.get());
    FedEarnings->setValue(e.FedEarnings[y]);
    FederalTax->setValue(e.FederalTax[y] + e.TPSPFederalTax[y]);
    SSWages->setValue(W2SocialSecurityWages(e));
    FICATax->setValue(e.FICATax[y] + e.TPSPFICATax[y]);
    MedEarnings->setValue(e.MedEarnings[y]);
    MedicareTax->setValue(e.MedicareTax[y] + e.TPSPMedicareTax[y]);
    Tips->setValue(e.Tips[y]);
    AllocatedTip->setValue(e.AllocatedTip[y]);
    DepCareBen->setValue(e.DepCareBen[y]);
    NonQualPlan->setValue(e.NonQualPlan[y]);
    for (int entry = 1; entry <= 12; ++entry) {
        FW2Box12Code[entry]->setText(e.FW2Box12Code[entry].get());
        FW2Box12Amt[entry]->setValue(e.FW2Box12Amt[entry]);
    }
    FW2Box13Chk1->setChecked(e.FW2Box13Chk1);
    FW2Box13Chk2->setChecked(e.FW2Box13Chk2);
    FW2Box13Chk3->setChecked(e.FW2Box13Chk3);
    const QString descriptions[] = {e.FW2Box14Desc1.get(), e.FW2Box14Desc2.get(), e.FW2Box14Desc3.get()};
    const double amounts[] = {e.FW2Box14Amt1, e.FW2Box14Amt2, e.FW2Box14Amt3};
    for (int line = 1; line <= 3; ++line) {
        FW2Box14Desc[line]->setText(descriptions[line - 1]);
        FW2Box14Amt[line]->setValue(amounts[line - 1]);
    }
    FW2Box14bTTOC->setText(e.FW2Box14bTTOC.get());
    WorkState->ShowText(e.WorkState.get());
    const int state = e.WorkStateIndex;
    StateID->ShowText(state >= 1 && state <= 54 ? CompanyRec.StateID[state].get() : QString());
    StateEarning->setValue(e.StateEarning[y]);
    StateTax->setValue(e.StateTax[y]);
    FW2Box15Text->setCurrentIndex(IsBlank(e.FW2Box15Text.get()) ? -1 : StateCodeIndex(e.FW2Box15Text.get()));
    FW2StateID2->setText(e.FW2StateID2.get());
    FW2Box16Amt->setValue(e.FW2Box16Amt);
    FW2Box17Amt->setValue(e.FW2Box17Amt);
    CityEarnings->setValue(e.CityEarnings[y]);
    CityTax->setValue(e.CityTax[y]);
    CityName->ShowText(e.CityName.get());
    FW2Box18Amt->setValue(e.FW2Box18Amt);
    FW2Box19Amt->setValue(e.FW2Box19Amt);
    FW2Box20Text->setText(e.FW2Box20Text.get());
}

void TFrmW2::SaveForm()
{
    EmployeeRecord& e = EmployeeRec;
    e.FW2CtrlNum = FW2CtrlNum->text().left(10);
    for (int entry = 1; entry <= 12; ++entry) {
        e.FW2Box12Code[entry] = FW2Box12Code[entry]->text().left(2);
        e.FW2Box12Amt[entry] = FW2Box12Amt[entry]->value();
    }
    e.FW2Box13Chk1 = FW2Box13Chk1->checked();
    e.FW2Box13Chk2 = FW2Box13Chk2->checked();
    e.FW2Box13Chk3 = FW2Box13Chk3->checked();
    e.FW2Box14Desc1 = FW2Box14Desc[1]->text().left(10);
    e.FW2Box14Desc2 = FW2Box14Desc[2]->text().left(10);
    e.FW2Box14Desc3 = FW2Box14Desc[3]->text().left(10);
    e.FW2Box14Amt1 = FW2Box14Amt[1]->value();
    e.FW2Box14Amt2 = FW2Box14Amt[2]->value();
    e.FW2Box14Amt3 = FW2Box14Amt[3]->value();
    e.FW2Box14bTTOC = FW2Box14bTTOC->text().left(3);
    e.FW2Box15Text = FW2Box15Text->currentIndex() >= 0 ? FW2Box15Text->currentText().left(2) : QString();
    e.FW2StateID2 = FW2StateID2->text().left(11);
    e.FW2Box16Amt = FW2Box16Amt->value();
    e.FW2Box17Amt = FW2Box17Amt->value();
    e.FW2Box18Amt = FW2Box18Amt->value();
    e.FW2Box19Amt = FW2Box19Amt->value();
    e.FW2Box20Text = FW2Box20Text->text().left(6);
}

void TFrmW2::saveAndCheck(bool forPrintOne)
{
    SaveForm();
    const std::optional<W2EntryProblem> problem = CheckW2Entries(EmployeeRec, forPrintOne);
    if (!problem)
        return;
    QWidget* field = nullptr;
    switch (problem->entry) {
    case W2Entry::FedEarnings: field = FedEarnings; break;
    case W2Entry::Box12Code: field = FW2Box12Code[problem->index]; break;
    case W2Entry::Box12Amount: field = FW2Box12Amt[problem->index]; break;
    case W2Entry::Box14Description: field = FW2Box14Desc[problem->index]; break;
    case W2Entry::Box14Amount: field = FW2Box14Amt[problem->index]; break;
    case W2Entry::Box14bCode: field = FW2Box14bTTOC; break;
    }
    if (problem->entry == W2Entry::Box12Code || problem->entry == W2Entry::Box12Amount)
        ScrollBox_Box12->ensureWidgetVisible(field, 0, 0);
    field->setFocus(Qt::OtherFocusReason);
    throw EFieldException(problem->message);
}

void TFrmW2::SaveScreen()
{
    saveAndCheck(false);
    DataModule().RSEmployee.PostRec();
}

void TFrmW2::RevertScreen()
{
    DataModule().RSEmployee.GetRec();
}

void TFrmW2::done(int result)
{
    // The year-end order: the W-2s were reviewed once every employee was shown and printing was
    // allowed.
    if (BtnPrintAll->isEnabled() && (result == QDialog::Accepted || browseOnly()))
        W2W3VisitCount = W2W3VisitCount == 0 ? 1 : 2;
    TTaxFormScreen::done(result);
}

void TFrmW2::RSNavigatorAfterAction()
{
    LoadForm();
    const int current = DataModule().RSEmployee.CurrentRecord();
    if (current >= 1 && current <= static_cast<int>(FW2Checked.size()))
        FW2Checked[static_cast<size_t>(current - 1)] = true;
    UpdatePrintAll();
}

void TFrmW2::UpdatePrintAll()
{
    const bool allShown = std::all_of(FW2Checked.begin(), FW2Checked.end(), [](bool shown) { return shown; });
    BtnPrintAll->setEnabled(BtnPrintOne->isEnabled() && allShown);
}

bool TFrmW2::FormKeyDown(QKeyEvent* event)
{
    // The whole form is in view: no key scrolls. Ctrl+Home and Ctrl+End jump to the first and
    // last entry; every other key may move through the employees (Alt+F, N, P, L and I).
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Home || event->key() == Qt::Key_End) {
        if (modifiers == Qt::ControlModifier)
            (event->key() == Qt::Key_Home ? FirstField() : LastField())->setFocus(Qt::OtherFocusReason);
        return false;
    }
    RSNavigator->KeyDownHandler(event->key(), modifiers);
    return false;
}

bool TFrmW2::FormMouseWheel(QWheelEvent*)
{
    return false;
}

QWidget* TFrmW2::FirstField() const
{
    return FW2CtrlNum;
}

QWidget* TFrmW2::LastField() const
{
    return FW2Box20Text;
}

void TFrmW2::FieldEnter(QWidget* entry)
{
    if (ScrollBox_Box12->isAncestorOf(entry))
        ScrollBox_Box12->ensureWidgetVisible(entry, 0, 0);
    if (entry == FW2Box12Code[1])
        ScrollBox_Box12->verticalScrollBar()->setValue(0);
    if (entry->property("Tag").toInt() == 100)
        LblBox12Hint->show();
    else if (entry == FW2Box14bTTOC)
        LblBox14bHint->show();
}

void TFrmW2::FieldExit(QWidget* entry)
{
    // The W-2 computes nothing: leaving an entry only takes its hint away.
    LblBox12Hint->hide();
    LblBox14bHint->hide();
    if (entry == FW2Box12Amt[12])
        ScrollBox_Box12->verticalScrollBar()->setValue(0);
}

bool TFrmW2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick && !browseOnly()) {
        for (int entry = 1; entry <= 12; ++entry) {
            if (watched == FW2Box12Code[entry]) {
                pickBox12Code(entry);
                return true;
            }
        }
        if (watched == FW2Box14bTTOC) {
            pickBox14bCode();
            return true;
        }
    }
    return TTaxFormScreen::eventFilter(watched, event);
}

void TFrmW2::pickBox12Code(int entry)
{
    TFrmIRSBox12Codes list(this);
    FW2Box12Code[entry]->setText(PickCode(list));
}

void TFrmW2::pickBox14bCode()
{
    TFrmTTOBox14bCodes list(this);
    FW2Box14bTTOC->setText(PickCode(list));
}

void TFrmW2::runReport(ReportSystem& report)
{
    ReportProject& project = DataModule().RaveProject;
    project.Engine = &report;
    try {
        report.Execute();
    } catch (const std::exception& error) {
        project.Engine = nullptr;
        LedgoraApplication::ShowException(error);
        return;
    }
    project.Engine = nullptr;
}

void TFrmW2::BtnPrintOneClick()
{
    try {
        RequireCompanyEIN(QStringLiteral("Form W-2"));
        saveAndCheck(true);
        W2FirstRecToPrint = W2LastRecToPrint = DataModule().RSEmployee.CurrentRecord();
        if (!browseOnly())
            DataModule().RSEmployee.PostRec();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
        return;
    }
    runReport(RptW2);
}

void TFrmW2::BtnPrintAllClick()
{
    TRecordSet& employees = DataModule().RSEmployee;
    try {
        RequireCompanyEIN(QStringLiteral("Form W-2"));
        saveAndCheck(false);
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
        return;
    }
    {
        TFrmFormType dialog(this);
        if (ShowModal(dialog) != QDialog::Accepted)
            return;
    }
    W2FirstRecToPrint = employees.FirstRecord();
    W2LastRecToPrint = employees.LastRecord();
    if (!browseOnly()) {
        try {
            employees.PostRec();
        } catch (const std::exception& error) {
            LedgoraApplication::ShowException(error);
            return;
        }
    }
    switch (W2CopyType) {
    case 1:
    case 2: {
        const QString kind = W2CopyType == 1 ? QStringLiteral("Employer") : QStringLiteral("State");
        RptW2D1.TitlePreview = kind + QStringLiteral(" Form W-2 Preview");
        RptW2D1.TitleSetup = kind + QStringLiteral(" Form W-2 Setup");
        RptW2D1.TitleStatus = kind + QStringLiteral(" Form W-2 Status");
        runReport(RptW2D1);
        break;
    }
    case 3:
        runReport(RptSSAW2);
        break;
    default:
        runReport(RptW2);
        break;
    }
}

void OpenW2Screen()
{
    if (!FileIsOpen)
        return;
    if (GetEmployeeCount() == 0) {
        AppMessageBox(kNoEmployees, QLatin1String(kApplicationTitle), MbOk | MbIconInformation);
        return;
    }
    OpenFormScreen<TFrmW2>();
}
