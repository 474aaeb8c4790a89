// SPDX-License-Identifier: MIT
#include "personalitytexts.h"


namespace velmora {
namespace {

constexpr std::string_view kExplanation =
    "As the name suggests this number is associated with your personality: the nature you show to others, "
    "how at ease you feel in relationships, and how much of your inner self you let other people truly "
    "know.";

constexpr std::string_view kRow1[] = {
    "Great feeling of importance is what you love. Being noticed matters to you, and you carry "
    "yourself like someone who expects to lead: head up, decisions quick, opinions clear. People "
    "read you as self-assured and driven, often before you have said a word. You want to be known "
    "for what you have done yourself, and to be first through any new door.",
};

constexpr std::string_view kRow2[] = {
    "You dream about having close relationships with your loved ones, and it shows in the way you "
    "meet people. Your manner is soft-spoken and modest, and strangers relax around you within "
    "minutes. Few would call you loud; many would call you the one who listens. A word of thanks "
    "from someone close means more to you than public praise.",
};

constexpr std::string_view kRow3[] = {
    "All forms of art are your dream roles. On a stage, at a party or across a dinner table, you "
    "come alive whenever there is an audience, and your charm, wit and sense of style draw every "
    "eye in the room. Bright clothes and a quick joke are part of how you present yourself. Friends "
    "think of you as the one who brings the fun, and you hope they will always see you as young at "
    "heart, whatever the calendar says.",
};

constexpr std::string_view kRow4[] = {
    "You visualize of being someone rock-solid whom everyone can lean on, and that is how you "
    "appear. Your word is kept, your desk is tidy, your plans are written down. Colleagues see a "
    "steady, honest worker; friends see someone who arrives on time. You would rather be thought "
    "dependable than dazzling.",
};

constexpr std::string_view kRow5[] = {
    "You would love to be totally free and answer to nobody, and your manner tells people so. You "
    "dress and speak with a modern, easy flair, you jump from one subject to the next, and you are "
    "usually the first to suggest a trip or a change of plan. To others you seem exciting and a "
    "little hard to pin down, which is just the impression you enjoy giving.",
};

constexpr std::string_view kRow6[] = {
    "You love your family and relations. You crave a home that feels warm the moment someone walks "
    "in, and you want everyone in it to feel looked after. Friends bring their troubles to you "
    "because you seem so dependable and fair. It pleases you to be thought of as a protector, and "
    "you rest easy when those you love are safe.",
};

constexpr std::string_view kRow7[] = {
    "You love to grab all opportunities you get to study and to understand, yet you show the world "
    "very little of what goes on inside. People find you quiet, reserved and a touch mysterious, "
    "and they often wonder what you are thinking. You would rather be known for the depth of your "
    "mind than for small talk, and you guard your privacy closely.",
};

constexpr std::string_view kRow8[] = {
    "Your vision is success in the business or professional world, and you dress and speak the "
    "part. A firm handshake, good tailoring and a clear plan are how you introduce yourself. Others "
    "sense authority in you and often defer to you in a meeting. You want your achievements noticed "
    "and your name to carry weight.",
};

constexpr std::string_view kRow9[] = {
    "You are kind and compassionate. You are creative as well, and your broad interests make you "
    "easy to talk to about almost anything. People see a warm, tolerant and idealistic person with "
    "room in their heart for strangers as well as friends. You would like to be remembered for the "
    "good you did, and you treat everyone alike, whatever their background.",
};

constexpr std::string_view kRow11[] = {
    "You have the dream of casting the light of truth on the lives of others, and people sense "
    "something refined and sensitive in you from the start. Your presence is quiet, but it lingers; "
    "many remember a conversation with you long afterwards. You hope to guide by example, and you "
    "hold yourself to high standards so that your life can encourage theirs.",
};

constexpr std::string_view kRow22[] = {
    "You have big dreams of being the pioneer who builds something that outlasts you. Others see "
    "you as disciplined and capable, someone with both a vision and the patience to carry it out, "
    "and they tend to trust your plans. You would like to be known as a master builder, and you "
    "picture the bridges, schools or firms that may one day bear your mark.",
};

constexpr ReadingRow kRows[] = {
    {1, kRow1}, {2, kRow2}, {3, kRow3}, {4, kRow4}, {5, kRow5}, {6, kRow6},
    {7, kRow7}, {8, kRow8}, {9, kRow9}, {11, kRow11}, {22, kRow22},
};

} // namespace

const ReadingTable &personalityTable()
{
    static constexpr ReadingTable table{kExplanation, kRows};
    return table;
}

} // namespace velmora
