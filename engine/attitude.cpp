// SPDX-License-Identifier: MIT
#include "attitude.h"

#include <cassert>
#include <cstdint>

#include "letters.h"

namespace velmora {
namespace {

constexpr std::string_view kExplanation =
    "Tavi Attitude Number shows what you think you are like and how you tend to meet the world at "
    "first glance. It is found from your day and month of birth. Compare it with your life path "
    "number: when the two agree, you see yourself as others do.";

constexpr std::string_view kRow1[] = {
    "You are self reliant and do not like to depend on anyone for help. You are highly motivated, "
    "set your own goals and then work hard to reach them. Your drive inspires others, though it "
    "can seem stubborn.",
};

constexpr std::string_view kRow2[] = {
    "You are very easy to get along with. You are compassionate and sensitive to the feelings of "
    "others, and prefer harmony to conflict. People find comfort in your gentle company and trust "
    "you with their cares.",
};

constexpr std::string_view kRow3[] = {
    "You are jovial and outgoing. You like making people laugh and you bring a sense of humor to "
    "every gathering. Your warmth and lively conversation draw friends to you easily, and you "
    "rarely let a gloomy mood stay with you for long.",
};

constexpr std::string_view kRow4[] = {
    "You are very serious and keep to yourself. You are practical and reserved, and you value "
    "order, hard work and careful planning. Others see you as dependable and steady, someone who "
    "finishes what is started and keeps promises.",
};

constexpr std::string_view kRow5[] = {
    "You are fun lovers and difficult to be tied down to one place or routine. You are restless by "
    "nature and crave variety, new faces and fresh experiences. Travel delights you, and you are "
    "happiest when life keeps moving. Try to finish what you begin.",
};

constexpr std::string_view kRow6[] = {
    "You are caring and love taking care of the people around you. You are nurturing, loyal and "
    "generous with your time. Home and family mean so much to you, and others feel safe with you.",
};

constexpr std::string_view kRow7[] = {
    "You are thinkers and keep to yourself. You observe the world quietly and look for the meaning "
    "beneath the surface of things. Your philosophical mind asks deep questions, and you would "
    "rather listen and reflect than chatter idly.",
};

constexpr std::string_view kRow8[] = {
    "You seek materialistic and financial security. Money doesn't frighten you, and you plan "
    "carefully to build a stable and comfortable life. You are direct and can be blunt, saying "
    "exactly what you think, which some people admire.",
};

constexpr std::string_view kRow9[] = {
    "You are the leader of the people. You feel for others and often find yourself solving their "
    "problems before your own. Friends and strangers alike come to you for guidance, and you give "
    "it generously. Remember to take care of your own needs as well.",
};

constexpr ReadingRow kRows[] = {
    {1, kRow1}, {2, kRow2}, {3, kRow3}, {4, kRow4}, {5, kRow5},
    {6, kRow6}, {7, kRow7}, {8, kRow8}, {9, kRow9},
};

} // namespace

const ReadingTable &attitudeTable()
{
    static constexpr ReadingTable table{kExplanation, kRows};
    return table;
}

int AttitudeNumber(const BirthDataView &data)
{
    assert(hasValidDate(data));
    return ReduceNumber(std::int64_t{data.BirthDay} + data.BirthMonth, false);
}

Reading AttitudeReading(int number)
{
    return ShowReading(attitudeTable(), kAttitudeHeading, number);
}

} // namespace velmora
