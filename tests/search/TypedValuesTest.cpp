// Dates and amounts typed into the search, as a person and an input method
// give them.

#include <gtest/gtest.h>

#include "search/TypedValues.h"

namespace kakeibo {
namespace {

TEST(TypedValues, AmountsInEveryWidthAndWithSeparators) {
    EXPECT_EQ(parseTypedAmount("1500"), 1500);
    EXPECT_EQ(parseTypedAmount(" -230.5 "), -230.5);
    EXPECT_EQ(parseTypedAmount("+12"), 12);
    EXPECT_EQ(parseTypedAmount("12,000"), 12000);
    EXPECT_EQ(parseTypedAmount("１２，０００"), 12000);
    EXPECT_EQ(parseTypedAmount("−500"), -500);
    EXPECT_EQ(parseTypedAmount("－５００"), -500);
    EXPECT_EQ(parseTypedAmount("0"), 0);
    EXPECT_EQ(parseTypedAmount(".5"), 0.5);
}

TEST(TypedValues, MalformedAmountsAreRefused) {
    for (const char* text : {"", " ", "abc", "12a", "1.2.3", "--5", "-", ",100", "100,", "1,,000", "1e5", "nan",
                             "inf", "5円", "1 000"}) {
        EXPECT_FALSE(parseTypedAmount(text)) << text;
    }
    EXPECT_FALSE(parseTypedAmount(std::string(400, '9')));
}

TEST(TypedValues, DatesInTheProgramsFormsAndFullWidth) {
    const Date march5 = *makeDate(2024, 3, 5);
    EXPECT_EQ(parseTypedDate("2024/3/5"), march5);
    EXPECT_EQ(parseTypedDate("2024-03-05"), march5);
    EXPECT_EQ(parseTypedDate("2024.3.5"), march5);
    EXPECT_EQ(parseTypedDate(" ２０２４／３／５ "), march5);
    EXPECT_EQ(parseTypedDate("2024年3月5日"), march5);
    EXPECT_EQ(parseTypedDate("2024/2/29"), *makeDate(2024, 2, 29));
}

TEST(TypedValues, MalformedAndImpossibleDatesAreRefused) {
    for (const char* text : {"", "2024", "2024/3", "24/3/5", "2024/13/1", "2023/2/29", "2024/4/31", "2024/3/5/1",
                             "2024/3-5", "2024/0/1", "2024/3/0", "2024/003/5", "abcd/1/1", "2024年3月"}) {
        EXPECT_FALSE(parseTypedDate(text)) << text;
    }
}

}  // namespace
}  // namespace kakeibo
