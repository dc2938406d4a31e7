#pragma once

#include "platform/RecordText.h"

#include <QString>

#include <cstddef>
#include <cstdint>

// The one printer choice every printout of the program uses. It lives in the registry key
// "Printer" below the program's registry root, one value per field; this record holds the last
// settings loaded or saved. The record is packed: no filler between its fields.
#pragma pack(push, 1)
struct PrinterSetupRecord {
    RecordText<60> Name;        // printer name; blank: no printer chosen, the reports keep their defaults
    RecordText<40> Paper;       // paper size, as the printer names it
    RecordText<40> Bin;         // paper source, as the printer names it
    std::uint8_t Orientation;   // 0 portrait, 1 landscape, 2 the printer's default
    std::uint8_t Collate;       // 0 or 1
    std::uint8_t Duplex;        // 0 one-sided, 1 two-sided "Tablet" (long edge), 2 two-sided "Book" (short edge)
    std::int32_t Copies;
};
#pragma pack(pop)
static_assert(sizeof(PrinterSetupRecord) == 150);
static_assert(offsetof(PrinterSetupRecord, Name) == 0);
static_assert(offsetof(PrinterSetupRecord, Paper) == 61);
static_assert(offsetof(PrinterSetupRecord, Bin) == 102);
static_assert(offsetof(PrinterSetupRecord, Orientation) == 143);
static_assert(offsetof(PrinterSetupRecord, Collate) == 144);
static_assert(offsetof(PrinterSetupRecord, Duplex) == 145);
static_assert(offsetof(PrinterSetupRecord, Copies) == 146);

extern PrinterSetupRecord PrinterSetupRec;

class Registry;
class ReportCanvas;

namespace PrinterSetup {

// The sub-key below the registry root that holds the printer choice.
inline const QString kRegistryKey = QStringLiteral("Printer");

// All zero: blank names, portrait, no collation, one-sided, no copies.
void ClearRecord();

// Both take the program's registry object, whatever key it has open, and close the key again.

// Reads the key registryRoot + "Printer" into PrinterSetupRec when the key exists; without the key
// the record stays as it is. A value that is missing, not a number or (for the orientation and
// the duplex choice) outside 0 to 2 leaves its field as it is, and a missing name reads as blank,
// so a damaged entry never stops a printout.
void LoadFromRegistry(Registry& registry, const QString& registryRoot);

// Writes all seven values of PrinterSetupRec into registryRoot + "Printer", creating the key.
void SaveToRegistry(Registry& registry, const QString& registryRoot);

// Gives a report about to be drawn the saved printer choice, fresh from the registry: nothing
// when no printer is saved; otherwise the printer, paper and source by name, the orientation only
// when applyOrientation is set (and the saved one is not "the printer's default"), collation and
// two-sided printing where the printer offers them, and the number of copies.
void SetPrinterSetup(ReportCanvas& report, bool applyOrientation, Registry& registry, const QString& registryRoot);

} // namespace PrinterSetup
