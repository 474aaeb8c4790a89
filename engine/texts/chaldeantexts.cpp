// SPDX-License-Identifier: MIT
#include "chaldeantexts.h"

#include <array>
#include <cstddef>
#include <string>

#include "paragraphrows.h"

namespace velmora {
namespace {

constexpr std::string_view kRootExplanation =
    "On the Chaldean chart a root is the single digit a number comes down to when its digits are "
    "added until one remains. It stands for the outward side of a person, what others notice first, "
    "and each of the nine roots is linked to a heavenly body whose nature it is said to share.";

constexpr std::string_view kPlanets[] = {
    "Sun", "Moon", "Jupiter", "Uranus", "Mercury", "Venus", "Neptune", "Saturn", "Mars",
};

constexpr std::string_view kRootTexts[] = {
    // 1
    "The root 1 belongs to the Sun. Like the Sun it stands at the centre of its own system and gives "
    "light to those around it. You are inventive, individual and determined, with firm views and a "
    "dislike of taking orders, and you shine in work you have started yourself. The days that add up "
    "to 1, the 1st, 10th, 19th and 28th of any month, are said to favour your plans, and gold and "
    "yellow are your colours. Beware of ambition hardening into obstinacy.",
    // 2
    "The root 2 belongs to the Moon, which borrows its light and changes with the tides. You are "
    "gentle, imaginative and artistic, quicker to feel than to act, and at your best in partnership "
    "rather than alone. Ideas come to you in abundance, though you may lack the push to carry them "
    "through unaided. The 2nd, 11th, 20th and 29th of a month suit you, and pale greens, creams and "
    "white are your shades. Guard against restlessness and low moods when the people you rely on are "
    "away.",
    // 3
    "The root 3 belongs to Jupiter, the planet of expansion and good fortune. You are ambitious and "
    "disciplined, with a love of order and a wish to rise, and you often find yourself in charge "
    "sooner than your colleagues. Duty and authority sit well on you, and you respect rules even when "
    "you bend them. The 3rd, 12th, 21st and 30th of any month are counted as your days, and mauve, "
    "violet and purple as your colours. Take care that pride does not turn into a habit of dictating.",
    // 4
    "The root 4 belongs to Uranus, the planet of the unexpected. You see things from an angle nobody "
    "else takes, and you may argue the opposite side by instinct, questioning rules that others accept "
    "without a thought. Reform and invention attract you; you make friends with difficulty but keep "
    "the few you make. Days numbered 4, 13, 22 and 31 are said to suit you, with half-tones and greys "
    "for colour. Watch your temper and your purse, for sudden losses are this root's weak point.",
    // 5
    "The root 5 belongs to Mercury, the quick messenger of the gods. You think fast, make friends "
    "easily and recover from setbacks in hours rather than weeks. Money, trade and speculation come "
    "naturally, and you can talk your way into, and usually out of, most situations. The 5th, 14th "
    "and 23rd are your days of the month, and light greys, whites and glittering fabrics your "
    "colours. Nervous strain is the price of so much speed; rest before it is forced on you.",
    // 6
    "The root 6 belongs to Venus, the planet of love and beauty. You are magnetic and easily loved, "
    "with a taste for art, music, flowers and a well-kept home, and you are more devoted to those you "
    "love than to yourself. Harmony matters more to you than winning an argument. The 6th, 15th and "
    "24th of any month are counted fortunate for you, and every shade of blue and rose becomes you. "
    "Beware of stubbornness when your affections are slighted.",
    // 7
    "The root 7 belongs to Neptune, ruler of the sea. You are independent, original and restless, "
    "drawn to travel, to water and to far countries, and you may feel more at home in an idea than in "
    "a town. Intuition and dreams speak to you clearly, and you may write, paint or heal with unusual "
    "feeling. Your days are the 7th, 16th and 25th, and pale greens and yellows your colours. Money "
    "matters little to you, so let someone practical keep an eye on it.",
    // 8
    "The root 8 belongs to Saturn, the planet of time, duty and fate. Those it marks are often "
    "misunderstood, judged cold when they are only reserved, and they tend to win their rewards late, "
    "after long effort. You have great depth, a strong will and an instinct for responsibility, and "
    "you can carry heavy loads for years without complaint. The 8th, 17th and 26th of a month are "
    "your days, and dark greys, black and deep blue your colours. Let your warmth show; it is there.",
    // 9
    "The root 9 belongs to Mars, the planet of energy and combat. You are a fighter, courageous and "
    "determined, quick to anger and quick to forgive, and you rarely give up on what you have begun. "
    "Leadership in hard conditions suits you, though quarrels and accidents may find you more often "
    "than most, so take care with fire and sharp tools. The 9th, 18th and 27th are counted your days, "
    "and crimson, red and rose your colours. Turn your fire on causes worth fighting for.",
};

constexpr std::array<ReadingRow, 9> kRootRows = paragraphRows<9>(consecutiveNumbers<9>(1), kRootTexts);

constexpr std::string_view kCompoundExplanation =
    "A compound number is the two-figure number that stands behind a root. Add the values of the "
    "letters, or the digits of a date: when the total lies between 10 and 52 it is the compound; when "
    "it is larger, add its digits and look again, keeping the first sum that falls between 10 and 52. "
    "A total of 76 gives 13, for instance, and 13 the root 4. A total that never lands in that range "
    "has no compound. Where the root shows how you appear to others, the compound is said to show the "
    "hidden influences working behind the scenes.";

// Titles as the older books on the Chaldean method give them; a compound they
// read like a lower one carries that one's title and says so in its text.
constexpr CompoundReading kCompounds[] = {
    {10, "Wheel of Fortune",
     "The wheel turns, and you turn with it. Ten is a number of honour, faith and self-confidence, "
     "and those who carry it tend to rise and fall more than once in a lifetime, landing on their "
     "feet each time. Your good name travels ahead of you, and plans made under it are likely to be "
     "carried out, for better or worse, so weigh them before you set them going. Fortune favours you "
     "most when you keep your word."},
    {11, "A Lion Muzzled",
     "The older books draw a lion with a muzzle on it, and a clenched hand: great strength held back "
     "by forces it cannot see. Eleven warns of hidden trials, of rivals who smile to your face and of "
     "promises that turn out hollow. Your power is real, but it works best when you keep your own "
     "counsel, check the small print twice and choose allies slowly. Faith, patience and a quiet "
     "temper turn this number from a warning into a shield."},
    {12, "The Sacrifice",
     "Twelve is the compound of the sacrifice, sometimes called the victim. It speaks of anxiety of "
     "mind and of being made to bear the cost of other people's plans: the colleague who takes the "
     "credit, the relative whose debts land on your doormat. Knowing this, you can refuse the role. "
     "Read agreements before signing and say plainly what you will and will not do, and the "
     "sensitivity that makes you an easy mark becomes a gift for teaching and comfort."},
    {13, "Regeneration and Change",
     "Thirteen has a poor name it hardly deserves. Its old picture is a skeleton with a scythe, but "
     "the harvest it reaps is the outworn: plans, places and habits that have served their turn. "
     "Expect changes of address, of work and of outlook, often sudden and seldom comfortable. Met "
     "with courage, each change clears ground for something better; resisted, it tends to arrive "
     "anyway, and with less grace. Power comes to those who let the old go."},
    {14, "Movement",
     "Fourteen is the compound of movement and of people and things brought together: trade, travel, "
     "crowds and news. It can bring good fortune in dealings with money and speculation, yet it "
     "carries warnings too, of danger from the forces of nature, from water, wind and fire, and of "
     "losses through acting on other people's advice. Rely on your own judgement, keep a reserve, and "
     "look at the forecast before a long journey. Business done by letter or telephone often goes "
     "well for you."},
    {15, "The Magician",
     "Fifteen is a number of magic and mystery, and the tradition calls it the magician. You have a "
     "way with words, music and people that wins favours, gifts and help from others, and your charm "
     "draws money as readily as friends. The same gift can be turned to persuasion for its own sake, "
     "or to getting your way at any price. Used honestly, it is counted among the most fortunate "
     "compounds for gaining what you need."},
    {16, "The Shattered Citadel",
     "Sixteen is pictured as a tower struck by lightning, with a crowned man falling from its top: "
     "the shattered citadel. It warns of a sudden fall, of plans that collapse through something "
     "unforeseen, and of trouble brought on by pride. The warning is useful. Check the foundations "
     "before you build high, keep your plans in writing and your boasts to yourself, and never stake "
     "everything on one venture. Forewarned, many with this compound pass through its storms "
     "untouched."},
    {17, "The Star of the Magi",
     "Seventeen is the star of the magi, drawn with eight points: the compound of peace and love. It "
     "promises that you can rise above the trials and setbacks of your earlier years, and that your "
     "name will be remembered after you. Spiritual strength grows out of hardship here rather than "
     "ease. It is a fortunate number for the future, and especially for work that asks for faith in a "
     "long plan, such as planting an orchard or founding a school."},
    {18, "Spiritual-Material Conflict",
     "Eighteen is an uneasy compound. Its old picture shows a rayed moon dripping blood, a wolf and a "
     "hungry dog catching the drops below, and a crab crawling out of the water: the material side of "
     "life struggling to devour the spiritual. It warns of quarrels within families, of upheaval, of "
     "deception by friends and of danger from storms and fire. Generosity and forgiveness are the "
     "best answer, for kindness given freely turns much of its bad fortune aside."},
    {19, "The Prince of Heaven",
     "Nineteen is the prince of heaven, one of the most fortunate compounds of all. It promises "
     "happiness, success, esteem and honour, and the confidence to bring your plans to completion. "
     "Like the sun it lights up whatever it touches, and those who carry it usually find help "
     "arriving just when they need it. Share the light generously, for pride is the only cloud that "
     "can hide it."},
    {20, "The Awakening",
     "Twenty is the awakening, also called the judgement: a winged figure sounding a trumpet while "
     "people below rise with their hands joined. It calls you to a new purpose, a fresh plan or a "
     "cause to work for, often after a spell of doubt. It is less a number of worldly gain than of "
     "action for the good of others. Delays may try your patience, but they tend to pass once your "
     "aim is clear."},
    {21, "The Crown of the Magi",
     "Twenty-one is the crown of the magi, also pictured as the universe: advancement, honour and "
     "success after a long struggle. Whatever you fight for with patience, you are likely to win in "
     "the end. Victory comes late rather than early, after tests of will that would have worn others "
     "down. It is a fortunate compound for the future, promising a general rise in your career and "
     "standing."},
    {22, "Submission and Caution",
     "Twenty-two carries the picture of a good man blinded by the folly of others, walking with a "
     "knapsack full of errors on his back while a tiger waits to spring. It warns of illusion: of a "
     "fool's paradise, of trusting people who do not deserve it, of failing to see danger until it is "
     "close. Open your eyes, take advice from those with nothing to gain, and judge people by what "
     "they do. Then the caution of this number becomes plain good sense."},
    {23, "The Royal Star of the Lion",
     "Twenty-three is the royal star of the lion, one of the luckiest compounds. It promises success "
     "in your plans, help from superiors and protection from those in high places. Employers, "
     "officials and elders tend to take your side, and doors open after a word from the right person. "
     "Make the most of your backers by doing good work for them, and the goodwill returns in kind, "
     "often from people you had forgotten."},
    {24, "Love, Money and Creativity",
     "Twenty-four is a fortunate compound. It promises the help of people of rank and position and "
     "gains through love and partnership, and many who carry it marry happily or find a patron at the "
     "right moment. Creative work pays, sometimes surprisingly well. Do not take its luck for granted: "
     "warmth and talent draw opportunities, but steady effort is what keeps them, and a careless "
     "promise can undo years of goodwill."},
    {25, "Discrimination and Analysis",
     "Twenty-five is strength gained through experience. Its gifts are careful observation and sound "
     "judgement, earned through trials and setbacks rather than inherited. Your early years may feel "
     "harder than your friends', yet every lesson is stored away and used later. By middle life "
     "people bring you their problems because you see what others miss. The compound is a fortunate "
     "one once the apprenticeship is over."},
    {26, "Partnerships",
     "Twenty-six brings grave warnings, chiefly about other people's schemes. It tells of losses "
     "through bad advice, failed partnerships and speculation, of money lent and never returned, of "
     "ventures that founder through a partner's folly. You may have a real gift for business yet "
     "suffer from the company you keep. Keep your accounts separate, sign nothing in haste, and choose "
     "partners for their record rather than their charm."},
    {27, "The Sceptre",
     "Twenty-seven is the sceptre: authority, power and command. It promises that reward comes from "
     "the productive intellect, from ideas carefully worked out and plans well made. Trust your own "
     "judgement over the opinions of others, and carry your schemes through yourself. People tend to "
     "accept your lead without fuss. It is a good compound for anyone who must direct others, from a "
     "head teacher to the owner of a small firm."},
    {28, "The Trust",
     "Twenty-eight is full of contradictions. It promises a person of great ability who rises high, "
     "only to see much of the gain lost through trust placed in others, through rivals or through "
     "trouble at law. It may ask you to start again more than once. Guard what you build: keep "
     "contracts tight, savings in your own name and promises from strangers in writing. Carried "
     "wisely, it becomes a lesson in trust rather than a string of losses."},
    {29, "Grace under Pressure",
     "Twenty-nine speaks of uncertainty: deception by others, unreliable friends, trials, sorrow and "
     "disappointment in love. It asks for grace under pressure. Where others would break, you learn "
     "to bend and recover, and each storm teaches you whom to rely on. Check what you are told, take "
     "your time before giving your heart, and keep your dignity when others lose theirs; the reward "
     "is an inner steadiness that few can match."},
    {30, "The Loner",
     "Thirty is the compound of thoughtful deduction, of reflection and of a mind stronger than most "
     "around it. It is neither lucky nor unlucky in itself: all depends on what you want from life. "
     "People with it often put ideas before money or position, and they may choose solitude freely. "
     "Give your thoughts time and a notebook, and they can surprise everyone, yourself included, as "
     "long as thinking does not take the place of doing."},
    {31, "The Recluse",
     "Thirty-one is like thirty but more self-contained: lonely, isolated, apart. It is not a "
     "fortunate number from the worldly point of view, for it puts distance between you and the "
     "people who might help. Its gift is independence and self-sufficiency; its danger is a life "
     "lived behind a closed door. Let a few trusted people in and take up some task you share with "
     "others, and the isolation softens into a valued privacy."},
    {32, "Communication",
     "Thirty-two has the magical power of combination, like 5, 14 and 23. It favours you when you "
     "deal with the public and work with many people at once: selling, writing, broadcasting or any "
     "craft of words. Good fortune follows as long as you hold to your own judgement; when you let "
     "others talk you into their plans, its luck thins. It is a lively, sociable compound that "
     "rewards a clear head and a steady opinion."},
    {33, "Love, Money and Creativity",
     "Thirty-three has no meaning of its own in the older books, which read it as another 24. So the "
     "promise of patrons, affection and gain through creative work stands, but it comes with the "
     "weight of a doubled 3 and the duty of its root 6: family and friends who cannot be put aside. "
     "Let people help you as readily as you help them, and the good fortune of this number keeps "
     "flowing in both directions."},
    {34, "Discrimination and Analysis",
     "Thirty-four shares the meaning of 25: wisdom earned by experience. The tradition gives it "
     "nothing further, but its digits add a practical 4 to a restless 3, so the lessons here are "
     "usually learnt at work, through mistakes made on real jobs. Keep a record of what went wrong "
     "and why. Years later that record will be worth more than any certificate, and people will "
     "come to you for judgement."},
    {35, "Partnerships",
     "Thirty-five is counted with 26 in the older books and carries the same warnings about the "
     "company you keep. Losses come less from your own mistakes than from other people's: a partner's "
     "borrowing, a friend's failed scheme, a guarantee you signed to be kind. Your own instinct for "
     "business is sound. Let generosity take the form of gifts you can afford to lose, never of your "
     "signature on someone else's loan."},
    {36, "The Sceptre",
     "Thirty-six is read as 27, the sceptre, so authority and command belong to it as well. Here "
     "power tends to come through wide dealings, travel or work for many people at once, and it asks "
     "you to carry the responsibility that comes with a title. Those who follow your lead expect "
     "fairness. Give it, and you will keep the sceptre; rule by fear, and it slips from your hand "
     "sooner than you think."},
    {37, "Fortunate Friendships",
     "Thirty-seven has a potency of its own: good and fortunate friendships, both in love and in "
     "partnership. Your best luck arrives through other people, and a friendship struck up by chance "
     "may change the whole direction of your life. Marriage and business partnerships are favoured, "
     "as is any venture shared between two. Return the loyalty you are shown, and this compound keeps "
     "its promise for many years."},
    {38, "Grace under Pressure",
     "Thirty-eight follows 29 in the tradition, with its uncertainties and its trials through other "
     "people. Here the test tends to come through the home: a relative who misleads you, a friend who "
     "leans too hard, an affair of the heart that goes wrong. You have the gentleness to forgive and "
     "the patience to wait, and that gentleness, kept clear of naivety, carries you through what "
     "defeats others."},
    {39, "The Loner",
     "Thirty-nine is taken as 30: a reflective, independent mind that often prefers its own company. "
     "Its 9 adds a concern for humanity, so the thinking here turns to causes and to the wider world "
     "rather than to private puzzles. Writers, researchers and campaigners carry it well. Remember "
     "that ideas change nothing until they are shared; find the people who will listen, and tell them "
     "what you have seen."},
    {40, "The Recluse",
     "Forty stands with 31 in the older books, a number of self-sufficiency and some loneliness. With "
     "the plain 4 at its front, the isolation here is often the result of hard work: long hours at a "
     "desk, in a workshop or on a farm, while friendships wait. Your reliability is admired, but "
     "admiration is not company. Book time with people as firmly as you book your tasks, and keep "
     "those appointments."},
    {41, "Communication",
     "Forty-one is read like 32, the compound of combination and communication. It does well in "
     "contact with the public: trade, teaching, journalism, any role where you talk to many people in "
     "a day. Its 1 gives you the nerve to speak first and the wish to be heard. Hold to your own "
     "opinions when others press you to drop them, and the number's good fortune holds as well."},
    {42, "Love, Money and Creativity",
     "Forty-two is treated like 24 in the older books, and so it is counted fortunate: affection, the "
     "goodwill of people in authority, and money earned through creative or caring work. The 4 and 2 "
     "add patience and tact to the mix, which makes it a steady rather than a dazzling number. What "
     "you build with others tends to last, particularly a home or a family business."},
    {43, "Revolution",
     "Forty-three is an unfortunate compound in the tradition, symbolised by revolution, upheaval, "
     "strife and failure. It warns of plans overturned, of careers interrupted by events outside your "
     "control and of quarrels with authority. Yet revolutions also clear away what was rotten. If you "
     "carry this number, hold your ground calmly, keep your principles and your savings, and you may "
     "find yourself among those who rebuild afterwards."},
    {44, "Partnerships",
     "Forty-four counts as 26 in the older books, with that number's warnings about partnership and "
     "speculation. Its doubled 4 makes you a hard worker and a capable organiser, which is exactly "
     "why others want your name on their schemes. Lend your skill, not your guarantee. Large "
     "undertakings can succeed under this number, provided you keep the final say over the money "
     "yourself."},
    {45, "The Sceptre",
     "Forty-five takes the meaning of 27, the sceptre, and with it a promise of authority earned by "
     "thought and effort. Its 4 and 5 pull between method and adventure, so power tends to come to "
     "you through change: a move abroad, a new trade, a post nobody else wanted. Command well by "
     "explaining your reasons, and people will follow you into unfamiliar ground."},
    {46, "Fortunate Friendships",
     "Forty-six is read as 37, so friendship and partnership bring its best fortune. With the 6 in "
     "it, the friends are often found close to home: a neighbour, a colleague, someone met at the "
     "school gate. These ties grow into lasting support and sometimes into love. Keep your promises "
     "to them, and this compound repays you with loyalty, often when you least expect it."},
    {47, "Grace under Pressure",
     "Forty-seven is linked by the tradition with 29 and its trials through deceit and uncertainty. "
     "The 7 in it makes the trouble inward as often as outward: doubts, second thoughts, a fear of "
     "being misled that can itself mislead you. Gather the facts quietly before you judge, and trust "
     "your instinct once you have them. Composure under strain is the gift this number leaves "
     "behind."},
    {48, "The Loner",
     "Forty-eight shares the meaning of 30 in the older books: a mind that works best in quiet and "
     "thinks further ahead than its neighbours. Its 8 points that thinking towards money and "
     "management, so the reflective strategist behind a business fits it well. You may prefer to "
     "plan while others present. That is fine, as long as somebody hears the plan before it is too "
     "late to use it."},
    {49, "The Recluse",
     "Forty-nine is treated by the tradition like 31, a compound of independence bought at the price "
     "of some loneliness. With its 9, the distance often comes from choosing a cause over comfort: "
     "long service abroad, a vocation, the care of strangers. Your self-reliance is a real strength. "
     "Make sure a few people know where you are and how you are, and let them visit when they offer."},
    {50, "Communication",
     "Fifty is counted with 32 in the older books: the power of combination, of contact with the "
     "public and of ideas passed quickly from person to person. The 5 at its front adds restless "
     "energy, with travel and change never far away. Fortune follows if you keep your own counsel when "
     "a crowd pushes you another way. Speak for yourself, and people will want to hear you."},
    {51, "The Warrior",
     "Fifty-one has the nature of the warrior: sudden advancement in whatever you take up, above all "
     "in leading a cause, in the armed services or in any field where courage counts. It is a "
     "powerful number, but it makes enemies as readily as it makes progress, and the tradition warns "
     "of danger from those you pass on the way up. Act boldly, keep your guard up, and treat beaten "
     "rivals generously."},
    {52, "Revolution",
     "Fifty-two is read as 43, the compound of upheaval and strife, and it is the last compound the "
     "older books describe. Its 5 and 2 bring sudden change and draw other people into it. When the "
     "ground shifts, resist the urge to take sides in haste. Patience and a cool head let you come "
     "through changes that scatter others, and the new order may suit you better than the old one."},
};

constexpr int kFirstCompound = 10;
constexpr int kLastCompound = 52;
static_assert(std::size(kCompounds) == kLastCompound - kFirstCompound + 1);

constexpr std::string_view kExplanations[] = {
    // Name
    "Shown here as the Destiny Number, this is what Chaldean books call the name number: the values "
    "of every letter of your full name added together on the Chaldean chart, where no letter counts "
    "9. Its compound and root describe the impression your name makes and the fortune it is said to "
    "draw towards you.",
    // SoulUrge
    "The Soul Urge adds only the vowels of your name, A, E, I, O and U, on the Chaldean chart. It "
    "speaks of your private wishes: what you want when nobody is watching.",
    // Personality
    "The Personality adds only the consonants of your name, every letter other than A, E, I, O and "
    "U. It describes the outer manner that strangers meet first.",
    // Birth
    "The Birth number is your day of birth alone, without the month or the year. A day from 10 to 31 "
    "is itself the compound, and its digits added give the root; a day from 1 to 9 is the root "
    "alone. Chaldean books rank it beside the name number, as the number you were given rather than "
    "the one you answer to.",
    // LifePath: made of the two parts below, with or without a worked date.
    "",
};

constexpr std::string_view kLifePathAdds =
    "The Life Path adds every digit of your date of birth, day, month and full year, one digit at a time";
constexpr std::string_view kLifePathDescribes = "Its compound and root describe the course your life tends to take.";

} // namespace

const ReadingTable &chaldeanRootTable()
{
    static constexpr ReadingTable table{kRootExplanation, kRootRows};
    return table;
}

std::string_view chaldeanPlanet(int root)
{
    if (root < 1 || root > static_cast<int>(std::size(kPlanets)))
        return {};
    return kPlanets[root - 1];
}

std::span<const CompoundReading> chaldeanCompounds()
{
    return kCompounds;
}

const CompoundReading *chaldeanCompound(int number)
{
    if (number < kFirstCompound || number > kLastCompound)
        return nullptr;
    return &kCompounds[number - kFirstCompound];
}

std::string_view chaldeanCompoundExplanation()
{
    return kCompoundExplanation;
}

std::string_view chaldeanExplanation(ChaldeanNumber number)
{
    if (number == ChaldeanNumber::LifePath) {
        static const std::string general = std::string(kLifePathAdds) + ". " + std::string(kLifePathDescribes);
        return general;
    }
    return kExplanations[static_cast<std::size_t>(number)];
}

std::string chaldeanLifePathExplanation(std::string_view workedDate)
{
    return std::string(kLifePathAdds) + ": " + std::string(workedDate) + ". " + std::string(kLifePathDescribes);
}

} // namespace velmora
