// SPDX-License-Identifier: MIT
#include "outreachtexts.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

struct OutreachCase {
    const char *name;
    std::string_view text;
    std::size_t length;


    friend void PrintTo(const OutreachCase &c, std::ostream *os) { *os << c.name; }
};

const OutreachCase kOutreachTexts[] = {
    {"appeal0", velmora::kAppeals[0], 227},
    {"appeal1", velmora::kAppeals[1], 211},
    {"appeal2", velmora::kAppeals[2], 160},
    {"appeal3", velmora::kAppeals[3], 196},
    {"quillonOffer", velmora::kQuillonOffer, 615},
};

class OutreachTextTest : public ::testing::TestWithParam<OutreachCase>
{
};

bool isPlainLine(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char ch) { return ch >= 0x20 && ch < 0x7f; });
}

bool namesAnAddress(std::string_view text)
{
    return text.find("://") != std::string_view::npos || text.find("www.") != std::string_view::npos;
}

TEST_P(OutreachTextTest, keepsItsLengthAsPlainText)
{
    const OutreachCase &c = GetParam();
    ASSERT_FALSE(c.text.empty());
    const auto length = static_cast<long>(c.text.size());
    const auto wanted = static_cast<long>(c.length);
    EXPECT_LE(std::labs(length - wanted) * 10, wanted) << "length " << length << ", wanted about " << wanted;
    EXPECT_TRUE(isPlainLine(c.text));
    EXPECT_NE(c.text.front(), ' ');
    EXPECT_NE(c.text.back(), ' ');
    EXPECT_FALSE(namesAnAddress(c.text));
}

INSTANTIATE_TEST_SUITE_P(Outreach, OutreachTextTest, ::testing::ValuesIn(kOutreachTexts),
                         [](const ::testing::TestParamInfo<OutreachCase> &info) {
                             return std::string(info.param.name);
                         });

TEST(OutreachTexts, offerOpensWithItsWords)
{
    EXPECT_TRUE(velmora::kQuillonOffer.starts_with("If you have enjoyed this software you will"));
}

// The invitation is the caption of a one-line strip, so it must stay short.
TEST(OutreachTexts, forumInvitationFitsOneLine)
{
    EXPECT_FALSE(velmora::kForumInvitation.empty());
    EXPECT_LE(velmora::kForumInvitation.size(), 55U);
    EXPECT_TRUE(isPlainLine(velmora::kForumInvitation));
    EXPECT_FALSE(namesAnAddress(velmora::kForumInvitation));
}

// The appeal is picked at random; four copies of one text would defeat the choice.
TEST(OutreachTexts, appealsAreDistinct)
{
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t j = i + 1; j < 4; ++j)
            EXPECT_NE(velmora::kAppeals[i], velmora::kAppeals[j]) << i << " and " << j;
}

} // namespace
