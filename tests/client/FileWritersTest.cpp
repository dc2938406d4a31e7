#include "FailingFileOperations.h"
#include "TestSupport.h"

#include "client/EFW2SettingsFiles.h"
#include "client/EFW2SubmitterRecord.h"
#include "client/RecordFileAccess.h"
#include "components/RememberedList.h"
#include "platform/Exceptions.h"
#include "platform/report/ReportFiles.h"

#include <QDir>

#include <cstring>
#include <functional>

namespace {

// Each of the program's writers of a whole file, with the new contents it is given.
struct Writer {
    const char* name;
    const char* file;
    std::function<void(const QString&)> write;
};

EFW2SubmitterRecord Submitter()
{
    EFW2SubmitterRecord record;
    std::memset(&record, 0, sizeof record);
    record.TotalRecords = 3;
    return record;
}

const Writer kWriters[] = {
    {"settings file", "Ledgora.W2S", [](const QString& path) { SaveSubmitterFile(path, Submitter()); }},
    {"record file", "LEDGORA.FTT", [](const QString& path) { ReplaceFileContents(path, QByteArray(20000, 'n')); }},
    {"entry list", "ACME.Dep",
     [](const QString& path) { SaveEntryList(path, {QStringLiteral("Shop"), QStringLiteral("Office")}); }},
    {"export", "report.html", [](const QString& path) { WriteWholeFile(path, QByteArray(300, 'h')); }},
};

using FileWritersTest = LedgoraTest;

} // namespace

TEST_F(FileWritersTest, EveryWriterReportsAFullDiskAtEachStepAndKeepsTheOldFile)
{
    const QByteArray old = QByteArray(564, 'o');
    for (const Writer& writer : kWriters) {
        const QString path = tempPath(QString::fromLatin1(writer.file));
        for (const FileOperation step : {FileOperation::Write, FileOperation::Flush, FileOperation::Sync,
                                         FileOperation::Close, FileOperation::Rename}) {
            for (int n = 1;; ++n) {
                SCOPED_TRACE(std::string(writer.name) + " step " + std::to_string(static_cast<int>(step)) + " call "
                             + std::to_string(n));
                WriteTestFile(path, old);
                FailingFileOperations failing({step}, n);
                try {
                    writer.write(path);
                } catch (const EInOutError& e) {
                    EXPECT_TRUE(e.message().contains(path)) << e.message().toStdString();
                    EXPECT_TRUE(e.message().contains(QStringLiteral("No space left on device")))
                        << e.message().toStdString();
                    EXPECT_EQ(ReadTestFile(path), old);
                    continue;
                }
                EXPECT_EQ(failing.calls(), n - 1) << "a failed step was taken as success";
                EXPECT_NE(ReadTestFile(path), old);
                break;
            }
        }
        EXPECT_EQ(QDir(tempPath(QString())).entryList({QStringLiteral(".*.part")}, QDir::Files | QDir::Hidden),
                  QStringList());
    }
}
