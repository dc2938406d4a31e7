#include "platform/Registry.h"

#include "platform/AppMessageBox.h"
#include "platform/Clock.h"
#include "platform/Exceptions.h"
#include "platform/FileOperations.h"
#include "platform/FileReading.h"
#include "platform/FileReplacement.h"
#include "platform/Folders.h"
#include "platform/WriterLeftovers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <sys/stat.h>

namespace {

// Far more than the program's settings ever take (recent files, printers, preparer and folders
// come to a few kilobytes); a larger file is no settings file of ours and is not read whole.
constexpr qint64 kMaxSettingsSize = 1 << 20;

// The program writes registry paths with "\" between their parts; the settings hold "/".
QString toGroupPath(QString key)
{
    key.replace(QChar('\\'), QChar('/'));
    QStringList parts = key.split(QChar('/'), Qt::SkipEmptyParts);
    return parts.join(QChar('/'));
}

// Value names may hold the separators of key paths; keep them inside one key.
QString encodeName(const QString& name)
{
    QString encoded;
    for (QChar c : name) {
        if (c == QChar('/') || c == QChar('\\') || c == QChar('%'))
            encoded += QStringLiteral("%%%1").arg(c.unicode(), 2, 16, QChar('0'));
        else
            encoded += c;
    }
    return encoded.isEmpty() ? QStringLiteral("(Default)") : encoded;
}

QString decodeName(const QString& encoded)
{
    QString name;
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == QChar('%') && i + 2 < encoded.size()) {
            name += QChar(encoded.mid(i + 1, 2).toUShort(nullptr, 16));
            i += 2;
        } else {
            name += encoded[i];
        }
    }
    return name == QStringLiteral("(Default)") ? QString() : name;
}

const QString kValues = QStringLiteral(".values");

// How the file stands on the disk: a file replaced, rewritten or touched since reads differently.
QByteArray StampOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QByteArray::number(errno);
    return QByteArray::number(qulonglong(info.st_dev)) + ' ' + QByteArray::number(qulonglong(info.st_ino)) + ' '
           + QByteArray::number(qlonglong(info.st_size)) + ' ' + QByteArray::number(qlonglong(info.st_mtim.tv_sec))
           + '.' + QByteArray::number(qlonglong(info.st_mtim.tv_nsec)) + ' '
           + QByteArray::number(qlonglong(info.st_ctim.tv_sec)) + '.' + QByteArray::number(qlonglong(info.st_ctim.tv_nsec));
}

// The settings in the file, or why they cannot be read: EInOutError for a file that is not a
// regular file, too large or unreadable; the parse's reason, as a damaged file, otherwise.
SettingsValues ReadSettings(const QString& path)
{
    // No file yet, or no settings folder yet: the writes make them or say why they cannot.
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR))
        return {};
    const QByteArray text = ReadRegularFile(path, kMaxSettingsSize);
    SettingsValues values;
    if (const QString reason = ParseSettingsText(text, values); !reason.isEmpty())
        throw EInOutError(DamagedFileText(path, reason));
    return values;
}

bool IsDamaged(const QString& path)
{
    // A pipe, folder or device in its place would hold or fail every read of the settings, and a
    // file far larger than settings would be read whole.
    if (!IrregularFileProblem(path).isEmpty())
        return true;
    try {
        RequireFileSizeAtMost(path, kMaxSettingsSize);
    } catch (const EInOutError&) {
        return true;
    }
    QByteArray text;
    try {
        text = ReadRegularFile(path, kMaxSettingsSize);
    } catch (const EInOutError&) {
        return false;  // unreadable is not damaged: the writes say why
    }
    SettingsValues values;
    return !ParseSettingsText(text, values).isEmpty();
}
// A settings file that cannot be read would make every later write fail and lose the settings for
// good: it is kept under a dated name, and the program starts from its defaults.
void SetAsideDamagedStore(const QString& path)
{
    if (!QFileInfo::exists(path) || !IsDamaged(path))
        return;
    const QString stamp = Now().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString aside = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    const QString caption = QCoreApplication::applicationName();
    if (const int error = RenameFile(path, aside)) {
        const QString reason = SystemErrorText(error);
        AppMessageBox(QStringLiteral("The settings file %1 cannot be read, and it could not be set aside as %2: %3.~~"
                                     "Settings cannot be saved until that file is repaired or removed.")
                          .arg(path, aside, reason),
                      caption, MbIconWarning);
        return;
    }
    AppMessageBox(QStringLiteral("The settings file %1 cannot be read. It has been kept as %2, and the program starts "
                                 "from its default settings.")
                      .arg(path, aside),
                  caption, MbIconWarning);
}

} // namespace

