#include "forms/ui/TaxFormScreen.h"

#include "client/CompanyEIN.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/ProgramStart.h"
#include "components/TextRoutines.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DateEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/EntryFieldSupport.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/LayoutPicture.h"
#include "components/ui/PrintoutSetup.h"
#include "components/ui/StateEdit.h"
#include "forms/FormHeader.h"
#include "forms/ui/PayFormCopy.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/Folders.h"
#include "platform/ShellOpen.h"
#include "platform/report/JpegImage.h"
#include "platform/report/ReportErrors.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportProject.h"
#include "platform/report/ReportSystem.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/ShowModal.h"

#include <QFile>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <memory>

namespace {

// How far Page Up and Page Down move the pages, in pixels.
constexpr int kPageStep = 256;
// The height of an entry laid over a field, and how far below the field's baseline it reaches.
constexpr double kEntryHeight = 0.2;
constexpr double kEntryDescent = 0.045;
constexpr double kEntryTextHeight = 0.14;
// The room of an entry over a field the layout gives none.
constexpr double kDefaultEntryWidth = 1.0;

bool IsWindowSwitch(const QFocusEvent* event)
{
    return event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason
           || event->reason() == Qt::MenuBarFocusReason;
}

bool IsFramedClass(const QWidget* w, int classes)
{
    if ((classes & TTaxFormScreen::FrameDollarEdit) && qobject_cast<const TDollarEdit*>(w))
        return true;
    if ((classes & TTaxFormScreen::FrameCheckBoxEdit) && qobject_cast<const TCheckBoxEdit*>(w))
        return true;
    if ((classes & TTaxFormScreen::FrameFilterEdit) && qobject_cast<const TFilterEdit*>(w))
        return true;
    if ((classes & TTaxFormScreen::FrameDateEdit) && qobject_cast<const TDateEdit*>(w))
        return true;
    if ((classes & TTaxFormScreen::FrameStateEdit) && qobject_cast<const TStateEdit*>(w))
        return true;
    return (classes & TTaxFormScreen::FrameMaskEdit) && w->metaObject() == &QLineEdit::staticMetaObject;
}

// Lets the screen hand a focus event to the entry itself before it reacts to it.
struct EntryEvents : QWidget {
    using QWidget::event;
};

bool Deliver(QWidget* entry, QEvent* event)
{
    bool (QWidget::*handler)(QEvent*) = &EntryEvents::event;
    return (entry->*handler)(event);
}

bool IsScrollingKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

bool IsEntryField(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const TStateEdit*>(w);
}

} // namespace

QString TTaxFormScreen::PictureFile(const QString& layout, int page)
{
    return ProgramDir() + QStringLiteral("forms/%1Pg%2.jpg").arg(layout).arg(page);
}

ReportLayout TTaxFormScreen::ReadFormLayout(const QString& name)
{
    ReportProject project;
    project.ProjectFile = DataModule().RaveProject.ProjectFile;
    project.Open();
    const ReportLayout* layout = project.Layout(name);
    if (!layout)
        throw EReportException(QStringLiteral("The report project \"TAXFORMS.RAV\" has no layout \"%1\".").arg(name));
    return *layout;
}

