#include "FieldWindow.h"

#include "components/ui/Calculator.h"
#include "components/ColourContrast.h"
#include "components/ui/DollarEdit.h"
#include "platform/AppMessageBox.h"

#include <QClipboard>
#include <QToolButton>

namespace {

class DollarEditTest : public FieldWindowTest {
protected:
    // A money field first in the window and a second field to move to.
    void SetUp() override
    {
        FieldWindowTest::SetUp();
        money = add<TDollarEdit>();
        next = add<TDollarEdit>();
    }

    QColor textColor() const { return money->palette().color(QPalette::Text); }

    // The next calculator is driven by keys typed into it.
    void calculate(const QString& keys)
    {
        dialogs.onNextModal([this, keys](QDialog& dialog) {
            auto* calculator = qobject_cast<TCalculator*>(&dialog);
            ASSERT_NE(calculator, nullptr);
            calculatorColor = money->palette().color(QPalette::Base);
            QTest::keyClicks(calculator, keys);
            if (calculator->isVisible())
                calculator->reject();
        });
    }

    TDollarEdit* money = nullptr;
    TDollarEdit* next = nullptr;
    QColor calculatorColor;
};

} // namespace

TEST_F(DollarEditTest, StartsAsTheScreensExpect)
{
    EXPECT_EQ(money->text(), QStringLiteral("0.00"));
    EXPECT_EQ(money->value(), 0);
    EXPECT_EQ(money->textAlignment(), taRightJustify);
    EXPECT_EQ(money->centDigits(), 2);
    EXPECT_EQ(money->dollarDigits(), 9);
    EXPECT_TRUE(money->minusKey());
    EXPECT_FALSE(money->currency());
    EXPECT_FALSE(money->requiredField());
    EXPECT_EQ(money->maxValue(), 0);
    money->setCentDigits(9);
    EXPECT_EQ(money->centDigits(), 6);
    EXPECT_EQ(money->text(), QStringLiteral("0.000000"));
    money->setDollarDigits(20);
    EXPECT_EQ(money->dollarDigits(), 12);
}

TEST_F(DollarEditTest, EnteringShowsThePlainNumberAndTheFirstDigitReplacesIt)
{
    money->setCurrency(true);
    money->setValue(1234.5);
    EXPECT_EQ(money->text(), QStringLiteral("$1,234.50"));
    next->setFocus();
    show();
    QString seenOnEntry;
    QObject::connect(money, &TDollarEdit::entered, money, [&] { seenOnEntry = money->text(); });
    money->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(seenOnEntry, QStringLiteral("1234.50"));
    EXPECT_EQ(money->selectedText(), QStringLiteral("1234.50"));
    type(QStringLiteral("7"));
    EXPECT_EQ(money->text(), QStringLiteral("7"));
    EXPECT_EQ(money->value(), 7);
    tab();
    EXPECT_EQ(money->text(), QStringLiteral("$7.00"));
}

TEST_F(DollarEditTest, DigitsAndCentsLimitTyping)
{
    show();
    type(QStringLiteral("1234567890.556"));
    EXPECT_EQ(money->text(), QStringLiteral("123456789.55"));
    money->setCursorPosition(0);
    type(QStringLiteral("9"));
    EXPECT_EQ(money->text(), QStringLiteral("123456789.55"));
    money->end(false);
    key(Qt::Key_Backspace);
    EXPECT_EQ(money->text(), QStringLiteral("123456789.5"));
    tab();
    EXPECT_EQ(money->text(), QStringLiteral("123,456,789.50"));
    EXPECT_EQ(money->value(), 123456789.5);
}

TEST_F(DollarEditTest, NegativesShowInRed)
{
    money->setFontColor(Qt::darkBlue);
    money->setValue(-5);
    EXPECT_EQ(money->text(), QStringLiteral("-5.00"));
    // Pure red is too light on white to read: the red is darkened as far as it must.
    const QColor red = textColor();
    EXPECT_EQ(red.green(), 0);
    EXPECT_EQ(red.blue(), 0);
    EXPECT_GE(ContrastRatio(red.rgb(), money->palette().color(QPalette::Base).rgb()), kLegibleContrast);
    money->setValue(5);
    EXPECT_EQ(textColor(), QColor(Qt::darkBlue));
    // A value that rounds to zero is not shown as a red "-0.00".
    money->setValue(-0.001);
    EXPECT_EQ(money->text(), QStringLiteral("0.00"));
    EXPECT_EQ(textColor(), QColor(Qt::darkBlue));
}

