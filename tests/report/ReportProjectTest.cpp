#include "TestSupport.h"

#include "platform/Folders.h"
#include "platform/report/ReportErrors.h"
#include "platform/report/ReportFonts.h"
#include "platform/report/ReportProject.h"
#include "platform/report/ReportSystem.h"

namespace {

// A small project in the shape of the program's: fixed artwork, page fields and five repeated
// statement slots, and a digit-box field row.
const char* const SampleProject = R"(ledgora-report-project 1
# Sample layouts for the tests.
layout EarnStmt portrait
  pen 0.5 black
  rect 0.5 1.6 8.0 10.5
  font Arial 14 bold
  text 4.25 0.75 center "Earnings Statements"
  font "Arial" 10
  field CompName 0.5 1.0 left
  field PageCount 8.0 1.0 right
  repeat k 1 5 dy 1.78
    line 0.5 1.6 8.0 1.6
    font Arial 9
    field EmpName{k} 0.6 1.8 left
    field NetPay{k} 7.9 1.8 right
    text 5.0 1.8 center "Slot {k}"
  end
end

layout FormW2 portrait
  font "Courier New" 10
  repeat n 1 9 dx 0.2
    field EIN{n} 1.0 0.5 center
  end
end

layout Form941 portrait
  font Arial 10
  field Line2 7.9 3.0 right
  field Name 1.0 4.0 left width 1.5
  page
  field Signature 1.0 9.0 left
end

layout PrinterGrid portrait
  pen 0.25 #808080 dot
  font Arial 6
  repeat i 0 16 dx 0.5
    line 0.25 0.25 0.25 10.75
    text 0.25 0.2 center "{i*0.5+0.25}"
  end
end
)";

// One drawing placed in four slots, each with its own fields, and once without a suffix.
const char* const SlipsProject = R"(ledgora-report-project 1
drawing Slip
  rect 0 0 4 2
  font Arial 8
  text 0.1 0.2 left "Slip"
  field Name 0.1 0.5 left
  field Box1 3.9 0.5 right
end

layout Slips portrait
  font Arial 14 bold
  pen 3 red
  place Slip 0.5 0.5 suffix 1
  place Slip 4.5 0.5 suffix 2
  repeat s 3 4 dy 3
    place Slip 0.5 0.5 suffix {s}
  end
  text 4.25 10 center "After the slips"
  place Slip 0.5 7
end
)";

class ReportProjectTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        WriteTestFile(ProgramDir() + QStringLiteral("TAXFORMS.RAV"), QByteArray(SampleProject));
        system.SystemSetups = 0;
        // Made once the test's program folder is in place.
        project = std::make_unique<ReportProject>();
        project->Engine = &system;
    }

    // Runs the report with the given drawing and returns its pages.
    const ReportDocument& run(std::function<void(ReportCanvas&)> draw)
    {
        system.OnPrint = std::move(draw);
        system.Execute();
        return *system.Document();
    }

    // The text shown at the given anchor on a page, or nothing.
    static std::optional<QString> textAt(const ReportPage& page, double x, double y)
    {
        for (const DrawOp& op : page.ops) {
            if (op.kind == DrawOp::Kind::Text && qAbs(op.x1 - x) < 1e-9 && qAbs(op.y1 - y) < 1e-9)
                return op.text;
        }
        return std::nullopt;
    }

    static void expectMessage(const std::function<void()>& action, const QString& part)
    {
        try {
            action();
            ADD_FAILURE() << "no error for: " << part.toStdString();
        } catch (const EReportException& error) {
            EXPECT_TRUE(error.message().contains(part)) << error.message().toStdString();
        }
    }

    ReportSystem system;
    std::unique_ptr<ReportProject> project;
};

TEST_F(ReportProjectTest, TheProjectIsTheFileBesideTheProgram)
{
    EXPECT_EQ(project->ProjectFile, ProgramDir() + QStringLiteral("TAXFORMS.RAV"));
    project->Open();
    EXPECT_EQ(project->ReportNames(), QStringList({QStringLiteral("EarnStmt"), QStringLiteral("FormW2"), QStringLiteral("Form941"),
                                                 QStringLiteral("PrinterGrid")}));
    project->Close();
    EXPECT_FALSE(project->Active());
}

