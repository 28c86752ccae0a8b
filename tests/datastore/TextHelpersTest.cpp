#include "app/TextHelpers.h"

#include <gtest/gtest.h>

using namespace TextHelpers;

TEST(TextHelpers, NumberChecks) {
    EXPECT_EQ(removeSpaces(QStringLiteral(" 12 3\t4 ")), QStringLiteral("123\t4"));
    for (const char* yes : {"-5", "+7", "2147483647"})
        EXPECT_TRUE(isInteger(QLatin1String(yes))) << yes;
    for (const char* no : {"", "2147483648", "1.0", "1 2"})
        EXPECT_FALSE(isInteger(QLatin1String(no))) << no;
    for (const char* yes : {"", "12.5", ".5"})
        EXPECT_TRUE(isDecimalNumber(QLatin1String(yes))) << yes;
    for (const char* no : {"1.2.3", "-1", "1e3", "1,5"})
        EXPECT_FALSE(isDecimalNumber(QLatin1String(no))) << no;
    for (const char* yes : {"1.5", "-2", "1e3"})
        EXPECT_TRUE(isReal(QLatin1String(yes))) << yes;
    for (const char* no : {"", "abc", "1,000", "inf", "nan", "1e999"})
        EXPECT_FALSE(isReal(QLatin1String(no))) << no;
}

TEST(TextHelpers, LeapYearsFollowTheGregorianRule) {
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_TRUE(isLeapYear(2024));
    EXPECT_FALSE(isLeapYear(2023));
}
