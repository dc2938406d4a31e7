#include "forms/ui/PayNJUDI.h"

#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/ProgramStart.h"
#include "client/ui/HelpWindow.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/LayoutPicture.h"
#include "forms/FormOutput.h"
#include "forms/NJ927Printing.h"
#include "forms/NJBox14Transfer.h"
#include "forms/ui/FormEntries.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/report/ReportLayout.h"
#include "platform/ui/LedgoraApplication.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <exception>

namespace {

const QString kLayoutName = QStringLiteral("FormNJ927");
const QSize kClientSize(730, 717);
// The WR-30 list shows about six rows; a client with at most that many employees never scrolls it.
constexpr int kListHeight = 120;
constexpr std::size_t kRowsShown = 6;
constexpr int kListPageStep = 256;
// Pixel widths of the list's columns: SSN, name, wages paid, base weeks.
constexpr int kColumnWidths[] = {150, 380, 120, 77};
constexpr int kRowHeight = 20;

PrintoutFrame NJUDIPrintout()
{
    PrintoutFrame frame;
    frame.Window = QStringLiteral("TFrmNJUDI");
    frame.Component = QStringLiteral("RptNJUDI");
    frame.TitleSetup = QStringLiteral("NJ Employer's Quarterly Report Output Options");
    frame.TitleStatus = QStringLiteral("NJ Employer's Quarterly Report Status");
    frame.TitlePreview = QStringLiteral("NJ Employer's Quarterly Report Preview");
    frame.PrinterTitle = QStringLiteral("NJ Employer's Quarterly Report");
    return frame;
}

TDollarEdit* Amount(const char* name, bool readOnly, int dollarDigits = 9)
{
    auto* amount = new TDollarEdit;
    amount->setObjectName(QLatin1String(name));
    amount->setDollarDigits(dollarDigits);
    amount->setCentDigits(2);
    amount->setMinusKey(false);
    amount->setTextAlignment(taRightJustify);
    amount->setReadOnly(readOnly);
    return amount;
}

TDollarEdit* Rate(const char* name)
{
    auto* rate = new TDollarEdit;
    rate->setObjectName(QLatin1String(name));
    rate->setDollarDigits(1);
    rate->setCentDigits(6);
    rate->setTextAlignment(taCenter);
    rate->setReadOnly(true);
    return rate;
}

TFilterEdit* Count(const QString& name, bool readOnly)
{
    auto* count = new TFilterEdit;
    count->setObjectName(name);
    count->setMaxLength(5);
    count->setValidChars(QStringLiteral("[0..9]"));
    count->setTextAlignment(taCenter);
    count->setReadOnly(readOnly);
    return count;
}

TFilterEdit* PlanCode(const char* name, bool readOnly, const QString& codes)
{
    auto* code = new TFilterEdit;
    code->setObjectName(QLatin1String(name));
    code->setMaxLength(1);
    code->setValidChars(codes);
    code->setCharCase(ecUpperCase);
    code->setTextAlignment(taCenter);
    code->setReadOnly(readOnly);
    return code;
}

QLabel* HeaderLabel(const char* name)
{
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(name));
    // Printed on the form's white page, whatever the visual style's text colour.
    label->setStyleSheet(QStringLiteral("QLabel { color: black; background: transparent; }"));
    return label;
}

void NotATabStop(QWidget* entry)
{
    entry->setFocusPolicy(Qt::ClickFocus);
}

QFont ListFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));   // stands in for Tahoma
    font.setPixelSize(std::max(9, 12 * ScalingPercent / 100));
    return font;
}

QLabel* StaticCell(const QString& text, Qt::Alignment alignment)
{
    auto* cell = new QLabel(text);
    cell->setFont(ListFont());
    cell->setAlignment(alignment | Qt::AlignVCenter);
    cell->setFrameShape(QFrame::Box);
    // A style sheet overrides the palette: the cell's own sheet keeps it black on white.
    cell->setStyleSheet(QStringLiteral("QLabel { background-color: white; color: black; }"));
    cell->setFixedHeight(kRowHeight);
    return cell;
}

// The four columns of the list and its heading, in the same proportions.
void SetListColumns(QGridLayout* grid)
{
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(0);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int c = 0; c < 4; ++c)
        grid->setColumnStretch(c, kColumnWidths[c]);
}

