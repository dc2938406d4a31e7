#include "FailingFileOperations.h"
#include "TestSupport.h"

#include "platform/Exceptions.h"
#include "platform/FileReplacement.h"
#include "platform/Registry.h"
#include "platform/SettingsText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace {

class FileReplacementTest : public LedgoraTest {
protected:
    QString target() const { return tempPath(QStringLiteral("Ledgora.W2S")); }
    QStringList temporaries() const
    {
        return QDir(tempPath(QString())).entryList({QStringLiteral(".*.part")}, QDir::Files | QDir::Hidden);
    }
};

QByteArray Pattern(qsizetype size, int seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 7 + seed);
    return bytes;
}

// Writes bytes in pieces of `piece`, as a download or a report arrives, and commits them.
QString WriteInPieces(const QString& path, const QByteArray& bytes, qsizetype piece)
{
    FileReplacement file(path);
    if (!file.open())
        return file.errorString();
    for (qsizetype at = 0; at < bytes.size(); at += piece)
        if (!file.write(bytes.constData() + at, std::min(piece, bytes.size() - at)))
            return file.errorString();
    return file.commit() ? QString() : file.errorString();
}

struct Shape {
    const char* name;
    qsizetype size;
    qsizetype piece;
};

// Under the 16 KiB buffer, the file reaches the disk only when the buffer is flushed; over it,
// whole pieces are written at once or gathered and flushed.
const Shape kShapes[] = {
    {"small file in one piece", 564, 564},
    {"small file in pieces", 3000, 700},
    {"large file in one piece", 40000, 40000},
    {"large file in pieces", 40000, 5000},
};

const FileOperation kSteps[] = {FileOperation::Write, FileOperation::Flush, FileOperation::Sync, FileOperation::Close,
                                FileOperation::Rename};

const char* NameOf(FileOperation step)
{
    switch (step) {
    case FileOperation::Write: return "write";
    case FileOperation::Flush: return "flush";
    case FileOperation::Sync: return "sync";
    case FileOperation::Close: return "close";
    case FileOperation::Rename: return "rename";
    default: return "other";
    }
}

} // namespace

TEST_F(FileReplacementTest, EachFailingStepLeavesTheOldFileByteForByteAndIsReported)
{
    const QByteArray old = Pattern(564, 1);
    for (const Shape& shape : kShapes) {
        const QByteArray next = Pattern(shape.size, 2);
        for (const bool replacing : {true, false}) {
            for (const FileOperation step : kSteps) {
                SCOPED_TRACE(std::string(shape.name) + (replacing ? ", replacing, " : ", new file, ") + NameOf(step));
                QFile::remove(target());
                if (replacing)
                    WriteTestFile(target(), old);
                int calls = 0;
                {
                    FailingFileOperations counting({step}, 0);
                    ASSERT_EQ(WriteInPieces(target(), next, shape.piece), QString());
                    calls = counting.calls();
                }
                const bool flushes = shape.size < 16384 || shape.piece < 16384;
                EXPECT_GE(calls, step == FileOperation::Flush && !flushes ? 0 : 1);
                for (int n = 1; n <= calls; ++n) {
                    SCOPED_TRACE(n);
                    QFile::remove(target());
                    if (replacing)
                        WriteTestFile(target(), old);
                    FailingFileOperations failing({step}, n);
                    EXPECT_EQ(WriteInPieces(target(), next, shape.piece), QStringLiteral("No space left on device"));
                    if (replacing)
                        EXPECT_EQ(ReadTestFile(target()), old);
                    else
                        EXPECT_FALSE(QFileInfo::exists(target()));
                    EXPECT_EQ(temporaries(), QStringList());
                }
            }
        }
    }
}

TEST_F(FileReplacementTest, WrittenFileStandsWithTheReplacedFilesPermissions)
{
    WriteTestFile(target(), "old");
    ASSERT_EQ(::chmod(QFile::encodeName(target()).constData(), 0440), 0);
    EXPECT_EQ(ReplaceWholeFile(target(), "new"), QString());
    EXPECT_EQ(ReadTestFile(target()), QByteArray("new"));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(target()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0440u);
    EXPECT_EQ(ReplaceWholeFile(target(), QByteArray()), QString());
    EXPECT_EQ(ReadTestFile(target()), QByteArray());
    EXPECT_EQ(temporaries(), QStringList());
}

