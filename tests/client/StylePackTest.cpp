#include "TestSupport.h"

#include "client/StylePack.h"
#include "platform/Exceptions.h"

#include <QDir>

namespace {

const QByteArray kSheet = QByteArrayLiteral("QWidget { background-color: #2c3a47; color: #e2edf3; }\n/* Vis\xc3\xa4 */\n");

class StylePackTest : public LedgoraTest {};

} // namespace

TEST_F(StylePackTest, PackedSheetInflatesToItsText)
{
    const QByteArray packed = PackStyleSheet(kSheet);
    EXPECT_TRUE(packed.startsWith("LQSZ\x01"));
    EXPECT_EQ(UnpackStyleSheet(packed, QStringLiteral("x")), QString::fromUtf8(kSheet));
    EXPECT_EQ(UnpackStyleSheet(PackStyleSheet(QByteArray()), QStringLiteral("x")), QString());
}

TEST_F(StylePackTest, DamagedFilesAreRefusedWithTheirName)
{
    const QByteArray packed = PackStyleSheet(kSheet.repeated(50));
    QByteArray flipped = packed;
    flipped[flipped.size() / 2] = static_cast<char>(flipped[flipped.size() / 2] ^ 0x55);
    QByteArray wrongVersion = packed;
    wrongVersion[4] = 2;
    const QByteArray cases[] = {QByteArray(), QByteArrayLiteral("QWidget {}"), packed.left(packed.size() - 6),
                                flipped, wrongVersion, packed + QByteArrayLiteral("tail")};
    for (const QByteArray& bad : cases) {
        try {
            UnpackStyleSheet(bad, QStringLiteral("Luna.qssz"));
            ADD_FAILURE() << "accepted a damaged file of " << bad.size() << " bytes";
        } catch (const EInOutError& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("Luna.qssz"))) << e.what();
        }
    }
}

TEST_F(StylePackTest, StylesAreListedAlphabeticallyIgnoringCase)
{
    const QString folder = tempPath(QStringLiteral("styles"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const char* name : {"Sky", "amakrits", "Cyan Dusk", "Windows"})
        WriteTestFile(folder + QChar('/') + QLatin1String(name) + QStringLiteral(".qssz"), PackStyleSheet(kSheet));
    WriteTestFile(folder + QStringLiteral("/readme.txt"), "not a style");
    EXPECT_EQ(AvailableStyles(folder), QStringList({QStringLiteral("amakrits"), QStringLiteral("Cyan Dusk"),
                                                    QStringLiteral("Sky"), QStringLiteral("Windows")}));
    EXPECT_EQ(LoadStyleSheet(folder, QStringLiteral("Sky")), QString::fromUtf8(kSheet));
    EXPECT_THROW(LoadStyleSheet(folder, QStringLiteral("Luna")), EInOutError);
}