bool IsAncestorOf(const QWidget* area, const QWidget* w)
{
    return w && area && (w == area || area->isAncestorOf(w));
}

} // namespace

TFrmNJUDI::TFrmNJUDI(QWidget* parent)
    : TTaxFormScreen(parent, kHelpContext, true)
{
    setObjectName(QStringLiteral("FrmNJUDI"));
    setWindowTitle(QStringLiteral("New Jersey State Employer's Quarterly Reports Forms NJ-927 and WR-30 Worksheets "));
    ScrollBox1 = ScrollBox;
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));

    Sheet.Gather();
    buildPage();
    buildWageList();

    ChkMaskSSN = new QCheckBox(QStringLiteral("&Mask SSNs on printed report"), PanelContainer);
    ChkMaskSSN->setObjectName(QStringLiteral("ChkMaskSSN"));
    ButtonRow()->addWidget(ChkMaskSSN);
    ButtonRow()->addStretch(1);
    BtnCalculate = AddButton("BtnCalculate", QStringLiteral("&Calculate"));
    BtnPrint = AddButton("BtnPrint", QStringLiteral("&Print"));
    BtnClose = AddButton("BtnClose", QStringLiteral("C&lose"));
    ButtonRow()->addStretch(1);
    BtnHelp = AddButton("BtnHelp", QStringLiteral("Help"), QStringLiteral("Form Help"));
    connect(BtnCalculate, &QPushButton::clicked, this, [this] { BtnCalculateClick(); });
    connect(BtnPrint, &QPushButton::clicked, this, [this] { BtnPrintClick(); });
    connect(BtnClose, &QPushButton::clicked, this, [this] { BtnCloseClick(); });
    connect(BtnHelp, &QPushButton::clicked, this, [this] { BtnHelpClick(); });

    PopMenuItem = new QAction(QStringLiteral("Transfer UI/WF/SWF,  DI && FLI Data to Form W-2"), this);
    PopMenuItem->setObjectName(QStringLiteral("PopMenuItem"));
    addAction(PopMenuItem);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(PopMenuItem, &QAction::triggered, this, [this] { PopMenuItemClick(); });

    SetUpFormReport(RptNJUDI, NJUDIPrintout());
    RptNJUDI.OnPrint = [this](ReportCanvas&) {
        PrintNJ927Worksheets(DataModule().RaveProject, Sheet, ChkMaskSSN->isChecked());
    };

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (IsAncestorOf(ScrollBox2, now))
            active_ = Area::List;
        else if (IsAncestorOf(ScrollBox1, now))
            active_ = Area::Page;
    });

    FinishFrame(0, kClientSize);
}

