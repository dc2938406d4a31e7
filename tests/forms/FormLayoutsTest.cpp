#include "FormChecks.h"
#include "TestSupport.h"

#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"
#include "forms/Form1094CParams.h"
#include "forms/Form1095CParams.h"
#include "platform/report/ReportLayout.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// The report project as the build ships it beside the test programs.
const ReportProjectContent& shippedProject()
{
    static const ReportProjectContent content = [] {
        QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/TAXFORMS.RAV"));
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("TAXFORMS.RAV is not beside the test program");
        return ParseReportProject(file.readAll(), file.fileName());
    }();
    return content;
}

const ReportLayout& layout(const char* name)
{
    const ReportLayout* found = shippedProject().Find(QString::fromUtf8(name));
    if (!found)
        throw std::runtime_error(std::string("no layout ") + name);
    return *found;
}

void expectFieldsFor(const FormParams& params, const ReportLayout& target)
{
    EXPECT_TRUE(ParamsNameFields(target, params));
}

TEST(FormLayouts, OrientationAndPagesOfTheForms)
{
    EXPECT_EQ(layout("Form1095C").orientation, PageOrientation::Landscape);
    EXPECT_EQ(layout("Form1095C").pageCount, 1);
    EXPECT_EQ(layout("Form1095CInst").orientation, PageOrientation::Landscape);
    EXPECT_TRUE(layout("Form1095CInst").FieldNames().isEmpty());
    EXPECT_EQ(layout("Form1094C").orientation, PageOrientation::Portrait);
    EXPECT_EQ(layout("Form1094C").pageCount, 2);
    EXPECT_EQ(layout("Form1094CPage3").orientation, PageOrientation::Portrait);
    EXPECT_EQ(layout("Form1094CPage3").pageCount, 1);
}

TEST(FormLayouts, EveryParameterOfTheFormsHasItsField)
{
    CompanyRecord company{};
    company.F1094CBox19 = true;
    company.F1094CBox21Y = true;
    company.F1094CBox21N = true;
    company.SignForm = true;
    for (int r = 0; r <= 12; ++r)
        company.F1094CBoxaY[r] = true;
    for (int i = 1; i <= 4; ++i)
        company.F1094CBox22[i] = true;
    for (int r = 0; r <= 12; ++r)
        company.F1094CBoxd[r] = true;
    company.F1094CCorrect = true;
    for (int n = 1; n <= 30; ++n)
        company.F1094CPIVEIN[n] = QStringLiteral("12-3456789");
    expectFieldsFor(Form1094CParams(company, false, QStringLiteral("01/20/2027")), layout("Form1094C"));
    expectFieldsFor(Form1094CPage3Params(company, false), layout("Form1094CPage3"));

    EmployeeRecord employee{};
    employee.F1095CCovInd = true;
    expectFieldsFor(Form1095CEmployerParams(company), layout("Form1095C"));
    expectFieldsFor(Form1095CEmployeeParams(employee, false), layout("Form1095C"));
}

} // namespace
