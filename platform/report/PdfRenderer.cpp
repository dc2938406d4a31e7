#include "platform/report/PdfRenderer.h"

#include "platform/Clock.h"
#include "platform/report/PageRenderer.h"
#include "platform/report/ReportErrors.h"
#include "platform/report/ReportFiles.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

namespace {

// A PDF text string that holds any character: UTF-16BE behind a byte order mark, in hex.
QByteArray pdfText(const QString& text)
{
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + ">";
}

[[noreturn]] void notAPdf()
{
    throw EReportException(QStringLiteral("The PDF writer produced a file without a readable trailer."));
}

// Qt's PDF writer sets only the title and creator; the rest of the document information goes in
// by an incremental update: a new information dictionary and a trailer that points to it.
QByteArray withInfo(QByteArray pdf, const PdfDocumentInfo& info)
{
    const qsizetype startxrefAt = pdf.lastIndexOf("startxref");
    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    if (startxrefAt < 0 || trailerAt < 0 || trailerAt > startxrefAt)
        notAPdf();
    const QString trailer = QString::fromLatin1(pdf.mid(trailerAt, startxrefAt - trailerAt));
    const QString tail = QString::fromLatin1(pdf.mid(startxrefAt));
    const auto size = QRegularExpression(QStringLiteral("/Size\\s+(\\d+)")).match(trailer);
    const auto root = QRegularExpression(QStringLiteral("/Root\\s+(\\d+\\s+\\d+)\\s+R")).match(trailer);
    const auto prev = QRegularExpression(QStringLiteral("startxref\\s+(\\d+)")).match(tail);
    if (!size.hasMatch() || !root.hasMatch() || !prev.hasMatch())
        notAPdf();

    const int infoObject = size.captured(1).toInt();
    if (!pdf.endsWith('\n'))
        pdf += '\n';
    const qsizetype infoAt = pdf.size();
    const QByteArray now = Now().toUTC().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    pdf += QByteArray::number(infoObject) + " 0 obj\n<<\n/Title " + pdfText(info.title) + "\n/Author " + pdfText(info.author)
        + "\n/Subject " + pdfText(info.subject) + "\n/Creator " + pdfText(info.creator) + "\n/Producer "
        + pdfText(info.producer) + "\n/CreationDate (D:" + now + "Z)\n>>\nendobj\n";
    const qsizetype xrefAt = pdf.size();
    pdf += "xref\n" + QByteArray::number(infoObject) + " 1\n" + QByteArray::number(infoAt).rightJustified(10, '0')
        + " 00000 n\r\n";
    pdf += "trailer\n<<\n/Size " + QByteArray::number(infoObject + 1) + "\n/Root " + root.captured(1).toLatin1()
        + " R\n/Info " + QByteArray::number(infoObject) + " 0 R\n/Prev " + prev.captured(1).toLatin1() + "\n>>\nstartxref\n"
        + QByteArray::number(xrefAt) + "\n%%EOF\n";
    return pdf;
}

} // namespace

QPageLayout PdfPageLayout(const ReportPage& page)
{
    const bool landscape = page.orientation() == PageOrientation::Landscape;
    const QSizeF portraitSize = landscape ? QSizeF(page.height, page.width) : QSizeF(page.width, page.height);
    return QPageLayout(QPageSize(portraitSize, QPageSize::Inch), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
}

PdfDocumentInfo ProgramPdfInfo()
{
    const QString title = QGuiApplication::applicationDisplayName();
    const QString maker = QStringLiteral("Velmora");
    return PdfDocumentInfo{title, maker, title + QStringLiteral(" Adobe Portable Document"), maker, maker};
}

QByteArray PdfBytes(const ReportDocument& document, const PdfDocumentInfo& info)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfDotsPerInch);
        writer.setTitle(info.title);
        writer.setCreator(info.creator);
        const ReportPage blank = LetterPage(PageOrientation::Portrait);
        writer.setPageLayout(PdfPageLayout(document.pages.empty() ? blank : document.pages.front()));
        QPainter painter;
        if (!painter.begin(&writer))
            throw EReportException(QStringLiteral("The PDF document cannot be started."));
        for (int i = 0; i < document.PageCount(); ++i) {
            if (i > 0) {
                writer.setPageLayout(PdfPageLayout(document.pages[static_cast<size_t>(i)]));
                writer.newPage();
            }
            RenderPage(painter, document, i, PdfDotsPerInch);
        }
        painter.end();
    }
    return withInfo(buffer.data(), info);
}

void WritePdf(const ReportDocument& document, const QString& fileName, const PdfDocumentInfo& info)
{
    WriteWholeFile(fileName, PdfBytes(document, info));
}
