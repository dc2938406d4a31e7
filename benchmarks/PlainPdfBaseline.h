#pragma once

#include "platform/report/ReportDocument.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

#include <vector>

// The yardstick for a printout written to PDF: Qt's PDF writer painting the same pages with none
// of the report layer in between. Every text's font and left edge are worked out beforehand, so
// the time is QPdfWriter's own drawing of the same texts (and of the same lines and boxes).
struct PlainText {
    QFont font;
    QColor color;
    QPointF at;   // report units
    QString text;
};

struct PlainPdfPages {
    ReportDocument shapes;                    // the pages without their texts
    std::vector<std::vector<PlainText>> texts; // the texts of each page
};

PlainPdfPages PreparePlainPages(const ReportDocument& document);
QByteArray DrawPlainPdf(const PlainPdfPages& pages);
