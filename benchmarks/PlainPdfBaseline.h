#pragma once

#include "platform/report/ReportDocument.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

#include <vector>

// The yardstick for a printout written to PDF: Qt's PDF writer painting the same pages, operation
// by operation in the same order, with none of the report layer in between. Every text's font and
// left edge are worked out beforehand, so the time is QPdfWriter's own drawing of the same texts,
// lines and boxes.
struct PlainOp {
    bool isText = false;
    DrawOp shape;   // a line, box or image as recorded
    QFont font;     // a text as Qt draws it
    QColor color;
    QPointF at;     // report units
    QString text;
};

struct PlainPage {
    ReportPage size;   // width and height only
    std::vector<PlainOp> ops;
};

std::vector<PlainPage> PreparePlainPages(const ReportDocument& document);
QByteArray DrawPlainPdf(const std::vector<PlainPage>& pages);
