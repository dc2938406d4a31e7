#include "client/ui/FormW4.h"

#include "client/CompanyRecord.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/ProgramStart.h"
#include "client/ui/ScreenRules.h"
#include "components/StateTables.h"
#include "components/TextRoutines.h"
#include "components/Validators.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/LayoutPicture.h"
#include "components/ui/PrintoutSetup.h"
#include "components/ui/StateEdit.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/Folders.h"
#include "platform/report/JpegImage.h"
#include "platform/report/ReportErrors.h"
#include "platform/report/ReportSystem.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/ShowModal.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>
#include <optional>

namespace {

const QString kLayoutName = QStringLiteral("FormW4");

// The parts of the page the screen shows: step 1 with the title, and steps 2 to 4.
const QRectF kStep1Region(0.4, 0.45, 7.7, 2.5);
const QRectF kSteps2To4Region(0.4, 2.95, 7.7, 4.2);

// How far an entry reaches from the point where the layout prints its value: its width, and for
// the name entries of the last address line, how far right of that point it starts. Inches.
struct EntrySpot {
    const char* entry;
    const char* field;
    double width;
    double offset = 0;
};

const EntrySpot kSpots[] = {
    {"FirstName", "FirstName", 1.3},
    {"MiddleName", "MiddleName", 1.25},
    {"LastName", "LastName", 1.9},
    {"SocSecNum", "SocSecNum", 1.4},
    {"Address", "Address", 4.6},
    {"City", "CityStateZip", 2.3},
    {"State", "CityStateZip", 0.7, 2.4},
    {"ZipCode", "CityStateZip", 1.25, 3.2},
    {"Single", "Single", 0.2},
    {"Married", "Married", 0.2},
    {"HOH", "HOH", 0.2},
    {"FW4Box2c", "FW4Box2c", 0.2},
    {"FW4Box3a", "FW4Box3a", 1.15},
    {"FW4Box3b", "FW4Box3b", 1.15},
    {"FW4Box3", "FW4Box3", 1.2},
    {"FW4Box4a", "FW4Box4a", 1.2},
    {"FW4Box4b", "FW4Box4b", 1.2},
    {"FedAddTax", "FW4Box4c", 1.2},
    {"FedWithExempt", "FedWithExempt", 0.2},
};

constexpr double kEntryHeight = 0.22;
constexpr double kMarkHeight = 0.2;

bool IsUsersMove(const QFocusEvent* event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

TFilterEdit* Text(const char* name, int length, const QString& validChars)
{
    auto* edit = new TFilterEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(length);
    edit->setValidChars(validChars);
    return edit;
}

TDollarEdit* Money(const char* name, int dollarDigits, int centDigits)
{
    auto* edit = new TDollarEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setDollarDigits(dollarDigits);
    edit->setCentDigits(centDigits);
    edit->setMinusKey(false);
    edit->setTextAlignment(taRightJustify);
    return edit;
}

TCheckBoxEdit* Mark(const char* name)
{
    auto* box = new TCheckBoxEdit;
    box->setObjectName(QLatin1String(name));
    box->setCursor(Qt::PointingHandCursor);
    QFont bold = box->font();
    bold.setBold(true);
    box->setFont(bold);
    return box;
}

QString StateCodeAt(int index)
{
    return index >= 0 && index < static_cast<int>(StateCodes.size()) ? QLatin1String(StateCodes[static_cast<std::size_t>(index)])
                                                                       : QString();
}

int StateIndexOf(const QString& code)
{
    for (std::size_t i = 0; i < StateCodes.size(); ++i) {
        if (code == QLatin1String(StateCodes[i]))
            return static_cast<int>(i);
    }
    return -1;
}

ReportLayout ReadW4Layout()
{
    ReportProject project;
    project.ProjectFile = DataModule().RaveProject.ProjectFile;
    project.Open();
    const ReportLayout* layout = project.Layout(kLayoutName);
    if (!layout)
        throw EReportException(QStringLiteral("The report project \"TAXFORMS.RAV\" has no layout \"%1\".").arg(kLayoutName));
    return *layout;
}

} // namespace

std::vector<QWidget*> TFrmW4::allEntries() const
{
    return {FirstName, MiddleName, LastName, SocSecNum, Address, City,     State,    ZipCode,   Single,   Married,
            HOH,       FW4Box2c,   FW4Box3a, FW4Box3b,  FW4Box3, FW4Box4a, FW4Box4b, FedAddTax, FedWithExempt};
}

QWidget* TFrmW4::entryNamed(const QString& name) const
{
    for (QWidget* entry : allEntries()) {
        if (entry->objectName() == name)
            return entry;
    }
    throw ECustomException(QStringLiteral("The Form W-4 screen has no entry \"%1\".").arg(name));
}

QString TFrmW4::PictureFile()
{
    return ProgramDir() + QStringLiteral("forms/FormW4Pg1.jpg");
}

TFrmW4::TFrmW4(const W4Entries& entries, bool readOnly, QWidget* parent)
    : QDialog(parent), readOnly_(readOnly)
{
    setObjectName(QStringLiteral("FrmW4"));
    setWindowTitle(QStringLiteral("Form W-4 Employee's Withholding Certificate"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    const ReportLayout layout = ReadW4Layout();
    buildEntries();

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* scrollBox = new QScrollArea(this);
    scrollBox->setObjectName(QStringLiteral("ScrollBox"));
    scrollBox->setWidgetResizable(true);
    scrollBox->setFrameShape(QFrame::NoFrame);
    scrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollBox->setWidget(buildPictures(layout));
    outer->addWidget(scrollBox, 1);
    outer->addWidget(buildBottomBar());

    enterAsTab_ = new TEnterAsTab(this);
    enterAsTab_->setEscapeAsClose(false);
    enterAsTab_->setParentForm(this);
    new TFocusHighlight(this);
    MaritalStatus = {Single, Married, HOH};
    ScaleScreen(this, QSize(652, 681));

    W4Processed = false;
    load(entries);
    if (readOnly_) {
        for (QLineEdit* entry : findChildren<QLineEdit*>())
            entry->setReadOnly(true);
        State->setEnabled(false);
        BtnProcess->setEnabled(false);
    }
    CheckFieldStatus();
}

TFrmW4::~TFrmW4() = default;

void TFrmW4::buildEntries()
{
    const QString lettersBlank = QStringLiteral("[A..Z,a..z, ]");
    // The stored widths, so that nothing the employee file holds is cut when it is shown.
    FirstName = Text("FirstName", 15, kPersonNameChars);
    MiddleName = Text("MiddleName", 15, kPersonNameChars);
    LastName = Text("LastName", 20, kPersonNameChars);
    SocSecNum = new QLineEdit;
    SocSecNum->setObjectName(QStringLiteral("SocSecNum"));
    SocSecNum->setInputMask(QStringLiteral("999-99-9999; "));
    Address = Text("Address", 22, QStringLiteral("[]"));
    City = Text("City", 22, lettersBlank);
    State = new TStateEdit;
    State->setObjectName(QStringLiteral("State"));
    ZipCode = Text("ZipCode", 10, QStringLiteral("[0..9,-]"));
    Single = Mark("Single");
    Married = Mark("Married");
    HOH = Mark("HOH");
    FW4Box2c = Mark("FW4Box2c");
    FW4Box3a = Money("FW4Box3a", 6, 0);
    FW4Box3b = Money("FW4Box3b", 6, 0);
    FW4Box3 = Money("FW4Box3", 6, 0);
    FW4Box3->setReadOnly(true);
    FW4Box3->setFocusPolicy(Qt::NoFocus);
    FW4Box4a = Money("FW4Box4a", 9, 0);
    FW4Box4b = Money("FW4Box4b", 9, 0);
    FedAddTax = Money("FedAddTax", 5, 2);
    FedWithExempt = Mark("FedWithExempt");

    for (TCheckBoxEdit* mark : {Single, Married, HOH}) {
        connect(mark, &QLineEdit::textChanged, this, [this, mark] {
            if (maritalAttached_)
                MaritalStatusChange(mark);
        });
    }
}

QWidget* TFrmW4::buildPictures(const ReportLayout& layout)
{
    const QImage page = ReadJpegFile(PictureFile());
    auto* pictures = new QWidget;
    pictures->setAutoFillBackground(true);
    QPalette white = pictures->palette();
    white.setColor(QPalette::Window, Qt::white);
    pictures->setPalette(white);
    auto* column = new QVBoxLayout(pictures);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* step1 = new TLayoutPicture(page, kPictureDotsPerInch, kStep1Region, pictures);
    step1->setObjectName(QStringLiteral("FormW4_Step_1"));
    auto* steps2To4 = new TLayoutPicture(page, kPictureDotsPerInch, kSteps2To4Region, pictures);
    steps2To4->setObjectName(QStringLiteral("FormW4_Step_2_to_4"));
    column->addWidget(step1, 0, Qt::AlignHCenter);
    column->addWidget(steps2To4, 0, Qt::AlignHCenter);
    column->addStretch();

    QFont entryFont = font();
    entryFont.setPointSizeF(8.5);
    for (const EntrySpot& spot : kSpots) {
        QWidget* entry = entryNamed(QLatin1String(spot.entry));
        const LayoutElement* field = layout.Field(QLatin1String(spot.field));
        if (!field)
            throw EReportException(
                QStringLiteral("The layout \"%1\" has no field \"%2\".").arg(kLayoutName, QLatin1String(spot.field)));
        const bool mark = qobject_cast<TCheckBoxEdit*>(entry) != nullptr;
        const double height = mark ? kMarkHeight : kEntryHeight;
        double left = field->x1 + spot.offset;
        if (field->align == TextAlign::Right)
            left = field->x1 - spot.width;
        else if (field->align == TextAlign::Center)
            left = field->x1 - spot.width / 2;
        // The entry's text stands on the line where the paper prints it.
        const double top = field->y1 - height + (mark ? 0.05 : 0.045);
        // Text and amounts stand borderless in the page's boxes; a mark covers its box, so it
        // keeps a frame of its own.
        if (!mark) {
            if (auto* line = qobject_cast<QLineEdit*>(entry))
                line->setFrame(false);
            entry->setFont(entryFont);
        }
        auto* picture = kStep1Region.contains(QPointF(field->x1, field->y1)) ? step1 : steps2To4;
        picture->place(entry, QRectF(left, top, spot.width, height));
        entry->installEventFilter(this);
    }

    // Tab order: the order of the entries, the step 3 total left out.
    QWidget* previous = nullptr;
    for (QWidget* entry : allEntries()) {
        if (entry == FW4Box3)
            continue;
        if (previous)
            setTabOrder(previous, entry);
        previous = entry;
    }
    return pictures;
}

QWidget* TFrmW4::buildBottomBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("PanelContainer"));
    auto* row = new QHBoxLayout(bar);
    const auto button = [bar](const char* name, const QString& caption, const QString& hint) {
        auto* b = new QToolButton(bar);
        b->setObjectName(QLatin1String(name));
        b->setText(caption);
        b->setToolTip(hint);
        b->setFocusPolicy(Qt::NoFocus);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return b;
    };
    BtnProcess = button("BtnProcess", QStringLiteral("&Process"), QStringLiteral("Process all entries and close"));
    BtnCancel = button("BtnCancel", QStringLiteral("&Cancel"), QStringLiteral("Abort all entries and close"));
    BtnPrint = button("BtnPrint", QStringLiteral("P&rint"), QString());
    row->addStretch();
    row->addWidget(BtnProcess);
    row->addWidget(BtnCancel);
    row->addWidget(BtnPrint);
    row->addStretch();
    connect(BtnProcess, &QToolButton::clicked, this, [this] { BtnProcessClick(); });
    connect(BtnCancel, &QToolButton::clicked, this, [this] { BtnCancelClick(); });
    connect(BtnPrint, &QToolButton::clicked, this, [this] { BtnPrintClick(); });
    return bar;
}

void TFrmW4::load(const W4Entries& e)
{
    FirstName->setText(e.FirstName);
    MiddleName->setText(e.MiddleName);
    LastName->setText(e.LastName);
    SocSecNum->setText(e.SocSecNum);
    Address->setText(e.Address);
    City->setText(e.City);
    State->setCurrentIndex(StateIndexOf(e.State));
    ZipCode->setText(e.ZipCode);
    maritalAttached_ = false;
    Single->setChecked(e.Single);
    Married->setChecked(e.Married);
    HOH->setChecked(e.HOH);
    maritalAttached_ = true;
    FW4Box2c->setChecked(e.FW4Box2c);
    FW4Box3a->setValue(e.FW4Box3a);
    FW4Box3b->setValue(e.FW4Box3b);
    FW4Box3->setValue(e.FW4Box3);
    FW4Box4a->setValue(e.FW4Box4a);
    FW4Box4b->setValue(e.FW4Box4b);
    FedAddTax->setValue(e.FedAddTax);
    FedWithExempt->setChecked(e.FedWithExempt);
}

W4Entries TFrmW4::Entries() const
{
    W4Entries e;
    e.FirstName = FirstName->text();
    e.MiddleName = MiddleName->text();
    e.LastName = LastName->text();
    e.SocSecNum = SocSecNum->text();
    e.Address = Address->text();
    e.City = City->text();
    e.State = StateCodeAt(State->currentIndex());
    e.ZipCode = ZipCode->text();
    e.Single = Single->checked();
    e.Married = Married->checked();
    e.HOH = HOH->checked();
    e.FW4Box2c = FW4Box2c->checked();
    e.FW4Box3a = FW4Box3a->value();
    e.FW4Box3b = FW4Box3b->value();
    e.FW4Box3 = FW4Box3->value();
    e.FW4Box4a = FW4Box4a->value();
    e.FW4Box4b = FW4Box4b->value();
    e.FedAddTax = FedAddTax->value();
    e.FedWithExempt = FedWithExempt->checked();
    return e;
}

bool TFrmW4::Processed() const
{
    return W4Processed;
}

void TFrmW4::CalcBox3()
{
    FW4Box3->setValue(W4Box3Total(FW4Box3a->value(), FW4Box3b->value()));
}

int TFrmW4::GetNumDependents() const
{
    return W4Allowances(FW4Box3a->value(), FW4Box3b->value());
}

QWidget* TFrmW4::entryOf(W4Field field) const
{
    switch (field) {
    case W4Field::FirstName: return FirstName;
    case W4Field::LastName: return LastName;
    case W4Field::SocSecNum: return SocSecNum;
    case W4Field::Address: return Address;
    case W4Field::City: return City;
    case W4Field::State: return State;
    case W4Field::ZipCode: return ZipCode;
    case W4Field::Single: return Single;
    case W4Field::FW4Box3a: return FW4Box3a;
    case W4Field::FW4Box3b: return FW4Box3b;
    }
    return FirstName;
}

void TFrmW4::CheckFieldStatus()
{
    const W4Entries e = Entries();
    PaintFieldStatus(FirstName, IsBlank(e.FirstName));
    PaintFieldStatus(LastName, IsBlank(e.LastName));
    PaintFieldStatus(SocSecNum, !IsValidSSN(e.SocSecNum));
    PaintFieldStatus(Address, IsBlank(e.Address));
    PaintFieldStatus(City, IsBlank(e.City));
    PaintFieldStatus(State, e.State.isEmpty());
    PaintFieldStatus(ZipCode, !IsValidZip(e.ZipCode));
    const bool noStatus = !e.Single && !e.Married && !e.HOH;
    for (TCheckBoxEdit* mark : MaritalStatus)
        PaintFieldStatus(mark, noStatus);
    PaintFieldStatus(FW4Box3a, W4AmountOffMultiple(e.FW4Box3a, kChildCredit));
    PaintFieldStatus(FW4Box3b, W4AmountOffMultiple(e.FW4Box3b, kDependentCredit));
}

void TFrmW4::ValidateFields()
{
    if (const std::optional<W4Fault> fault = CheckW4Entries(Entries())) {
        entryOf(fault->field)->setFocus();
        throw EFieldException(fault->message);
    }
}

void TFrmW4::MaritalStatusChange(TCheckBoxEdit* sender)
{
    maritalAttached_ = false;
    for (TCheckBoxEdit* box : MaritalStatus)
        box->setChecked(box == sender);
    maritalAttached_ = true;
    CheckFieldStatus();
}

void TFrmW4::BtnProcessClick()
{
    if (readOnly_)
        return;
    try {
        ValidateFields();
    } catch (const EFieldException& error) {
        LedgoraApplication::ShowException(error);
        return;
    }
    CalcBox3();
    W4Processed = true;
    accept();
}

void TFrmW4::BtnCancelClick()
{
    // A browse-only client changes nothing here, so there is nothing to give up.
    if (!readOnly_
        && AppMessageBox(QStringLiteral("Any changes made will not be recorded, are you sure you want to cancel?"),
                         QLatin1String(kApplicationTitle), MbYesNo | MbIconWarning | MbDefButton2)
               != IdYes)
        return;
    W4Processed = false;
    QDialog::reject();
}

void TFrmW4::reject()
{
    BtnCancelClick();
}

void TFrmW4::BtnPrintClick()
{
    CalcBox3();
    try {
        ValidateFields();
    } catch (const EFieldException& error) {
        LedgoraApplication::ShowException(error);
        return;
    }
    ReportSystem RptW4;
    SetUpPrintout(RptW4, this, QStringLiteral("TFrmW4"), QStringLiteral("RptW4"));
    RptW4.OnPrint = [this, &RptW4](ReportCanvas&) { RptW4Print(RptW4); };
    try {
        RptW4.Execute();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}

void TFrmW4::RptW4Print(ReportSystem& system)
{
    ReportProject& project = DataModule().RaveProject;
    project.Engine = &system;
    project.Open();
    try {
        if (!project.SelectReport(kLayoutName, false))
            throw EReportException(QStringLiteral("The report project \"TAXFORMS.RAV\" has no layout \"%1\".").arg(kLayoutName));
        for (const auto& [name, value] : W4PrintParameters(Entries(), CompanyRec))
            project.SetParam(name, value);
        project.Execute();
    } catch (...) {
        project.Close();
        project.Engine = nullptr;
        throw;
    }
    project.Close();
    project.Engine = nullptr;
}

bool TFrmW4::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && IsUsersMove(static_cast<QFocusEvent*>(event))) {
        CalcBox3();
        CheckFieldStatus();
    }
    return QDialog::eventFilter(watched, event);
}

bool ShowFormW4(W4Entries& entries, bool readOnly, QWidget* owner)
{
    W4Processed = false;
    std::unique_ptr<TFrmW4> window;
    try {
        window = std::make_unique<TFrmW4>(entries, readOnly, owner);
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
        return false;
    }
    ShowModal(*window);
    if (!window->Processed())
        return false;
    entries = window->Entries();
    return true;
}
