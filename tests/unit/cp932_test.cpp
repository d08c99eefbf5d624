#include "store/cp932.h"
#include "store/storable_text.h"

#include <gtest/gtest.h>

namespace {

QByteArray encoded(const QString& text)
{
    QByteArray bytes;
    EXPECT_TRUE(cp932::encodeExactly(text, bytes)) << text.toStdString();
    return bytes;
}

QString decoded(const QByteArray& bytes)
{
    const std::optional<QString> text = cp932::decode(bytes);
    EXPECT_TRUE(text.has_value()) << bytes.toHex().toStdString();
    return text.value_or(QString());
}

TEST(Cp932, JapaneseTextGivesTheBytesWindowsWrites)
{
    // Kana, kanji whose second byte is 0x5C, and the ASCII backslash and tilde.
    EXPECT_EQ(encoded(u"表計算ソフト"_qs), QByteArray::fromHex("955c8c768e5a835c83748367"));
    EXPECT_EQ(encoded(u"C:\\Tools\\~a"_qs), QByteArray("C:\\Tools\\~a"));
    EXPECT_EQ(encoded(u"ｺﾏﾝﾄﾞ"_qs), QByteArray::fromHex("ba cf dd c4 de"));
    EXPECT_EQ(encoded(u"\u3000"_qs), QByteArray::fromHex("8140"));           // full-width blank
    EXPECT_EQ(encoded(u"\uFF5E"_qs), QByteArray::fromHex("8160"));           // full-width tilde
    EXPECT_EQ(encoded(u"\uFF0D"_qs), QByteArray::fromHex("817c"));           // full-width minus
    EXPECT_EQ(encoded(u"\u2460\u2160"_qs), QByteArray::fromHex("87408754")); // NEC row 13
    EXPECT_EQ(encoded(u"\u2170\u7E8A"_qs), QByteArray::fromHex("fa40fa5c")); // IBM extensions
    // Characters with two codes get the JIS X 0208 one, as Windows writes them.
    EXPECT_EQ(encoded(u"\u2252\u2235\uFFE2"_qs), QByteArray::fromHex("81e081e681ca"));
}

TEST(Cp932, BytesDecodeToTheCharactersWindowsReads)
{
    EXPECT_EQ(decoded(QByteArray::fromHex("955c8c768e5a")), u"表計算"_qs);
    EXPECT_EQ(decoded(QByteArray::fromHex("5c7e")), u"\\~"_qs);
    EXPECT_EQ(decoded(QByteArray::fromHex("8160817c8140")), u"\uFF5E\uFF0D\u3000"_qs);
    EXPECT_EQ(decoded(QByteArray::fromHex("b1dfa1")), u"ｱﾟ｡"_qs);
    // The NEC-selected copies of IBM extensions and NEC's duplicates of JIS characters.
    EXPECT_EQ(decoded(QByteArray::fromHex("ed40eef9")), u"\u7E8A\uFFE2"_qs);
    EXPECT_EQ(decoded(QByteArray::fromHex("8790")), u"\u2252"_qs);
    EXPECT_EQ(decoded(QByteArray()), QString());
}

TEST(Cp932, ConversionsRefuseInsteadOfSubstituting)
{
    for (const char* hex : {"80", "a0", "fd", "ff", "81", "41 81", "8120", "817f", "eb40"})
        EXPECT_FALSE(cp932::decode(QByteArray::fromHex(hex))) << hex;

    QByteArray bytes;
    EXPECT_FALSE(cp932::encodeExactly(u"a\U0001F600"_qs, bytes));      // outside the code page
    EXPECT_FALSE(cp932::encodeExactly(u"\u20AC"_qs, bytes));           // euro sign
    EXPECT_FALSE(cp932::encodeExactly(QString(QChar(0xD800)), bytes)); // lone surrogate
    EXPECT_FALSE(cp932::encodeExactly(u"\u00E9"_qs, bytes));
}

TEST(Cp932, OnlyCharactersThatReadBackUnchangedCountAsRoundTrips)
{
    // Encodable, but they read back as other characters (0x8160 is U+FF5E, 0x5C a backslash).
    for (char16_t c : {u'\u301C', u'\u2016', u'\u2212', u'\u00A5', u'\u203E'})
        EXPECT_FALSE(cp932::roundTrips(QString(QChar(c)))) << int(c);
    for (char16_t c : {u'\uFF5E', u'\u2225', u'\uFF0D', u'\\', u'~', u'\u7E8A', u'\uE000'})
        EXPECT_TRUE(cp932::roundTrips(QString(QChar(c)))) << int(c);
}

TEST(StorableText, RefusesQuotesLineBreaksAndLossyCharacters)
{
    EXPECT_TRUE(canStoreText(QString()));
    EXPECT_TRUE(canStoreText(u" C:\\Program Files\\表計算, ver.2　～ "_qs));
    EXPECT_TRUE(canStoreText(u"ﾃｽﾄ①ⅰ"_qs));
    EXPECT_FALSE(canStoreText(u"say \"hi\""_qs));
    EXPECT_FALSE(canStoreText(u"two\r\nlines"_qs));
    EXPECT_FALSE(canStoreText(u"line\n"_qs));
    EXPECT_FALSE(canStoreText(u"wave\u301Cdash"_qs));
    EXPECT_FALSE(canStoreText(u"emoji \U0001F600"_qs));
    EXPECT_FALSE(canStoreText(u"caf\u00E9"_qs));
}

TEST(StorableText, NamesTheFirstCharacterItCannotStore)
{
    EXPECT_EQ(unstorableCharacter(u"/opt/表計算 ～/a.txt"_qs), QString());
    EXPECT_EQ(unstorableCharacter(u"/home/ren\u00E9/\u00FC.desktop"_qs), u"「é」（U+00E9）"_qs);
    EXPECT_EQ(unstorableCharacter(u"say \"hi\""_qs), u"「\"」（U+0022）"_qs);
    EXPECT_EQ(unstorableCharacter(u"two\r\nlines"_qs), u"改行（U+000D）"_qs);
    EXPECT_EQ(unstorableCharacter(u"wave\u301C"_qs), u"「\u301C」（U+301C）"_qs);
    EXPECT_EQ(unstorableCharacter(u"emoji \U0001F600!"_qs), u"「\U0001F600」（U+1F600）"_qs);
}

} // namespace