TTaxFormScreen::TTaxFormScreen(QWidget* parent, int helpContext, bool scaled)
    : TSetupScreen(parent, helpContext)
    , scaled_(scaled)
    , opened_(CompanyRec)
{
    setModal(true);
    setBrowseOnly(ClientIsBrowseOnly());

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setWidgetResizable(true);
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox->verticalScrollBar()->setTracking(true);
    ScrollBox->viewport()->installEventFilter(this);
    ScrollBox->installEventFilter(this);
    pages_ = new QWidget;
    pages_->setObjectName(QStringLiteral("FormPages"));
    pages_->setAutoFillBackground(true);
    QPalette white = pages_->palette();
    white.setColor(QPalette::Window, Qt::white);
    pages_->setPalette(white);
    ScrollBox->viewport()->setPalette(white);
    pageColumn_ = new QVBoxLayout(pages_);
    pageColumn_->setContentsMargins(0, 0, 0, 0);
    pageColumn_->setSpacing(0);
    pageColumn_->addStretch(1);
    ScrollBox->setWidget(pages_);
    outer->addWidget(ScrollBox, 1);

    PanelContainer = new QWidget(this);
    PanelContainer->setObjectName(QStringLiteral("PanelContainer"));
    buttonRow_ = new QHBoxLayout(PanelContainer);
    outer->addWidget(PanelContainer);

    enterAsTab_ = new TEnterAsTab(this);
    enterAsTab_->setEnterAsTabKey(true);
    enterAsTab_->setEscapeAsClose(false);
    enterAsTab_->setParentForm(this);
    new KeyPreview(this, [this](QKeyEvent* event) { return FormKeyDown(event); });
    new TFocusHighlight(this);
}

TLayoutPicture* TTaxFormScreen::AddPage(const ReportLayout& layout, int page)
{
    QImage picture = ReadJpegFile(PictureFile(layout.name, page));
    int dotsPerInch = kPictureDotsPerInch;
    if (scaled_ && ScalingPercent < 100) {
        dotsPerInch = kPictureDotsPerInch * ScalingPercent / 100;
        picture = picture.scaledToWidth(picture.width() * dotsPerInch / kPictureDotsPerInch, Qt::SmoothTransformation);
    }
    pictureDotsPerInch_ = dotsPerInch;
    const QRectF whole(0, 0, picture.width() / double(dotsPerInch), picture.height() / double(dotsPerInch));
    auto* shown = new TLayoutPicture(picture, dotsPerInch, whole, pages_);
    shown->setObjectName(QStringLiteral("Img%1Pg%2").arg(layout.name).arg(page));
    pageColumn_->insertWidget(pageColumn_->count() - 1, shown, 0, Qt::AlignHCenter);
    return shown;
}

TLayoutPicture* TTaxFormScreen::AddPageRegion(const ReportLayout& layout, int page, const QRectF& region, int dotsPerInch)
{
    QImage picture = ReadJpegFile(PictureFile(layout.name, page));
    int shownDotsPerInch = dotsPerInch;
    if (scaled_ && ScalingPercent < 100) {
        shownDotsPerInch = dotsPerInch * ScalingPercent / 100;
        picture = picture.scaledToWidth(picture.width() * shownDotsPerInch / dotsPerInch, Qt::SmoothTransformation);
    }
    pictureDotsPerInch_ = shownDotsPerInch;
    auto* shown = new TLayoutPicture(picture, shownDotsPerInch, region, pages_);
    shown->setObjectName(QStringLiteral("Img%1Pg%2").arg(layout.name).arg(page));
    pageColumn_->insertWidget(pageColumn_->count() - 1, shown, 0, Qt::AlignHCenter);
    return shown;
}

void TTaxFormScreen::PlaceOnField(TLayoutPicture* picture, const ReportLayout& layout, QWidget* entry,
                                  const QString& fieldName, double width)
{
    const QString name = fieldName.isEmpty() ? entry->objectName() : fieldName;
    const LayoutElement* field = layout.Field(name);
    if (!field)
        throw EReportException(QStringLiteral("The layout \"%1\" has no field \"%2\".").arg(layout.name, name));
    if (width <= 0)
        width = field->width > 0 ? field->width : kDefaultEntryWidth;
    double left = field->x1;
    if (field->align == TextAlign::Right)
        left -= width;
    else if (field->align == TextAlign::Center)
        left -= width / 2;
    const double top = field->y1 + kEntryDescent - kEntryHeight;
    // Amounts and texts stand borderless in the page's boxes, in a size that fits them; a check
    // mark covers its box and keeps a frame of its own.
    if (auto* line = qobject_cast<QLineEdit*>(entry); line && !qobject_cast<TCheckBoxEdit*>(entry))
        line->setFrame(false);
    QFont font = entry->font();
    font.setPixelSize(std::max(8, qRound(kEntryTextHeight * pictureDotsPerInch_)));
    entry->setFont(font);
    picture->place(entry, QRectF(left, top, width, kEntryHeight));
    watchEntry(entry);
}