void TFrmNJUDI::buildPage()
{
    const ReportLayout layout = ReadFormLayout(kLayoutName);
    TLayoutPicture* page = AddPage(layout, 1);
    page->setObjectName(QStringLiteral("Form_NJ_927"));

    LblStateID = HeaderLabel("LblStateID");
    PlaceOnField(page, layout, LblStateID, QStringLiteral("StateID"));
    LblCompName = HeaderLabel("LblCompName");
    PlaceOnField(page, layout, LblCompName, QStringLiteral("CompName"));
    LblQtrYear = HeaderLabel("LblQtrYear");
    PlaceOnField(page, layout, LblQtrYear, QStringLiteral("QtrYear"));
    LblQuarterEnding = HeaderLabel("LblQuarterEnding");
    PlaceOnField(page, layout, LblQuarterEnding, QStringLiteral("QuarterEnding"));
    LblReportDue = HeaderLabel("LblReportDue");
    PlaceOnField(page, layout, LblReportDue, QStringLiteral("ReportDue"));

    for (int m = 0; m < 3; ++m) {
        const QByteArray name = QStringLiteral("GITMonth%1").arg(m + 1).toLatin1();
        GITMonth[static_cast<std::size_t>(m)] = Amount(name.constData(), false);
        NotATabStop(GITMonth[static_cast<std::size_t>(m)]);
        PlaceOnField(page, layout, GITMonth[static_cast<std::size_t>(m)]);
    }
    const auto place = [&](QWidget* entry, const QString& field = QString()) { PlaceOnField(page, layout, entry, field); };
    place(GITWages = Amount("GITWages", true));
    place(TotalGIT = Amount("TotalGIT", true));
    place(GITPaid = Amount("GITPaid", false));
    place(GITBalDue = Amount("GITBalDue", true));
    place(GITOverPaid = Amount("GITOverPaid", true));
    for (TCheckBoxEdit** box : {&Refund, &Credit}) {
        *box = new TCheckBoxEdit;
        (*box)->setObjectName(box == &Refund ? QStringLiteral("Refund") : QStringLiteral("Credit"));
        place(*box);
        TCheckBoxEdit* changed = *box;
        connect(changed, &QLineEdit::textChanged, this, [this, changed] { CheckBoxChange(changed); });
    }
    place(GITPayment = Amount("GITPayment", false));

    LblNote1 = new QLabel(QStringLiteral("NOTE: Double check the accuracy of the employee count for each month, and make "
                                         "any necessary modifications."));
    LblNote1->setObjectName(QStringLiteral("LblNote1"));
    LblNote1->setWordWrap(true);
    QFont small = LblNote1->font();
    small.setPixelSize(std::max(8, 9 * ScalingPercent / 100));
    LblNote1->setFont(small);
    LblNote1->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(kWarningRed.name()));
    const LayoutElement* month1 = layout.Field(QStringLiteral("Month1"));
    page->place(LblNote1, QRectF(0.55, month1->y1 - 0.66, 3.3, 0.46));
    for (int m = 0; m < 3; ++m) {
        Month[static_cast<std::size_t>(m)] = Count(QStringLiteral("Month%1").arg(m + 1), false);
        NotATabStop(Month[static_cast<std::size_t>(m)]);
        place(Month[static_cast<std::size_t>(m)]);
    }
    place(GrossWages = Amount("GrossWages", true));
    LblMaxTaxableEmployerWages = HeaderLabel("LblMaxTaxableEmployerWages");
    place(LblMaxTaxableEmployerWages, QStringLiteral("MaxTaxableEmployerWages"));
    place(ExcessEmployerWages = Amount("ExcessEmployerWages", true));
    LblMaxTaxableWorkerWages = HeaderLabel("LblMaxTaxableWorkerWages");
    place(LblMaxTaxableWorkerWages, QStringLiteral("MaxTaxableWorkerWages"));
    place(ExcessWorkerWages = Amount("ExcessWorkerWages", true));
    place(TaxableWagesUIWF = Amount("TaxableWagesUIWF", true));
    place(TaxableWagesDIEmployer = Amount("TaxableWagesDIEmployer", true));
    place(DIPlanEmployer = PlanCode("DIPlanEmployer", false, QStringLiteral("[P,S,C,N]")), QStringLiteral("DIPlan"));
    place(TaxableWagesDIWorker = Amount("TaxableWagesDIWorker", true));
    place(DIPlanWorker = PlanCode("DIPlanWorker", true, QStringLiteral("[P,S,C]")));
    place(TaxableWagesFLI = Amount("TaxableWagesFLI", true));
    place(FLIPlan = PlanCode("FLIPlan", true, QStringLiteral("[P,S,C]")));
    place(UITax = Amount("UITax", true));
    place(UIRate = Rate("UIRate"));
    place(DIEmployerTax = Amount("DIEmployerTax", true));
    place(DIEmployerRate = Rate("DIEmployerRate"));
    place(DIWorkerTax = Amount("DIWorkerTax", true, 8));
    place(DIWorkerRate = Rate("DIWorkerRate"));
    place(FLITax = Amount("FLITax", true));
    place(FLIRate = Rate("FLIRate"));
    place(Payments = Amount("Payments", false));
    place(BalanceDue = Amount("BalanceDue", true));
    place(Payment = Amount("Payment", false));
    place(PrivatePlanDI = Count(QStringLiteral("PrivatePlanDI"), false));
    place(PrivatePlanFLI = Count(QStringLiteral("PrivatePlanFLI"), true));
    NotATabStop(PrivatePlanFLI);
    place(BalanceDue1 = Amount("BalanceDue1", true));
    place(BalanceDue2 = Amount("BalanceDue2", true));
    place(GrandTotal1 = Amount("GrandTotal1", true));
    place(AmountToPay1 = Amount("AmountToPay1", true));
    place(AmountToPay2 = Amount("AmountToPay2", true));
    place(GrandTotal2 = Amount("GrandTotal2", true));
}

