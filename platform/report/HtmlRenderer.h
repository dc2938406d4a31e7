#pragma once

#include "platform/report/ReportDocument.h"

#include <QByteArray>
#include <QString>

// The document as one HTML page: every page a sheet of its paper size, each text placed at its
// position in inches, lines, boxes and images drawn in SVG under the text. Nothing marked for
// the preview only.
QByteArray HtmlBytes(const ReportDocument& document, const QString& title);
// Writes the HTML in place of the file (a failure leaves an old file whole).
void WriteHtml(const ReportDocument& document, const QString& fileName, const QString& title);
