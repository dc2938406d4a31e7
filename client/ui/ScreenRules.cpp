#include "client/ui/ScreenRules.h"

#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/ProgramStart.h"
#include "client/ui/HelpWindow.h"
#include "components/ColourContrast.h"
#include "components/ui/EntryFieldSupport.h"
#include "components/ui/RSNavigator.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/ui/LedgoraApplication.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace {

const char* const kPaintedColor = "ledgoraPaintedColor";
const char* const kOwnStyleSheet = "ledgoraOwnStyleSheet";

// The style sheet selector that reaches the field itself and not the lists it opens.
QString FieldSelector(const QWidget* field)
{
    if (qobject_cast<const QComboBox*>(field))
        return QStringLiteral("QComboBox");
    if (qobject_cast<const QAbstractSpinBox*>(field))
        return QStringLiteral("QAbstractSpinBox");
    if (qobject_cast<const QPlainTextEdit*>(field))
        return QStringLiteral("QPlainTextEdit");
    return QStringLiteral("QLineEdit");
}

// Runs a close step; whatever it throws is shown and counts as a refusal.
template <typename Step>
bool Guarded(Step step)
{
    try {
        step();
        return true;
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    } catch (...) {
        AppMessageBox(QStringLiteral("An unexpected error occurred."), QLatin1String(kApplicationTitle), MbIconStop);
    }
    return false;
}

bool IsEntry(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget)
           || qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QPlainTextEdit*>(widget);
}

} // namespace

void PaintField(QWidget* field, const QColor& color)
{
    if (!field->property(kOwnStyleSheet).isValid())
        field->setProperty(kOwnStyleSheet, field->styleSheet());
    const QString own = field->property(kOwnStyleSheet).toString();
    field->setProperty(kPaintedColor, color);
    if (!color.isValid()) {
        // Back to the field's own sheet and the colours it inherits, then to those of the style
        // sheet in force: a style sheet gives its colours when it polishes the field, and the
        // plain palette set here would otherwise give a dark style's field black text.
        field->setStyleSheet(own);
        field->setPalette(QPalette());
        field->style()->polish(field);
        return;
    }
    SetFieldColor(field, color);
    SetFieldTextColor(field, Qt::black);
    // A style sheet of the visual style overrides the palette, so the colour goes in the field's own
    // sheet too; dark styles write light text, which a light background needs black.
    field->setStyleSheet(own + QStringLiteral("\n%1 { background-color: %2; color: black; }")
                                   .arg(FieldSelector(field), color.name()));
}

void PaintFieldStatus(QWidget* field, bool missing)
{
    PaintField(field, missing ? kMissingFieldColor : QColor());
}

QColor PaintedColor(const QWidget* field)
{
    return field->property(kPaintedColor).value<QColor>();
}

void SetReadableInk(QLabel* label, const QColor& wanted, const QString& more)
{
    // The style sheet gives the window its colours when it is polished.
    label->window()->ensurePolished();
    const QColor background = label->window()->palette().color(QPalette::Window);
    label->setStyleSheet(QStringLiteral("color: %1; %2").arg(ReadableInk(wanted, background).name(), more));
}

QWidget* WhitePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    // The property selects the page in the style sheets; without one, its palette makes it white.
    page->setProperty("ledgoraWhitePage", true);
    page->setAutoFillBackground(true);
    QPalette white = page->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    page->setPalette(white);
    return page;
}

void ScaleScreen(QWidget* window, QSize clientSize)
{
    if (ScalingPercent < 100) {
        QFont font = window->font();
        font.setPointSizeF(font.pointSizeF() * ScalingPercent / 100.0);
        window->setFont(font);
        clientSize = clientSize * (ScalingPercent / 100.0);
    }
    window->ensurePolished();
    QSize size = clientSize.expandedTo(window->minimumSizeHint());
    // Wrapped text needs more lines the narrower the window is, which its minimum size does not
    // tell: give the layout the height it asks for at the starting width.
    if (window->hasHeightForWidth())
        size.setHeight(std::max(size.height(), window->heightForWidth(size.width())));
    window->resize(size);
}

TFocusFrame::TFocusFrame(QWidget* window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("FocusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    window->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
    follow(QApplication::focusWidget());
}

void TFocusFrame::follow(QWidget* focused)
{
    if (!focused || focused->window() != parentWidget()->window() || !(framedTest_ ? framedTest_(focused) : IsEntry(focused)))
        return;
    framed_ = focused;
    setGeometry(parentWidget()->rect());
    raise();
    show();
    update();
}

bool TFocusFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest)) {
        setGeometry(parentWidget()->rect());
        update();
    }
    return QWidget::eventFilter(watched, event);
}

