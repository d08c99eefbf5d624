#include "pages/page_number.h"

#include <gtest/gtest.h>

namespace {

TEST(PageNumber, ReadsWholeNumbersHalfOrFullWidthWithSignAndBlanks)
{
    EXPECT_EQ(readPageNumber("0"), 0);
    EXPECT_EQ(readPageNumber("1000"), 1000);
    EXPECT_EQ(readPageNumber("007"), 7);
    EXPECT_EQ(readPageNumber("  7 \t"), 7);
    EXPECT_EQ(readPageNumber(QStringLiteral("\u3000１２\u3000")), 12); // ideographic blanks
    EXPECT_EQ(readPageNumber(QStringLiteral("1２")), 12);
    EXPECT_EQ(readPageNumber("+5"), 5);
    EXPECT_EQ(readPageNumber("-1"), -1);
    EXPECT_EQ(readPageNumber(QStringLiteral("－３")), -3);
    EXPECT_EQ(readPageNumber("32767"), 32767);
    EXPECT_EQ(readPageNumber("-32768"), -32768);
}

TEST(PageNumber, RefusesEverythingElse)
{
    for (const char* text : {"", "   ", "abc", "1.5", "1,000", "12a", "a12", "--1", "+", "-", "1 2",
                             "32768", "-32769", "99999", "99999999999999999999", "0x10", "1e3"})
        EXPECT_FALSE(readPageNumber(QString::fromUtf8(text))) << text;
    EXPECT_FALSE(readPageNumber(QStringLiteral("１２ページ")));
}

} // namespace
