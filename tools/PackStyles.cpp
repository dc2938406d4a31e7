// Packs the visual styles' sheets for the program's folder:
//     pack_styles <output folder> <common rules.qss> <sheet.qss>...
// Each "<name>.qss", followed by the common rules, becomes "<name>.qssz" in the output folder.
// Any fault stops the build.

#include "client/RecordFileAccess.h"
#include "client/StylePack.h"
#include "platform/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

QByteArray ReadSheet(const QString& source)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Unable to open %1: %2").arg(source, file.errorString()));
    const QByteArray sheet = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EInOutError(QStringLiteral("Unable to read %1: %2").arg(source, file.errorString()));
    return sheet;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: pack_styles <output folder> <common rules.qss> <sheet.qss>...\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(output)) {
        std::fprintf(stderr, "Unable to create the folder %s\n", qPrintable(output));
        return 1;
    }
    try {
        const QByteArray common = ReadSheet(QString::fromLocal8Bit(argv[2]));
        for (int i = 3; i < argc; ++i) {
            const QString source = QString::fromLocal8Bit(argv[i]);
            const QString target =
                QDir(output).filePath(QFileInfo(source).completeBaseName() + QLatin1String(kStyleFileExtension));
            ReplaceFileContents(target, PackStyleSheet(ReadSheet(source) + '\n' + common));
        }
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
