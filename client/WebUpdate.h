#pragma once

#include <QString>
#include <QUrl>

#include <array>

// The check for a newer version of the program on the maker's update server, and the download of
// its installer. The server's two files wait in the user's cache folder until the program ends.

// The update server's base address: LEDGORA_UPDATE_HOST when set, else the build's setting. A
// host given without a scheme is taken as https.
QString UpdateHost();
// The address of a file on the update server ("/public/update.txt").
QUrl UpdateServerAddress(const QString& path);

// Where the version description and the installer are saved.
QString UpdateDescriptionFile();
QString UpdateInstallerFile();

// The version the description names (section "Ledgora2026", value "Version"), or `local` when
// the file, the section or a readable number is missing.
double DescribedVersion(const QString& descriptionFile, double local);

// Fetches the version description and says whether it names a version above this one. Raises
// EDownloadException "Unable to contact server." when the description cannot be fetched.
bool IsUpdateAvailable();

// Fetches the installer; returns true. Raises EDownloadException "Unable to download update." when
// it cannot be fetched, leaving no partial installer.
bool DownloadUpdate();

// Deletes what the update left in the cache folder; called when the program ends. An installer
// handed to the desktop in this run stays, since it may still be starting; the next exit
// deletes it. A failed delete is no harm.
void RemoveUpdateLeftovers();
// Records that the installer was handed to the desktop's open action.
void KeepInstallerAtExit();

// The maker's web pages.
QString TechnicalSupportPage();
QString MakerWebSite();

// The build's four version numbers (major, minor, patch, build) and the text "2026.1.0.0".
std::array<int, 4> ConstructBuildInfo();
QString GetBuildInfo();
