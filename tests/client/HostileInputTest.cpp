#include "LoopbackHttpServer.h"
#include "PriorYearFiles.h"
#include "TestSupport.h"

#include "client/EFW2SettingsFiles.h"
#include "client/EmployeeRecord.h"
#include "client/PriorYearRecords.h"
#include "client/PriorYearTransfer.h"
#include "client/WebUpdate.h"
#include "components/RecordSet.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/FileReading.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <functional>
#include <sys/stat.h>

using namespace prior_year_bytes;

namespace {

const char* const kNewer = "[Ledgora2026]\nVersion=2026.01\n";

// Files and answers that no program of ours would produce, each of which must be refused with a
// message naming the file or the address, leaving nothing written.
class HostileInputTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        priorDir = tempPath(QStringLiteral("2025/"));
        dataDir = tempPath(QStringLiteral("Data/"));
        ASSERT_TRUE(QDir().mkpath(priorDir));
        ASSERT_TRUE(QDir().mkpath(dataDir));
        qputenv("LEDGORA_UPDATE_HOST", server.base().toLatin1());
        // Short enough for a test, long enough for a loaded machine to serve a small file.
        previousDeadlines_ = SetUpdateDeadlines({3000, 3000, 3000});
    }

    void TearDown() override
    {
        SetUpdateDeadlines(previousDeadlines_);
        qunsetenv("LEDGORA_UPDATE_HOST");
        LedgoraTest::TearDown();
    }

    void makeFifo(const QString& path) { ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0) << path.toStdString(); }

    // A file of that size holding only zeros, without taking the room on the disk.
    void makeSparse(const QString& path, qint64 size)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(size));
    }

    QString transferMessage()
    {
        PriorYearClientName = QStringLiteral("Acme.C25");
        try {
            TransferData(priorDir, dataDir, true);
        } catch (const ETransferException& e) {
            return e.message();
        }
        return {};
    }

    QString loadMessage(const std::function<void()>& load)
    {
        try {
            load();
        } catch (const Exception& e) {
            return e.message();
        }
        return {};
    }

    QString openClientMessage(const QString& path)
    {
        TRecordSet set;
        set.SetRecSize(sizeof(EmployeeRecord));
        set.SetMaxRec(kMaxEmployees);
        set.SetFileName(path);
        messages.expect(IdOk, path);
        set.OpenRecSet();
        return set.Active() ? QString() : messages.last().text;
    }

    QString updateMessage(bool installer)
    {
        try {
            if (!IsUpdateAvailable())
                return {};
            if (installer)
                DownloadUpdate();
        } catch (const EDownloadException& e) {
            return e.message();
        }
        return {};
    }

    QByteArray submitterWithTotal(qint32 total)
    {
        QByteArray bytes(564, '\0');
        qToLittleEndian(total, bytes.data() + 556);
        return bytes;
    }

    QByteArray stateFileWithTotal(qint32 total)
    {
        QByteArray bytes(16, '\0');
        qToLittleEndian(total, bytes.data() + 4);
        return bytes;
    }

    static void removeAllBut(const QString& folder, const QStringList& kept)
    {
        for (const QString& name : entries(folder)) {
            const QString path = folder + QChar('/') + name;
            if (kept.contains(name))
                continue;
            if (QFileInfo(path).isDir())
                QDir(path).removeRecursively();
            else
                QFile::remove(path);
        }
    }

    // Every entry of a folder, hidden ones too.
    static QStringList entries(const QString& folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    LoopbackHttpServer server;
    QString priorDir;
    QString dataDir;

private:
    UpdateDeadlines previousDeadlines_;
};

