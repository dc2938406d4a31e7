#include "ReportFixture.h"

#include "tests/payroll/PostingFixture.h"

namespace {

class EmployeeRosterTest : public ReportTestBase<PostingTest> {
protected:
    void addRosterEmployee(const QString& last, char16_t gender)
    {
        addEmployee(last, QStringLiteral("Pat"));
        EmployeeRecord& e = EmployeeRec;
        e.Gender = gender;
        e.SocSecNum = QStringLiteral("123-45-6789");
        e.DateOfBirth = QStringLiteral("  /  /    ");
        e.DateHired = QStringLiteral("03/15/2020");
        e.DateResigned = QString();
        e.FedWithAllow = 3;
        e.StWithAllow = 12;
        e.VactAccrued = 1234.5;
        e.FUTAExempt = true;
        module->RSEmployee.PostRec();
    }
};

} // namespace

TEST_F(EmployeeRosterTest, EveryEmployeeGetsAPageWithEverythingItsSetupHolds)
{
    CompanyRec.Name = QStringLiteral("Acme Tools");
    CompanyRec.TradeName = QString();
    module->RSCompany.PostRec();
    addRosterEmployee(QStringLiteral("Able"), u'M');
    addRosterEmployee(QStringLiteral("Baker"), u'F');
    addRosterEmployee(QStringLiteral("Carter"), u' ');
    readEmployee(2);

    const auto document = runReport(0, [](TFrmReports& window) { window.ReportDate->setText(QStringLiteral("03/31/2026")); });
    ASSERT_TRUE(document);
    ASSERT_EQ(document->PageCount(), 3);
    const char16_t* genders[] = {u"Male", u"Female", u"N/A"};
    for (int page = 0; page < 3; ++page) {
        const QStringList texts = PageTexts(*document, page);
        EXPECT_TRUE(texts.contains(QStringLiteral("Page %1 of 3").arg(page + 1))) << page;
        EXPECT_TRUE(texts.contains(QStringLiteral("Acme Tools"))) << "no blank after a name without trade name";
        EXPECT_TRUE(texts.contains(QStringLiteral("As of March 31, 2026")));
        EXPECT_TRUE(texts.contains(QString::fromUtf16(genders[page]))) << page;
        EXPECT_TRUE(texts.contains(QStringLiteral("123-45-6789")));
        EXPECT_TRUE(texts.contains(QStringLiteral("03/15/2020")));
        EXPECT_EQ(texts.count(QStringLiteral("N/A")), page == 2 ? 14 : 13) << texts.join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(texts.contains(QStringLiteral("Vacation hours/days accrued:")));
        EXPECT_TRUE(texts.contains(QStringLiteral("1,234.500000")));
        EXPECT_TRUE(texts.contains(QStringLiteral("03")));
        EXPECT_TRUE(texts.contains(QStringLiteral("12")));
        EXPECT_TRUE(texts.contains(QStringLiteral("Other Rate of Pay:")));
    }
    EXPECT_EQ(OverlappingTexts(*document), QStringList());
    EXPECT_TRUE(OpsOffPage(*document).isEmpty());
    EXPECT_EQ(QString(EmployeeRec.LastName), QStringLiteral("Baker"));

    const QString text = pdfText();
    renderPage(1, QStringLiteral("roster"));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 3 of 3")));
    EXPECT_TRUE(text.contains(QStringLiteral("Federal unemployment tax exempt?:")));
}
