#pragma once

#include "platform/report/ReportFonts.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

// A report font's Qt font and metrics, kept alive while this thread prints. Building a QFont and
// resolving its font engine for every text cost more than the text itself, and a printout measures
// the same few fonts over and over: each text when it is placed on the canvas, again when a
// renderer draws it and when the pages are checked, and a fitted text at every size it tries.
class MeasuredFont {
public:
    explicit MeasuredFont(const QFont& font);

    const QFont& Font() const { return font_; }
    const QFontMetricsF& Metrics() const { return metrics_; }
    // The text's horizontal advance in report units, measured once and then remembered.
    qreal Advance(const QString& text);

private:
    QFont font_;
    QFontMetricsF metrics_;
    QHash<QString, qreal> advances_;
};

// The measured font of a report font on the calling thread. The reference is good
// until the next call on the same thread.
MeasuredFont& MeasuredFontOf(const ReportFont& font);
