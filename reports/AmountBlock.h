#pragma once

#include <QString>

class ReportCanvas;

// The block of amounts that the portrait reports print under their heading: section titles at
// x 2.0, detail lines (label at 2.5, amount ending at 6.5) printed only when their amount is not
// zero, total lines (label at 2.0) always, and the rules under the amounts. Lines stand 0.17 in
// apart; a section title after the first stands 0.33 in below the line before it.
//
// With page breaks on, once a printed line has reached y 10.17 the next line begins a new page
// without heading and stands at 0.67. The break waits for that next line, so that the rules under
// the last line stay with it and a block that ends low on a page leaves no empty page behind.
class AmountBlock {
public:
    enum class Format { Money, Hours };

    static constexpr double kLineStep = 0.17;
    static constexpr double kSectionStep = 0.33;
    static constexpr double kTitleX = 2.0;
    static constexpr double kDetailX = 2.5;
    static constexpr double kAmountX = 6.5;
    static constexpr double kBreakY = 10.17;
    static constexpr double kContinueY = 0.5;

    // The first section's title is printed by Title at y.
    AmountBlock(ReportCanvas& report, double y, bool breakPages);

    double Y() const { return y_; }

    // A title on the current line (the first section's).
    void Title(const QString& title);
    // A section title 0.33 in below the line before it.
    void Section(const QString& title);
    // A detail line, printed only when the amount is not zero; true when printed.
    bool Detail(const QString& label, double amount, Format format = Format::Money);
    // A total line, always printed.
    void Total(const QString& label, double amount);
    // A line with a label at x 2.0 and a text ending at 6.5, 0.33 in below the line before it.
    void Closing(const QString& label, const QString& value);

    // A line from x 5.5 to 6.5 just under the current line; the double rule adds a second one.
    void Rule();
    void DoubleRule();

private:
    // Moves to the next line, step below the current one, beginning a new page first when the
    // line printed last reached the bottom.
    void advance(double step);
    void printLine(double labelX, const QString& label, const QString& amount);

    ReportCanvas& report_;
    double y_;
    bool breakPages_;
};
