#include "reports/AmountBlock.h"

#include "platform/report/ReportCanvas.h"
#include "platform/report/TextFit.h"
#include "reports/ReportPages.h"

namespace {

constexpr double kRuleLeft = 5.5;
constexpr double kRuleDrop = 0.03;
constexpr double kDoubleRuleDrop = 0.06;
// Room kept between a label and its amount.
constexpr double kLabelGap = 0.1;

} // namespace

AmountBlock::AmountBlock(ReportCanvas& report, double y, bool breakPages)
    : report_(report)
    , y_(y)
    , breakPages_(breakPages)
{
}

void AmountBlock::advance(double step)
{
    if (breakPages_ && y_ >= kBreakY) {
        report_.NewPage();
        y_ = kContinueY;
        step = kLineStep;
    }
    y_ += step;
}

void AmountBlock::printLine(double labelX, const QString& label, const QString& amount)
{
    report_.SetYPos(y_);
    const double amountLeft = kAmountX - report_.TextWidth(amount);
    PrintFitted(report_, label, labelX, amountLeft - kLabelGap - labelX);
    report_.PrintRight(amount, kAmountX);
}

void AmountBlock::Title(const QString& title)
{
    report_.SetYPos(y_);
    report_.PrintLeft(title, kTitleX);
}

void AmountBlock::Section(const QString& title)
{
    advance(kSectionStep);
    Title(title);
}

bool AmountBlock::Detail(const QString& label, double amount, Format format)
{
    if (amount == 0.0)
        return false;
    advance(kLineStep);
    printLine(kDetailX, label, format == Format::Hours ? ReportHours(amount) : ReportMoney(amount));
    return true;
}

void AmountBlock::Total(const QString& label, double amount)
{
    advance(kLineStep);
    printLine(kTitleX, label, ReportMoney(amount));
}

void AmountBlock::Closing(const QString& label, const QString& value)
{
    advance(kSectionStep);
    printLine(kTitleX, label, value);
}

void AmountBlock::Rule()
{
    report_.Line(kRuleLeft, y_ + kRuleDrop, kAmountX, y_ + kRuleDrop);
}

void AmountBlock::DoubleRule()
{
    report_.Line(kRuleLeft, y_ + kDoubleRuleDrop, kAmountX, y_ + kDoubleRuleDrop);
}
