#include "ClientFixture.h"

#include "client/EmployeeIndex.h"
#include "client/EmployeeLoop.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"

namespace {

struct NameCase {
    const char* first;
    const char* middle;
    const char* initial;
    const char* last;
    const char* suffix;
    int order;
    bool shorten;
    const char* expected;
};

} // namespace

using EmployeeNameTest = ClientTest;

TEST_F(EmployeeNameTest, DisplayNameFollowsOrderAndShortening)
{
    const NameCase cases[] = {
        {"Ann", "", "", "Smith", "", 1, false, "Ann Smith "},
        {"Ann", "Marie", "M", "Smith", "JR", 1, false, "Ann Marie Smith JR"},
        {" Ann ", "  ", "", " Smith ", "", 1, true, "Ann Smith "},
        {"Ann", "Marie", "M", "Smith", "", 2, false, "Smith Ann Marie"},
        {"Ann", "", "", "Smith", "JR", 2, false, "Smith JR Ann "},
        {"Ann", "", "", "Smith", "  ", 2, false, "Smith Ann "},
        {"Ann", "Marie", "M", "Smith", "JR", 0, false, ""},
        {"Ann", "Marie", "M", "Smith", "JR", 3, false, ""},
        // 15 + 1 + 15 + 1 + 20 + 1 = 53 characters: longer than the 43 a display name may take.
        {"Bartholomew-Jon", "Maximilianussss", "M", "Wolfeschlegelsteiner", "", 1, false,
         "Bartholomew-Jon Maximilianussss Wolfeschlegelsteiner "},
        {"Bartholomew-Jon", "Maximilianussss", "M", "Wolfeschlegelsteiner", "", 1, true,
         "Bartholomew-Jon M Wolfeschlegelsteiner "},
        {"Ann", "Maximilianusss", "M", "Smith", "", 1, true, "Ann Maximilianusss Smith "},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.expected);
        EmployeeRec.FirstName = QString::fromLatin1(c.first);
        EmployeeRec.MiddleName = QString::fromLatin1(c.middle);
        EmployeeRec.MiddleInitial = QString::fromLatin1(c.initial);
        EmployeeRec.LastName = QString::fromLatin1(c.last);
        EmployeeRec.Suffix = QString::fromLatin1(c.suffix);
        EXPECT_EQ(GetEmployeeName(c.order, c.shorten), QString::fromLatin1(c.expected));
    }
}

class EmployeeIndexTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        openClient();
    }

    QStringList indexNames() const
    {
        QStringList names;
        for (const RecIndexData& entry : RecIndex)
            names << entry.Name;
        return names;
    }
    std::vector<int> indexRecords() const
    {
        std::vector<int> records;
        for (const RecIndexData& entry : RecIndex)
            records.push_back(entry.Index + 1);
        return records;
    }
};

TEST_F(EmployeeIndexTest, SortsByNameKeepingFileOrderForEqualNames)
{
    addEmployee(QStringLiteral("Smith"), QStringLiteral("Ann"), QString(), QStringLiteral("JR"));  // 1
    addEmployee(QStringLiteral("Baker"), QStringLiteral("Tom"), QStringLiteral("Lee"));           // 2
    addEmployee(QStringLiteral("SMITH"), QStringLiteral("ann"), QString(), QStringLiteral("JR"));  // 3
    addEmployee(QStringLiteral("Baker"), QStringLiteral("Tom"), QStringLiteral("Lee"));           // 4
    addEmployee(QStringLiteral("smith"), QStringLiteral("Ann"), QString(), QStringLiteral("jr"));  // 5
    addEmployee(QStringLiteral("Zeta"), QStringLiteral("Al"));                                    // 6
    addEmployee(QStringLiteral("Émile"), QStringLiteral("Al"));                                   // 7
    module->RSEmployee.SetCurrentRecord(2);
    module->RSEmployee.GetRec();
    RebuildRecIndex = true;

    BuildRecIndex();
    EXPECT_FALSE(RebuildRecIndex);
    EXPECT_EQ(indexNames(), (QStringList{QStringLiteral("Baker,  Tom Lee"), QStringLiteral("Baker,  Tom Lee"),
                                         QStringLiteral("Smith JR,  Ann "), QStringLiteral("SMITH JR,  ann "),
                                         QStringLiteral("smith jr,  Ann "), QStringLiteral("Zeta,  Al "),
                                         QStringLiteral("Émile,  Al ")}));
    EXPECT_EQ(indexRecords(), (std::vector<int>{2, 4, 1, 3, 5, 6, 7}));
    // The employee that was current is current again.
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Baker"));

    std::vector<int> visited;
    ForEachEmployeeByName([&] { visited.push_back(module->RSEmployee.CurrentRecord()); });
    EXPECT_EQ(visited, (std::vector<int>{2, 4, 1, 3, 5, 6, 7}));
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
}