TEST_F(ReportProjectTest, ParametersPrintAtTheirFieldsPositions)
{
    const ReportDocument& document = run([&](ReportCanvas& report) {
        project->Open();
        EXPECT_TRUE(project->SelectReport(QStringLiteral("EarnStmt"), false));
        for (int page = 1; page <= 2; ++page) {
            if (page > 1)
                report.NewPage();
            project->SetParam(QStringLiteral("CompName"), QStringLiteral("ACME TOOL CO"));
            project->SetParam(QStringLiteral("PageCount"), QStringLiteral("Page %1 of 2").arg(page));
            project->SetParam(QStringLiteral("EmpName1"), QStringLiteral("JANE DOE"));
            project->SetParam(QStringLiteral("netpay3"), QStringLiteral("1,234.56"));
            project->Execute();
            project->ClearParams();
        }
        project->Close();
    });
    ASSERT_EQ(document.PageCount(), 2);
    const ReportPage& page = document.pages[1];
    EXPECT_EQ(textAt(page, 0.5, 1.0), QStringLiteral("ACME TOOL CO"));
    EXPECT_EQ(textAt(page, 8.0, 1.0), QStringLiteral("Page 2 of 2"));
    EXPECT_EQ(textAt(page, 0.6, 1.8), QStringLiteral("JANE DOE"));
    EXPECT_EQ(textAt(page, 7.9, 1.8 + 2 * 1.78), QStringLiteral("1,234.56")) << "parameter names ignore case";
    EXPECT_EQ(textAt(page, 5.0, 1.8 + 4 * 1.78), QStringLiteral("Slot 5"));
    EXPECT_FALSE(textAt(page, 0.6, 1.8 + 1.78).has_value()) << "an unset parameter prints nothing";

    const auto field = std::find_if(page.ops.begin(), page.ops.end(), [](const DrawOp& op) { return op.text == QStringLiteral("JANE DOE"); });
    ASSERT_NE(field, page.ops.end());
    EXPECT_EQ(field->font.name, QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(field->font.size, 9);
    EXPECT_EQ(field->align, TextAlign::Left);
    const auto heading = std::find_if(page.ops.begin(), page.ops.end(), [](const DrawOp& op) { return op.text == QStringLiteral("Earnings Statements"); });
    ASSERT_NE(heading, page.ops.end());
    EXPECT_TRUE(heading->font.bold);
    EXPECT_EQ(heading->align, TextAlign::Center);
    const auto lines = std::count_if(page.ops.begin(), page.ops.end(), [](const DrawOp& op) { return op.kind == DrawOp::Kind::Line; });
    EXPECT_EQ(lines, 5);
    EXPECT_TRUE(OpsOffPage(document).isEmpty());
}

TEST_F(ReportProjectTest, AFieldWithARoomShrinksLongValuesToFitIt)
{
    const QString longName = QStringLiteral("CONSOLIDATED WIDGETS OF AMERICA");
    for (const QString& name : {QStringLiteral("ACME"), longName}) {
        const ReportDocument& document = run([&](ReportCanvas&) {
            project->Open();
            project->SelectReport(QStringLiteral("Form941"), false);
            project->SetParam(QStringLiteral("Name"), name);
            project->Execute();
            project->Close();
        });
        const auto printed = std::find_if(document.pages[0].ops.begin(), document.pages[0].ops.end(),
                                          [&](const DrawOp& op) { return op.text == name; });
        ASSERT_NE(printed, document.pages[0].ops.end()) << name.toStdString();
        EXPECT_EQ(printed->x1, 1.0);
        if (name == longName) {
            EXPECT_LT(printed->font.size, 10) << "shrunk";
            EXPECT_LE(TextWidth(printed->font, name), 1.5 + 1e-6);
        } else {
            EXPECT_DOUBLE_EQ(printed->font.size, 10) << "a short value keeps the layout's size";
        }
    }
}

TEST_F(ReportProjectTest, ClearedParametersDoNotReachTheNextPage)
{
    const ReportDocument& document = run([&](ReportCanvas& report) {
        project->Open();
        project->SelectReport(QStringLiteral("EarnStmt"), false);
        project->SetParam(QStringLiteral("EmpName2"), QStringLiteral("JOHN ROE"));
        project->Execute();
        project->ClearParams();
        report.NewPage();
        project->Execute();
        project->Close();
    });
    EXPECT_EQ(textAt(document.pages[0], 0.6, 1.8 + 1.78), QStringLiteral("JOHN ROE"));
    EXPECT_FALSE(textAt(document.pages[1], 0.6, 1.8 + 1.78).has_value());
}

TEST_F(ReportProjectTest, BackgroundLayoutLeavesTheReportsDrawingStateAlone)
{
    const ReportDocument& document = run([&](ReportCanvas& report) {
        report.SetFont(QStringLiteral("Tahoma"), 11);
        report.SetPen(Qt::red, PenStyle::Solid, 10);
        report.GotoXY(2.0, 3.0);
        project->Open();
        project->ExecuteReport(QStringLiteral("printergrid"));
        EXPECT_EQ(report.Font().name, QStringLiteral("Tahoma"));
        EXPECT_EQ(report.Pen().color, QColor(Qt::red).rgb());
        EXPECT_DOUBLE_EQ(report.XPos(), 2.0);
        EXPECT_DOUBLE_EQ(report.YPos(), 3.0);
        report.Print(QStringLiteral("over the grid"));
        project->Close();
    });
    const ReportPage& page = document.pages[0];
    EXPECT_EQ(textAt(page, 0.25, 0.2), QStringLiteral("0.25"));
    EXPECT_EQ(textAt(page, 8.25, 0.2), QStringLiteral("8.25"));
    EXPECT_EQ(textAt(page, 2.0, 3.0), QStringLiteral("over the grid"));
    EXPECT_EQ(page.ops.front().pen.style, PenStyle::Dot);
    EXPECT_EQ(page.ops.front().pen.color, qRgb(0x80, 0x80, 0x80));
    EXPECT_DOUBLE_EQ(page.ops.front().pen.width, 0.25 / 72);
}

TEST_F(ReportProjectTest, LayoutOfSeveralPagesGoesOnAfterTheCurrentPage)
{
    const ReportDocument& document = run([&](ReportCanvas& report) {
        project->Open();
        project->SelectReport(QStringLiteral("Form941"), false);
        project->SetParam(QStringLiteral("Line2"), QStringLiteral("52,000.00"));
        project->SetParam(QStringLiteral("Signature"), QStringLiteral("JANE DOE"));
        project->Execute();
        project->ClearParams();
        report.NewPage();
        project->SelectReport(QStringLiteral("FormW2"), false);
        project->SetParam(QStringLiteral("EIN1"), QStringLiteral("1"));
        project->Execute();
        project->Close();
    });
    ASSERT_EQ(document.PageCount(), 3);
    EXPECT_EQ(textAt(document.pages[0], 7.9, 3.0), QStringLiteral("52,000.00"));
    EXPECT_EQ(textAt(document.pages[1], 1.0, 9.0), QStringLiteral("JANE DOE"));
    EXPECT_EQ(textAt(document.pages[2], 1.0, 0.5), QStringLiteral("1"));

    project->Open();
    const ReportLayout* form = project->Layout(QStringLiteral("Form941"));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->pageCount, 2);
    const LayoutElement* signature = form->Field(QStringLiteral("signature"));
    ASSERT_NE(signature, nullptr);
    EXPECT_EQ(signature->page, 1);
    EXPECT_DOUBLE_EQ(signature->y1, 9.0);
}

