// Makes the federal table file "LEDGORA.FTT" from its readable text form:
//     make_federal_table <table text> <output file>
// Any fault in the text stops the build with its line number, and no output is written.

#include "client/FederalTableText.h"
#include "client/RecordFileAccess.h"
#include "platform/Exceptions.h"

#include <QFile>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_federal_table <table text> <output file>\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    try {
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            throw EInOutError(QStringLiteral("Unable to open %1: %2").arg(source, file.errorString()));
        const QByteArray text = file.readAll();
        if (file.error() != QFileDevice::NoError)
            throw EInOutError(QStringLiteral("Unable to read %1: %2").arg(source, file.errorString()));
        ReplaceFileContents(output, RecordImage(ParseFederalTableText(QString::fromUtf8(text))));
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(source), qPrintable(QString(e.message()).replace(QChar('~'), QChar(' '))));
        return 1;
    }
    return 0;
}
