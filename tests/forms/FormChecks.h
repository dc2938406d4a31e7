#pragma once

#include "forms/FormParams.h"
#include "platform/report/ReportLayout.h"

#include <QRectF>
#include <QString>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

// Checks the form issues share: a filled layout on paper, and a print handler's parameters
// against its layout.

// One word of a PDF as pdftotext -bbox finds it; page from 1, box in inches from the page's top
// left corner.
struct PdfWord {
    int page = 0;
    QString text;
    QRectF box;
};

// Every word of the PDF; fails the test when pdftotext cannot read it.
std::vector<PdfWord> ReadPdfWords(const QString& pdf);

// Draws the layout of the project file filled with the parameters, one page after the other
// as the layout has them, into a PDF file.
void WriteFilledLayoutPdf(const QString& projectFile, const QString& layout, const FormParams& params,
                          const QString& pdf);

// The smallest rectangle of the layout's artwork, on the field's page, around the point where
// the field prints: the box the form gives the value.
std::optional<QRectF> FieldBox(const ReportLayout& layout, const QString& field);

// Succeeds when the value's words stand, in order, on the field's page and inside its box.
::testing::AssertionResult ValueInFieldBox(const std::vector<PdfWord>& words, const ReportLayout& layout,
                                           const QString& field, const QString& value);

// Succeeds when every parameter set names a field of the layout, so that nothing a print handler
// fills is lost.
::testing::AssertionResult ParamsNameFields(const ReportLayout& layout, const FormParams& params);

// The layout of the given name from a project file; fails the test when it is missing.
ReportLayout ReadLayout(const QString& projectFile, const QString& name);
