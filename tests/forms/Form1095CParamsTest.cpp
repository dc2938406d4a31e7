#include "TestSupport.h"

#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"
#include "forms/Form1094CParams.h"
#include "forms/Form1095CParams.h"

#include <optional>

namespace {

std::optional<QString> valueOf(const FormParamList& params, const QString& name)
{
    for (const auto& [key, value] : params)
        if (key == name)
            return value;
    return std::nullopt;
}

// Set with this value; an unset parameter prints empty like the empty text, so the two are told apart.
void expectParam(const FormParamList& params, const char* name, const char* value)
{
    const auto found = valueOf(params, QString::fromUtf8(name));
    ASSERT_TRUE(found.has_value()) << name << " is not set";
    EXPECT_EQ(*found, QString::fromUtf8(value)) << name;
}

void expectUnset(const FormParamList& params, const char* name)
{
    EXPECT_FALSE(valueOf(params, QString::fromUtf8(name)).has_value()) << name << " is set";
}

CompanyRecord domesticCompany()
{
    CompanyRecord c{};
    c.Name = QStringLiteral("Lakeside Bakery Inc");
    c.FederalID = QStringLiteral("12-3456789");
    c.Address = QStringLiteral("12 Mill Road");
    c.SuiteNum = QStringLiteral("4B");
    c.City = QStringLiteral("Trenton");
    c.State = QStringLiteral("NJ");
    c.ZipCode = QStringLiteral("08608");
    c.PhoneNumber = QStringLiteral("609-555-0100");
    c.FW3Contact = QStringLiteral("Dana Price");
    return c;
}

CompanyRecord foreignCompany()
{
    CompanyRecord c = domesticCompany();
    c.SuiteNum = QString();
    c.ForeignAdr = true;
    c.ForeignCountry = QStringLiteral("CA");
    c.ForeignProvCo = QStringLiteral("Ontario");
    c.ForeignZipCode = QStringLiteral("K1A 0B1");
    return c;
}

EmployeeRecord employee()
{
    EmployeeRecord e{};
    e.FirstName = QStringLiteral("Maria");
    e.MiddleInitial = QStringLiteral("J");
    e.LastName = QStringLiteral("Ortiz");
    e.SocSecNum = QStringLiteral("123-45-6780");
    e.Address = QStringLiteral("5 Elm St");
    e.City = QStringLiteral("Ewing");
    e.State = QStringLiteral("NJ");
    e.ZipCode = QStringLiteral("08618");
    e.EmployeeAge = 41;
    e.F1095CPSM = QStringLiteral("01");
    e.F1095CBox14[0] = QStringLiteral("1E");
    e.F1095CBox15[0] = 1234.5;
    e.F1095CBox16[0] = QStringLiteral("2C");
    e.F1095CBox17[0] = QStringLiteral("1234");
    e.F1095CBoxaFN[2] = QStringLiteral("Leo");
    e.F1095CBoxaLN[2] = QStringLiteral("Ortiz");
    e.F1095CBoxb[2] = QStringLiteral("234-56-7891");
    e.F1095CBoxaFN[3] = QStringLiteral("Ana");
    e.F1095CBoxaLN[3] = QStringLiteral("Ortiz");
    e.F1095CBoxc[3] = QStringLiteral("03/14/2015");
    e.F1095CBoxd[2] = true;
    e.F1095CBoxe[3][5] = true;
    return e;
}

TEST(Form1095CParams, EmployerAddress)
{
    const FormParamList domestic = Form1095CEmployerParams(domesticCompany());
    expectParam(domestic, "Box7", "LAKESIDE BAKERY INC");
    expectParam(domestic, "Box8", "12-3456789");
    expectParam(domestic, "Box9", "12 MILL ROAD SUITE 4B");
    expectParam(domestic, "Box10", "609-555-0100");
    expectParam(domestic, "Box11", "TRENTON");
    expectParam(domestic, "Box12", "NJ");
    expectParam(domestic, "Box13", "08608");

    // The box reads "Country and ZIP or foreign postal code".
    const FormParamList foreign = Form1095CEmployerParams(foreignCompany());
    expectParam(foreign, "Box9", "12 MILL ROAD");
    expectParam(foreign, "Box12", "ONTARIO");
    expectParam(foreign, "Box13", "CA K1A 0B1");
}

TEST(Form1095CParams, EmployeeAndOffer)
{
    const FormParamList p = Form1095CEmployeeParams(employee(), false);
    expectParam(p, "Box1a", "MARIA");
    expectParam(p, "Box1b", "J");
    expectParam(p, "Box1c", "ORTIZ ");   // the blank before an absent suffix stays
    expectParam(p, "Box2", "123-45-6780");
    expectParam(p, "Box6", "08618");
    expectParam(p, "EmployeeAge", "41");
    expectParam(p, "PSM", "01");
    expectParam(p, "Box14_0", "1E");
    expectParam(p, "Box15_0", "1234.50");
    expectParam(p, "Box16_0", "2C");
    expectParam(p, "Box17_0", "");        // not a ZIP code
    expectParam(p, "Box14_1", "");
    expectParam(p, "Box15_1", "");
    expectParam(p, "Void", "");
    expectParam(p, "Corrected", "");
}

TEST(Form1095CParams, WithoutPartIIINoCoveredIndividualPrints)
{
    const FormParamList p = Form1095CEmployeeParams(employee(), false);
    expectParam(p, "CovInd", "");
    expectParam(p, "BoxaFN2", "");
    expectParam(p, "BoxaLN2", "");
    expectParam(p, "Boxb2", "");
    expectParam(p, "Boxd2", "");
    expectParam(p, "Boxc3", "");
    expectParam(p, "Boxe3_5", "");
    expectParam(p, "Boxe13_12", "");
}

TEST(Form1095CParams, CoveredIndividualsPlainAndMasked)
{
    EmployeeRecord e = employee();
    e.F1095CCovInd = true;
    const FormParamList plain = Form1095CEmployeeParams(e, false);
    expectParam(plain, "CovInd", "X");
    expectParam(plain, "BoxaFN2", "LEO");
    expectParam(plain, "Boxb2", "234-56-7891");
    expectParam(plain, "Boxd2", "X");
    expectParam(plain, "Boxc3", "03/14/2015");
    expectParam(plain, "Boxe3_5", "X");
    expectParam(plain, "Boxe3_6", "");

    const FormParamList masked = Form1095CEmployeeParams(e, true);
    expectParam(masked, "Box2", "***-**-6780");
    expectParam(masked, "Boxb2", "***-**-7891");
    expectParam(masked, "Boxc3", "**/**/2015");

    e.SocSecNum = QStringLiteral("000-12-3456");
    expectParam(Form1095CEmployeeParams(e, true), "Box2", "");
}

CompanyRecord transmittal()
{
    CompanyRecord c = domesticCompany();
    c.F1094CBox18 = 3;
    c.F1094CBox19 = true;
    c.F1094CBox20 = 3;
    c.F1094CBox21N = true;
    c.F1094CBox22[1] = true;
    c.F1094CBoxaY[0] = true;
    c.F1094CBoxb[0] = 0;
    c.F1094CBoxc[0] = 60;
    c.F1094CBoxe[0] = u'A';
    c.SignForm = true;
    c.SignerName = QStringLiteral("Dana Price");
    c.SignerTitle = QStringLiteral("Owner");
    return c;
}

TEST(Form1094CParams, FirstPages)
{
    const FormParamList p = Form1094CParams(transmittal(), true, QStringLiteral("01/20/2027"));
    expectUnset(p, "FormCopy");
    expectParam(p, "Box1", "LAKESIDE BAKERY INC");
    expectParam(p, "Box3", "12 MILL ROAD SUITE 4B");
    expectParam(p, "Box5", "NJ");
    expectParam(p, "Box6", "08608");
    expectParam(p, "Box7", "DANA PRICE");
    expectParam(p, "Box18", "3");
    expectParam(p, "Box19", "X");
    expectParam(p, "Box20", "3");
    expectParam(p, "Box21N", "X");
    expectUnset(p, "Box21Y");
    expectParam(p, "Box22_1", "X");
    expectUnset(p, "Box22_4");
    expectParam(p, "Signature", "Dana Price");
    expectParam(p, "Title", "OWNER");
    expectParam(p, "Date", "01/20/2027");
    expectParam(p, "BoxaY0", "X");
    expectParam(p, "Boxb0", "0");     // an answered row prints its counts, zero included
    expectParam(p, "Boxc0", "60");
    expectParam(p, "Boxe0", "A");
    expectUnset(p, "Boxb1");          // a row without an answer prints none
    expectParam(p, "Boxe1", " ");
}

TEST(Form1094CParams, FileCopyAndForeignEmployer)
{
    CompanyRecord c = transmittal();
    c.ForeignAdr = true;
    c.ForeignCountry = QStringLiteral("CA");
    c.ForeignProvCo = QStringLiteral("Ontario");
    c.ForeignZipCode = QStringLiteral("K1A 0B1");
    const FormParamList p = Form1094CParams(c, false, QStringLiteral("not a date"));
    expectParam(p, "FormCopy", "FILE COPY — KEEP FOR YOUR RECORDS");
    expectUnset(p, "Signature");
    expectUnset(p, "Title");
    expectUnset(p, "Date");
    expectParam(p, "Box5", "ONTARIO");
    expectParam(p, "Box6", "CA K1A 0B1");
}

TEST(Form1094CParams, WithoutLine19OnlyPartIPrints)
{
    CompanyRecord c = transmittal();
    c.F1094CBox19 = false;
    const FormParamList p = Form1094CParams(c, true, QString());
    expectParam(p, "Box18", "3");
    expectUnset(p, "Box19");
    for (const char* name : {"Box20", "Box21N", "Box22_1", "BoxaY0", "Boxb0", "Boxc0", "Boxe0", "Boxe5"})
        expectUnset(p, name);
}

TEST(Form1094CParams, PartIVPage)
{
    CompanyRecord c = transmittal();
    EXPECT_FALSE(Form1094CPrintsPartIV(c));
    c.F1094CBox21N = false;
    c.F1094CBox21Y = true;
    EXPECT_TRUE(Form1094CPrintsPartIV(c));
    c.F1094CPIVName[1] = QStringLiteral("Harbor Supply LLC");
    c.F1094CPIVEIN[1] = QStringLiteral("23-4567890");
    c.F1094CPIVName[2] = QStringLiteral("Quay Foods");
    c.F1094CPIVEIN[2] = QStringLiteral("07-1234567");
    const FormParamList p = Form1094CPage3Params(c, false);
    expectParam(p, "FormCopy", "FILE COPY — KEEP FOR YOUR RECORDS");
    expectParam(p, "Box1", "LAKESIDE BAKERY INC");
    expectParam(p, "Box2", "12-3456789");
    expectParam(p, "PIVName1", "HARBOR SUPPLY LLC");
    expectParam(p, "PIVEIN1", "23-4567890");
    expectParam(p, "PIVName2", "QUAY FOODS");
    expectUnset(p, "PIVEIN2");
    expectParam(p, "PIVName30", "");
}

} // namespace
