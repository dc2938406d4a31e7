#pragma once

#include "platform/SettingsText.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <exception>

class Registry;

// Runs work on the key that is open and closes the key afterwards, also when the work fails; the
// registry object is shared, so no key may stay open. The work's failure is the one reported.
template <typename Work>
void CloseKeyAfter(Registry& registry, Work&& work);

// The Windows registry's verbs over one INI file. Key paths use "\" between their parts, as
// "Software\Ledgora\2026\Printer"; a relative path is taken below the key that is open. Every
// read sees the file as it stands (another object or another copy of the program may have
// written it since), and every write replaces the whole file through the file layer, so the file
// is the old settings or the new, never less.
class Registry {
public:
    Registry();
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // The INI file behind every Registry object: LEDGORA_CONFIG_DIR, else the user's configuration folder.
    static QString storePath();

    // Removes the temporary copies of the settings file left behind by a program stopped while
    // saving (registry.ini.XXXXXX of earlier versions, .registry.ini.*.part of this one), last
    // changed before `before`. Returns those that could not be removed.
    static QStringList RemoveLeftoverCopies(const QDateTime& before);

    bool OpenKey(const QString& key, bool canCreate);
    bool OpenKeyReadOnly(const QString& key);
    void CloseKey();
    bool CreateKey(const QString& key);
    bool KeyExists(const QString& key) const;
    bool DeleteKey(const QString& key);
    QString CurrentPath() const { return currentKey_; }

    bool ValueExists(const QString& name) const;
    bool DeleteValue(const QString& name);
    QStringList GetValueNames() const;
    QStringList GetKeyNames() const;

    // Reads of a missing value, or of one that is not of the type asked for, raise ERegistryException.
    QString ReadString(const QString& name) const;
    int ReadInteger(const QString& name) const;
    bool ReadBool(const QString& name) const;
    double ReadFloat(const QString& name) const;

    // Writes raise ERegistryException, naming the file and the reason, when the store cannot be
    // written; the file is then as it was.
    void WriteString(const QString& name, const QString& value);
    void WriteInteger(const QString& name, int value);
    void WriteBool(const QString& name, bool value);
    void WriteFloat(const QString& name, double value);

private:
    QString absoluteKey(const QString& key) const;
    QString valuePath(const QString& name) const;
    QString rawValue(const QString& name) const;
    void writeRaw(const QString& name, const QString& value);
    void refresh() const;
    void save(const SettingsValues& values);

    // What the file held when it was last read or written, and how it stood on the disk then.
    mutable SettingsValues values_;
    mutable QByteArray stamp_;
    mutable QString readError_;  // why the file could not be read; writes are refused meanwhile
    QString currentKey_;
    bool readOnly_ = false;
};

template <typename Work>
void CloseKeyAfter(Registry& registry, Work&& work)
{
    try {
        work();
    } catch (...) {
        try {
            registry.CloseKey();
        } catch (const std::exception&) {
        }
        throw;
    }
    registry.CloseKey();
}
