#pragma once

#include "TestSupport.h"

#include "components/PrinterCatalog.h"
#include "platform/report/ReportSystem.h"

#include <QApplication>
#include <QPrinter>
#include <QtTest/QTest>

#include <map>
#include <memory>
#include <vector>

// Printers as a test wants them.
class FakePrinters : public PrinterCatalog {
public:
    struct Printer {
        QStringList papers;
        QStringList bins;
        bool collate = true;
        bool duplex = true;
        int maxCopies = 999;
    };
    std::map<QString, Printer> printers;

    QStringList PrinterNames() const override
    {
        QStringList names;
        for (const auto& [name, printer] : printers)
            names << name;
        return names;
    }
    QStringList PaperNames(const QString& name) const override { return find(name).papers; }
    QStringList BinNames(const QString& name) const override { return find(name).bins; }
    bool CanCollate(const QString& name) const override { return find(name).collate; }
    bool CanDuplex(const QString& name) const override { return find(name).duplex; }
    int MaxCopies(const QString& name) const override { return find(name).maxCopies; }

private:
    const Printer& find(const QString& name) const
    {
        static const Printer none{{}, {}, false, false, 1};
        const auto found = printers.find(name);
        return found == printers.end() ? none : found->second;
    }
};

// One job sent to paper: the printer asked for and the copies it was told to make.
struct SentJob {
    QString printerName;
    int copies = 0;
};

// The fixture of the preview and printer tests: two fake printers, and a printer factory that
// writes each job to a PDF file and logs it.
class PreviewTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        auto fake = std::make_shared<FakePrinters>();
        fake->printers[QStringLiteral("Office Laser")] = {{QStringLiteral("Letter"), QStringLiteral("Legal")},
                                                          {QStringLiteral("Tray 1"), QStringLiteral("Tray 2")}};
        fake->printers[QStringLiteral("Check Printer")] = {{QStringLiteral("Letter")}, {QStringLiteral("Manual Feed")},
                                                           false, false, 1};
        printers = fake.get();
        previousCatalog_ = SetPrinterCatalog(fake);
        previousFactory_ = ReportSystem::SetPrinterFactory([this](const PrintJobSettings& job) {
            return std::unique_ptr<QPrinter>(new LoggingPrinter(*this, job.printerName));
        });
    }

    void TearDown() override
    {
        SetPrinterCatalog(previousCatalog_);
        ReportSystem::SetPrinterFactory(previousFactory_);
        LedgoraTest::TearDown();
    }

    // A report of `pages` pages, each saying which page it is.
    static void DrawPages(ReportSystem& system, int pages)
    {
        system.OnPrint = [pages](ReportCanvas& report) {
            for (int page = 1; page <= pages; ++page) {
                if (page > 1)
                    report.NewPage();
                report.SetFont(QStringLiteral("Arial"), 12);
                report.PrintXY(1.0, 1.0, QStringLiteral("Sample page %1").arg(page));
            }
        };
    }

    // A key as the user types it into the window: to its focused control, or to the window.
    static void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == window ? focus : window, key, modifiers);
    }

    FakePrinters* printers = nullptr;
    std::vector<SentJob> sent;

private:
    class LoggingPrinter : public QPrinter {
    public:
        LoggingPrinter(PreviewTest& test, const QString& name)
            : QPrinter(QPrinter::HighResolution)
            , test_(test)
            , name_(name)
        {
            setOutputFormat(QPrinter::PdfFormat);
            setOutputFileName(test.tempPath(QStringLiteral("printed-%1.pdf").arg(test.sent.size() + 1)));
        }
        ~LoggingPrinter() override { test_.sent.push_back({name_, copyCount()}); }

    private:
        PreviewTest& test_;
        QString name_;
    };

    std::shared_ptr<const PrinterCatalog> previousCatalog_;
    PrinterFactory previousFactory_;
};
