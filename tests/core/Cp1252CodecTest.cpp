#include "core/Cp1252Codec.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace scrivix;

TEST(Cp1252Codec, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Cp1252Codec::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_TRUE(Cp1252Codec::canEncode(text));
    EXPECT_EQ(Cp1252Codec::encode(text), all);
}

TEST(Cp1252Codec, MapsCharactersToTheirBytes)
{
    const struct
    {
        const char* text;
        QByteArray bytes;
        bool encodable;
    } cases[] = {
        {"Jos\u00e9 Pe\u00f1a",
         QByteArray("Jos\xe9 Pe\xf1"
                    "a"),
         true},
        {"\u20ac 100", QByteArray("\x80 100"), true},
        {"\u201cquoted\u201d \u2013 \u2122", QByteArray("\x93quoted\x94 \x96 \x99"), true},
        {"\u00ff\u0178", QByteArray("\xff\x9f"), true},
        // Long plain runs are converted in blocks; what follows them still maps.
        {"Executor of the Estate of Mar\u00eda L\u00f3pez \u2014 \u20ac 1,250.00",
         QByteArray("Executor of the Estate of Mar\xed"
                    "a L\xf3pez \x97 \x80 1,250.00"),
         true},
        // What the code page cannot hold becomes one '?' each, even outside the basic plane.
        {"\u03a9mega", QByteArray("?mega"), false},
        {"Anna \U0001F600!", QByteArray("Anna ?!"), false},
        {"\u5c71\u7530", QByteArray("??"), false},
        {"Grantee: Corporation \u03a3\u03a4", QByteArray("Grantee: Corporation ??"), false},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(Cp1252Codec::encode(text), c.bytes) << c.text;
        EXPECT_EQ(Cp1252Codec::canEncode(text), c.encodable) << c.text;
        if (c.encodable) {
            EXPECT_EQ(Cp1252Codec::decode(c.bytes), text) << c.text;
        }
    }
}
