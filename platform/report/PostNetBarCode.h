#pragma once

#include <QString>

class ReportCanvas;

// The POSTNET bar code of a ZIP code, as the published standard encodes it: a full frame bar at
// each end and five bars per digit, two of them full, with the weights 7 4 2 1 0 (0 is 11000);
// the check digit brings the sum of the digits to a multiple of ten. Only the digits of Text count,
// so "12345-6789" encodes 123456789.
class PostNetBarCode {
public:
    double BarHeight = 0.125;     // full bar, inches
    double BarWidth = 0.02;
    double BarPitch = 1.0 / 22.0; // from one bar to the next
    bool PrintReadable = true;    // the digits under the bars
    bool UseChecksum = true;
    double Left = 0.0;            // left edge of the first bar
    double Bottom = 0.0;          // bottom of the bars
    QString Text;

    QString Digits() const;
    static int CheckDigit(const QString& digits);
    // '1' for a full bar, '0' for a half bar, frame bars included.
    QString BarPattern() const;
    double Width() const;
    void Print(ReportCanvas& canvas) const;
};
