#include "components/ui/Calculator.h"

#include "components/ui/EntryFieldSupport.h"
#include "platform/ui/WindowSize.h"

#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QToolButton>

namespace {
constexpr int Margin = 8;
constexpr int ButtonWidth = 28;
constexpr int ButtonHeight = 25;
const QString DigitHint = QStringLiteral("Puts this number in the calculator display");
} // namespace

TCalculator::TCalculator(const QString& fieldText, int decimals, QWidget* parent)
    : QDialog(parent)
    , engine_(decimals, fieldText)
{
    setWindowTitle(QStringLiteral("CALCULATOR"));
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(Margin, Margin, Margin, Margin);
    grid_->setHorizontalSpacing(4);
    grid_->setVerticalSpacing(3);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMinimumHeight(24);
    grid_->addWidget(panel, 0, 0, 1, 5);
    grid_->setRowMinimumHeight(0, 29);
    panel->setAutoFillBackground(true);
    QPalette silver = panel->palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    silver.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(silver);
    display_ = new QLabel(QStringLiteral("0"), panel);
    display_->setObjectName(QStringLiteral("Display"));
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = display_->font();
    bold.setBold(true);
    display_->setFont(bold);

    const char* digits[3][3] = {{"7", "8", "9"}, {"4", "5", "6"}, {"1", "2", "3"}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            addButton(QStringLiteral("Btn") + QLatin1String(digits[row][column]), QLatin1String(digits[row][column]),
                DigitHint, column, row, ButtonWidth, &TCalculator::clickDigit);
    addButton(QStringLiteral("BtnClearEntry"), QStringLiteral("C"), QStringLiteral("Clears the displayed number"), 3, 0,
        ButtonWidth, &TCalculator::clickClearEntry);
    addButton(QStringLiteral("BtnAllClear"), QStringLiteral("AC"), QStringLiteral("Clears the current calculation"), 4, 0,
        ButtonWidth, &TCalculator::clickAllClear);
    addButton(QStringLiteral("BtnMultiply"), QStringLiteral("*"), QStringLiteral("Multiplication"), 3, 1, ButtonWidth,
        &TCalculator::clickOperator);
    addButton(QStringLiteral("BtnDivide"), QStringLiteral("/"), QStringLiteral("Division"), 4, 1, ButtonWidth,
        &TCalculator::clickOperator);
    addButton(QStringLiteral("BtnPlus"), QStringLiteral("+"), QStringLiteral("Addition"), 3, 2, ButtonWidth,
        &TCalculator::clickOperator);
    addButton(QStringLiteral("BtnMinus"), QStringLiteral("-"), QStringLiteral("Subtraction"), 4, 2, ButtonWidth,
        &TCalculator::clickOperator);
    addButton(QStringLiteral("Btn0"), QStringLiteral("0"), DigitHint, 0, 3, ButtonWidth, &TCalculator::clickDigit);
    addButton(QStringLiteral("BtnDecimal"), QStringLiteral("."), QStringLiteral("Inserts a decimal point"), 1, 3,
        ButtonWidth, &TCalculator::clickPoint);
    addButton(QStringLiteral("BtnPlusMinus"), QStringLiteral("+/-"), QStringLiteral("Changes the sign of the displayed number"),
        2, 3, ButtonWidth, &TCalculator::clickPlusMinus);
    addButton(QStringLiteral("BtnPerCent"), QStringLiteral("%"),
        QStringLiteral("Displays the result of multiplication as a percentage."), 3, 3, ButtonWidth,
        &TCalculator::clickOperator);
    addButton(QStringLiteral("BtnRound"), QStringLiteral("Rnd"), QStringLiteral("Rounds to whole number"), 4, 3,
        ButtonWidth, &TCalculator::clickRound);
    addButton(QStringLiteral("BtnStore"), QStringLiteral("Sto"), QStringLiteral("Adds the displayed number to memory"), 0,
        4, ButtonWidth, &TCalculator::clickStore);
    addButton(QStringLiteral("BtnSum"), QStringLiteral("suM"),
        QStringLiteral("Adds the displayed number to any number already in memory"), 1, 4, ButtonWidth,
        &TCalculator::clickSum);
    addButton(QStringLiteral("BtnRecall"), QStringLiteral("rcL"),
        QStringLiteral("Recalls the number stored in memory. The number remains in memory"), 2, 4, ButtonWidth,
        &TCalculator::clickRecall);
    addButton(QStringLiteral("BtnGet"), QStringLiteral("Get"), QStringLiteral("Get number from field"), 3, 4,
        ButtonWidth, &TCalculator::clickGet);
    addButton(QStringLiteral("BtnPut"), QStringLiteral("Put"), QStringLiteral("Put number into field"), 4, 4,
        ButtonWidth, &TCalculator::clickPut);
    addButton(QStringLiteral("BtnBksp"), QStringLiteral("Backspace"),
        QStringLiteral("Deletes the last digit of the displayed number"), 0, 5, 60, &TCalculator::clickBackspace);
    addButton(QStringLiteral("BtnEquals"), QStringLiteral("="),
        QStringLiteral("Performs any operation on the previous two numbers"), 2, 5, 92, &TCalculator::clickOperator);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(4, 2, 4, 2);
    panelLayout->addWidget(display_);
    FixAtClientSize(*this, QSize(156 + 2 * Margin, 197 + 2 * Margin));
    recall_ = button(QStringLiteral("rcL"));
    refresh();
}

void TCalculator::addButton(const QString& name, const QString& caption, const QString& hint, int column, int row,
    int width, void (TCalculator::*action)(QChar caption))
{
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    button->setMinimumSize(ButtonWidth, ButtonHeight);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // The wide keys span the columns their width covers.
    grid_->addWidget(button, row + 1, column, 1, (width + 4) / (ButtonWidth + 4));
    connect(button, &QToolButton::clicked, this, [this, action, caption] {
        (this->*action)(caption.front());
        refresh();
    });
}

QToolButton* TCalculator::button(const QString& caption) const
{
    for (QToolButton* candidate : findChildren<QToolButton*>())
        if (candidate->text() == caption)
            return candidate;
    return nullptr;
}

QString TCalculator::display() const
{
    return display_->text();
}

void TCalculator::refresh()
{
    display_->setText(engine_.display());
    recall_->setEnabled(engine_.recallEnabled());
}

void TCalculator::clickPut(QChar)
{
    putKey_ = true;
    accept();
}

void TCalculator::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        engine_.operate(QChar('='));
        refresh();
        return;
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_Home:
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().topLeft());
        return;
    default:
        break;
    }
    QChar key = TypedChar(event);
    if (key.isNull()) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (key >= QChar('a') && key <= QChar('z'))
        key = QChar(key.unicode() - 32);
    switch (key.unicode()) {
    case '\b': engine_.backspace(); break;
    case '=': case '%': case '*': case '+': case '-': case '/': engine_.operate(key); break;
    case '.': engine_.point(); break;
    case 'A': engine_.allClear(); break;
    case 'C': engine_.clearEntry(); break;
    case 'G': engine_.get(); break;
    case 'L':
        if (engine_.recallEnabled())
            engine_.recall();
        break;
    case 'M': engine_.sum(); break;
    case 'P': clickPut(); return;
    case 'R': engine_.round(); break;
    case 'S': engine_.store(); break;
    case '_': engine_.plusMinus(); break;
    default:
        if (key >= QChar('0') && key <= QChar('9'))
            engine_.digit(key);
        break;
    }
    refresh();
}