void TFrmNJUDI::buildWageList()
{
    auto* outer = qobject_cast<QVBoxLayout*>(layout());
    int at = outer->indexOf(PanelContainer);

    const auto separator = [&] {
        auto* line = new QFrame(this);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        outer->insertWidget(at++, line);
    };
    separator();

    auto* title = new QLabel(QStringLiteral("Wage Report (WR-30)"), this);
    title->setObjectName(QStringLiteral("LblWR30Title"));
    title->setAlignment(Qt::AlignCenter);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    outer->insertWidget(at++, title);

    auto* header = new QWidget(this);
    header->setObjectName(QStringLiteral("WR30Header"));
    auto* headings = new QGridLayout(header);
    SetListColumns(headings);
    // The list keeps room for its scroll bar; the heading keeps the same, so the columns line up.
    headings->setContentsMargins(0, 0, style()->pixelMetric(QStyle::PM_ScrollBarExtent), 0);
    const char* titles[] = {"SOCIAL SECURITY NUMBER", "NAME", "WAGES PAID", " BASE WEEKS"};
    for (int c = 0; c < 4; ++c) {
        auto* heading = new QLabel(QLatin1String(titles[c]), header);
        heading->setAlignment(Qt::AlignCenter);
        heading->setFont(bold);
        headings->addWidget(heading, 0, c);
    }
    outer->insertWidget(at++, header);

    ScrollBox2 = new QScrollArea(this);
    ScrollBox2->setObjectName(QStringLiteral("ScrollBox2"));
    ScrollBox2->setWidgetResizable(true);
    ScrollBox2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ScrollBox2->setFixedHeight(kListHeight * std::max(85, int(ScalingPercent)) / 100);
    ScrollBox2->viewport()->installEventFilter(this);
    auto* rows = new QWidget;
    rows->setObjectName(QStringLiteral("WR30Rows"));
    auto* grid = new QGridLayout(rows);
    SetListColumns(grid);

    const std::size_t slotCount = Sheet.Rows.size();
    SSN.assign(slotCount, nullptr);
    EmpName.assign(slotCount, nullptr);
    WagesPaid.assign(slotCount, nullptr);
    BaseWeeks.assign(slotCount, nullptr);
    int r = 0;
    for (std::size_t i = 0; i < slotCount; ++i) {
        if (!Sheet.Rows[i])
            continue;
        const WR30Row& row = *Sheet.Rows[i];
        SSN[i] = StaticCell(row.SocSecNum, Qt::AlignHCenter);
        EmpName[i] = StaticCell(row.Name, Qt::AlignLeft);
        auto* wages = new TDollarEdit;
        wages->setObjectName(QStringLiteral("WagesPaid%1").arg(i));
        wages->setFont(ListFont());
        wages->setDollarDigits(6);
        wages->setCentDigits(2);
        wages->setMinusKey(false);
        wages->setTextAlignment(taRightJustify);
        wages->setFrame(false);
        wages->setFixedHeight(kRowHeight);
        WagesPaid[i] = wages;
        auto* weeks = new TFilterEdit;
        weeks->setObjectName(QStringLiteral("BaseWeeks%1").arg(i));
        weeks->setFont(ListFont());
        weeks->setMaxLength(2);
        weeks->setValidChars(QStringLiteral("[0..9]"));
        weeks->setBeepOnInvalid(false);
        weeks->setTextAlignment(taCenter);
        weeks->setFrame(false);
        weeks->setFixedHeight(kRowHeight);
        BaseWeeks[i] = weeks;
        connect(weeks, &QLineEdit::textChanged, this, [this, weeks] { BaseWeeksChange(weeks); });
        grid->addWidget(SSN[i], r, 0);
        grid->addWidget(EmpName[i], r, 1);
        grid->addWidget(wages, r, 2);
        grid->addWidget(weeks, r, 3);
        // Entering and leaving a cell works as on the page: leaving recalculates.
        wages->installEventFilter(this);
        weeks->installEventFilter(this);
        ++r;
    }
    grid->setRowStretch(r, 1);
    ScrollBox2->setWidget(rows);
    ScrollBox2->verticalScrollBar()->setSingleStep(kRowHeight - 1);
    outer->insertWidget(at++, ScrollBox2);
    separator();
}

