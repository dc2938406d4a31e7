#pragma once

#include <QImage>
#include <QString>

struct ReportLayout;

// One page (numbered from 1) of a layout drawn alone on white paper at dotsPerInch, its fields
// empty: the page image that a tax-form screen lays its entry fields over, so screen and paper
// agree. Raises EReportException for a page the layout does not have.
QImage RenderLayoutImage(const ReportLayout& layout, int pageNumber, int dotsPerInch);

// Reads the project, renders the page of the named layout and writes it as a JPEG. Raises
// EReportException or EInOutError naming what failed.
void WriteLayoutJpeg(const QString& projectFile, const QString& layoutName, int pageNumber, int dotsPerInch,
                     const QString& jpegFile);