QPushButton* TTaxFormScreen::AddButton(const char* name, const QString& caption, const QString& hint)
{
    auto* button = new QPushButton(caption, PanelContainer);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    buttonRow_->addWidget(button);
    return button;
}

void TTaxFormScreen::AddNoteStrip(QWidget* strip)
{
    auto* outer = static_cast<QVBoxLayout*>(layout());
    outer->insertWidget(outer->indexOf(PanelContainer), strip);
}

void TTaxFormScreen::FinishFrame(int framedClasses, QSize clientSize)
{
    focusFrame_ = new TFocusFrame(pages_);
    focusFrame_->setFramedEntries([framedClasses](const QWidget* w) { return IsFramedClass(w, framedClasses); });
    if (scaled_)
        ScaleScreen(this, clientSize);
    else
        resize(clientSize.expandedTo(minimumSizeHint()));
}

void TTaxFormScreen::watchEntry(QWidget* entry)
{
    entry->installEventFilter(this);
}

int TTaxFormScreen::ScrollPosition() const
{
    return ScrollBox->verticalScrollBar()->value();
}

int TTaxFormScreen::ScrollRange() const
{
    return ScrollBox->verticalScrollBar()->maximum();
}

void TTaxFormScreen::ScrollTo(int position)
{
    ScrollBox->verticalScrollBar()->setValue(std::clamp(position, 0, ScrollRange()));
}

void TTaxFormScreen::PageUp()
{
    ScrollTo(ScrollPosition() - kPageStep);
}

void TTaxFormScreen::PageDown()
{
    ScrollTo(ScrollPosition() + kPageStep);
}

bool TTaxFormScreen::FormKeyDown(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool plainOrCtrl = modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier;
    const bool ctrl = modifiers == Qt::ControlModifier;
    const int step = ScrollBox->verticalScrollBar()->singleStep();
    switch (event->key()) {
    case Qt::Key_PageUp:
        if (!plainOrCtrl)
            return false;
        PageUp();
        return true;
    case Qt::Key_PageDown:
        if (!plainOrCtrl)
            return false;
        PageDown();
        return true;
    case Qt::Key_Up:
        if (!plainOrCtrl)
            return false;
        ScrollTo(ScrollPosition() - step);
        return true;
    case Qt::Key_Down:
        if (!plainOrCtrl)
            return false;
        ScrollTo(ScrollPosition() + step);
        return true;
    case Qt::Key_Home:
        if (!ctrl)
            return false;
        ScrollTo(0);
        if (QWidget* first = FirstField())
            first->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_End:
        if (!ctrl)
            return false;
        ScrollTo(ScrollRange());
        if (QWidget* last = LastField())
            last->setFocus(Qt::OtherFocusReason);
        return true;
    default:
        return false;
    }
}

bool TTaxFormScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ScrollBox->viewport() && event->type() == QEvent::Wheel)
        return FormMouseWheel(static_cast<QWheelEvent*>(event));
    // Moving keys the screen and the entry left alone stop here: the box scrolls by the screen's
    // keys only. Esc and the rest go on to the window.
    if (watched == ScrollBox && event->type() == QEvent::KeyPress && IsScrollingKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    auto* entry = qobject_cast<QWidget*>(watched);
    if (entry && entry->window() == this && IsEntryField(entry)) {
        if (event->type() == QEvent::FocusIn && !IsWindowSwitch(static_cast<QFocusEvent*>(event))) {
            Deliver(entry, event);
            FieldEnter(entry);
            return true;
        }
        // The entry finishes its own leaving (formatting, its checks) before the screen calculates.
        if (event->type() == QEvent::FocusOut && !IsWindowSwitch(static_cast<QFocusEvent*>(event))) {
            Deliver(entry, event);
            FieldExit(entry);
            return true;
        }
    }
    return TSetupScreen::eventFilter(watched, event);
}

