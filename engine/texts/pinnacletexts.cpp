// SPDX-License-Identifier: MIT
#include "pinnacletexts.h"

#include <algorithm>
#include <cassert>
#include <cstdint>


namespace velmora {
namespace {

constexpr std::string_view kExplanation =
    "Pinnacles represent moments in your life in which energies rise to the surface and shape what you "
    "learn, seek and achieve. Your life is divided into four such periods, each ruled by its own "
    "number drawn from your date of birth. Knowing your pinnacles helps you meet each stage with "
    "purpose and confidence.";

constexpr std::string_view kRow1[] = {
    "This signifies the period when you will be aiming for independence and recognition. A strong "
    "urge pushes you to make your own decisions and to prove what you are capable of, and new "
    "beginnings come easily. Courage and drive open many doors for you. Impatience is the one habit "
    "that can slow you. By the end of these years people will know your name and what it stands "
    "for.",
};

constexpr std::string_view kRow2[] = {
    "This signifies the period when you will be working steadily to improve your economic life, and "
    "teamwork will be your way of doing it. Patience, tact and cooperation bring you more than "
    "force ever could. Partnerships and close friendships grow in importance, and your gentle, "
    "diplomatic nature wins you support. Your intuition is sharp now; small slights may sting, but "
    "they pass.",
};

constexpr std::string_view kRow3[] = {
    "This signifies the period when you will want life to be a celebration. Happiness and creative "
    "self-expression are your themes, and talents for writing, speaking or art may bloom. Friends "
    "and a lively social life delight you. Your gifts flourish most when your energy stays on a few "
    "things.",
};

constexpr std::string_view kRow4[] = {
    "This signifies the period when you will believe in building a strong foundation for your "
    "future through hard work. Discipline, order and patience are your tools, and steady effort "
    "pays off in security for you and your family. Progress may feel slow at times, but what you "
    "build now will stand for many years.",
};

constexpr std::string_view kRow5[] = {
    "This signifies the period when you will want freedom above all else. Travel, change and new "
    "experiences call to you, and you will be eager to experiment with different ideas, places and "
    "ways of living. It is a lively and exciting time that widens your whole outlook, though rash "
    "decisions made now can prove costly, so keep at least a few roots.",
};

constexpr std::string_view kRow6[] = {
    "This signifies the period when you wish to settle into a peaceful and happy family life. Home, "
    "marriage, children and the care of loved ones take the central place in your heart. "
    "Responsibilities are welcome now, and serving those close to you brings deep satisfaction. "
    "Harmony and beauty at home matter greatly. The risk lies in shouldering everything, or in "
    "interfering where you are not asked.",
};

constexpr std::string_view kRow7[] = {
    "In this period you would like to come to terms with yourself and understand who you really "
    "are. Your attention turns inward, to study, reflection and the search for deeper meaning. You "
    "may seek quiet and solitude, and spend time reading, thinking or exploring spiritual and "
    "philosophical questions. Outer achievements may seem less important than inner growth, and "
    "that is as it should be. Friends may find you reserved, but the wisdom you gather now will "
    "guide you for the rest of your life. Trust your intuition and be patient with yourself, yet "
    "keep a door open to the people who care for you.",
};

constexpr std::string_view kRow8[] = {
    "This signifies the period when you will want success, fame and wealth, and you will have the "
    "drive to achieve them. Business, management and finance are favoured, and your ambition and "
    "good judgement can lead you to positions of authority. Hard work brings material reward and "
    "recognition now. A balance between career and home keeps the gains worth having, since money "
    "and power are tools, not goals. Used fairly, your influence can open doors for others too.",
};

constexpr std::string_view kRow9[] = {
    "This signifies the period when you will get to enjoy loving and satisfying relationships. Your "
    "heart opens wide, and you will feel compassion not only for those close to you but for people "
    "everywhere. You may be drawn to humanitarian work, the arts or causes greater than yourself. "
    "It is also a time of completion, when old chapters close and you learn to let go gracefully. "
    "Those who give freely and forgive easily in these years find that the love they share comes "
    "back many times over.",
};

constexpr std::string_view kRow11[] = {
    "This signifies the period when you will want enlightenment and spiritual truth more than "
    "worldly gain. Your intuition is heightened, and you may feel inspired by visions, ideals and "
    "flashes of insight others cannot see. This master number brings a higher calling: you may "
    "teach, heal or inspire through your example. The energy is powerful and can bring nervous "
    "tension, which rest and simple routines keep in check. Followed with faith, this inner light "
    "can touch many lives before the period is over.",
};

constexpr std::string_view kRow22[] = {
    "This signifies the period when you want to do something lasting for mankind. As a master "
    "builder you have the vision to dream on a grand scale and the practical skill to turn those "
    "dreams into reality. Great projects, organisations or works that serve many people may take "
    "shape through your efforts. You will have the power to achieve much, but the responsibility "
    "that comes with it is just as large. Humility, steady feet and the help of others carry such "
    "work furthest, and the good you create now can outlive you and benefit generations to come.",
};

constexpr ReadingRow kRows[] = {
    {1, kRow1}, {2, kRow2}, {3, kRow3}, {4, kRow4}, {5, kRow5}, {6, kRow6},
    {7, kRow7}, {8, kRow8}, {9, kRow9}, {11, kRow11}, {22, kRow22},
};

// The copy of the number-3 paragraph that a third pinnacle of 3 reads. It is
// stored apart and, unlike kRow3, has no space after its first sentence.
constexpr std::string_view kThirdPinnacleThree =
    "This signifies the period when you will want life to be a celebration.Happiness and creative "
    "self-expression are your themes, and talents for writing, speaking or art may bloom. Friends "
    "and a lively social life delight you. Your gifts flourish most when your energy stays on a few "
    "things.";

// The window's age labels, row by row: the ages follow the period rule of
// the chart (first 0 to 36 - v, second 37 - v to 45 - v, third 46 - v to
// 54 - v, fourth 55 - v onward, v the row's number reduced to one digit),
// which the tests hold them to. Every label ends in a space; the third label
// of 4 ends in two.
constexpr PinnacleLabels kLabels[] = {
    {1,
     {"First Pinnacle from age 0-35 years is ", "Second Pinnacle from age 36-44 is ",
      "Third Pinnacle from age 45-53 is ", "Fourth Pinnacle from age 54 & beyond is "}},
    {2,
     {"First Pinnacle from age 0-34 years is ", "Second Pinnacle from age 35-43 is ",
      "Third Pinnacle from age 44-52 is ", "Fourth Pinnacle from age 53 & beyond is "}},
    {3,
     {"First Pinnacle from age 0-33 years is ", "Second Pinnacle from age 34-42 is ",
      "Third Pinnacle from age 43-51 is ", "Fourth Pinnacle from age 52 & beyond is "}},
    {4,
     {"First Pinnacle from age 0-32 years is ", "Second Pinnacle from age 33-41 is ",
      "Third Pinnacle from age 42-50 is  ", "Fourth Pinnacle from age 51 & beyond is "}},
    {5,
     {"First Pinnacle from age 0-31 years is ", "Second Pinnacle from age 32-40 is ",
      "Third Pinnacle from age 41-49 is ", "Fourth Pinnacle from age 50 & beyond is "}},
    {6,
     {"First Pinnacle from age 0-30 years is ", "Second Pinnacle from age 31-39 is ",
      "Third Pinnacle from age 40-48 is ", "Fourth Pinnacle from age 49 & beyond is "}},
    {7,
     {"First Pinnacle from age 0-29 years is ", "Second Pinnacle from age 30-38 is ",
      "Third Pinnacle from age 39-47 is ", "Fourth Pinnacle from age 48 & beyond is "}},
    {8,
     {"First Pinnacle from age 0-28 years is ", "Second Pinnacle from age 29-37 is ",
      "Third Pinnacle from age 38-46 is ", "Fourth Pinnacle from age 47 & beyond is "}},
    {9,
     {"First Pinnacle from age 0-27 years is ", "Second Pinnacle from age 28-36 is ",
      "Third Pinnacle from age 37-45 is ", "Fourth Pinnacle from age 46 & beyond is "}},
    {11,
     {"First Pinnacle from age 0-34 years is ", "Second Pinnacle from age 35-43 is ",
      "Third Pinnacle from age 44-52 is ", "Fourth Pinnacle from age 53 & beyond is "}},
    {22,
     {"First Pinnacle from age 0-32 years is ", "Second Pinnacle from age 33-41 is ",
      "Third Pinnacle from age 42-50 is ", "Fourth Pinnacle from age 51 & beyond is "}},
};

} // namespace

const PinnacleTable &pinnacleTable()
{
    static constexpr PinnacleTable table{{kExplanation, kRows}, kLabels, kThirdPinnacleThree};
    return table;
}

namespace {

std::string_view pinnacleLabel(const PinnacleTable &table, int number, std::size_t pinnacle)
{
    const auto it = std::ranges::find(table.labels, number, &PinnacleLabels::number);
    assert(it != table.labels.end());
    return it == table.labels.end() ? std::string_view{} : it->labels[pinnacle];
}

std::string_view pinnacleText(const PinnacleTable &table, const ReadingTable &readings, int number,
                              std::size_t pinnacle)
{
    if (pinnacle == 2 && number == 3)
        return table.thirdPinnacleThree;
    const ReadingRow *row = readings.find(number);
    assert(row != nullptr && row->paragraphs.size() == 1);
    return row == nullptr || row->paragraphs.empty() ? kNotValidText : row->paragraphs.front();
}

} // namespace

// One explanation, the bold line "Your Pinnacle Numbers are as below.", then
// each pinnacle's bold label and number over its reading. A third pinnacle of
// 1 leaves one extra line break after its reading; nothing follows the fourth.
Reading PinnacleReading(const PinnacleNumbers &numbers, const PinnacleNumbers &labelRows)
{
    return PinnacleReading(numbers, labelRows, pinnacleTable().readings);
}

Reading PinnacleReading(const PinnacleNumbers &numbers, const PinnacleNumbers &labelRows, const ReadingTable &readings)
{
    const PinnacleTable &table = pinnacleTable();
    Reading reading;
    reading.append(Style::Plain, readings.explanation);
    reading.append(Style::Plain, kParagraphBreak);
    reading.append(Style::Heading, kPinnacleIntroHeading);
    reading.append(Style::Heading, kParagraphBreak);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        reading.append(Style::Heading, pinnacleLabel(table, labelRows[i], i));
        reading.append(Style::Heading, numberText(numbers[i]));
        reading.append(Style::Heading, kParagraphBreak);
        reading.append(Style::Plain, pinnacleText(table, readings, numbers[i], i));
        if (i == 2 && numbers[i] == 1)
            reading.append(Style::Plain, kLineBreak);
        if (i + 1 < numbers.size())
            reading.append(Style::Plain, kParagraphBreak);
    }
    return reading;
}

} // namespace velmora