TEST_F(HostileInputTest, EachIsRefusedNamingItAndNothingIsWritten)
{
    const QString company25 = priorDir + QStringLiteral("Acme.C25");
    const QString employees25 = priorDir + QStringLiteral("Acme.P25");
    const QString submitter = programDir() + QStringLiteral("/Ledgora.W2S");
    const QString stateFile = programDir() + QStringLiteral("/Ledgora.NJS");
    const QString client = dataDir + QStringLiteral("ACME.P26");
    const QString description = server.base() + QStringLiteral("/public/update.txt");
    const QString installer = server.base() + QStringLiteral("/public/LEDGORA26.EXE");
    const QString elsewhere = QStringLiteral("http://update.example.invalid/public/LEDGORA26.EXE");
    const QByteArray whole(100040, 'i');

    struct Case {
        const char* what;
        std::function<void()> arrange;
        std::function<QString()> attempt;
        QString named;  // the file or address the message must name
    };
    const auto transfer = [&] { return transferMessage(); };
    const auto withCompany = [&](const std::function<void()>& employees) {
        return [&, employees] {
            WriteTestFile(company25, company("Acme"));
            employees();
        };
    };
    const auto fetchDescription = [&] { return updateMessage(false); };
    const auto fetchInstaller = [&] { return updateMessage(true); };
    const auto describe = [&](const QByteArray& text) { server.serve(QStringLiteral("/public/update.txt"), text); };
    const std::vector<Case> cases = {
        {"last year's employee file is a pipe", withCompany([&] { makeFifo(employees25); }), transfer, employees25},
        {"last year's company file is a pipe", [&] { makeFifo(company25); }, transfer, company25},
        {"last year's employee file is a folder", withCompany([&] { QDir().mkpath(employees25); }), transfer, employees25},
        {"last year's employee file holds more than 250 employees",
         withCompany([&] { makeSparse(employees25, 2LL * 1024 * 1024 * 1024); }), transfer, employees25},
        {"last year's company file holds more than one record",
         [&] {
             WriteTestFile(company25, company("Acme") + company("Other"));
             WriteTestFile(employees25, employee(1, "Diaz"));
         },
         transfer, company25},
        {"the submitter file is a pipe", [&] { makeFifo(submitter); },
         [&] { return loadMessage([&] { EFW2SubmitterRecord r; LoadSubmitterFile(submitter, r); }); }, submitter},
        {"the submitter file's total overflows",
         [&] { WriteTestFile(submitter, submitterWithTotal(2147483647)); },
         [&] { return loadMessage([&] { EFW2SubmitterRecord r; LoadSubmitterFile(submitter, r); }); }, submitter},
        {"the submitter file's total has ten digits",
         [&] { WriteTestFile(submitter, submitterWithTotal(1000000000)); },
         [&] { return loadMessage([&] { EFW2SubmitterRecord r; LoadSubmitterFile(submitter, r); }); }, submitter},
        {"the submitter file's total is negative",
         [&] { WriteTestFile(submitter, submitterWithTotal(-5)); },
         [&] { return loadMessage([&] { EFW2SubmitterRecord r; LoadSubmitterForNewJersey(submitter, r); }); }, submitter},
        {"the New Jersey file's total overflows",
         [&] { WriteTestFile(stateFile, stateFileWithTotal(2147483647)); },
         [&] { return loadMessage([&] { NJStateFileRecord r; LoadNJStateFile(stateFile, r); }); }, stateFile},
        {"the New Jersey file is a folder", [&] { QDir().mkpath(stateFile); },
         [&] { return loadMessage([&] { NJStateFileRecord r; LoadNJStateFile(stateFile, r); }); }, stateFile},
        {"a client file is a pipe", [&] { makeFifo(client); }, [&] { return openClientMessage(client); }, client},
        {"a client file is a folder", [&] { QDir().mkpath(client); }, [&] { return openClientMessage(client); }, client},
        {"a client file holds more than 250 employees",
         [&] { makeSparse(client, (kMaxEmployees + 1) * qint64(sizeof(EmployeeRecord))); },
         [&] { return openClientMessage(client); }, client},
        {"the version file is larger than 64 KiB",
         [&] { describe(QByteArray(kDescriptionMaxBytes + 1, ';')); }, fetchDescription, description},
        {"the version file never ends",
         [&] { server.serveEndless(QStringLiteral("/public/update.txt"), QByteArray(4096, ';'), 0); }, fetchDescription,
         description},
        {"the version file comes a byte at a time",
         [&] {
             SetUpdateDeadlines({300, 3000, 3000});
             server.serveEndless(QStringLiteral("/public/update.txt"), ";", 20);
         },
         fetchDescription, description},
        {"the installer is cut short",
         [&] {
             describe(kNewer);
             server.serve(QStringLiteral("/public/LEDGORA26.EXE"), whole.left(50020), whole.size());
         },
         fetchInstaller, installer},
        {"the installer comes without a length",
         [&] {
             describe(kNewer);
             server.serveWithoutLength(QStringLiteral("/public/LEDGORA26.EXE"), whole.left(50020));
         },
         fetchInstaller, installer},
        {"the installer is empty",
         [&] {
             describe(kNewer);
             server.serve(QStringLiteral("/public/LEDGORA26.EXE"), QByteArray());
         },
         fetchInstaller, installer},
        {"the installer is larger than the description says",
         [&] {
             describe(QByteArray(kNewer) + "Size=100039\n");
             server.serve(QStringLiteral("/public/LEDGORA26.EXE"), whole);
         },
         fetchInstaller, installer},
        {"the installer does not match its checksum",
         [&] {
             describe(QByteArray(kNewer) + "Size=100040\nSHA256="
                      + QCryptographicHash::hash("other", QCryptographicHash::Sha256).toHex() + "\n");
             server.serveWithoutLength(QStringLiteral("/public/LEDGORA26.EXE"), whole);
         },
         fetchInstaller, installer},
        {"the description gives an impossible size",
         [&] {
             describe(QByteArray(kNewer) + "Size=-1\n");
             server.serve(QStringLiteral("/public/LEDGORA26.EXE"), whole);
         },
         fetchInstaller, QStringLiteral("update.ini")},
        {"the installer is sent on to another host over http",
         [&] {
             describe(kNewer);
             server.redirect(QStringLiteral("/public/LEDGORA26.EXE"), elsewhere);
         },
         fetchInstaller, elsewhere},
    };

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUpdateDeadlines({3000, 3000, 3000});
        const QStringList programBefore = entries(programDir());
        c.arrange();
        const QStringList arranged = entries(programDir());
        const QString message = c.attempt();

        EXPECT_FALSE(message.isEmpty());
        EXPECT_TRUE(message.contains(c.named)) << message.toStdString();
        EXPECT_TRUE(entries(dataDir).isEmpty() || entries(dataDir) == QStringList{QStringLiteral("ACME.P26")})
            << entries(dataDir).join(QChar(' ')).toStdString();
        EXPECT_EQ(entries(programDir()), arranged);
        EXPECT_FALSE(QFileInfo::exists(UpdateInstallerFile()));
        const QStringList cached = entries(QFileInfo(UpdateDescriptionFile()).path());
        EXPECT_TRUE(cached.isEmpty() || cached == QStringList{QStringLiteral("update.ini")})
            << cached.join(QChar(' ')).toStdString();

        // Each case starts from the folders as they were.
        for (const QString& folder : {priorDir, dataDir, QFileInfo(UpdateDescriptionFile()).path()})
            removeAllBut(folder, {});
        removeAllBut(programDir(), programBefore);
    }
}