TEST_F(ReportProjectTest, RepeatsMakeDigitBoxFields)
{
    project->Open();
    const ReportLayout* w2 = project->Layout(QStringLiteral("FormW2"));
    ASSERT_NE(w2, nullptr);
    const QStringList names = w2->FieldNames();
    ASSERT_EQ(names.size(), 9);
    EXPECT_EQ(names.first(), QStringLiteral("EIN1"));
    EXPECT_EQ(names.last(), QStringLiteral("EIN9"));
    EXPECT_DOUBLE_EQ(w2->elements.back().x1, 1.0 + 8 * 0.2);
}

TEST_F(ReportProjectTest, ADrawingPlacedInSlotsFillsEachSlotFromItsOwnFields)
{
    project->ProjectFile = tempPath(QStringLiteral("SLIPS.RAV"));
    WriteTestFile(project->ProjectFile, QByteArray(SlipsProject));
    project->Open();
    const ReportLayout* slips = project->Layout(QStringLiteral("Slips"));
    ASSERT_NE(slips, nullptr);
    EXPECT_EQ(slips->FieldNames(), QStringList({QStringLiteral("Name1"), QStringLiteral("Box1_1"), QStringLiteral("Name2"),
                                                QStringLiteral("Box1_2"), QStringLiteral("Name3"), QStringLiteral("Box1_3"),
                                                QStringLiteral("Name4"), QStringLiteral("Box1_4"), QStringLiteral("Name"),
                                                QStringLiteral("Box1")}));
    ASSERT_NE(slips->Field(QStringLiteral("Box1_2")), nullptr);
    EXPECT_DOUBLE_EQ(slips->Field(QStringLiteral("Box1_2"))->x1, 4.5 + 3.9);
    EXPECT_DOUBLE_EQ(slips->Field(QStringLiteral("Name4"))->y1, 0.5 + 3 + 0.5);
    EXPECT_DOUBLE_EQ(slips->Field(QStringLiteral("Name"))->y1, 7.5);

    project->SetParam(QStringLiteral("Name2"), QStringLiteral("Second"));
    project->SetParam(QStringLiteral("Box1_1"), QStringLiteral("1.00"));
    const ReportDocument& document = run([&](ReportCanvas&) { project->ExecuteReport(QStringLiteral("Slips")); });
    const ReportPage& page = document.pages.front();
    EXPECT_EQ(textAt(page, 4.6, 1.0), QStringLiteral("Second"));
    EXPECT_EQ(textAt(page, 4.4, 1.0), QStringLiteral("1.00"));
    EXPECT_EQ(textAt(page, 0.6, 3.7), QStringLiteral("Slip"));
    // A drawing draws in its own font and pen; the layout's come back after it.
    for (const DrawOp& op : page.ops) {
        if (op.kind == DrawOp::Kind::Rectangle)
            EXPECT_NE(op.pen.color, qRgb(255, 0, 0));
        if (op.kind == DrawOp::Kind::Text && op.text == QStringLiteral("After the slips"))
            EXPECT_TRUE(op.font.bold);
        if (op.kind == DrawOp::Kind::Text && op.text == QStringLiteral("Slip"))
            EXPECT_FALSE(op.font.bold);
    }
}

