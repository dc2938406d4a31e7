#include "TestSupport.h"

#include "components/IntegerList.h"

#include <vector>

namespace {

std::vector<qint32> itemsOf(const TIntegerList& list)
{
    std::vector<qint32> items;
    for (int i = 0; i < list.Count(); ++i)
        items.push_back(list.GetItem(i));
    return items;
}

void fill(TIntegerList& list, std::initializer_list<qint32> values)
{
    for (qint32 v : values)
        list.Add(v);
}

QString messageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EOutOfRange& e) {
        return e.message();
    }
    return QStringLiteral("(no EOutOfRange)");
}

} // namespace

TEST(IntegerList, NewListTakesAnyValue)
{
    TIntegerList list;
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Min(), 0);
    EXPECT_EQ(list.Max(), 0);
    EXPECT_FALSE(list.Sorted());
    EXPECT_EQ(list.Duplicates(), dupIgnore);
    fill(list, {INT32_MIN, -5, INT32_MAX});
    EXPECT_EQ(itemsOf(list), (std::vector<qint32>{INT32_MIN, -5, INT32_MAX}));
}

TEST(IntegerList, BoundsRefuseValuesOutside)
{
    TIntegerList list;
    list.SetMax(10);
    list.SetMin(1);
    fill(list, {1, 10});
    EXPECT_EQ(messageOf([&] { list.Add(11); }), QStringLiteral("Value must be within 1..10"));
    EXPECT_EQ(messageOf([&] { list.Insert(0, 0); }), QStringLiteral("Value must be within 1..10"));
    EXPECT_EQ(messageOf([&] { list.SetItem(1, 11); }), QStringLiteral("Value must be within 1..10"));
    EXPECT_EQ(itemsOf(list), (std::vector<qint32>{1, 10}));
}

TEST(IntegerList, NewBoundsMustFitTheValues)
{
    TIntegerList list;
    fill(list, {3, 7});
    EXPECT_EQ(messageOf([&] { list.SetMin(5); }),
              QStringLiteral("Unable to set new minimum value.\rList contains values below 5"));
    EXPECT_EQ(list.Min(), 0);
    EXPECT_EQ(messageOf([&] { list.SetMax(6); }),
              QStringLiteral("Unable to set new maximum value.\rList contains values above 6"));
    EXPECT_EQ(list.Max(), 0);

    list.SetMax(20);
    list.SetMin(3);
    EXPECT_EQ(list.Min(), 3);
    EXPECT_EQ(list.Max(), 20);

    TIntegerList bounds;
    bounds.SetMax(10);
    bounds.SetMin(5);
    bounds.SetMax(2); // below Min: Min follows it down
    EXPECT_EQ(bounds.Min(), 2);
    EXPECT_EQ(bounds.Max(), 2);
    bounds.SetMin(8); // above Max: Max follows it up
    EXPECT_EQ(bounds.Min(), 8);
    EXPECT_EQ(bounds.Max(), 8);
}

TEST(IntegerList, SortFindAndIndexOf)
{
    TIntegerList list;
    fill(list, {5, 1, 3, 1});
    EXPECT_EQ(list.IndexOf(1), 1);
    EXPECT_EQ(list.IndexOf(9), -1);
    list.SetSorted(true);
    EXPECT_EQ(itemsOf(list), (std::vector<qint32>{1, 1, 3, 5}));
    EXPECT_EQ(list.IndexOf(3), 2);
    EXPECT_EQ(list.IndexOf(4), -1);

    const struct {
        qint32 value;
        bool found;
        int index;
    } cases[] = {{0, false, 0}, {1, true, 1}, {3, true, 2}, {4, false, 3}, {5, true, 3}, {9, false, 4}};
    for (const auto& c : cases) {
        int index = -1;
        EXPECT_EQ(list.Find(c.value, index), c.found) << c.value;
        EXPECT_EQ(index, c.index) << c.value;
    }
    // Adding ignores the order; Sort of a list already taken as sorted does nothing.
    list.Add(2);
    list.Sort();
    EXPECT_EQ(itemsOf(list), (std::vector<qint32>{1, 1, 3, 5, 2}));
}

TEST(IntegerList, EditingOperations)
{
    TIntegerList list;
    fill(list, {10, 20, 30, 40});
    list.Exchange(0, 3);
    EXPECT_EQ(itemsOf(list), (std::vector<qint32>{40, 20, 30, 10}));
    list.Move(0, 2);
    EXPECT_EQ(itemsOf(list), (std::vector<qint32>{20, 30, 40, 10}));
    list.Delete(1);
    list.Insert(3, 50);
    EXPECT_EQ(itemsOf(list), (std::vector<qint32>{20, 40, 10, 50}));
    list.SetItem(0, 21);
    EXPECT_EQ(list.GetItem(0), 21);

    for (const auto& bad : std::vector<std::function<void()>>{
             [&] { list.GetItem(4); }, [&] { list.GetItem(-1); }, [&] { list.Delete(4); },
             [&] { list.Insert(5, 1); }, [&] { list.Exchange(0, 4); }, [&] { list.Move(4, 0); }})
        EXPECT_THROW(bad(), EListError);
    EXPECT_EQ(itemsOf(list), (std::vector<qint32>{21, 40, 10, 50}));
}

TEST(IntegerList, AssignCopiesValuesOnly)
{
    TIntegerList source;
    fill(source, {4, 2});
    source.SetSorted(true);
    TIntegerList copy;
    copy.SetMax(100);
    fill(copy, {99});
    copy.Assign(source);
    EXPECT_EQ(itemsOf(copy), (std::vector<qint32>{2, 4}));
    EXPECT_FALSE(copy.Sorted());
    EXPECT_EQ(copy.Max(), 100);
    EXPECT_TRUE(copy.Equals(source));
    copy.Add(5);
    EXPECT_FALSE(copy.Equals(source));

    TIntegerList narrow;
    narrow.SetMax(3);
    EXPECT_THROW(narrow.Assign(source), EOutOfRange);

    copy.Assign(copy);
    EXPECT_EQ(copy.Count(), 3);
    copy.Clear();
    EXPECT_EQ(copy.Count(), 0);
}