TEST_F(EmployeeIndexTest, FirstNameFirstFormAndLengthLimit)
{
    addEmployee(QStringLiteral("Abcdefghijklmnopqrst"), QStringLiteral("Abcdefghijklmno"), QStringLiteral("Abcdefghijklmno"),
                QStringLiteral("SR"));
    addEmployee(QStringLiteral("Baker"), QStringLiteral("Tom"));
    RecIndexLastNameFirst = false;
    RebuildRecIndex = true;
    BuildRecIndex();
    ASSERT_EQ(RecIndex.size(), 2u);
    EXPECT_EQ(RecIndex[0].Name, QStringLiteral("Abcdefghijklmnopqrst SR Abcdefghijklmno Abcdefghijklmno"));
    EXPECT_EQ(RecIndex[1].Name, QStringLiteral("Baker Tom "));

    RecIndexLastNameFirst = true;
    RebuildRecIndex = true;
    BuildRecIndex();
    // 20 + 1 + 2 + 3 + 15 + 1 + 15 = 57 characters exactly.
    EXPECT_EQ(RecIndex[0].Name, QStringLiteral("Abcdefghijklmnopqrst SR,  Abcdefghijklmno Abcdefghijklmno"));
    EXPECT_EQ(RecIndex[0].Name.size(), 57);
}

TEST_F(EmployeeIndexTest, NothingIsRebuiltUnlessAsked)
{
    addEmployee(QStringLiteral("Adams"), QStringLiteral("Ann"));
    addEmployee(QStringLiteral("Baker"), QStringLiteral("Bob"));
    RebuildRecIndex = false;
    RecIndex = {{QStringLiteral("stale"), 1}};
    BuildRecIndex();
    EXPECT_EQ(indexNames(), QStringList{QStringLiteral("stale")});
}

TEST_F(EmployeeIndexTest, OneEmployeeGivesOneUnnamedEntryAndTheListIsRefused)
{
    addEmployee(QStringLiteral("Adams"), QStringLiteral("Ann"));
    RebuildRecIndex = true;
    BuildRecIndex();
    EXPECT_TRUE(RebuildRecIndex);
    ASSERT_EQ(RecIndex.size(), 1u);
    EXPECT_EQ(RecIndex[0].Index, 0);
    EXPECT_TRUE(RecIndex[0].Name.isEmpty());

    int visits = 0;
    ForEachEmployeeByName([&] { ++visits; });
    EXPECT_EQ(visits, 1);

    messages.expect(IdOk);
    ShowRecList();
    EXPECT_EQ(messages.last().text,
              QStringLiteral("The list window is not available when\rthere is only 1 record in the database"));
    EXPECT_EQ(messages.last().flags, MbIconInformation);
    EXPECT_FALSE(RecListChosen);
}

TEST_F(EmployeeIndexTest, ListWindowMovesToTheChosenEmployee)
{
    addEmployee(QStringLiteral("Zeta"), QStringLiteral("Al"));
    addEmployee(QStringLiteral("Adams"), QStringLiteral("Ann"));
    addEmployee(QStringLiteral("Moore"), QStringLiteral("Max"));
    QStringList shown;
    int answer = 2;
    SetEmployeePicker([&](const QStringList& names) {
        shown = names;
        return answer;
    });
    ShowRecList();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Adams,  Ann "), QStringLiteral("Moore,  Max "), QStringLiteral("Zeta,  Al ")}));
    EXPECT_TRUE(RecListChosen);
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 1);
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Zeta"));

    answer = -1;
    ShowRecList();
    EXPECT_FALSE(RecListChosen);
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 1);
    SetEmployeePicker(nullptr);
}

TEST_F(EmployeeIndexTest, LoopRestoresTheCurrentEmployeeAfterAnError)
{
    addEmployee(QStringLiteral("Adams"), QStringLiteral("Ann"));
    addEmployee(QStringLiteral("Baker"), QStringLiteral("Bob"));
    addEmployee(QStringLiteral("Clark"), QStringLiteral("Cy"));
    module->RSEmployee.SetCurrentRecord(2);
    module->RSEmployee.GetRec();

    EXPECT_THROW(ForEachEmployee([] {
                     if (EmployeeRec.LastName.get() == QStringLiteral("Clark"))
                         throw ECustomException(QStringLiteral("stop"));
                 }),
                 ECustomException);
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Baker"));

    EXPECT_THROW(ForEachEmployeeByName([] { throw ECustomException(QStringLiteral("stop")); }), ECustomException);
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Baker"));

    // A walk inside a walk brings each back to its own employee.
    QStringList outer;
    ForEachEmployee([&] {
        outer << EmployeeRec.LastName.get();
        ForEachEmployee([] {});
        EXPECT_EQ(EmployeeRec.LastName.get(), outer.back());
    });
    EXPECT_EQ(outer, (QStringList{QStringLiteral("Adams"), QStringLiteral("Baker"), QStringLiteral("Clark")}));
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
}

TEST_F(EmployeeIndexTest, StaleIndexIsRefusedRatherThanReadingAnotherEmployee)
{
    addEmployee(QStringLiteral("Adams"), QStringLiteral("Ann"));
    addEmployee(QStringLiteral("Baker"), QStringLiteral("Bob"));
    RebuildRecIndex = false;
    RecIndex = {{QStringLiteral("Gone"), 7}, {QStringLiteral("Adams"), 0}};
    EmployeeCount = 2;
    EXPECT_THROW(ForEachEmployeeByName([] {}), ERecordSetException);
}