QScrollArea* TFrmNJUDI::ActiveScrollBox() const
{
    switch (active_) {
    case Area::Page:
        return ScrollBox1;
    case Area::List:
        return ScrollBox2;
    case Area::None:
        break;
    }
    return nullptr;
}

void TFrmNJUDI::FormShow()
{
    DataModule().RaveProject.Engine = &RptNJUDI;
    LblStateID->setText(Sheet.Header.StateID);
    LblCompName->setText(Sheet.Header.CompName);
    LblQtrYear->setText(Sheet.Header.QtrYear);
    LblQuarterEnding->setText(Sheet.Header.QuarterEnding);
    LblReportDue->setText(Sheet.Header.ReportDue);
    LblMaxTaxableEmployerWages->setText(NJEmployerWageBaseText);
    LblMaxTaxableWorkerWages->setText(NJWorkerWageBaseText);
    LoadForm();
    EnableControls();
    ChkMaskSSN->setChecked(MaskSSNOnCopies);
}

void TFrmNJUDI::SaveForm()
{
    NJ927Lines& l = Sheet.Lines;
    for (std::size_t m = 0; m < 3; ++m) {
        l.GITMonth[m] = GITMonth[m]->value();
        l.Month[m] = Month[m]->text();
    }
    l.GITWages = GITWages->value();
    l.TotalGIT = TotalGIT->value();
    l.GITPaid = GITPaid->value();
    l.GITBalDue = GITBalDue->value();
    l.GITOverPaid = GITOverPaid->value();
    l.Refund = Refund->checked();
    l.Credit = Credit->checked();
    l.GITPayment = GITPayment->value();
    l.GrossWages = GrossWages->value();
    l.ExcessEmployerWages = ExcessEmployerWages->value();
    l.ExcessWorkerWages = ExcessWorkerWages->value();
    l.TaxableWagesUIWF = TaxableWagesUIWF->value();
    l.TaxableWagesDIEmployer = TaxableWagesDIEmployer->value();
    l.TaxableWagesDIWorker = TaxableWagesDIWorker->value();
    l.TaxableWagesFLI = TaxableWagesFLI->value();
    l.DIPlanEmployer = DIPlanEmployer->text();
    l.DIPlanWorker = DIPlanWorker->text();
    l.FLIPlan = FLIPlan->text();
    l.UIRate = UIRate->value();
    l.UITax = UITax->value();
    l.DIEmployerRate = DIEmployerRate->value();
    l.DIEmployerTax = DIEmployerTax->value();
    l.DIWorkerRate = DIWorkerRate->value();
    l.DIWorkerTax = DIWorkerTax->value();
    l.FLIRate = FLIRate->value();
    l.FLITax = FLITax->value();
    l.Payments = Payments->value();
    l.BalanceDue = BalanceDue->value();
    l.Payment = Payment->value();
    l.PrivatePlanDI = PrivatePlanDI->text();
    l.PrivatePlanFLI = PrivatePlanFLI->text();
    for (std::size_t i = 0; i < Sheet.Rows.size(); ++i) {
        if (!Sheet.Rows[i])
            continue;
        Sheet.Rows[i]->WagesPaid = WagesPaid[i]->value();
        Sheet.Rows[i]->BaseWeeks = BaseWeeks[i]->text();
    }
}