void TFocusFrame::paintEvent(QPaintEvent*)
{
    if (!framed_ || !framed_->isVisible())
        return;
    const QRect field(framed_->mapTo(parentWidget(), QPoint(0, 0)), framed_->size());
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::NoBrush);
    // The 2-pixel line is centred on the rectangle: its inner edge lies 2 pixels outside the field.
    painter.drawRect(field.adjusted(-3, -3, 3, 3));
}

TFocusHighlight::TFocusHighlight(QWidget* window)
    : QObject(window)
    , window_(window)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void TFocusHighlight::follow(QWidget* focused)
{
    if (!focused || focused->window() != window_)
        return;
    if (highlighted_ && highlighted_ != focused)
        PaintField(highlighted_, savedColor_);
    highlighted_ = nullptr;
    if (!IsEntry(focused))
        return;
    highlighted_ = focused;
    savedColor_ = PaintedColor(focused);
    PaintField(focused, kFocusedFieldColor);
}

const QString TSetupScreen::kBrowseOnlyNotice =
    QStringLiteral("The file is open in browse-only mode: changes made here cannot be saved.");
const QString TSetupScreen::kCloseWithoutSaving = QStringLiteral("Close without saving the changes?");

TSetupScreen::TSetupScreen(QWidget* parent, int helpContext)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , helpContext_(helpContext)
{
    SetHelpContext(this, helpContext);
}

void TSetupScreen::CloseScreen()
{
    closeBy(false);
}

void TSetupScreen::reject()
{
    closeBy(true);
}

void TSetupScreen::closeEvent(QCloseEvent* event)
{
    // The window decides itself whether it goes; it closes through done() when it does.
    event->ignore();
    closeBy(true);
}

bool TSetupScreen::trySave()
{
    return Guarded([this] { SaveScreen(); });
}

bool TSetupScreen::SaveBeforeMoving()
{
    return browseOnly_ || trySave();
}

QHBoxLayout* TSetupScreen::MakeNavigatorBar(TRSNavigator*& navigator, QPushButton*& close, QPushButton*& help,
                                            TNavBtns visible)
{
    navigator = new TRSNavigator(this);
    navigator->setObjectName(QStringLiteral("RSNavigator"));
    navigator->SetVisibleButtons(visible);
    navigator->OnBeforeAction = [this](TRSNavigator& sender) {
        if (!SaveBeforeMoving())
            sender.Cancel();
    };
    close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("BtnClose"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &TSetupScreen::CloseScreen);
    help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("BtnHelp"));
    help->setToolTip(QStringLiteral("Form Help"));
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(helpContext_); });

    auto* bar = new QHBoxLayout;
    bar->addWidget(navigator);
    bar->addStretch(1);
    bar->addWidget(close);
    bar->addStretch(1);
    bar->addWidget(help);
    return bar;
}

void TSetupScreen::closeBy(bool cancelling)
{
    if (closing_ || !isVisible())
        return;
    closing_ = true;
    if (browseOnly_) {
        Guarded([this] { RevertScreen(); });
        done(QDialog::Rejected);
    } else if (trySave()) {
        done(QDialog::Accepted);
    } else if (cancelling
               && AppMessageBox(kCloseWithoutSaving, QLatin1String(kApplicationTitle),
                                MbYesNo | MbIconQuestion | MbDefButton2)
                      == IdYes) {
        Guarded([this] { RevertScreen(); });
        done(QDialog::Rejected);
    }
    closing_ = false;
}

void TSetupScreen::MakeEntriesReadOnly()
{
    for (QWidget* child : findChildren<QWidget*>()) {
        if (auto* line = qobject_cast<QLineEdit*>(child))
            line->setReadOnly(true);
        else if (auto* text = qobject_cast<QPlainTextEdit*>(child))
            text->setReadOnly(true);
        else if (auto* spin = qobject_cast<QAbstractSpinBox*>(child))
            spin->setReadOnly(true);
        else if (qobject_cast<QComboBox*>(child))
            child->setEnabled(false);
        else if (auto* button = qobject_cast<QAbstractButton*>(child); button && button->isCheckable())
            child->setEnabled(false);
    }
}

void TSetupScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!browseOnly_ || noticeShown_)
        return;
    noticeShown_ = true;
    MakeEntriesReadOnly();
    AppMessageBox(kBrowseOnlyNotice, QLatin1String(kApplicationTitle), MbOk | MbIconInformation);
}

bool ClientIsBrowseOnly()
{
    return FrmDataModule && (FrmDataModule->RSEmployee.BrowseOnly() || FrmDataModule->RSCompany.BrowseOnly());
}
