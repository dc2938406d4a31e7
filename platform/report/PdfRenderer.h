#pragma once

#include "platform/report/ReportDocument.h"

#include <QByteArray>
#include <QPageLayout>
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

// The resolution the PDF's pages are drawn at.
inline constexpr int PdfDotsPerInch = 1200;

// A page's paper size and orientation as the PDF writer takes them, without margins.
QPageLayout PdfPageLayout(const ReportPage& page);

// The document as a PDF: its pages at their paper sizes, text as text, nothing that is marked for
// the preview only.
QByteArray PdfBytes(const ReportDocument& document, const PdfDocumentInfo& info);
// Writes the PDF in place of the file (a failure leaves an old file whole).
void WritePdf(const ReportDocument& document, const QString& fileName, const PdfDocumentInfo& info);
