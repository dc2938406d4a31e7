#include "client/FileNames.h"

QString ChangeFileExt(const QString& path, const QString& extension)
{
    const qsizetype nameStart = path.lastIndexOf(QChar('/')) + 1;
    const qsizetype dot = path.lastIndexOf(QChar('.'));
    const qsizetype stem = dot >= nameStart ? dot : path.size();
    return path.left(stem) + extension;
}

QString ExtractFileName(const QString& path)
{
    return path.mid(path.lastIndexOf(QChar('/')) + 1);
}
