#include "platform/report/PostNetBarCode.h"

#include "platform/report/ReportCanvas.h"

namespace {

const char* const DigitBars[10] = {"11000", "00011", "00101", "00110", "01001",
                                   "01010", "01100", "10001", "10010", "10100"};

// A half bar stands 0.05 inch of the standard's 0.125 full bar.
constexpr double HalfBarShare = 0.4;

} // namespace

QString PostNetBarCode::Digits() const
{
    QString digits;
    for (const QChar c : Text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    }
    return digits;
}

int PostNetBarCode::CheckDigit(const QString& digits)
{
    int sum = 0;
    for (const QChar c : digits)
        sum += c.digitValue();
    return (10 - sum % 10) % 10;
}

QString PostNetBarCode::BarPattern() const
{
    QString digits = Digits();
    if (digits.isEmpty())
        return QString();
    if (UseChecksum)
        digits += QString::number(CheckDigit(digits));
    QString pattern = QStringLiteral("1");
    for (const QChar c : digits)
        pattern += QLatin1String(DigitBars[c.digitValue()]);
    return pattern + QLatin1Char('1');
}

double PostNetBarCode::Width() const
{
    const qsizetype bars = BarPattern().size();
    return bars == 0 ? 0.0 : (bars - 1) * BarPitch + BarWidth;
}

void PostNetBarCode::Print(ReportCanvas& canvas) const
{
    const QString pattern = BarPattern();
    if (pattern.isEmpty())
        return;
    const ReportCanvas::State saved = canvas.SaveState();
    canvas.SetBrush(Qt::black, BrushStyle::Solid);
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const double height = pattern[i] == QLatin1Char('1') ? BarHeight : BarHeight * HalfBarShare;
        const double x = Left + i * BarPitch;
        canvas.FillRect(x, Bottom - height, x + BarWidth, Bottom);
    }
    if (PrintReadable) {
        canvas.SetFont(QStringLiteral("Arial"), 7);
        canvas.SetFontColor(Qt::black);
        canvas.SetYPos(Bottom + canvas.LineHeight());
        canvas.PrintCenter(Digits(), Left + Width() / 2.0);
    }
    canvas.RestoreState(saved);
}
