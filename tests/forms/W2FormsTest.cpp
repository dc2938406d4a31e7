#include "W2Fixture.h"

#include "forms/W2Forms.h"
#include "forms/W2Printing.h"

#include <map>

namespace {

class W2FormsTest : public W2Test {
protected:
    // The parameters of one form as a map by name.
    static std::map<QString, QString> Params(W2Copy copy, int form = 0, bool maskSSN = false)
    {
        std::map<QString, QString> params;
        const FormParams all = W2FormParams(EmployeeRec, CompanyRec, CompanyCityStateZip, copy, form, maskSSN);
        for (const auto& [name, value] : all.Values()) {
            EXPECT_EQ(params.count(name), 0u) << name.toStdString();
            params[name] = value;
        }
        return params;
    }

    static void setBox12(int entry, const char* code, double amount)
    {
        EmployeeRec.FW2Box12Code[entry] = QString::fromLatin1(code);
        EmployeeRec.FW2Box12Amt[entry] = amount;
    }

    // The box 12 pairs a form prints, "code amount" each, blank places included.
    static QStringList Box12(W2Copy copy, int form)
    {
        const std::map<QString, QString> params = Params(copy, form);
        QStringList pairs;
        for (const char* letter : {"a", "b", "c", "d"}) {
            const QString base = QStringLiteral("Box12") + QLatin1String(letter);
            pairs << (params.at(base + QLatin1Char('1')) + QLatin1Char(' ') + params.at(base + QLatin1Char('2'))).trimmed();
        }
        return pairs;
    }
};

TEST_F(W2FormsTest, WhoGetsAW2)
{
    const struct {
        double box1, ssEarnings, tips, box5;
        const char* code12;
        bool getsOne;
    } cases[] = {
        {0, 1200, 0, 1200, "", true},        // pay deferred wholly into a 401(k)
        {0, 0, 0, 0, "ii", true},            // Medicaid waiver payments only
        {-50, 0, 0, 0, "", false},
        {0.004, 0, 0, 0.004, "", false},     // nothing at cents
        {0, 300, 300, 0, "", false},         // box 3 is the earnings less the tips
        {0, 0, 0, 0.01, "", true},
        {0, 0, 0, 0, "DD", false},
        {25, 0, 0, 0, "", true},
    };
    addW2Employee(QStringLiteral("Case"), QStringLiteral("Pat"), 0);
    for (const auto& c : cases) {
        EmployeeRecord& e = EmployeeRec;
        e.FedEarnings[kYearToDateColumn] = c.box1;
        e.FICAEarnings[kYearToDateColumn] = c.ssEarnings;
        e.Tips[kYearToDateColumn] = c.tips;
        e.MedEarnings[kYearToDateColumn] = c.box5;
        e.FW2Box12Code[12] = QString::fromLatin1(c.code12);
        EXPECT_EQ(EmployeeGetsW2(e), c.getsOne) << c.box1 << " " << c.ssEarnings << " " << c.box5 << " " << c.code12;
    }
}

TEST_F(W2FormsTest, AW2OwedForCodeIIAloneShowsZeroInBox1)
{
    addW2Employee(QStringLiteral("Waiver"), QStringLiteral("Pat"), 0);
    setBox12(12, "ii", 0);
    EXPECT_EQ(Params(W2Copy::Employee).at(QStringLiteral("Box1")), QStringLiteral("0.00"));
    EXPECT_EQ(Params(W2Copy::Employee).at(QStringLiteral("Box2")), QString());
}

TEST_F(W2FormsTest, Box12EntriesPrintFourToAFormInEntryOrder)
{
    addW2Employee(QStringLiteral("Many"), QStringLiteral("Pat"), 50000);
    setBox12(1, "D", 2000);
    setBox12(2, "C", 120);
    setBox12(3, "TP", 800);
    setBox12(4, "TT", 450);
    setBox12(6, "DD", 3000);
    setBox12(7, "W", 1000);
    setBox12(8, "AA", 0.004);   // nothing at cents: not printed
    module->RSEmployee.PostRec();

    EXPECT_EQ(W2FormsOfEmployee(EmployeeRec), 2);
    EXPECT_EQ(Box12(W2Copy::Employee, 0),
              QStringList({QStringLiteral("D 2,000.00"), QStringLiteral("C 120.00"), QStringLiteral("TP 800.00"),
                           QStringLiteral("TT 450.00")}));
    EXPECT_EQ(Box12(W2Copy::Employee, 1), QStringList({QStringLiteral("DD 3,000.00"), QStringLiteral("W 1,000.00"), QString(), QString()}));
    EXPECT_EQ(GetNumToPrint(), 2);

    // The further form holds boxes a to f and its box 12 entries, nothing else.
    const std::map<QString, QString> second = Params(W2Copy::Employee, 1);
    const QStringList kept = {QStringLiteral("Boxa"), QStringLiteral("Boxb"), QStringLiteral("Boxc1"), QStringLiteral("Boxc2"),
                              QStringLiteral("Boxc3"), QStringLiteral("Boxe1"), QStringLiteral("Boxe2"), QStringLiteral("Boxf1"),
                              QStringLiteral("Boxf2"), QStringLiteral("Box12a1"), QStringLiteral("Box12a2"),
                              QStringLiteral("Box12b1"), QStringLiteral("Box12b2")};
    EmployeeRec.FW2Box13Chk2 = true;
    EmployeeRec.FW2Box14Desc1 = QStringLiteral("Union");
    EmployeeRec.FW2Box14Amt1 = 50;
    EmployeeRec.FW2Box14bTTOC = QStringLiteral("102");
    for (const auto& [name, value] : Params(W2Copy::Employee, 1)) {
        if (kept.contains(name))
            EXPECT_FALSE(value.isEmpty()) << name.toStdString();
        else if (name != QStringLiteral("Boxd") && name != QStringLiteral("Boxe3") && name != QStringLiteral("Boxc4"))
            EXPECT_TRUE(value.isEmpty()) << name.toStdString() << " = " << value.toStdString();
    }
    EXPECT_EQ(second.size(), Params(W2Copy::Employee, 0).size());

    // With entry 2 emptied, the later entries move up.
    setBox12(2, "", 0);
    EXPECT_EQ(Box12(W2Copy::Employee, 0),
              QStringList({QStringLiteral("D 2,000.00"), QStringLiteral("TP 800.00"), QStringLiteral("TT 450.00"),
                           QStringLiteral("DD 3,000.00")}));
    EXPECT_EQ(Box12(W2Copy::Employee, 1), QStringList({QStringLiteral("W 1,000.00"), QString(), QString(), QString()}));
}

TEST_F(W2FormsTest, GetNumToPrintCountsFormsAndKeepsTheCurrentEmployee)
{
    addW2Employee(QStringLiteral("Able"), QStringLiteral("Ann"), 1000);
    addW2Employee(QStringLiteral("Baker"), QStringLiteral("Bob"), -5);
    addW2Employee(QStringLiteral("Cole"), QStringLiteral("Cy"), 0);
    setBox12(12, "ii", 0);
    module->RSEmployee.PostRec();
    addW2Employee(QStringLiteral("Dunn"), QStringLiteral("Di"), 10);
    for (int entry = 1; entry <= 9; ++entry)
        setBox12(entry, "W", entry);
    module->RSEmployee.PostRec();
    readEmployee(2);
    EXPECT_EQ(GetNumToPrint(), 1 + 1 + 3);
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Baker"));
}

TEST_F(W2FormsTest, MaskingAndMiddleNameByCopy)
{
    addW2Employee(QStringLiteral("Ortiz"), QStringLiteral("Ana"), 1000);
    EmployeeRec.FW2Box14bTTOC = QStringLiteral("102");
    const struct {
        W2Copy copy;
        bool mask;
        const char* boxa;
        const char* boxe1;
        const char* ttoc;
    } cases[] = {
        {W2Copy::Employee, true, "***-**-6789", "ANA QUINCY", "102"},
        {W2Copy::CopyD, true, "***-**-6789", "ANA QUINCY", "102"},
        {W2Copy::Copy1, true, "231-45-6789", "ANA Q", ""},
        {W2Copy::CopyA, true, "231-45-6789", "ANA Q", "102"},
        {W2Copy::Employee, false, "231-45-6789", "ANA QUINCY", "102"},
        {W2Copy::CopyD, false, "231-45-6789", "ANA QUINCY", "102"},
    };
    for (const auto& c : cases) {
        const std::map<QString, QString> params = Params(c.copy, 0, c.mask);
        EXPECT_EQ(params.at(QStringLiteral("Boxa")), QLatin1String(c.boxa)) << static_cast<int>(c.copy) << c.mask;
        EXPECT_EQ(params.at(QStringLiteral("Boxe1")), QLatin1String(c.boxe1)) << static_cast<int>(c.copy);
        EXPECT_EQ(params.at(QStringLiteral("Box14bTTOC")), QLatin1String(c.ttoc)) << static_cast<int>(c.copy);
    }
    EmployeeRec.SocSecNum = QStringLiteral("231-45-678");
    EXPECT_EQ(Params(W2Copy::Employee, 0, true).at(QStringLiteral("Boxa")), QString());
    EXPECT_EQ(Params(W2Copy::CopyA, 0, true).at(QStringLiteral("Boxa")), QStringLiteral("231-45-678"));
}

TEST_F(W2FormsTest, EmployerLinesByCopy)
{
    addW2Employee(QStringLiteral("Ortiz"), QStringLiteral("Ana"), 1000);
    CompanyRec.Address = QStringLiteral("1 Main St");
    CompanyRec.SuiteNum = QStringLiteral("4b");
    const QString street = QStringLiteral("1 MAIN ST STE 4b");
    const QString city = QStringLiteral("SPRINGFIELD PA 17000");
    CompanyCityStateZip = QStringLiteral("Springfield PA 17000");
    const struct {
        const char* tradeName;
        W2Copy copy;
        QStringList lines;
    } cases[] = {
        {"", W2Copy::Employee, {QStringLiteral("ACME TOOLS"), street, city, QString()}},
        {"", W2Copy::Copy1, {QStringLiteral("ACME TOOLS"), street, city, QString()}},
        {"", W2Copy::CopyA, {QString(), QStringLiteral("ACME TOOLS"), street, city}},
        {"Acme & Sons", W2Copy::CopyD, {QStringLiteral("ACME TOOLS"), QStringLiteral("ACME & SONS"), street, city}},
        {"Acme & Sons", W2Copy::CopyA, {QStringLiteral("ACME TOOLS"), QStringLiteral("ACME & SONS"), street, city}},
    };
    for (const auto& c : cases) {
        CompanyRec.TradeName = QString::fromLatin1(c.tradeName);
        const std::map<QString, QString> params = Params(c.copy);
        const QStringList lines = {params.at(QStringLiteral("Boxc1")), params.at(QStringLiteral("Boxc2")),
                                   params.at(QStringLiteral("Boxc3")), params.at(QStringLiteral("Boxc4"))};
        EXPECT_EQ(lines, c.lines) << c.tradeName << " copy " << static_cast<int>(c.copy);
        EXPECT_EQ(params.at(QStringLiteral("Boxb")), QStringLiteral("12-3456789"));
    }
}

TEST_F(W2FormsTest, AmountsAndBoxesFromTheYear)
{
    addW2Employee(QStringLiteral("Ortiz"), QStringLiteral("Ana"), 1234.5);
    EmployeeRecord& e = EmployeeRec;
    const int y = kYearToDateColumn;
    e.FICAEarnings[y] = 1500;
    e.Tips[y] = 265.5;
    e.FederalTax[y] = 100;
    e.TPSPFederalTax[y] = 20.25;
    e.FICATax[y] = 93;
    e.TPSPFICATax[y] = 1;
    e.MedicareTax[y] = 21.75;
    e.TPSPMedicareTax[y] = 0.25;
    e.FW2Box13Chk3 = true;
    e.FW2Box14Desc2 = QStringLiteral("union dues");
    e.FW2Box14Amt2 = 40;
    e.FW2Box14Desc3 = QStringLiteral("no amount");
    e.CityIndex = 3;
    e.CityName = QStringLiteral("Erie");
    e.FW2Box20Text = QStringLiteral("york");
    std::map<QString, QString> params = Params(W2Copy::Employee);
    EXPECT_EQ(params.at(QStringLiteral("Box1")), QStringLiteral("1,234.50"));
    EXPECT_EQ(params.at(QStringLiteral("Box2")), QStringLiteral("120.25"));
    EXPECT_EQ(params.at(QStringLiteral("Box3")), QStringLiteral("1,234.50"));
    EXPECT_EQ(params.at(QStringLiteral("Box4")), QStringLiteral("94.00"));
    EXPECT_EQ(params.at(QStringLiteral("Box6")), QStringLiteral("22.00"));
    EXPECT_EQ(params.at(QStringLiteral("Box7")), QStringLiteral("265.50"));
    EXPECT_EQ(params.at(QStringLiteral("Box13c")), QStringLiteral("X"));
    EXPECT_EQ(params.at(QStringLiteral("Box13a")), QString());
    EXPECT_EQ(params.at(QStringLiteral("Box14a1")), QString());
    EXPECT_EQ(params.at(QStringLiteral("Box14b1")), QStringLiteral("UNION DUES"));
    EXPECT_EQ(params.at(QStringLiteral("Box14b2")), QStringLiteral("40.00"));
    EXPECT_EQ(params.at(QStringLiteral("Box14c1")), QString());
    EXPECT_EQ(params.at(QStringLiteral("Box15a1")), QStringLiteral("PA"));
    EXPECT_EQ(params.at(QStringLiteral("Box15a2")), QStringLiteral("8765-432"));
    EXPECT_EQ(params.at(QStringLiteral("Box20a")), QStringLiteral("Erie"));
    EXPECT_EQ(params.at(QStringLiteral("Box20b")), QStringLiteral("YORK"));
    EXPECT_EQ(Params(W2Copy::CopyA).at(QStringLiteral("Box1")), QStringLiteral("1234.50"));
    EXPECT_EQ(Params(W2Copy::CopyD).at(QStringLiteral("Box1")), QStringLiteral("1,234.50"));

    e.CityIndex = 1;
    EXPECT_EQ(Params(W2Copy::Employee).at(QStringLiteral("Box20a")), QString());
    e.WorkStateIndex = 0;
    EXPECT_EQ(Params(W2Copy::Employee).at(QStringLiteral("Box15a2")), QString());
}

} // namespace
