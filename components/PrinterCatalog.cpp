#include "components/PrinterCatalog.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// The system's print service as Qt sees it (CUPS here). Qt names no paper sources outside
// Windows, so every printer offers the one source that lets the printer choose.
class QtPrinterCatalog : public PrinterCatalog {
public:
    QStringList PrinterNames() const override { return QPrinterInfo::availablePrinterNames(); }

    QStringList PaperNames(const QString& printer) const override
    {
        QStringList names;
        for (const QPageSize& size : info(printer).supportedPageSizes())
            names << size.name();
        return names;
    }

    QStringList BinNames(const QString& printer) const override
    {
        if (info(printer).isNull())
            return {};
        return {QStringLiteral("Automatically Select")};
    }

    bool CanCollate(const QString& printer) const override { return MaxCopies(printer) > 1; }

    bool CanDuplex(const QString& printer) const override
    {
        for (QPrinter::DuplexMode mode : info(printer).supportedDuplexModes())
            if (mode != QPrinter::DuplexNone)
                return true;
        return false;
    }

    int MaxCopies(const QString& printer) const override
    {
        const QPrinterInfo found = info(printer);
        if (found.isNull())
            return 1;
        QPrinter device(found);
        return device.supportsMultipleCopies() ? 999 : 1;
    }

private:
    static QPrinterInfo info(const QString& printer)
    {
        return printer.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(printer);
    }
};

std::shared_ptr<const PrinterCatalog>& installed()
{
    static std::shared_ptr<const PrinterCatalog> catalog;
    return catalog;
}

} // namespace

const PrinterCatalog& SystemPrinters()
{
    if (!installed())
        installed() = std::make_shared<QtPrinterCatalog>();
    return *installed();
}

std::shared_ptr<const PrinterCatalog> SetPrinterCatalog(std::shared_ptr<const PrinterCatalog> catalog)
{
    std::shared_ptr<const PrinterCatalog> previous = std::move(installed());
    installed() = std::move(catalog);
    return previous;
}