// A server that sends the transfer round in a circle is named, and the message says what it did.
TEST_F(HostileInputTest, RedirectLoopIsReportedAsSuch)
{
    const QString installer = server.base() + QStringLiteral("/public/LEDGORA26.EXE");
    SetUpdateDeadlines({3000, 3000, 3000});
    server.serve(QStringLiteral("/public/update.txt"), kNewer);
    server.redirect(QStringLiteral("/public/LEDGORA26.EXE"), installer);
    const QString message = updateMessage(true);
    EXPECT_TRUE(message.contains(installer)) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("the server redirected the transfer too often.")))
        << message.toStdString();
    EXPECT_FALSE(QFileInfo::exists(UpdateInstallerFile()));
}

TEST_F(HostileInputTest, ZeroRecordsAreNoEmployees)
{
    WriteTestFile(priorDir + QStringLiteral("Acme.C25"), company("Acme"));
    const QByteArray zeros(kEmployeeSize, '\0');
    WriteTestFile(priorDir + QStringLiteral("Acme.P25"), zeros + employee(7, "Diaz") + zeros + zeros);
    PriorYearClientName = QStringLiteral("Acme.C25");
    EXPECT_EQ(TransferData(priorDir, dataDir, true).outcome, ClientTransfer::Transferred);
    EXPECT_EQ(ReadTestFile(dataDir + QStringLiteral("Acme.P26")).size(), qsizetype(sizeof(EmployeeRecord)));

    WriteTestFile(priorDir + QStringLiteral("Blank.C25"), company("Blank"));
    WriteTestFile(priorDir + QStringLiteral("Blank.P25"), zeros + zeros);
    PriorYearClientName = QStringLiteral("Blank.C25");
    EXPECT_EQ(TransferData(priorDir, dataDir, true).outcome, ClientTransfer::NoEmployees);
    EXPECT_FALSE(QFileInfo::exists(dataDir + QStringLiteral("Blank.P26")));
}

TEST_F(HostileInputTest, TotalsUpToNineDigitsAreKeptAndNoneIsRaisedPastThem)
{
    const QString submitter = programDir() + QStringLiteral("/Ledgora.W2S");
    WriteTestFile(submitter, submitterWithTotal(kMaxRecordTotal));
    EFW2SubmitterRecord record {};
    LoadSubmitterFile(submitter, record);
    EXPECT_EQ(record.TotalRecords, kMaxRecordTotal);

    EXPECT_EQ(RaisedRecordTotal(kMaxRecordTotal - 3, 3, submitter), kMaxRecordTotal);
    try {
        RaisedRecordTotal(kMaxRecordTotal - 3, 4, submitter);
        ADD_FAILURE() << "a total past nine digits was taken";
    } catch (const EFieldException& e) {
        EXPECT_TRUE(e.message().contains(submitter)) << e.message().toStdString();
    }
}

TEST_F(HostileInputTest, CountsOutsideTheirRangeAreDamage)
{
    EXPECT_EQ(CheckedCount(0, 9, QStringLiteral("f"), QStringLiteral("count")), 0);
    EXPECT_EQ(CheckedCount(9, 9, QStringLiteral("f"), QStringLiteral("count")), 9);
    for (const qint64 count : {-1LL, 10LL, 2147483647LL}) {
        try {
            CheckedCount(count, 9, QStringLiteral("/data/f.bin"), QStringLiteral("count"));
            ADD_FAILURE() << count;
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("/data/f.bin is damaged: its count (%1) lies outside 0 to 9.").arg(count));
        }
    }
}

} // namespace
