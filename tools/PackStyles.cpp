// Packs the visual styles' sheets for the program's folder:
//     pack_styles <output folder> <sheet.qss>...
// Each "<name>.qss" becomes "<name>.qssz" in the output folder. Any fault stops the build.

#include "client/RecordFileAccess.h"
#include "client/StylePack.h"
#include "platform/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: pack_styles <output folder> <sheet.qss>...\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(output)) {
        std::fprintf(stderr, "Unable to create the folder %s\n", qPrintable(output));
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        const QString source = QString::fromLocal8Bit(argv[i]);
        try {
            QFile file(source);
            if (!file.open(QIODevice::ReadOnly))
                throw EInOutError(QStringLiteral("Unable to open %1: %2").arg(source, file.errorString()));
            const QByteArray sheet = file.readAll();
            if (file.error() != QFileDevice::NoError)
                throw EInOutError(QStringLiteral("Unable to read %1: %2").arg(source, file.errorString()));
            const QString target =
                QDir(output).filePath(QFileInfo(source).completeBaseName() + QLatin1String(kStyleFileExtension));
            ReplaceFileContents(target, PackStyleSheet(sheet));
        } catch (const Exception& e) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(source), qPrintable(e.message()));
            return 1;
        }
    }
    return 0;
}