void TFrmNJUDI::LoadForm()
{
    const NJ927Lines& l = Sheet.Lines;
    for (std::size_t m = 0; m < 3; ++m) {
        GITMonth[m]->setValue(l.GITMonth[m]);
        Month[m]->setText(l.Month[m]);
    }
    GITWages->setValue(l.GITWages);
    TotalGIT->setValue(l.TotalGIT);
    GITPaid->setValue(l.GITPaid);
    GITBalDue->setValue(l.GITBalDue);
    GITOverPaid->setValue(l.GITOverPaid);
    Refund->setChecked(l.Refund);
    Credit->setChecked(l.Credit);
    GITPayment->setValue(l.GITPayment);
    GrossWages->setValue(l.GrossWages);
    ExcessEmployerWages->setValue(l.ExcessEmployerWages);
    ExcessWorkerWages->setValue(l.ExcessWorkerWages);
    TaxableWagesUIWF->setValue(l.TaxableWagesUIWF);
    TaxableWagesDIEmployer->setValue(l.TaxableWagesDIEmployer);
    TaxableWagesDIWorker->setValue(l.TaxableWagesDIWorker);
    TaxableWagesFLI->setValue(l.TaxableWagesFLI);
    DIPlanEmployer->setText(l.DIPlanEmployer);
    DIPlanWorker->setText(l.DIPlanWorker);
    FLIPlan->setText(l.FLIPlan);
    UIRate->setValue(l.UIRate);
    UITax->setValue(l.UITax);
    DIEmployerRate->setValue(l.DIEmployerRate);
    DIEmployerTax->setValue(l.DIEmployerTax);
    DIWorkerRate->setValue(l.DIWorkerRate);
    DIWorkerTax->setValue(l.DIWorkerTax);
    FLIRate->setValue(l.FLIRate);
    FLITax->setValue(l.FLITax);
    Payments->setValue(l.Payments);
    BalanceDue->setValue(l.BalanceDue);
    Payment->setValue(l.Payment);
    PrivatePlanDI->setText(l.PrivatePlanDI);
    PrivatePlanFLI->setText(l.PrivatePlanFLI);
    BalanceDue1->setValue(l.BalanceDue1);
    BalanceDue2->setValue(l.BalanceDue2);
    GrandTotal1->setValue(l.GrandTotal1);
    AmountToPay1->setValue(l.AmountToPay1);
    AmountToPay2->setValue(l.AmountToPay2);
    GrandTotal2->setValue(l.GrandTotal2);
    for (std::size_t i = 0; i < Sheet.Rows.size(); ++i) {
        if (!Sheet.Rows[i])
            continue;
        WagesPaid[i]->setValue(Sheet.Rows[i]->WagesPaid);
        const QSignalBlocker quiet(BaseWeeks[i]);
        BaseWeeks[i]->setText(Sheet.Rows[i]->BaseWeeks);
    }
}

void TFrmNJUDI::CalcLines()
{
    Sheet.Calculate();
}

void TFrmNJUDI::EnableControls()
{
    Refund->setReadOnly(Sheet.Lines.RefundReadOnly);
    Credit->setReadOnly(Refund->isReadOnly());
    BtnPrint->setEnabled(Sheet.Lines.PrintEnabled);
}

QWidget* TFrmNJUDI::FirstField() const
{
    return GITPaid;
}

QWidget* TFrmNJUDI::LastField() const
{
    return PrivatePlanFLI;
}

QWidget* TFrmNJUDI::FirstRowCell() const
{
    const auto first = std::find_if(WagesPaid.begin(), WagesPaid.end(), [](TDollarEdit* cell) { return cell != nullptr; });
    return first == WagesPaid.end() ? nullptr : *first;
}

QWidget* TFrmNJUDI::LastRowCell() const
{
    const auto last = std::find_if(BaseWeeks.rbegin(), BaseWeeks.rend(), [](TFilterEdit* cell) { return cell != nullptr; });
    return last == BaseWeeks.rend() ? nullptr : *last;
}

void TFrmNJUDI::FieldEnter(QWidget* entry)
{
    if (entry == GITPaid)
        ScrollTo(0);
    else if (entry == PrivatePlanDI)
        ScrollTo(ScrollRange());
}

// The worksheet's entries are not kept: closing keeps only the mask choice and posts nothing.
void TFrmNJUDI::SaveScreen()
{
    MaskSSNOnCopies = ChkMaskSSN->isChecked();
}

// The screen changes no record, so there is nothing to put back.
void TFrmNJUDI::RevertScreen()
{
}

bool TFrmNJUDI::ListScrolls() const
{
    return Sheet.Rows.size() > kRowsShown;
}

