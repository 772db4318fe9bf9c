// The string splitter of the option-button command strings.
#include "model/Func.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(SplitTextTest, SplitsAtEveryDelimiterAndKeepsEmptyParts) {
    struct Case {
        QString Text;
        QString Delimiter;
        QStringList Parts;
    };
    // clang-format off
    const Case cases[] = {
        {u"a:b"_qs, u":"_qs, {u"a"_qs, u"b"_qs}},
        {u"a::b"_qs, u":"_qs, {u"a"_qs, {}, u"b"_qs}},
        {u":"_qs, u":"_qs, {{}, {}}},
        {u"abc"_qs, u":"_qs, {u"abc"_qs}},
        {{}, u":"_qs, {{}}},
        {u"税込：[]*1.08@DP0="_qs, u"："_qs, {u"税込"_qs, u"[]*1.08@DP0="_qs}},
        {u"1<>2<>"_qs, u"<>"_qs, {u"1"_qs, u"2"_qs, {}}},
        {u"a:b"_qs, {}, {u"a:b"_qs}},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::array<QString, 8> parts;
        const int count = SplitText(c.Text, c.Delimiter, parts);
        ASSERT_EQ(count, c.Parts.size()) << c.Text.toStdString();
        EXPECT_EQ(QStringList(parts.begin(), parts.begin() + count), c.Parts)
            << c.Text.toStdString();
    }
}

TEST(SplitTextTest, MorePartsThanEntriesLeaveTheRestInTheLastEntry) {
    std::array<QString, 3> parts;
    EXPECT_EQ(SplitText(u"a:b:c:d:e"_qs, u":"_qs, parts), 3);
    EXPECT_EQ(parts[2], u"c:d:e"_qs);
    EXPECT_EQ(SplitText(u"a:b"_qs, u":"_qs, std::span<QString>()), 0);
    const QString colons(1000, u':');
    std::array<QString, 256> many;
    EXPECT_EQ(SplitText(colons, u":"_qs, many), 256);
    EXPECT_EQ(many[255], QString(745, u':'));
}

} // namespace
