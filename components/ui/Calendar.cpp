#include "components/ui/Calendar.h"

#include "components/DateRoutines.h"
#include "components/ui/EntryFieldSupport.h"
#include "platform/Clock.h"
#include "platform/ui/WindowSize.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextCharFormat>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int Margin = 8;
const char* const MonthNames[12] = {"January, ", "February, ", "March, ", "April, ", "May, ", "June, ", "July, ",
    "August, ", "September, ", "October, ", "November, ", "December, "};
} // namespace

TFrmCalendar::TFrmCalendar(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("CALENDAR"));
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8));

    btnPrior_ = new QToolButton(this);
    btnPrior_->setObjectName(QStringLiteral("BtnPrior"));
    btnPrior_->setArrowType(Qt::LeftArrow);
    btnPrior_->setToolTip(QStringLiteral("Prior Month (Alt+P)"));
    btnPrior_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_P));
    btnPrior_->setFocusPolicy(Qt::NoFocus);
    btnPrior_->setFixedSize(21, 21);

    btnNext_ = new QToolButton(this);
    btnNext_->setObjectName(QStringLiteral("BtnNext"));
    btnNext_->setArrowType(Qt::RightArrow);
    btnNext_->setToolTip(QStringLiteral("Next Month (Alt+N)"));
    btnNext_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_N));
    btnNext_->setFocusPolicy(Qt::NoFocus);
    btnNext_->setFixedSize(21, 21);

    panel_ = new QLabel(this);
    panel_->setObjectName(QStringLiteral("Panel"));
    panel_->setAlignment(Qt::AlignCenter);
    panel_->setAutoFillBackground(true);
    QPalette caption = panel_->palette();
    caption.setColor(QPalette::Window, caption.color(QPalette::Active, QPalette::Highlight));
    caption.setColor(QPalette::WindowText, caption.color(QPalette::Active, QPalette::HighlightedText));
    panel_->setPalette(caption);
    QFont bold = panel_->font();
    bold.setBold(true);
    panel_->setFont(bold);
    panel_->setMinimumHeight(21);

    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName(QStringLiteral("Calendar"));
    calendar_->setFirstDayOfWeek(Qt::Sunday);
    calendar_->setNavigationBarVisible(false);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar_->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    calendar_->setSelectedDate(Today());
    // Its own sheet keeps the grid black on white under any visual style; days of the months
    // around the shown one are grey, dark enough to read.
    calendar_->setStyleSheet(QStringLiteral("QCalendarWidget QAbstractItemView { background-color: white; color: black; "
                                            "selection-background-color: #2a6db0; selection-color: white; } "
                                            "QCalendarWidget QAbstractItemView:disabled { color: #6e6e6e; }"));
    QTextCharFormat heading;
    heading.setForeground(Qt::black);
    calendar_->setHeaderTextFormat(heading);
    // Qt's pure red weekends read poorly on white.
    QTextCharFormat weekend;
    weekend.setForeground(QColor(0xC0, 0x00, 0x00));
    for (Qt::DayOfWeek day : {Qt::Saturday, Qt::Sunday})
        calendar_->setWeekdayTextFormat(day, weekend);
    calendar_->setMinimumSize(200, 116);

    btnPasteDate_ = new QPushButton(QStringLiteral("Paste &Date"), this);
    btnPasteDate_->setObjectName(QStringLiteral("BtnPasteDate"));
    btnPasteDate_->setDefault(true);
    btnPasteDate_->setMinimumWidth(80);
    btnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel_->setObjectName(QStringLiteral("BtnCancel"));
    btnCancel_->setMinimumWidth(80);

    auto* header = new QHBoxLayout;
    header->setSpacing(0);
    header->addWidget(btnPrior_);
    header->addWidget(panel_, 1);
    header->addWidget(btnNext_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnPasteDate_);
    buttons->addWidget(btnCancel_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Margin, Margin, Margin, Margin);
    layout->addLayout(header);
    layout->addWidget(calendar_, 1);
    layout->addLayout(buttons);
    FixAtClientSize(*this, QSize(201 + 2 * Margin, 176 + 2 * Margin));

    connect(btnPrior_, &QToolButton::clicked, this, [this] { moveMonths(-1); });
    connect(btnNext_, &QToolButton::clicked, this, [this] { moveMonths(1); });
    connect(btnPasteDate_, &QPushButton::clicked, this, &TFrmCalendar::choose);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
    // A double click on a day, or Enter in the grid.
    connect(calendar_, &QCalendarWidget::activated, this, &TFrmCalendar::choose);
    connect(calendar_, &QCalendarWidget::selectionChanged, this, &TFrmCalendar::updateHeader);
    new KeyPreview(this, [this](QKeyEvent* event) { return previewKey(event); });
    updateHeader();
}

QString TFrmCalendar::GetMonthYear() const
{
    const QDate date = calendar_->selectedDate();
    return QLatin1String(MonthNames[date.month() - 1]) + QString::number(date.year());
}

QString TFrmCalendar::GetDate() const
{
    return DateToText(calendar_->selectedDate());
}

void TFrmCalendar::PutDate(const QString& date)
{
    if (!IsValidDateStr(date))
        return;
    calendar_->setSelectedDate(DateFromText(date));
    updateHeader();
}

void TFrmCalendar::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    updateHeader();
    paste_ = false;
    calendar_->setFocus();
}

void TFrmCalendar::updateHeader()
{
    const QDate date = calendar_->selectedDate();
    calendar_->setCurrentPage(date.year(), date.month());
    panel_->setText(GetMonthYear());
}

void TFrmCalendar::moveMonths(int months)
{
    const QString moved = AddMonthsToDateStr(GetDate(), months);
    if (IsValidDateStr(moved)) // not past the year 9999
        calendar_->setSelectedDate(DateFromText(moved));
}

void TFrmCalendar::choose()
{
    paste_ = true;
    accept();
}

bool TFrmCalendar::previewKey(QKeyEvent* event)
{
    const int key = event->key();
    if (key != Qt::Key_PageUp && key != Qt::Key_PageDown)
        return false;
    const int step = key == Qt::Key_PageUp ? -1 : 1;
    if (event->modifiers() == Qt::AltModifier)
        calendar_->setSelectedDate(QDate(calendar_->selectedDate().year() + step, 1, 1));
    else
        moveMonths(step);
    return true;
}
