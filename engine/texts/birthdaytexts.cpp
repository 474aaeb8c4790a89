// SPDX-License-Identifier: MIT
#include "birthdaytexts.h"

#include "paragraphrows.h"

namespace velmora {
namespace {

constexpr std::string_view kExplanation =
    "The Birthday Number is simply the day of the month on which you were born. It names one "
    "particular talent you carry with you, a tool for the road your Life Path describes.";

constexpr std::string_view kTexts[] = {
    // 1
    "Born on the first, you start things. Ideas come to you whole, and you would rather act on "
    "them today than wait for permission. Leadership is your gift; patience with slower people is "
    "your homework.",
    // 2
    "Born on the second, you have a fine ear for mood and tone. You make an excellent assistant, "
    "mediator or musician, and you do your best work beside someone you trust.",
    // 3
    "Born on the third, you charm with words. A letter, a joke or a well-told tale comes easily "
    "to you, and people remember how you made them feel long after the evening ends.",
    // 4
    "Born on the fourth, you are the one who reads the instructions. Method, accuracy and a "
    "tidy workbench serve you well, and your reliability earns trust that flashier people never "
    "win.",
    // 5
    "Born on the fifth, you are quick, curious and restless. Languages, sales and travel suit "
    "you; routine dulls you. You learn a new skill in a week and may drop it in a month.",
    // 6
    "Born on the sixth, you make people feel at home. Cooking, nursing, decorating or teaching "
    "let your warmth show, and friends bring you their troubles without being asked.",
    // 7
    "Born on the seventh, you think before you speak and often before you feel. Analysis, "
    "research and careful observation come naturally, and you prefer a few deep friendships to "
    "a crowd.",
    // 8
    "Born on the eighth, you have a head for figures and a sense for value. Running a shop, a "
    "budget or a department suits you, and you judge people shrewdly by what they do.",
    // 9
    "Born on the ninth, you feel for strangers as well as friends. Art, charity and public work "
    "draw you, and your broad sympathy lets you speak to people from every walk of life.",
    // 10
    "Born on the tenth, you bounce back. Setbacks that flatten others only sharpen your resolve, "
    "and you are at your best when starting again on your own terms.",
    // 11
    "Born on the eleventh, you pick up what is not said. Hunches often prove right, and you may "
    "inspire others in teaching, ministry or the arts, provided you guard your nerves.",
    // 12
    "Born on the twelfth, you look at old problems from a new angle. Wit and imagination are "
    "your tools, and you can make a dull subject lively for any audience.",
    // 13
    "Born on the thirteenth, you can work long hours on a hard task and enjoy it. Building, "
    "crafts and anything that needs a steady hand reward your persistence.",
    // 14
    "Born on the fourteenth, you adapt quickly to new places and people. Your senses are keen, "
    "and you do well in trades where timing matters, though moderation takes practice.",
    // 15
    "Born on the fifteenth, you attract help and affection. Generous with your home and your "
    "purse, you are the friend who remembers birthdays and turns up with soup.",
    // 16
    "Born on the sixteenth, you search beneath appearances. Writing, study and quiet reflection "
    "suit you, and a sudden upheaval often shows you a truth that comfort had hidden.",
    // 17
    "Born on the seventeenth, you combine ambition with a thoughtful mind. Finance, publishing "
    "or any business that rewards long planning lets you rise steadily.",
    // 18
    "Born on the eighteenth, you want to set the world to rights. Broad-minded and capable, you "
    "make a strong organiser for causes that serve many people at once.",
    // 19
    "Born on the nineteenth, you insist on standing on your own feet. Independent and "
    "resourceful, you learn most from the times you try to manage everything alone.",
    // 20
    "Born on the twentieth, you are tactful and kind. Groups run more smoothly with you in them, "
    "and you notice who is left out of a conversation and bring them in.",
    // 21
    "Born on the twenty-first, you are sociable and bright. Parties, stages and classrooms suit "
    "you, and your gift for encouragement lifts the spirits of those around you.",
    // 22
    "Born on the twenty-second, you think in plans and systems. Given a large practical task, "
    "such as a building project or an organisation to run, you see how every part fits.",
    // 23
    "Born on the twenty-third, you are lively, persuasive and hard to pin down. You understand "
    "people quickly, which makes you a natural in sales, law or any work with the public.",
    // 24
    "Born on the twenty-fourth, you are devoted to family and to keeping things in good repair. "
    "You balance duty with a real eye for beauty in a room or a garden.",
    // 25
    "Born on the twenty-fifth, you trust your intuition and then check it. Observant and "
    "reserved, you often see the end of a story while others are still reading its opening.",
    // 26
    "Born on the twenty-sixth, you have a talent for business and for taking charge of a "
    "household. You like things done properly and you reward loyalty generously.",
    // 27
    "Born on the twenty-seventh, you blend compassion with a questioning mind. Healing, teaching "
    "and the study of ideas suit you, and you can hold a strong opinion gently.",
    // 28
    "Born on the twenty-eighth, you lead but also listen. Independent in thought yet happy in a "
    "team, you can steer a group without making anyone feel pushed aside.",
    // 29
    "Born on the twenty-ninth, you live on strong feelings and strong hunches. Spiritual or "
    "artistic work can use that intensity; calm routines help it not to overwhelm you.",
    // 30
    "Born on the thirtieth, you have a sparkle in speech and on the page. Hosting, writing and "
    "performing come easily, and your optimism carries friends through grey weeks.",
    // 31
    "Born on the thirty-first, you pair imagination with a practical streak. You enjoy making "
    "something lasting, a business, a garden or a family tradition, and seeing it through.",
};

constexpr std::array<ReadingRow, 31> kRows = paragraphRows<31>(consecutiveNumbers<31>(1), kTexts);

} // namespace

const ReadingTable &birthdayTable()
{
    static constexpr ReadingTable table{kExplanation, kRows};
    return table;
}

} // namespace velmora
