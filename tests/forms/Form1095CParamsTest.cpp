#include "FormParamExpectations.h"

#include "client/EmployeeRecord.h"
#include "forms/Form1095CParams.h"

namespace {

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
    const FormParams domestic = Form1095CEmployerParams(domesticCompany());
    expectParam(domestic, "Box7", "LAKESIDE BAKERY INC");
    expectParam(domestic, "Box8", "12-3456789");
    expectParam(domestic, "Box9", "12 MILL ROAD SUITE 4B");
    expectParam(domestic, "Box10", "609-555-0100");
    expectParam(domestic, "Box11", "TRENTON");
    expectParam(domestic, "Box12", "NJ");
    expectParam(domestic, "Box13", "08608");

    // The box reads "Country and ZIP or foreign postal code".
    const FormParams foreign = Form1095CEmployerParams(foreignCompany());
    expectParam(foreign, "Box9", "12 MILL ROAD");
    expectParam(foreign, "Box12", "ONTARIO");
    expectParam(foreign, "Box13", "CA K1A 0B1");
}

TEST(Form1095CParams, EmployeeAndOffer)
{
    const FormParams p = Form1095CEmployeeParams(employee(), false);
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
    const FormParams p = Form1095CEmployeeParams(employee(), false);
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
    const FormParams plain = Form1095CEmployeeParams(e, false);
    expectParam(plain, "CovInd", "X");
    expectParam(plain, "BoxaFN2", "LEO");
    expectParam(plain, "Boxb2", "234-56-7891");
    expectParam(plain, "Boxd2", "X");
    expectParam(plain, "Boxc3", "03/14/2015");
    expectParam(plain, "Boxe3_5", "X");
    expectParam(plain, "Boxe3_6", "");

    const FormParams masked = Form1095CEmployeeParams(e, true);
    expectParam(masked, "Box2", "***-**-6780");
    expectParam(masked, "Boxb2", "***-**-7891");
    expectParam(masked, "Boxc3", "**/**/2015");

    e.SocSecNum = QStringLiteral("000-12-3456");
    expectParam(Form1095CEmployeeParams(e, true), "Box2", "");
}

} // namespace