TEST_F(DollarEditTest, ValueIsCappedAboveOnly)
{
    money->setValue(1e15);
    EXPECT_EQ(money->text(), QStringLiteral("999,999,999,999.99"));
    EXPECT_EQ(money->value(), 999999999999.99);
    money->setValue(-1e13);
    EXPECT_EQ(money->value(), -1e13);
}

TEST_F(DollarEditTest, LeavingRoundsAndFormats)
{
    const struct {
        int centDigits;
        const char* typed;
        const char* shown;
        double value;
    } cases[] = {
        {2, "", "0.00", 0}, {2, "-", "0.00", 0}, {2, ".", "0.00", 0}, {0, "1234.", "1,234", 1234},
        {3, "-12.5", "-12.500", -12.5}, {2, "-.", "0.00", 0},
    };
    show();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        money->setCentDigits(c.centDigits);
        money->setValue(99);
        next->setFocus(Qt::TabFocusReason);
        money->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Backspace);
        key(Qt::Key_Backspace);
        key(Qt::Key_Backspace);
        key(Qt::Key_Backspace);
        EXPECT_EQ(money->text(), QString());
        type(QLatin1String(c.typed));
        double exitValue = -1;
        const auto connection = QObject::connect(money, &TDollarEdit::exited, money, [&] { exitValue = money->value(); });
        tab();
        QObject::disconnect(connection);
        EXPECT_EQ(money->text(), QLatin1String(c.shown));
        EXPECT_EQ(exitValue, c.value);
    }
}

TEST_F(DollarEditTest, MaximumRefusesTheKeyAndEmptiesTheField)
{
    money->setMaxValue(100);
    show();
    messages.expect(IdOk, QStringLiteral("This field does not accept amounts greater than 100.00"));
    type(QStringLiteral("101"));
    EXPECT_EQ(money->text(), QString());
    EXPECT_EQ(messages.last().flags, MbIconStop);
    type(QStringLiteral("99.5"));
    tab();
    EXPECT_EQ(money->text(), QStringLiteral("99.50"));
}

TEST_F(DollarEditTest, MaximumIsCheckedAgainOnLeaving)
{
    money->setMaxValue(59);
    money->setValue(75); // a stored value from before the limit
    next->setFocus();
    show();
    money->setFocus(Qt::TabFocusReason);
    messages.expect(IdOk, QStringLiteral("This field does not accept amounts greater than 59.00"));
    tab();
    EXPECT_TRUE(money->hasFocus());
    EXPECT_EQ(money->text(), QStringLiteral("0.00"));
    type(QStringLiteral("40"));
    tab();
    EXPECT_TRUE(next->hasFocus());
    EXPECT_EQ(money->text(), QStringLiteral("40.00"));
}

TEST_F(DollarEditTest, PasteKeepsTheNumberAndItsLimits)
{
    money->setMaxValue(5000);
    show();
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    QGuiApplication::clipboard()->setText(QStringLiteral("$1,234.50"));
    money->paste();
    EXPECT_EQ(money->text(), QStringLiteral("1234.50"));
    money->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("$9,999.00"));
    money->paste();
    EXPECT_EQ(money->text(), QStringLiteral("1234.50"));
    money->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("12.345"));
    money->paste();
    EXPECT_EQ(money->text(), QStringLiteral("1234.50"));
    money->setCursorPosition(0);
    money->insert(QStringLiteral("-"));
    EXPECT_EQ(money->text(), QStringLiteral("-1234.50"));
}

TEST_F(DollarEditTest, RequiredFieldRefusesZero)
{
    money->setRequiredField(true);
    show();
    messages.expect(IdOk, QStringLiteral("This field is required!"));
    tab();
    EXPECT_EQ(messages.last().flags, MbIconWarning);
    EXPECT_TRUE(money->hasFocus());
    EXPECT_EQ(money->text(), QStringLiteral("0.00"));
    type(QStringLiteral("12"));
    tab();
    EXPECT_TRUE(next->hasFocus());
}

TEST_F(DollarEditTest, ReadOnlyTakesNoTypingAndNoCalculator)
{
    money->setReadOnly(true);
    int keys = 0;
    QObject::connect(money, &TDollarEdit::keyPressed, money, [&](QChar&) { ++keys; });
    show();
    type(QStringLiteral("5C"));
    QTest::mouseDClick(money, Qt::LeftButton);
    EXPECT_EQ(money->text(), QStringLiteral("0.00"));
    EXPECT_EQ(keys, 0);
}