Registry::Registry()
{
    SetAsideDamagedStore(storePath());
    refresh();
}

Registry::~Registry() = default;

QString Registry::storePath()
{
    return QDir(ConfigDir()).filePath(QStringLiteral("registry.ini"));
}

QStringList Registry::RemoveLeftoverCopies(const QDateTime& before)
{
    static const QRegularExpression kLeftover(QStringLiteral("^registry\\.ini\\.[A-Za-z0-9]{6}$"));
    QStringList kept;
    const QFileInfoList files = QDir(ConfigDir()).entryInfoList(
        {QStringLiteral("registry.ini.*")}, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& file : files)
        if (kLeftover.match(file.fileName()).hasMatch() && file.lastModified() < before
            && RemoveFile(file.absoluteFilePath()) != 0)
            kept << file.absoluteFilePath();
    // And what this program's writer leaves when it is stopped while it saves.
    return kept + RemoveLeftoverPartFiles(ConfigDir(), before);
}

void Registry::refresh() const
{
    const QString path = storePath();
    const QByteArray stamp = StampOf(path);
    if (stamp == stamp_ && readError_.isEmpty())
        return;
    try {
        values_ = ReadSettings(path);
        readError_.clear();
    } catch (const EInOutError& e) {
        // The settings read last stay in use; writing over a file that does not read would lose it.
        readError_ = e.message();
    }
    stamp_ = stamp;
}

void Registry::save(const SettingsValues& values)
{
    const QString path = storePath();
    const auto fail = [&path](const QString& reason) {
        QString text = reason;
        while (text.endsWith(QChar('.')))
            text.chop(1);
        throw ERegistryException(QStringLiteral("The settings file %1 could not be written: %2.").arg(path, text));
    };
    if (!readError_.isEmpty())
        fail(readError_);
    const QByteArray text = SettingsText(values);
    if (text.size() > kMaxSettingsSize)
        fail(QStringLiteral("the settings would take more than %1 bytes").arg(kMaxSettingsSize));
    QDir().mkpath(ConfigDir());  // a folder that cannot be made fails the write, which says why
    if (const QString reason = ReplaceWholeFile(path, text); !reason.isEmpty())
        fail(reason);
    values_ = values;
    stamp_ = StampOf(path);
}

QString Registry::absoluteKey(const QString& key) const
{
    const QString path = toGroupPath(key);
    if (key.startsWith(QChar('\\')) || currentKey_.isEmpty())
        return path;
    return path.isEmpty() ? currentKey_ : currentKey_ + QChar('/') + path;
}

bool Registry::KeyExists(const QString& key) const
{
    const QString path = absoluteKey(key);
    if (path.isEmpty())
        return true;
    refresh();
    const QString prefix = path + QChar('/');
    const auto next = values_.lowerBound(prefix);
    return next != values_.cend() && next.key().startsWith(prefix);
}

bool Registry::CreateKey(const QString& key)
{
    const QString path = absoluteKey(key);
    if (path.isEmpty())
        return false;
    if (!KeyExists(key)) {
        // An empty key needs a marker so it exists in the file.
        SettingsValues values = values_;
        values.insert(path + QStringLiteral("/.key"), QString());
        save(values);
    }
    return true;
}

bool Registry::OpenKey(const QString& key, bool canCreate)
{
    const QString path = absoluteKey(key);
    if (!KeyExists(key)) {
        if (!canCreate || !CreateKey(key))
            return false;
    }
    currentKey_ = path;
    readOnly_ = false;
    return true;
}

