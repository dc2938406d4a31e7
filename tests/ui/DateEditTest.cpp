#include "FieldWindow.h"

#include "components/DateHotKeys.h"
#include "components/ui/Calendar.h"
#include "components/ui/DateEdit.h"
#include "platform/AppMessageBox.h"
#include "platform/Clock.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QToolButton>

namespace {

class DateEditTest : public FieldWindowTest {
protected:
    void SetUp() override
    {
        FieldWindowTest::SetUp();
        SetClockForTests(QDateTime(QDate(2026, 3, 18), QTime(9, 0))); // a Wednesday
        date = add<TDateEdit>();
        next = add<TDateEdit>();
    }

    // The next calendar is handed to drive, which must close it.
    void onCalendar(std::function<void(TFrmCalendar&)> drive)
    {
        dialogs.onNextModal([drive](QDialog& dialog) {
            auto* calendar = qobject_cast<TFrmCalendar*>(&dialog);
            ASSERT_NE(calendar, nullptr);
            drive(*calendar);
        });
    }

    TDateEdit* date = nullptr;
    TDateEdit* next = nullptr;
};

} // namespace

TEST_F(DateEditTest, StartsEmpty)
{
    EXPECT_EQ(date->text(), QStringLiteral("  /  /    "));
    EXPECT_EQ(date->textAlignment(), taLeftJustify);
    date->setText(QStringLiteral("02/14/2026"));
    EXPECT_EQ(date->text(), QStringLiteral("02/14/2026"));
    date->setText(QString());
    EXPECT_EQ(date->text(), EmptyDateText);
}

