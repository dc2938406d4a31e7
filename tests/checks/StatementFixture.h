#pragma once

#include "CheckFixture.h"

#include "checks/StatementSource.h"

#include <QRegularExpression>

// Printed statements read back: the text operations of a page and the PDF's text in one line.
class StatementTest : public CheckTest {
protected:
    // The first text operation on the page that reads `text`, blanks around it aside, or null.
    static const DrawOp* FindText(const ReportPage& page, const QString& text)
    {
        for (const DrawOp& op : page.ops) {
            if (op.kind == DrawOp::Kind::Text && op.text.trimmed() == text)
                return &op;
        }
        return nullptr;
    }

    static int CountText(const ReportPage& page, const QString& text)
    {
        int count = 0;
        for (const DrawOp& op : page.ops)
            count += op.kind == DrawOp::Kind::Text && op.text.trimmed() == text;
        return count;
    }

    // The PDF's text with every run of blanks and line breaks made one blank.
    QString flatPdfText(const QString& fileName)
    {
        return pdfText(fileName).replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    }
};
