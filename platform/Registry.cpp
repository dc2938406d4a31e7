#include "platform/Registry.h"

#include "platform/AppMessageBox.h"
#include "platform/Clock.h"
#include "platform/Exceptions.h"
#include "platform/FileOperations.h"
#include "platform/FileReading.h"
#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// QSettings uses "/" between groups; the program writes registry paths with "\".
QString toGroupPath(QString key)
{
    key.replace(QChar('\\'), QChar('/'));
    QStringList parts = key.split(QChar('/'), Qt::SkipEmptyParts);
    return parts.join(QChar('/'));
}

// Value names may hold characters QSettings treats as separators; keep them inside one key.
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

// A value whose opening quote is never closed swallows the rest of the file without a parse error;
// the settings this program writes quote and escape every value on its own line.
bool HasUnclosedQuote(const QByteArray& bytes)
{
    for (const QByteArray& line : bytes.split('\n')) {
        const QByteArray text = line.trimmed();
        if (text.isEmpty() || text.startsWith('[') || text.startsWith(';') || text.startsWith('#'))
            continue;
        bool quoted = false;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == '\\')
                ++i;
            else if (text[i] == '"')
                quoted = !quoted;
        }
        if (quoted)
            return true;
    }
    return false;
}

bool IsDamaged(const QString& path)
{
    // A pipe, folder or device in its place would hold or fail every read of the settings.
    if (!IrregularFileProblem(path).isEmpty())
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;  // unreadable is not damaged: the writes say why
    const QByteArray bytes = file.readAll();
    file.close();
    if (HasUnclosedQuote(bytes))
        return true;
    // QSettings keeps what it once read of a path and reports a parse error only on a fresh read,
    // which its first look-up makes: the file is parsed through a link under a name it has never
    // seen.
    const QTemporaryDir folder;
    const QString probe = folder.filePath(QStringLiteral("probe.ini"));
    if (!folder.isValid() || !QFile::link(QFileInfo(path).absoluteFilePath(), probe))
        return false;
    QSettings parsed(probe, QSettings::IniFormat);
    parsed.allKeys();
    return parsed.status() == QSettings::FormatError;
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
    settings_ = std::make_unique<QSettings>(storePath(), QSettings::IniFormat);
}

Registry::~Registry() = default;

QString Registry::storePath()
{
    return QDir(ConfigDir()).filePath(QStringLiteral("registry.ini"));
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
    const QString prefix = path + QChar('/');
    const QStringList all = settings_->allKeys();
    for (const QString& k : all)
        if (k.startsWith(prefix))
            return true;
    return false;
}

bool Registry::CreateKey(const QString& key)
{
    const QString path = absoluteKey(key);
    if (path.isEmpty())
        return false;
    if (!KeyExists(key)) {
        // An empty key needs a marker so it exists in the file.
        settings_->setValue(path + QStringLiteral("/.key"), QString());
        flush();
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
    if (!readOnly_ && !currentKey_.isEmpty())
        flush();
    currentKey_.clear();
    readOnly_ = false;
}

bool Registry::DeleteKey(const QString& key)
{
    if (!KeyExists(key))
        return false;
    settings_->remove(absoluteKey(key));
    flush();
    return true;
}

QString Registry::valuePath(const QString& name) const
{
    return (currentKey_.isEmpty() ? QString() : currentKey_ + QChar('/')) + kValues + QChar('/') + encodeName(name);
}

bool Registry::ValueExists(const QString& name) const
{
    return settings_->contains(valuePath(name));
}

bool Registry::DeleteValue(const QString& name)
{
    if (!ValueExists(name))
        return false;
    settings_->remove(valuePath(name));
    flush();
    return true;
}

QStringList Registry::GetValueNames() const
{
    QStringList names;
    settings_->beginGroup(currentKey_.isEmpty() ? kValues : currentKey_ + QChar('/') + kValues);
    for (const QString& k : settings_->childKeys())
        names << decodeName(k);
    settings_->endGroup();
    return names;
}

QStringList Registry::GetKeyNames() const
{
    QStringList names;
    settings_->beginGroup(currentKey_);
    for (const QString& k : settings_->childGroups())
        if (k != kValues)
            names << k;
    settings_->endGroup();
    return names;
}

QString Registry::rawValue(const QString& name) const
{
    const QString path = valuePath(name);
    if (!settings_->contains(path))
        throw ERegistryException(QStringLiteral("Invalid data type for '%1'").arg(name));
    return settings_->value(path).toString();
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
    settings_->setValue(valuePath(name), value);
    flush();
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

void Registry::flush()
{
    QDir().mkpath(ConfigDir());
    settings_->sync();
    if (settings_->status() != QSettings::NoError)
        throw ERegistryException(QStringLiteral("The settings file %1 could not be written.").arg(storePath()));
}
