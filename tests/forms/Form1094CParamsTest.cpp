#include "FormParamExpectations.h"

#include "forms/Form1094CParams.h"

namespace {

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
    const FormParams p = Form1094CParams(transmittal(), true, QStringLiteral("01/20/2027"));
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
    const FormParams p = Form1094CParams(c, false, QStringLiteral("not a date"));
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
    const FormParams p = Form1094CParams(c, true, QString());
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
    const FormParams p = Form1094CPage3Params(c, false);
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
