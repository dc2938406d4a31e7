#pragma once

#include <QString>
#include <QStringList>

#include <memory>

// What the system tells of its printers. The program asks the system's print service; tests
// install a fake. An empty printer name stands for the system's default printer.
class PrinterCatalog {
public:
    virtual ~PrinterCatalog() = default;

    virtual QStringList PrinterNames() const = 0;
    virtual QStringList PaperNames(const QString& printer) const = 0;
    virtual QStringList BinNames(const QString& printer) const = 0;
    virtual bool CanCollate(const QString& printer) const = 0;
    virtual bool CanDuplex(const QString& printer) const = 0;
    // How many copies of a job the printer makes by itself; 1 when every copy must be sent.
    virtual int MaxCopies(const QString& printer) const = 0;
};

// The catalog in use: the system's unless one was installed.
const PrinterCatalog& SystemPrinters();

// Installs a catalog (null: the system's again); returns the previous one.
std::shared_ptr<const PrinterCatalog> SetPrinterCatalog(std::shared_ptr<const PrinterCatalog> catalog);