TEST_F(FileReplacementTest, FileThatDoesNotReadBackAsWrittenReplacesNothing)
{
    WriteTestFile(target(), "old");
    // The medium loses the end of the file while the system reports every step done.
    const FileOperationFault previous = SetFileOperationFault([](FileOperation operation, const QString& path) {
        if (operation == FileOperation::Close)
            QFile::resize(path, 10);
        return 0;
    });
    EXPECT_EQ(ReplaceWholeFile(target(), Pattern(5000, 3)),
              QStringLiteral("the file reads back 10 of the 5000 bytes written, or other bytes"));
    SetFileOperationFault(previous);
    EXPECT_EQ(ReadTestFile(target()), QByteArray("old"));
    EXPECT_EQ(temporaries(), QStringList());
}

TEST_F(FileReplacementTest, FolderInTheFilesPlaceIsRefusedAndKept)
{
    ASSERT_TRUE(QDir().mkpath(target()));
    EXPECT_EQ(ReplaceWholeFile(target(), "new"), QStringLiteral("Is a directory"));
    EXPECT_TRUE(QFileInfo(target()).isDir());
    EXPECT_EQ(ReplaceWholeFile(tempPath(QStringLiteral("gone/Ledgora.W2S")), "new"),
              QStringLiteral("No such file or directory"));
}

TEST_F(FileReplacementTest, LeftoverTemporariesOlderThanTheStartAreRemoved)
{
    const QString folder = tempPath(QStringLiteral("Data/"));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral(".transfer-Ab12Cd")));
    WriteTestFile(folder + QStringLiteral(".transfer-Ab12Cd/ACME.P26"), "staged");
    WriteTestFile(folder + QStringLiteral(".ACME.C26.k3x9.part"), "left by a failed clean-up");
    WriteTestFile(folder + QStringLiteral("ACME.C26"), "client");
    WriteTestFile(folder + QStringLiteral("report.part"), "not hidden: the user's own");
    EXPECT_EQ(RemoveLeftoverTemporaries(folder, QDateTime::currentDateTime().addSecs(-60)), QStringList());
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral(".ACME.C26.k3x9.part")));  // a copy at work now

    EXPECT_EQ(RemoveLeftoverTemporaries(folder, QDateTime::currentDateTime().addSecs(60)), QStringList());
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({QStringLiteral("ACME.C26"), QStringLiteral("report.part")}));
}

// The settings file is written by the same writer: a failure at any step leaves the settings
// there before byte for byte, is reported naming the file and the reason, and a later write
// succeeds. Under 16 KiB the file reaches the disk only when the buffer is flushed; over it, the
// writer writes it in one piece.
TEST_F(FileReplacementTest, EachFailingStepLeavesTheSettingsFileByteForByteAndIsReported)
{
    const QString store = Registry::storePath();
    const QString key = QStringLiteral("Software\\Ledgora\\2026\\RecentFiles");
    for (const int entries : {3, 400}) {
        SettingsValues settings;
        for (int n = 0; n < entries; ++n)
            settings.insert(QStringLiteral("Software/Ledgora/2026/RecentFiles/.values/File%1").arg(n),
                            QStringLiteral("/home/user/Documents/Clients/%1.P26").arg(n));
        const QByteArray old = SettingsText(settings);
        ASSERT_EQ(old.size() > 16384, entries > 3);
        for (const FileOperation step : kSteps) {
            SCOPED_TRACE(testing::Message() << entries << " entries, " << NameOf(step));
            WriteTestFile(store, old);
            const auto writeOne = [&key] {
                Registry registry;
                ASSERT_TRUE(registry.OpenKey(key, false));
                registry.WriteString(QStringLiteral("File0"), QStringLiteral("/media/stick/ACME.P26"));
            };
            int calls = 0;
            {
                FailingFileOperations counting({step}, 0);
                writeOne();
                calls = counting.calls();
            }
            EXPECT_GE(calls, step == FileOperation::Flush && entries > 3 ? 0 : 1);
            const QByteArray written = ReadTestFile(store);
            for (int n = 1; n <= calls; ++n) {
                SCOPED_TRACE(n);
                WriteTestFile(store, old);
                {
                    FailingFileOperations failing({step}, n);
                    try {
                        writeOne();
                        ADD_FAILURE() << "the settings were taken as written";
                    } catch (const ERegistryException& e) {
                        EXPECT_EQ(e.message(), QStringLiteral("The settings file %1 could not be written: No space left on "
                                                              "device.").arg(store));
                    }
                }
                EXPECT_EQ(ReadTestFile(store), old);
                EXPECT_EQ(QDir(configDir()).entryList(QDir::Files | QDir::Hidden), QStringList({QStringLiteral("registry.ini")}));
                writeOne();
                EXPECT_EQ(ReadTestFile(store), written);
            }
        }
    }
}