bool TTaxFormScreen::FormMouseWheel(QWheelEvent* event)
{
    const int step = ScrollBox->verticalScrollBar()->singleStep();
    const int delta = event->angleDelta().y();
    if (delta != 0)
        ScrollTo(ScrollPosition() + (delta < 0 ? step : -step));
    return true;
}

void TTaxFormScreen::FieldEnter(QWidget*)
{
}

void TTaxFormScreen::FieldExit(QWidget*)
{
    BtnCalculateClick();
}

void TTaxFormScreen::BtnCalculateClick()
{
    SaveForm();
    CalcLines();
    LoadForm();
    EnableControls();
    applyBrowseOnly();
}

void TTaxFormScreen::BtnCloseClick()
{
    CloseScreen();
}

void TTaxFormScreen::SaveScreen()
{
    SaveForm();
    CalcLines();
    DataModule().RSCompany.PostRec();
}

void TTaxFormScreen::RevertScreen()
{
    CompanyRec = opened_;
}

void TTaxFormScreen::applyBrowseOnly()
{
    if (browseOnly())
        MakeEntriesReadOnly();
}

void TTaxFormScreen::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        ScrollTo(0);
        FormShow();
        applyBrowseOnly();
    }
    TSetupScreen::showEvent(event);
}

void TTaxFormScreen::LoadCompanyHeader(const QString& nameEntry)
{
    const FormHeader header = CompanyFormHeader(CompanyRec);
    const auto put = [this](const QString& name, const QString& text) {
        if (auto* entry = findChild<QLineEdit*>(name))
            entry->setText(text);
    };
    for (int k = 1; k <= FormHeader::kEINBoxes; ++k)
        put(QStringLiteral("EIN%1").arg(k), header.EINBox(k));
    put(nameEntry, header.Name);
    put(QStringLiteral("TradeName"), header.TradeName);
    put(QStringLiteral("Address"), header.Address);
    put(QStringLiteral("SuiteNum"), header.SuiteNum);
    put(QStringLiteral("City"), header.City);
    put(QStringLiteral("State"), header.State);
    put(QStringLiteral("ZipCode"), header.ZipCode);
    put(QStringLiteral("ForeignCountry"), header.ForeignCountry);
    put(QStringLiteral("ForeignProvCo"), header.ForeignProvCo);
    put(QStringLiteral("ForeignZipCode"), header.ForeignZipCode);
}

void TTaxFormScreen::SetUpFormReport(ReportSystem& report, const PrintoutFrame& frame)
{
    SetUpPrintout(report, this, frame);
}

void TTaxFormScreen::PrintForm(ReportSystem& report, FormOutputSet set, const QString& caption,
                               const std::function<void()>& validate, const std::function<void(TFrmFormCopy&)>& adjust)
{
    BtnCalculateClick();
    if (validate)
        validate();
    ApplyOutputSet(report, set);
    bool ok = false;
    {
        auto dialog = std::make_unique<TFrmFormCopy>(this);
        dialog->setWindowTitle(caption);
        if (adjust)
            adjust(*dialog);
        ok = ShowModal(*dialog) == QDialog::Accepted;
    }
    if (!ok)
        return;
    try {
        report.Execute();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}

void TTaxFormScreen::RequireCompanyEIN(const QString& form)
{
    if (const std::optional<QString> fault = CompanyEINFault(CompanyRec, form))
        throw EFieldException(TildeToLineBreak(*fault));
}

void TTaxFormScreen::ShowInstructions(const QString& fileName, const QString& missingMessage)
{
    if (!QFile::exists(fileName)) {
        AppMessageBox(missingMessage, QLatin1String(kApplicationTitle), MbOk | MbIconStop);
        return;
    }
    ShellOpen(QUrl::fromLocalFile(fileName));
}
