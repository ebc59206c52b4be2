#include "framework/KRSet.h"

#include <cstdint>
#include <gtest/gtest.h>

using namespace korvan;

namespace {

enum TColour : std::uint8_t { clRed, clGreen, clBlue, clLast = 255 };
using TColours = TSet<TColour>;

} // namespace

TEST(KRSet, UnionDifferenceAndIntersectionWorkOnWholeSets)
{
    const TColours Warm{ clRed, clLast };
    const TColours Cool{ clGreen, clBlue };
    EXPECT_EQ(Warm + Cool, (TColours{ clRed, clGreen, clBlue, clLast }));
    EXPECT_EQ((Warm + Cool) - Warm, Cool);
    EXPECT_EQ(((Warm + Cool) * TColours{ clBlue, clLast }), (TColours{ clBlue, clLast }));
    EXPECT_TRUE((Warm * Cool).Empty());
    EXPECT_FALSE(Warm == Cool);
}

TEST(KRSet, IncludeAndExcludeChangeOneValueOnly)
{
    TColours S;
    EXPECT_TRUE(S.Empty());
    S.Include(clLast);
    S.Include(clLast);
    S.Include(clRed);
    S.Exclude(clGreen);
    EXPECT_EQ(S, (TColours{ clRed, clLast }));
    S.Exclude(clLast);
    EXPECT_TRUE(S.Contains(clRed));
    EXPECT_FALSE(S.Contains(clLast));
}

TEST(KRSet, CharacterSetsTreatBytesAboveAsciiAsTheirOwnValues)
{
    const TSet<char> Quotes{ '"', '\'', '\xC3' };
    EXPECT_TRUE(Quotes.Contains('\xC3'));
    EXPECT_FALSE(Quotes.Contains('C'));
    EXPECT_FALSE(Quotes.Contains('\x43'));
}