TEST_F(DateEditTest, HotKeysOnAnEmptyField)
{
    show();
    const struct {
        Qt::Key key;
        const char* text;
    } cases[] = {{Qt::Key_Plus, "03/19/2026"}, {Qt::Key_T, "03/18/2026"}, {Qt::Key_M, "03/01/2026"},
        {Qt::Key_Minus, "03/17/2026"}, {Qt::Key_W, "03/15/2026"}, {Qt::Key_K, "03/21/2026"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        date->setText(EmptyDateText);
        QTest::keyClick(date, c.key);
        EXPECT_EQ(date->text(), QLatin1String(c.text));
    }
}

TEST_F(DateEditTest, HotKeysMoveAStoredDate)
{
    show();
    const struct {
        const char* from;
        const char* keys;
        const char* to;
    } cases[] = {
        {"01/31/2026", "h", "02/28/2026"}, {"01/31/2026", "hh", "03/31/2026"}, {"12/31/2026", "H", "01/31/2027"},
        {"01/01/2026", "m", "12/01/2025"}, {"01/01/2026", "Y", "01/01/2025"}, {"12/31/2026", "r", "12/31/2027"},
        {"12/31/2026", "+", "01/01/2027"}, {"03/18/2026", "wk", "03/21/2026"}, {"02/15/2028", "H", "02/29/2028"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.keys << " on " << c.from);
        date->setText(QLatin1String(c.from));
        type(QLatin1String(c.keys));
        EXPECT_EQ(date->text(), QLatin1String(c.to));
    }
}

TEST_F(DateEditTest, AnInvalidDateIgnoresTheDateKeys)
{
    show();
    date->setText(QStringLiteral("02/30/2026"));
    type(QStringLiteral("+-HKMRWY"));
    EXPECT_EQ(date->text(), QStringLiteral("02/30/2026"));
    // Other characters change nothing either, not even a selection.
    date->selectAll();
    type(QStringLiteral("x/+"));
    EXPECT_EQ(date->text(), QStringLiteral("02/30/2026"));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(DateEditTest, TypingOverTheMask)
{
    show();
    type(QStringLiteral("03142026"));
    EXPECT_EQ(date->text(), QStringLiteral("03/14/2026"));
    tab();
    EXPECT_TRUE(next->hasFocus());
}

TEST_F(DateEditTest, ACompleteInvalidDateIsReportedAtTheLastDigit)
{
    show();
    type(QStringLiteral("0230202"));
    EXPECT_TRUE(messages.shown().empty());
    messages.expect(IdOk, QStringLiteral("02/30/2026 is not a valid date."));
    type(QStringLiteral("6"));
    EXPECT_EQ(messages.last().flags, MbIconStop);
    EXPECT_EQ(messages.last().caption, QStringLiteral("Ledgora 2026"));
    // A key the full mask cannot take changes nothing and reports nothing again.
    type(QStringLiteral("7"));
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(DateEditTest, ABlankInsideACompleteDateIsReportedAtOnce)
{
    show();
    messages.expect(IdOk, QStringLiteral("02/1 /2026 is not a valid date."));
    type(QStringLiteral("021 2026"));
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(DateEditTest, AHalfTypedDateIsReportedOnLeavingAndKeepsTheFocus)
{
    show();
    type(QStringLiteral("021420"));
    EXPECT_EQ(date->text(), QStringLiteral("02/14/20  "));
    EXPECT_TRUE(messages.shown().empty());
    int exits = 0;
    QObject::connect(date, &TDateEdit::exited, date, [&] { ++exits; });
    messages.expect(IdOk, QStringLiteral("02/14/20   is not a valid date."));
    tab();
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(date->hasFocus());
    type(QStringLiteral("T"));
    tab();
    EXPECT_TRUE(next->hasFocus());
}

TEST_F(DateEditTest, AStoredInvalidDateIsNotReported)
{
    date->setText(QStringLiteral("13/45/2026"));
    next->setText(QStringLiteral("02/30/2026"));
    show();
    tab();
    tab();
    EXPECT_TRUE(date->hasFocus());
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(DateEditTest, ReadOnlyTakesNoHotKeysAndNoCalendar)
{
    date->setReadOnly(true);
    date->setText(QStringLiteral("03/18/2026"));
    show();
    type(QStringLiteral("T+C"));
    QTest::mouseDClick(date, Qt::LeftButton);
    EXPECT_EQ(date->text(), QStringLiteral("03/18/2026"));
}

TEST_F(DateEditTest, CalendarPastesTheChosenDate)
{
    SetFieldColor(date, Qt::white);
    date->setText(QStringLiteral("02/14/2026"));
    show();
    QColor whileOpen;
    onCalendar([&](TFrmCalendar& calendar) {
        whileOpen = date->palette().color(QPalette::Base);
        EXPECT_EQ(calendar.windowTitle(), QStringLiteral("CALENDAR"));
        EXPECT_EQ(calendar.calendar()->firstDayOfWeek(), Qt::Sunday);
        EXPECT_EQ(calendar.GetMonthYear(), QStringLiteral("February, 2026"));
        EXPECT_EQ(calendar.findChild<QLabel*>(QStringLiteral("Panel"))->text(), QStringLiteral("February, 2026"));
        EXPECT_EQ(calendar.calendar()->selectedDate(), QDate(2026, 2, 14));
        QTest::keyClick(KeyTarget(&calendar), Qt::Key_PageDown);
        EXPECT_EQ(calendar.GetDate(), QStringLiteral("03/14/2026"));
        EXPECT_EQ(calendar.GetMonthYear(), QStringLiteral("March, 2026"));
        QTest::keyClick(KeyTarget(&calendar), Qt::Key_Return);
    });
    type(QStringLiteral("c"));
    EXPECT_EQ(whileOpen, QColor(Qt::yellow));
    EXPECT_EQ(date->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(date->text(), QStringLiteral("03/14/2026"));
}

TEST_F(DateEditTest, CalendarCancelKeepsTheText)
{
    date->setText(QStringLiteral("02/14/2026"));
    show();
    onCalendar([](TFrmCalendar& calendar) {
        calendar.findChild<QToolButton*>(QStringLiteral("BtnNext"))->click();
        calendar.findChild<QPushButton*>(QStringLiteral("BtnCancel"))->click();
    });
    type(QStringLiteral("C"));
    EXPECT_EQ(date->text(), QStringLiteral("02/14/2026"));
    focused();
    onCalendar([](TFrmCalendar& calendar) { QTest::keyClick(KeyTarget(&calendar), Qt::Key_Escape); });
    type(QStringLiteral("C"));
    EXPECT_EQ(date->text(), QStringLiteral("02/14/2026"));
}

TEST_F(DateEditTest, DoubleClickOpensTheCalendarOnTodayForAnEmptyField)
{
    show();
    int doubleClicks = 0;
    QObject::connect(date, &TDateEdit::doubleClicked, date, [&] { ++doubleClicks; });
    onCalendar([&](TFrmCalendar& calendar) {
        EXPECT_EQ(doubleClicks, 1);
        EXPECT_EQ(calendar.GetDate(), QStringLiteral("03/18/2026"));
        calendar.findChild<QPushButton*>(QStringLiteral("BtnPasteDate"))->click();
    });
    QTest::mouseDClick(date, Qt::LeftButton);
    EXPECT_EQ(date->text(), QStringLiteral("03/18/2026"));
}

TEST_F(DateEditTest, CalendarMonthAndYearSteps)
{
    TFrmCalendar calendar;
    EXPECT_EQ(calendar.GetDate(), QStringLiteral("03/18/2026"));
    calendar.PutDate(QStringLiteral("02/30/2026"));
    EXPECT_EQ(calendar.GetDate(), QStringLiteral("03/18/2026"));
    calendar.PutDate(QStringLiteral("01/31/2026"));
    auto* next = calendar.findChild<QToolButton*>(QStringLiteral("BtnNext"));
    auto* prior = calendar.findChild<QToolButton*>(QStringLiteral("BtnPrior"));
    EXPECT_EQ(next->toolTip(), QStringLiteral("Next Month (Alt+N)"));
    EXPECT_EQ(prior->toolTip(), QStringLiteral("Prior Month (Alt+P)"));
    next->click();
    EXPECT_EQ(calendar.GetDate(), QStringLiteral("02/28/2026"));
    prior->click();
    EXPECT_EQ(calendar.GetDate(), QStringLiteral("01/28/2026"));
    calendar.PutDate(QStringLiteral("01/31/2028"));
    next->click();
    EXPECT_EQ(calendar.GetDate(), QStringLiteral("02/29/2028"));
    QTest::keyClick(&calendar, Qt::Key_PageUp, Qt::AltModifier);
    EXPECT_EQ(calendar.GetDate(), QStringLiteral("01/01/2027"));
    QTest::keyClick(&calendar, Qt::Key_PageDown, Qt::AltModifier);
    EXPECT_EQ(calendar.GetDate(), QStringLiteral("01/01/2028"));
    EXPECT_EQ(calendar.GetMonthYear(), QStringLiteral("January, 2028"));
    QTest::keyClick(&calendar, Qt::Key_PageUp);
    EXPECT_EQ(calendar.GetMonthYear(), QStringLiteral("December, 2027"));
}
