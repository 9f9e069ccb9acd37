#include "model/DatedList.h"

#include <gtest/gtest.h>

#include <vector>

namespace kakeibo {
namespace {

std::vector<Date> dates(const MonthList& list) {
    std::vector<Date> out;
    for (const MonthRecord& record : list) out.push_back(record.key);
    return out;
}

MonthList listOf(std::initializer_list<Date> ds) {
    MonthList list;
    bool first = true;
    for (Date d : ds) {
        if (first) list.init(d);
        else list.insert(d);
        first = false;
    }
    return list;
}

TEST(DatedList, InsertKeepsDateOrderAndMakesTheNewRecordCurrent) {
    MonthList list;
    list.init(20);
    EXPECT_EQ(list.size(), 1);
    EXPECT_TRUE(list.curIsFirst());
    EXPECT_TRUE(list.curIsLast());

    list.insert(30);  // after the last
    EXPECT_EQ(list.cur().key, 30);
    EXPECT_TRUE(list.curIsLast());

    list.insert(10);  // before the first
    EXPECT_EQ(list.cur().key, 10);
    EXPECT_TRUE(list.curIsFirst());
    EXPECT_EQ(list.first().key, 10);

    list.insert(25);  // into a gap
    EXPECT_EQ(list.cur().key, 25);
    EXPECT_EQ(list.position(list.curIndex()), 3);
    EXPECT_EQ(dates(list), (std::vector<Date>{10, 20, 25, 30}));
    EXPECT_EQ(list.position(list.size() - 1), list.size());
    EXPECT_EQ(list.last().key, 30);

    // A new record is empty but for its date.
    MonthRecord expected;
    expected.key = 25;
    EXPECT_EQ(list.cur(), expected);
}

TEST(DatedList, FindWalksBackForTheExactDate) {
    MonthList list = listOf({10, 20, 30});
    EXPECT_EQ(list.find(20), 1);
    EXPECT_EQ(list.find(10), 0);
    EXPECT_EQ(list.find(30), 2);
    EXPECT_FALSE(list.find(15));
    EXPECT_FALSE(list.find(40));
}

TEST(DatedList, DeletingMovesToTheEarlierNeighbourOrTheNextAtTheStart) {
    {
        MonthList list = listOf({10, 20, 30});
        list.setCurIndex(0);  // the first
        list.deleteCurrent();
        EXPECT_EQ(dates(list), (std::vector<Date>{20, 30}));
        EXPECT_EQ(list.cur().key, 20);
        EXPECT_EQ(list.position(list.curIndex()), 1);
    }
    {
        MonthList list = listOf({10, 20, 30});
        list.setCurIndex(1);  // the middle
        list.deleteCurrent();
        EXPECT_EQ(dates(list), (std::vector<Date>{10, 30}));
        EXPECT_EQ(list.cur().key, 10);
    }
    {
        MonthList list = listOf({10, 20, 30});
        list.setCurIndex(2);  // the last
        list.deleteCurrent();
        EXPECT_EQ(dates(list), (std::vector<Date>{10, 20}));
        EXPECT_EQ(list.cur().key, 20);
        EXPECT_TRUE(list.curIsLast());
    }
    {
        MonthList list = listOf({10});
        list.deleteCurrent();  // the only one: refusing it is the page's business
        EXPECT_TRUE(list.empty());
        list.deleteCurrent();
        EXPECT_TRUE(list.empty());
        list.insert(5);
        EXPECT_EQ(list.cur().key, 5);
    }
}

TEST(DatedList, ListsOfMonthsAndCursorsOrderByTheirOwnKeys) {
    MonthList months;
    months.init(100).totalSpend = 7;
    months.insert(50);
    EXPECT_EQ(months.first().key, 50);
    EXPECT_EQ(months.last().totalSpend, 7);

    CursorList weeks;
    weeks.init(14);
    weeks.insert(7);
    weeks.insert(21);
    EXPECT_EQ(weeks.find(7), 0);
    EXPECT_EQ(weeks.curIndex(), 2);
}

}  // namespace
}  // namespace kakeibo