TEST_F(ReportProjectTest, MissingProjectOrLayoutIsAClearError)
{
    project->ProjectFile = tempPath(QStringLiteral("TAXFORMS.RAV"));
    expectMessage([&] { project->Open(); }, QStringLiteral("The report project cannot be opened. Cannot open \"") + project->ProjectFile);

    project->ProjectFile = ProgramDir() + QStringLiteral("TAXFORMS.RAV");
    system.OnPrint = [&](ReportCanvas&) {
        project->Open();
        EXPECT_FALSE(project->SelectReport(QStringLiteral("CheckTop"), false));
        project->Execute();
    };
    expectMessage([&] { system.Execute(); }, QStringLiteral("The report project \"TAXFORMS.RAV\" has no layout \"CheckTop\"."));

    // Outside a running report there is no page to draw on.
    expectMessage([&] { project->ExecuteReport(QStringLiteral("EarnStmt")); }, QStringLiteral("no report is running"));
    project->Close();
    expectMessage([&] { project->ExecuteReport(QStringLiteral("EarnStmt")); }, QStringLiteral("is not open"));
}

// Screens and printouts open the project over and over; they share one parse of it until another
// file, or a changed one, stands under the name.
TEST_F(ReportProjectTest, OpeningsShareTheLayoutsUntilTheFileChanges)
{
    ReportProject first;
    ReportProject second;
    first.Open();
    second.Open();
    ASSERT_NE(first.Layout(QStringLiteral("Form941")), nullptr);
    EXPECT_EQ(first.Layout(QStringLiteral("Form941")), second.Layout(QStringLiteral("Form941")));

    WriteTestFile(first.ProjectFile, QByteArray(SlipsProject));
    ReportProject changed;
    changed.Open();
    EXPECT_EQ(changed.Layout(QStringLiteral("Form941")), nullptr);
    EXPECT_NE(changed.Layout(QStringLiteral("Slips")), nullptr);
    // A project already open keeps what it read.
    EXPECT_NE(first.Layout(QStringLiteral("Form941")), nullptr);

    // Another program folder, another file.
    ReportProject elsewhere;
    elsewhere.ProjectFile = tempPath(QStringLiteral("TAXFORMS.RAV"));
    WriteTestFile(elsewhere.ProjectFile, QByteArray(SampleProject));
    elsewhere.Open();
    EXPECT_NE(elsewhere.Layout(QStringLiteral("Form941")), nullptr);

    // A damaged file under a name parsed before is refused, not answered from the earlier parse.
    WriteTestFile(elsewhere.ProjectFile, QByteArray("ledgora-report-project 1\nlayout Broken portrait\n"));
    ReportProject damaged;
    damaged.ProjectFile = elsewhere.ProjectFile;
    EXPECT_THROW(damaged.Open(), EReportException);
}

