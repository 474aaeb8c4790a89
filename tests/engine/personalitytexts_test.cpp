// SPDX-License-Identifier: MIT
#include "personalitytexts.h"
#include "texttable.h"

#include <map>

namespace {

const TextCase kPersonalityTexts[] = {
    {"explanation", velmora::personalityTable, TextCase::kExplanation, 0,
     "As the name suggests this number is associated", 203},
    {"row1", velmora::personalityTable, 1, 0, "Great feeling of importance is what you love.", 351},
    {"row2", velmora::personalityTable, 2, 0, "You dream about having close relationships with your", 338},
    {"row3", velmora::personalityTable, 3, 0, "All forms of art are your dream roles.", 407},
    {"row4", velmora::personalityTable, 4, 0, "You visualize of being someone rock-solid whom everyone", 296},
    {"row5", velmora::personalityTable, 5, 0, "You would love to be totally free and", 341},
    {"row6", velmora::personalityTable, 6, 0, "You love your family and relations. You crave", 314},
    {"row7", velmora::personalityTable, 7, 0, "You love to grab all opportunities you get", 339},
    {"row8", velmora::personalityTable, 8, 0, "Your vision is success in the business or", 305},
    {"row9", velmora::personalityTable, 9, 0, "You are kind and compassionate. You are creative", 347},
    {"row11", velmora::personalityTable, 11, 0, "You have the dream of casting the light", 339},
    {"row22", velmora::personalityTable, 22, 0, "You have big dreams of being the pioneer", 354},
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Personality, ReadingTextTest, ::testing::ValuesIn(kPersonalityTexts), textCaseName);

TEST(PersonalityTable, holdsOneParagraphForOneToNineElevenAndTwentyTwoOnly)
{
    const std::map<int, std::size_t> wanted = {
        {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 1}, {11, 1}, {22, 1},
    };
    std::map<int, std::size_t> stored;
    for (const velmora::ReadingRow &row : velmora::personalityTable().rows)
        stored[row.number] = row.paragraphs.size();
    EXPECT_EQ(stored, wanted);
    // A name made only of vowels reduces to 0, which has no reading of its own.
    EXPECT_EQ(velmora::personalityTable().find(0), nullptr);
}
