#pragma once

#include <QString>
#include <QStringList>

class Registry;

// The program's registry root: "Software\Ledgora\2026\", or the test root in developer mode.
QString ProgramRegistryRoot(bool developerMode);

// The web page of the federal electronic tax payment system, the default of "TaxPayments".
extern const char* const kFederalTaxPaymentPage;

// The settings the program keeps between runs under its registry root.
struct ProgramSettings {
    QString federalTaxPaymentURL;
    QString stateTaxPaymentURL;
    QStringList recentFiles;     // always ten entries, empty where there is no file
    int scalingPercent = 100;    // 85..100
    QString styleName;
    bool showSplash = true;
    QString windowGeometry;      // the main window's size, place and state as the window saved them; empty: none yet
};

// Reads the settings at start-up. Keys that are missing are created with their defaults
// ("TaxPayments", "Scaling", "Style", "Splash"; "RecentFiles" is written only at exit). A value
// missing from its key, or not of its type, reads as its default; a scaling outside 85..100 is
// brought into that range; a style name not among availableStyles (compared ignoring case)
// becomes "Cyan Dusk", and a known one takes the spelling of the list. The main window's geometry
// ("Window") is read when present and never created here.
ProgramSettings LoadProgramSettings(Registry& registry, const QString& registryRoot,
                                    const QStringList& availableStyles);

// Writes the settings back at exit: the ten recent files, the tax payment pages, the scaling,
// the style and the main window's geometry, creating the keys when missing. The splash switch is never written.
void SaveProgramSettings(Registry& registry, const QString& registryRoot, const ProgramSettings& settings);

// The scaling percentage brought into 85..100.
int BoundedScalingPercent(int percent);

// Creates the program's folders below the Documents folder with every missing parent (the
// Documents folder itself included): Ledgora/2026/Data with Backup and Quarterly_Data in it.
// Returns the folders that could not be created, empty when all exist.
QStringList CreateDataFolders(const QString& documentsDir);

// What the user is told when the data folders cannot be created.
QString DataFoldersMissingMessage(const QStringList& missing);