TEST_F(ReportProjectTest, DamagedProjectNamesTheLine)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"layout A portrait\nend\n", "line 1: the first statement must be \"ledgora-report-project 1\""},
        {"ledgora-report-project 2\n", "line 1: format 2 belongs to a newer version of Ledgora"},
        {"ledgora-report-project 1\nlayout A portrait\n  rectt 1 1 2 2\nend\n", "line 3: \"rectt\" is not a statement of a layout"},
        {"ledgora-report-project 1\nlayout A portrait\n  line 1 1 2\nend\n", "line 3: \"line\" takes two corners"},
        {"ledgora-report-project 1\nlayout A portrait\n  line 1 x 2 2\nend\n", "line 3: \"x\" is not a number"},
        {"ledgora-report-project 1\nlayout A portrait\n  text 1 1 left \"open\nend\n", "line 3: a quoted text is not closed"},
        {"ledgora-report-project 1\nlayout A portrait\n  repeat i 1 3\n  line 1 1 2 2\nend\n", "line 2: \"layout\" has no \"end\""},
        {"ledgora-report-project 1\nlayout A portrait\nend\nlayout a landscape\nend\n", "line 4: the layout \"a\" is defined twice"},
        {"ledgora-report-project 1\nlayout A sideways\nend\n", "line 2: \"sideways\" is neither portrait nor landscape"},
        {"ledgora-report-project 1\nlayout A portrait\n  field X{j} 1 1 left\nend\n", "line 3: \"{j}\" names no repeat around it"},
        {"ledgora-report-project 1\nlayout A portrait\n  fill 1 1 2 2\nend\n", "line 3: \"fill\" needs a brush colour first"},
        {"ledgora-report-project 1\nlayout A portrait\n  field X 1 1 left width 0\nend\n", "line 3: a field's width must be above 0"},
        {"ledgora-report-project 1\nlayout A portrait\n  field X 1 1 left wide 2\nend\n", "line 3: \"field\" takes a name"},
        {"ledgora-report-project 1\nlayout A portrait\n  pen 1 purpleish\nend\n", "line 3: \"purpleish\" is not a colour"},
        {"ledgora-report-project 1\nline 1 1 2 2\n", "line 2: \"line\" stands outside a layout"},
        {"ledgora-report-project 1\nlayout A portrait\n  repeat i 1 2\n  page\n  end\nend\n", "line 4: a page cannot begin inside a repeat"},
        {"ledgora-report-project 1\nlayout A portrait\n  place B 1 1\nend\n", "line 3: the drawing \"B\" is not defined"},
        {"ledgora-report-project 1\ndrawing B\n  page\nend\nlayout A portrait\n  place B 1 1\nend\n",
         "line 3: a page cannot begin inside a drawing"},
        {"ledgora-report-project 1\ndrawing B\nend\ndrawing b\nend\n", "line 4: the drawing \"b\" is defined twice"},
        {"ledgora-report-project 1\ndrawing B\n  place B 0 0\nend\nlayout A portrait\n  place B 1 1\nend\n",
         "line 3: drawings and repeats are nested more than 8 deep"},
        {"ledgora-report-project 1\ndrawing B\nlayout A portrait\nend\n", "line 3: a layout begins before the one above"},
        {"ledgora-report-project 1\ndrawing B\nend\nlayout A portrait\n  place B 1 1 slot 2\nend\n",
         "line 5: \"place\" takes a drawing, a position and perhaps a suffix"},
    };
    for (const auto& c : cases) {
        expectMessage([&] { ParseReportProject(QByteArray(c.text), QStringLiteral("/opt/ledgora/TAXFORMS.RAV")); },
                      QStringLiteral("The report project \"TAXFORMS.RAV\" is damaged: ") + QString::fromUtf8(c.message));
    }
}

} // namespace
