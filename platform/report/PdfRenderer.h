#pragma once

#include "platform/report/ReportDocument.h"

#include <QByteArray>
#include <QString>

// The document information a PDF carries.
struct PdfDocumentInfo {
    QString title;
    QString author;
    QString subject;
    QString creator;
    QString producer;
};

// The information of every PDF the program writes: the application's title, the maker as author,
// creator and producer.
PdfDocumentInfo ProgramPdfInfo();

// The document as a PDF: its pages at their paper sizes, text as text, nothing that is marked for
// the preview only.
QByteArray PdfBytes(const ReportDocument& document, const PdfDocumentInfo& info);
// Writes the PDF in place of the file (a failure leaves an old file whole).
void WritePdf(const ReportDocument& document, const QString& fileName, const PdfDocumentInfo& info);
