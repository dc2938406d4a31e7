#include "TestSupport.h"

#include "platform/ShellOpen.h"

#include <vector>

namespace {

struct AddressCase {
    const char* typed;
    const char* opened;   // null: nothing is opened
};

} // namespace

TEST(WebPageAddressTest, OnlyHttpAndHttpsAddressesAreWebPages)
{
    const AddressCase cases[] = {
        {"https://www.eftps.gov/eftps/", "https://www.eftps.gov/eftps/"},
        {"  http://www.state.nj.us/treasury  ", "http://www.state.nj.us/treasury"},
        {"www.state.nj.us/treasury", "https://www.state.nj.us/treasury"},
        {"WWW.TAX.NY.GOV", "https://WWW.TAX.NY.GOV"},
        {"HTTPS://tax.example.gov/pay", "HTTPS://tax.example.gov/pay"},
        {"file:///etc/passwd", nullptr},
        {"/usr/bin/xterm", nullptr},
        {"mailto:someone@example.com", nullptr},
        {"javascript:alert(1)", nullptr},
        {"ftp://ftp.example.gov/", nullptr},
        {"tax.example.gov", nullptr},
        {"https://", nullptr},
        {"", nullptr},
    };
    for (const AddressCase& c : cases) {
        const std::optional<QUrl> page = WebPageAddress(QString::fromLatin1(c.typed));
        if (!c.opened) {
            EXPECT_FALSE(page) << c.typed;
            continue;
        }
        ASSERT_TRUE(page) << c.typed;
        EXPECT_EQ(page->host().toLower(), QUrl(QString::fromLatin1(c.opened)).host().toLower()) << c.typed;
        EXPECT_EQ(page->path(), QUrl(QString::fromLatin1(c.opened)).path()) << c.typed;
        EXPECT_TRUE(page->scheme().compare(QUrl(QString::fromLatin1(c.opened)).scheme(), Qt::CaseInsensitive) == 0);
    }
}

TEST(WebPageAddressTest, OpenWebPageHandsOnlyWebPagesToTheDesktop)
{
    std::vector<QUrl> opened;
    const ShellOpenHook previous = SetShellOpenHook([&](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    EXPECT_TRUE(OpenWebPage(QStringLiteral("www.irs.gov")));
    EXPECT_FALSE(OpenWebPage(QStringLiteral("file:///home")));
    EXPECT_FALSE(OpenWebPage(QStringLiteral("   ")));
    SetShellOpenHook(previous);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://www.irs.gov")));
}
