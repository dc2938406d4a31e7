#pragma once

#include "client/PayRecords.h"
#include "components/PrinterSetup.h"
#include "platform/Registry.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/ReportDocument.h"
#include "platform/report/ReportSystem.h"
#include "reports/ui/PayReports.h"

#include "components/ui/DateEdit.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QProcess>
#include <QRectF>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

// Runs the report window's printouts into PDF files of the test's folder, and reads pages back.
template <class Base>
class ReportTestBase : public Base {
protected:
    void SetUp() override
    {
        Base::SetUp();
        RegistryRoot = QStringLiteral("Software\\Ledgora\\2026\\");
        AppRegistry = std::make_unique<Registry>();
        PrinterSetup::ClearRecord();
        ReportDateText.clear();
        ReportPeriodText.clear();
        previous_ = ReportSystem::SetOutputOptionsHandler([this](const ReportSystem& system, OutputChoice& choice) {
            setupTitles.push_back(system.TitleSetup);
            choice.destination = ReportDestination::File;
            lastPdf = this->tempPath(QStringLiteral("report-%1.pdf").arg(setupTitles.size()));
            choice.fileName = lastPdf;
            return true;
        });
    }

    void TearDown() override
    {
        ReportSystem::SetOutputOptionsHandler(previous_);
        Base::TearDown();
    }

    // Saves a printer choice with the given orientation (0 portrait, 1 landscape).
    void saveOrientation(int orientation)
    {
        PrinterSetupRec.Name = QStringLiteral("Office Laser");
        PrinterSetupRec.Paper = QStringLiteral("Letter");
        PrinterSetupRec.Orientation = static_cast<std::uint8_t>(orientation);
        PrinterSetupRec.Copies = 1;
        PrinterSetup::SaveToRegistry(*AppRegistry, RegistryRoot);
        PrinterSetup::ClearRecord();
    }

    // Opens the report window for a kind, lets `fill` change its entries, presses Ok and returns
    // the pages the kind's printout drew (null when none ran).
    std::shared_ptr<const ReportDocument> runReport(int kind, const std::function<void(TFrmReports&)>& fill = {})
    {
        ReportKind = static_cast<std::uint8_t>(kind);
        TFrmReports window;
        if (fill)
            fill(window);
        window.BtnOk->click();
        for (ReportSystem* system : {&window.RptEmpRoster, &window.RptToDate, &window.RptToDateJ, &window.RptState,
                                      &window.RptDepartmental}) {
            if (system->Document())
                return system->Document();
        }
        return nullptr;
    }

    // The text of the PDF written last, as pdftotext reads it (layout kept).
    QString pdfText() const
    {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), lastPdf, QStringLiteral("-")});
        EXPECT_TRUE(process.waitForFinished(60000));
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // Renders page `page` of the PDF written last to a PNG in LEDGORA_SCREENSHOT_DIR, when set.
    void renderPage(int page, const QString& image) const
    {
        const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
        if (folder.isEmpty())
            return;
        const QString number = QString::number(page);
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"), QStringLiteral("-f"), number,
                           QStringLiteral("-l"), number, QStringLiteral("-singlefile"), lastPdf,
                           QDir(folder).filePath(image)});
    }

    QStringList setupTitles;
    QString lastPdf;

private:
    OutputOptionsHandler previous_;
};

// The texts of a page as printed, page macros resolved.
inline QStringList PageTexts(const ReportDocument& document, int page)
{
    QStringList texts;
    for (const DrawOp& op : document.pages.at(page).ops) {
        if (op.kind == DrawOp::Kind::Text)
            texts << ShownText(op, page + 1, document.PageCount());
    }
    return texts;
}

// The first text operation of a page whose shown text is `text`, or null.
inline const DrawOp* FindText(const ReportDocument& document, int page, const QString& text)
{
    for (const DrawOp& op : document.pages.at(page).ops) {
        if (op.kind == DrawOp::Kind::Text && ShownText(op, page + 1, document.PageCount()) == text)
            return &op;
    }
    return nullptr;
}

// Pairs of texts of one page whose boxes overlap, as "a | b" lines: empty when every text has
// its own room.
inline QStringList OverlappingTexts(const ReportDocument& document)
{
    QStringList overlaps;
    for (int page = 0; page < document.PageCount(); ++page) {
        std::vector<std::pair<QRectF, QString>> boxes;
        for (const DrawOp& op : document.pages[page].ops) {
            const QString text = ShownText(op, page + 1, document.PageCount());
            if (op.kind != DrawOp::Kind::Text || text.trimmed().isEmpty())
                continue;
            // Lines of one text block touch vertically; only the ink's width and the middle of
            // its height count.
            const QRectF box = OpBounds(op, page + 1, document.PageCount());
            const QRectF core(box.left(), box.top() + box.height() * 0.3, box.width(), box.height() * 0.4);
            for (const auto& [other, otherText] : boxes) {
                if (core.intersects(other))
                    overlaps << QStringLiteral("page %1: %2 | %3").arg(page + 1).arg(otherText, text);
            }
            boxes.emplace_back(core, text);
        }
    }
    return overlaps;
}
