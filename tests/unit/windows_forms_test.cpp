#include "store/cp932.h"
#include "store/windows_forms.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowsForms, LinuxFormsBecomeTheOnesCp932ReadsBack)
{
    const QString typed = u"\u301C\u2016\u2212\u00A2\u00A3\u00AC"_qs;
    const QString windows = u"\uFF5E\u2225\uFF0D\uFFE0\uFFE1\uFFE2"_qs;
    EXPECT_EQ(toWindowsForms(typed), windows);
    for (QChar c : typed)
        EXPECT_FALSE(cp932::roundTrips(QString(c))) << c.unicode();
    EXPECT_TRUE(cp932::roundTrips(windows));

    QByteArray bytes;
    ASSERT_TRUE(cp932::encodeExactly(toWindowsForms(typed), bytes));
    EXPECT_EQ(bytes, QByteArray::fromHex("8160 8161 817c 8191 8192 81ca"));
}

TEST(WindowsForms, EverythingElseStaysInPlace)
{
    EXPECT_EQ(toWindowsForms(u"午前9時\u301C正午 ~-|\\ \uFF5E"_qs),
              u"午前9時\uFF5E正午 ~-|\\ \uFF5E"_qs);
    EXPECT_EQ(toWindowsForms(QString()), QString());
    // A character outside the basic plane is two units; neither half is touched.
    EXPECT_EQ(toWindowsForms(u"\U0001F600\u00AC"_qs), u"\U0001F600\uFFE2"_qs);
}

} // namespace
