#pragma once

#include <QImage>
#include <QString>

struct ReportLayout;

// A layout drawn alone on white paper at dotsPerInch, its fields empty: the page image that a
// tax-form screen lays its entry fields over, so screen and paper agree.
QImage RenderLayoutImage(const ReportLayout& layout, int dotsPerInch);

// Reads the project, renders the named layout and writes it as a JPEG. Raises EReportException or
// EInOutError naming what failed.
void WriteLayoutJpeg(const QString& projectFile, const QString& layoutName, int dotsPerInch, const QString& jpegFile);