bool Registry::OpenKeyReadOnly(const QString& key)
{
    if (!OpenKey(key, false))
        return false;
    readOnly_ = true;
    return true;
}

void Registry::CloseKey()
{
    currentKey_.clear();
    readOnly_ = false;
}

bool Registry::DeleteKey(const QString& key)
{
    if (!KeyExists(key))
        return false;
    const QString path = absoluteKey(key);
    SettingsValues values = values_;
    values.remove(path);
    const QString prefix = path + QChar('/');
    for (auto it = values.lowerBound(prefix); it != values.end() && it.key().startsWith(prefix);)
        it = values.erase(it);
    save(values);
    return true;
}

QString Registry::valuePath(const QString& name) const
{
    return (currentKey_.isEmpty() ? QString() : currentKey_ + QChar('/')) + kValues + QChar('/') + encodeName(name);
}

bool Registry::ValueExists(const QString& name) const
{
    refresh();
    return values_.contains(valuePath(name));
}

bool Registry::DeleteValue(const QString& name)
{
    if (!ValueExists(name))
        return false;
    SettingsValues values = values_;
    values.remove(valuePath(name));
    save(values);
    return true;
}

QStringList Registry::GetValueNames() const
{
    refresh();
    const QString prefix = (currentKey_.isEmpty() ? kValues : currentKey_ + QChar('/') + kValues) + QChar('/');
    QStringList names;
    for (auto it = values_.lowerBound(prefix); it != values_.cend() && it.key().startsWith(prefix); ++it)
        if (!it.key().mid(prefix.size()).contains(QChar('/')))
            names << decodeName(it.key().mid(prefix.size()));
    return names;
}

QStringList Registry::GetKeyNames() const
{
    refresh();
    const QString prefix = currentKey_.isEmpty() ? QString() : currentKey_ + QChar('/');
    QStringList names;
    for (auto it = values_.lowerBound(prefix); it != values_.cend() && it.key().startsWith(prefix); ++it) {
        const QString below = it.key().mid(prefix.size());
        const qsizetype slash = below.indexOf(QChar('/'));
        if (slash < 0)
            continue;
        const QString name = below.left(slash);
        if (name != kValues && !names.contains(name))
            names << name;
    }
    return names;
}

QString Registry::rawValue(const QString& name) const
{
    refresh();
    const auto value = values_.constFind(valuePath(name));
    if (value == values_.cend())
        throw ERegistryException(QStringLiteral("Invalid data type for '%1'").arg(name));
    return value.value();
}

QString Registry::ReadString(const QString& name) const
{
    return rawValue(name);
}

int Registry::ReadInteger(const QString& name) const
{
    bool ok = false;
    const int value = rawValue(name).trimmed().toInt(&ok);
    if (!ok)
        throw ERegistryException(QStringLiteral("Invalid data type for '%1'").arg(name));
    return value;
}

bool Registry::ReadBool(const QString& name) const
{
    return ReadInteger(name) != 0;
}

double Registry::ReadFloat(const QString& name) const
{
    bool ok = false;
    const double value = rawValue(name).trimmed().toDouble(&ok);
    if (!ok)
        throw ERegistryException(QStringLiteral("Invalid data type for '%1'").arg(name));
    return value;
}

void Registry::writeRaw(const QString& name, const QString& value)
{
    if (readOnly_)
        throw ERegistryException(QStringLiteral("Failed to set data for '%1'").arg(name));
    refresh();
    SettingsValues values = values_;
    values.insert(valuePath(name), value);
    save(values);
}

void Registry::WriteString(const QString& name, const QString& value)
{
    writeRaw(name, value);
}

void Registry::WriteInteger(const QString& name, int value)
{
    writeRaw(name, QString::number(value));
}

void Registry::WriteBool(const QString& name, bool value)
{
    writeRaw(name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void Registry::WriteFloat(const QString& name, double value)
{
    writeRaw(name, QString::number(value, 'g', 17));
}