// The page scrolls as every form does; the list, while it is the active area, with the same keys.
bool TFrmNJUDI::FormKeyDown(QKeyEvent* event)
{
    if (active_ == Area::Page)
        return TTaxFormScreen::FormKeyDown(event);
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool plainOrCtrl = modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier;
    const bool ctrl = modifiers == Qt::ControlModifier;
    const int key = event->key();
    const bool moving = key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_Up || key == Qt::Key_Down;
    const bool jumping = key == Qt::Key_Home || key == Qt::Key_End;
    if (!(moving && plainOrCtrl) && !(jumping && ctrl))
        return false;
    // A list that never scrolls takes no keys; nothing moves until the focus enters an area.
    if (active_ == Area::List && !ListScrolls())
        return true;
    QScrollBar* bar = ScrollBox2->verticalScrollBar();
    const bool list = active_ == Area::List;
    switch (key) {
    case Qt::Key_PageUp:
        if (list)
            bar->setValue(bar->value() - kListPageStep);
        break;
    case Qt::Key_PageDown:
        if (list)
            bar->setValue(bar->value() + kListPageStep);
        break;
    case Qt::Key_Up:
        if (list)
            bar->setValue(bar->value() - bar->singleStep());
        break;
    case Qt::Key_Down:
        if (list)
            bar->setValue(bar->value() + bar->singleStep());
        break;
    case Qt::Key_Home:
        bar->setValue(0);
        if (QWidget* first = FirstRowCell())
            first->setFocus(Qt::OtherFocusReason);
        break;
    case Qt::Key_End:
        bar->setValue(bar->maximum());
        if (QWidget* last = LastRowCell())
            last->setFocus(Qt::OtherFocusReason);
        break;
    default:
        break;
    }
    return true;
}

bool TFrmNJUDI::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ScrollBox2->viewport() && event->type() == QEvent::Wheel) {
        if (ListScrolls()) {
            QScrollBar* bar = ScrollBox2->verticalScrollBar();
            const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
            if (delta != 0)
                bar->setValue(bar->value() + (delta < 0 ? bar->singleStep() : -bar->singleStep()));
        }
        return true;
    }
    return TTaxFormScreen::eventFilter(watched, event);
}

void TFrmNJUDI::BaseWeeksChange(TFilterEdit* cell)
{
    bool ok = false;
    const int weeks = cell->text().toInt(&ok);
    if (!ok || weeks <= NJBaseWeeksCeiling)
        return;
    const QSignalBlocker quiet(cell);
    AppMessageBox(QStringLiteral("Base Weeks cannot exceed 14"), QLatin1String(kApplicationTitle), MbOk | MbIconStop);
    cell->setText(QString::number(NJBaseWeeksCeiling));
}

void TFrmNJUDI::CheckBoxChange(TCheckBoxEdit* changed)
{
    if (!changed->checked())
        return;
    TCheckBoxEdit* other = changed == Refund ? Credit : Refund;
    const QSignalBlocker quiet(other);
    other->setChecked(false);
}

void TFrmNJUDI::BtnPrintClick()
{
    BtnCalculateClick();
    if (const std::optional<NJ927Fault> fault = Sheet.Validate()) {
        ScrollTo(fault->atTop ? 0 : ScrollRange());
        QWidget* entry = fault->entry == NJ927Fault::Entry::Refund           ? static_cast<QWidget*>(Refund)
                         : fault->entry == NJ927Fault::Entry::DIPlanEmployer ? static_cast<QWidget*>(DIPlanEmployer)
                                                                             : static_cast<QWidget*>(PrivatePlanDI);
        entry->setFocus(Qt::OtherFocusReason);
        LedgoraApplication::ShowException(EFieldException(fault->message));
        return;
    }
    ApplyOutputSet(RptNJUDI, FormOutputSet::Full);
    ReportProject& project = DataModule().RaveProject;
    project.Engine = &RptNJUDI;
    try {
        RptNJUDI.Execute();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}

void TFrmNJUDI::PopMenuItemClick()
{
    try {
        RunNJBox14Transfer(DIPlanEmployer->text());
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}

void TFrmNJUDI::BtnHelpClick()
{
    ShowHelp(kHelpContext);
}
