#pragma once

#include "TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

// Copies the printed forms' report project and page pictures, as the build ships them beside the
// test programs, into the test's program folder.
inline void CopyShippedForms(const QString& programDir)
{
    const QString shipped = QCoreApplication::applicationDirPath();
    ASSERT_TRUE(QDir().mkpath(programDir + QStringLiteral("/forms")));
    QStringList names = {QStringLiteral("TAXFORMS.RAV")};
    for (const QString& picture : QDir(shipped + QStringLiteral("/forms")).entryList({QStringLiteral("*.jpg")}, QDir::Files))
        names << QStringLiteral("forms/") + picture;
    for (const QString& name : names) {
        QFile::remove(programDir + QLatin1Char('/') + name);
        ASSERT_TRUE(QFile::copy(shipped + QLatin1Char('/') + name, programDir + QLatin1Char('/') + name)) << name.toStdString();
    }
}
