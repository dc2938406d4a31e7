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

// The most the server may send: a description is a few lines, an installer a few megabytes.
constexpr qint64 kDescriptionMaxBytes = 64 * 1024;
constexpr qint64 kInstallerMaxBytes = 256 * 1024 * 1024;

// How long each transfer may take in all, and without a byte arriving.
struct UpdateDeadlines {
    int descriptionMilliseconds = 60 * 1000;
    int installerMilliseconds = 30 * 60 * 1000;
    int stallMilliseconds = 30 * 1000;
};
// Replaces the deadlines (tests shorten them) and returns the previous ones.
UpdateDeadlines SetUpdateDeadlines(const UpdateDeadlines& deadlines);

// The version the description names (section "Ledgora2026", value "Version"), or `local` when
// the file, the section or a readable number is missing.
double DescribedVersion(const QString& descriptionFile, double local);

// The installer as the description may give it: "Size" in bytes and "SHA256" in hexadecimal, in
// the same section; -1 and empty where not given. A value that is given but unreadable or out of
// range raises EInOutError naming the file as damaged.
struct InstallerDescription {
    qint64 size = -1;
    QByteArray sha256; // lowercase hex
};
InstallerDescription DescribedInstaller(const QString& descriptionFile);

// Fetches the version description (at most kDescriptionMaxBytes, within its deadline) and says
// whether it names a version above this one. Raises EDownloadException "Unable to contact
// server." followed by the reason, naming the address, when it cannot be fetched, and EAbort
// when the user cancelled the transfer.
bool IsUpdateAvailable();

// Fetches the installer; returns true. It is taken only when its length is known and matched
// (announced by the server, or the size the description gives, with the checksum then matched
// as well) and it is not empty. Raises EDownloadException "Unable to download update." followed
// by the reason, and EAbort on a cancel, leaving no partial installer.
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
