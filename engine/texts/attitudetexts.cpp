// SPDX-License-Identifier: MIT
#include "attitudetexts.h"

#include <cassert>
#include <cstdint>


namespace velmora {
namespace {

constexpr std::string_view kExplanation =
    "The Attitude Number shows what you think you are like and how you tend to meet the world at "
    "first glance. It is found from your day and month of birth. Compare it with your life path "
    "number: when the two agree, you see yourself as others do.";

constexpr std::string_view kRow1[] = {
    "You are self reliant and do not like to lean on anyone for help. Goals come from within you, "
    "and once one is set you chase it tirelessly. Others admire your drive, even when it looks like "
    "stubbornness.",
};

constexpr std::string_view kRow2[] = {
    "You are very easy to get along with. Compassion comes naturally, and you notice how others "
    "feel before they say a word. Quarrels upset you, so you smooth them over, and people trust you "
    "with their worries.",
};

constexpr std::string_view kRow3[] = {
    "You are jovial and outgoing. You like making people laugh, and a sense of humour follows you "
    "into every gathering. Friends are drawn to your warmth and lively talk, and a gloomy mood "
    "rarely stays with you for more than an hour.",
};

constexpr std::string_view kRow4[] = {
    "You are very serious and keep to yourself. Order, hard work and careful planning are what you "
    "trust. Others find you dependable and steady, the kind of person who finishes every task begun "
    "and keeps every promise, however small.",
};

constexpr std::string_view kRow5[] = {
    "You are a fun lover and difficult to tie down to one place, one job or one routine. "
    "Restlessness is in your nature, and variety, new faces and fresh experiences keep you content. "
    "Travel delights you, and life feels best when it keeps moving.",
};

constexpr std::string_view kRow6[] = {
    "You are caring and love taking care of the people around you. Nurturing comes easily, and you "
    "are loyal and generous with your time. Home and family mean a great deal, and others feel "
    "safe with you.",
};

constexpr std::string_view kRow7[] = {
    "You are a thinker and keep to yourself. You watch the world quietly and look for the meaning "
    "beneath the surface of things. A philosophical turn of mind leads you to deep questions; you "
    "would rather listen and reflect than chatter.",
};

constexpr std::string_view kRow8[] = {
    "You seek materialistic and financial security. Money doesn't frighten you; you plan carefully "
    "to build a stable and comfortable life. Direct and sometimes blunt, you say exactly what you "
    "think, which some admire and others fear.",
};

constexpr std::string_view kRow9[] = {
    "You are the leader of the people. You feel for others and often find yourself solving their "
    "problems before your own. Friends and strangers alike come to you for guidance, and you give "
    "it freely, which leaves you little time for your own affairs.",
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

} // namespace velmora
