#include "SampleReport.h"
#include "TestSupport.h"

#include "platform/report/ReportErrors.h"
#include "platform/report/ReportSnapshot.h"

#include <QRandomGenerator>
#include <QtEndian>

namespace {

class SnapshotTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        ReportCanvas canvas(document);
        DrawSampleReport(canvas);
        QImage logo(12, 8, QImage::Format_ARGB32);
        logo.fill(QColor(10, 200, 30));
        logo.setPixel(3, 4, qRgba(255, 0, 0, 128));
        canvas.PrintImageRect(6.0, 0.5, 7.5, 1.5, logo);
        canvas.SetOrientation(PageOrientation::Landscape);
        canvas.NewPage();
        canvas.SetFont(QStringLiteral("Arial"), 8);
        canvas.SetItalic(true);
        canvas.SetUnderline(true);
        canvas.SetFontColor(Qt::blue);
        canvas.PrintXY(1, 1, QStringLiteral("Ünïcode — “quoted” text"));
        document.job = PrintJobSettings{QStringLiteral("Payroll Check Report"), QStringLiteral("Office Laser"),
                                        QStringLiteral("Letter"), QStringLiteral("Tray 2"), 3, true, 2};
    }

    // Expects reading the bytes to fail with a message holding part.
    static void expectRefused(const QByteArray& bytes, const QString& part)
    {
        try {
            DocumentFromSnapshot(bytes, QStringLiteral("/home/user/Payroll.ndr"));
            ADD_FAILURE() << "the snapshot was accepted";
        } catch (const EReportException& error) {
            EXPECT_TRUE(error.message().contains(part)) << error.message().toStdString();
            EXPECT_TRUE(error.message().contains(QStringLiteral("\"Payroll.ndr\""))) << error.message().toStdString();
        }
    }

    ReportDocument document;
};

TEST_F(SnapshotTest, SavedSnapshotOpensIntoTheSamePages)
{
    const QString file = tempPath(QStringLiteral("report.ndr"));
    SaveSnapshot(document, file);
    const ReportDocument loaded = LoadSnapshot(file);
    ASSERT_EQ(loaded.PageCount(), 3);
    EXPECT_EQ(loaded.pages[2].width, 11.0);
    EXPECT_EQ(loaded.job, document.job);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(loaded.pages[static_cast<size_t>(i)], document.pages[static_cast<size_t>(i)]) << "page " << i + 1;
    EXPECT_EQ(loaded, document);
    EXPECT_TRUE(std::any_of(loaded.pages[0].ops.begin(), loaded.pages[0].ops.end(),
                            [](const DrawOp& op) { return op.previewOnly; }));
}

TEST_F(SnapshotTest, EmptyDocumentRoundTrips)
{
    const ReportDocument empty;
    EXPECT_EQ(DocumentFromSnapshot(SnapshotBytes(empty), QStringLiteral("empty.ndr")), empty);
}

TEST_F(SnapshotTest, ForeignFilesAreRefused)
{
    expectRefused(QByteArray(), QStringLiteral("is not a Ledgora report snapshot"));
    expectRefused(QByteArray("%PDF-1.4\n"), QStringLiteral("is not a Ledgora report snapshot"));
    QByteArray random(4096, Qt::Uninitialized);
    QRandomGenerator generator(2026);
    for (char& c : random)
        c = static_cast<char>(generator.bounded(256));
    expectRefused(random, QStringLiteral("is not a Ledgora report snapshot"));
}

TEST_F(SnapshotTest, DamagedSnapshotsAreRefused)
{
    const QByteArray good = SnapshotBytes(document);
    // Cut at the header, inside the compressed stream and one byte short of the end.
    for (const qsizetype length : {qsizetype(12), qsizetype(30), good.size() / 2, good.size() - 1})
        expectRefused(good.left(length), QStringLiteral("is damaged"));

    QByteArray flipped = good;
    flipped[flipped.size() - 20] = static_cast<char>(flipped[flipped.size() - 20] ^ 0x5A);
    expectRefused(flipped, QStringLiteral("is damaged"));

    QByteArray wrongCount = good;
    qToLittleEndian<quint32>(7, wrongCount.data() + 12);
    expectRefused(wrongCount, QStringLiteral("is damaged"));

    QByteArray wrongCrc = good;
    wrongCrc[20] = static_cast<char>(wrongCrc[20] ^ 1);
    expectRefused(wrongCrc, QStringLiteral("is damaged"));

    expectRefused(good + QByteArray("trailing"), QStringLiteral("is damaged"));
}

TEST_F(SnapshotTest, SnapshotOfANewerFormatIsRefused)
{
    QByteArray newer = SnapshotBytes(document);
    qToLittleEndian<quint16>(SnapshotVersion + 1, newer.data() + 8);
    expectRefused(newer, QStringLiteral("newer version of Ledgora"));
}

TEST_F(SnapshotTest, MissingFileNamesTheFile)
{
    const QString missing = tempPath(QStringLiteral("gone.ndr"));
    try {
        LoadSnapshot(missing);
        ADD_FAILURE() << "a missing file was read";
    } catch (const EInOutError& error) {
        EXPECT_TRUE(error.message().contains(missing)) << error.message().toStdString();
    }
}

TEST_F(SnapshotTest, FailedSaveLeavesTheOldFileWhole)
{
    const QString file = tempPath(QStringLiteral("kept.ndr"));
    SaveSnapshot(document, file);
    const QByteArray before = ReadTestFile(file);
    EXPECT_THROW(SaveSnapshot(document, tempPath(QStringLiteral("no/such/folder/x.ndr"))), EInOutError);
    EXPECT_EQ(ReadTestFile(file), before);
}

} // namespace