TEST_F(DollarEditTest, CalculatorResultIsPutIntoTheField)
{
    SetFieldColor(money, Qt::white);
    show();
    type(QStringLiteral("5"));
    calculate(QStringLiteral("G+C3=P"));
    type(QStringLiteral("C"));
    EXPECT_EQ(calculatorColor, QColor(Qt::yellow));
    EXPECT_EQ(money->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(money->text(), QStringLiteral("8"));
    // The first key after entry still replaces the value, even after the calculator.
    focused();
    next->setFocus(Qt::TabFocusReason);
    money->setFocus(Qt::TabFocusReason);
    calculate(QStringLiteral("1/3=P"));
    type(QStringLiteral("c"));
    EXPECT_EQ(money->text(), QStringLiteral("0.33"));
    type(QStringLiteral("4"));
    EXPECT_EQ(money->text(), QStringLiteral("4"));
}

TEST_F(DollarEditTest, CalculatorCancelledOrRefused)
{
    money->setMinusKey(false);
    money->setMaxValue(1000);
    show();
    type(QStringLiteral("5"));
    // Esc leaves the field as it was.
    calculate(QStringLiteral("9\x1b"));
    type(QStringLiteral("C"));
    EXPECT_EQ(money->text(), QStringLiteral("5"));

    calculate(QStringLiteral("2-7=P"));
    messages.expect(IdOk, QStringLiteral("This field does not accept negative amounts!"));
    type(QStringLiteral("C"));
    EXPECT_EQ(money->text(), QStringLiteral("0.00"));

    calculate(QStringLiteral("1234567890123P"));
    messages.expect(IdOk, QStringLiteral("The calculator display will not\rfit into the data entry field!"));
    type(QStringLiteral("C"));
    EXPECT_EQ(money->text(), QStringLiteral("0.00"));

    calculate(QStringLiteral("2000P"));
    messages.expect(IdOk, QStringLiteral("This field does not accept amounts greater than 1,000.00"));
    type(QStringLiteral("C"));
    EXPECT_EQ(money->text(), QString());
}

TEST_F(DollarEditTest, DoubleClickOpensTheCalculatorAfterTheScreensHandler)
{
    show();
    int doubleClicks = 0;
    QObject::connect(money, &TDollarEdit::doubleClicked, money, [&] { ++doubleClicks; });
    dialogs.onNextModal([&](QDialog& dialog) {
        EXPECT_EQ(doubleClicks, 1);
        dialog.reject();
    });
    QTest::mouseDClick(money, Qt::LeftButton);
}

TEST_F(DollarEditTest, CalculatorRoundsToTheFieldsDecimals)
{
    money->setCentDigits(3);
    show();
    calculate(QStringLiteral("2/3=P"));
    type(QStringLiteral("C"));
    EXPECT_EQ(money->text(), QStringLiteral("0.667"));
    EXPECT_EQ(CalcDecimals, 3);
}

TEST_F(DollarEditTest, CalculatorButtonsAndMemory)
{
    show();
    dialogs.onNextModal([](QDialog& dialog) {
        auto* calculator = qobject_cast<TCalculator*>(&dialog);
        ASSERT_NE(calculator, nullptr);
        EXPECT_EQ(calculator->windowTitle(), QStringLiteral("CALCULATOR"));
        QToolButton* recall = calculator->button(QStringLiteral("rcL"));
        EXPECT_FALSE(recall->isEnabled());
        QTest::keyClicks(calculator, QStringLiteral("5L"));
        EXPECT_EQ(calculator->display(), QStringLiteral("5"));
        QTest::keyClicks(calculator, QStringLiteral("s"));
        EXPECT_TRUE(recall->isEnabled());
        calculator->button(QStringLiteral("AC"))->click();
        calculator->button(QStringLiteral("7"))->click();
        calculator->button(QStringLiteral("+"))->click();
        recall->click();
        calculator->button(QStringLiteral("="))->click();
        EXPECT_EQ(calculator->display(), QStringLiteral("12"));
        QTest::keyClick(calculator, Qt::Key_Return);
        QTest::keyClick(calculator, Qt::Key_Backspace);
        EXPECT_EQ(calculator->display(), QStringLiteral("1"));
        calculator->button(QStringLiteral("Put"))->click();
    });
    type(QStringLiteral("C"));
    EXPECT_EQ(money->text(), QStringLiteral("1"));
}
