// SPDX-License-Identifier: MIT
// The readings as one body of prose: no two paragraphs share a long run of
// words, and one spelling variety holds throughout.
#include "chaldeantexts.h"
#include "compatibility.h"
#include "descriptors.h"
#include "outreachtexts.h"
#include "pinnacletexts.h"
#include "planes.h"
#include "thirtythreetexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <map>
#include <regex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kRunLength = 7;

// Runs that fixed opening words make several paragraphs share.
const std::vector<std::string_view> kForcedRuns = {
    // four pinnacle readings open with these words
    "This signifies the period when you will want",
    // two pinnacle readings open with these words
    "This signifies the period when you will be",
    // the negative traits of Destiny 2 and Destiny 7 open alike
    "The negative trait of this number is that",
};

// Fixed opening words that carry the other spelling.
const std::vector<std::string_view> kForcedSpellings = {
    "You will have good management and organizational skills.",
    "You visualize of being",
};

struct Paragraph {
    std::string where;
    std::string_view text;
};

std::vector<Paragraph> allParagraphs()
{
    std::vector<Paragraph> all;
    const auto addTable = [&all](std::string_view title, const velmora::ReadingTable &table) {
        const std::string name(title);
        all.push_back({name + " explanation", table.explanation});
        for (const velmora::ReadingRow &row : table.rows)
            for (std::size_t p = 0; p < row.paragraphs.size(); ++p) {
                const std::string_view text = row.paragraphs[p];
                // Rows without a reading of their own share one stored sentence.
                const bool seen = std::ranges::any_of(all, [&](const Paragraph &q) { return q.text.data() == text.data(); });
                if (!seen)
                    all.push_back({name + " " + std::to_string(row.number) + "/" + std::to_string(p), text});
            }
    };
    for (const velmora::SectionDescriptor &section : velmora::sectionDescriptors())
        addTable(section.caption, section.table());
    addTable("Life Paths Compared", velmora::lifePathRelationTable());
    addTable("Destinies Compared", velmora::destinyRelationTable());
    const std::pair<std::string_view, velmora::ThirtyThreeFor> thirtyThree[] = {
        {"Destiny", velmora::ThirtyThreeFor::Destiny},         {"Soul Urge", velmora::ThirtyThreeFor::SoulUrge},
        {"Personality", velmora::ThirtyThreeFor::Personality}, {"Realization", velmora::ThirtyThreeFor::Realization},
        {"Life Path", velmora::ThirtyThreeFor::LifePath},      {"Pinnacle", velmora::ThirtyThreeFor::Pinnacle},
        {"Attitude", velmora::ThirtyThreeFor::Attitude},
    };
    for (const auto &[title, which] : thirtyThree) {
        const velmora::ReadingRow &row = velmora::thirtyThreeRow(which);
        for (std::size_t p = 0; p < row.paragraphs.size(); ++p)
            all.push_back({std::string(title) + " 33/" + std::to_string(p), row.paragraphs[p]});
    }
    addTable("Chaldean root", velmora::chaldeanRootTable());
    all.push_back({"Chaldean compound explanation", velmora::chaldeanCompoundExplanation()});
    for (const velmora::CompoundReading &compound : velmora::chaldeanCompounds()) {
        const std::string where = "Chaldean compound " + std::to_string(compound.number);
        all.push_back({where + " title", compound.title});
        all.push_back({where, compound.text});
    }
    for (const velmora::ChaldeanNumber number :
         {velmora::ChaldeanNumber::Name, velmora::ChaldeanNumber::SoulUrge, velmora::ChaldeanNumber::Personality,
          velmora::ChaldeanNumber::Birth, velmora::ChaldeanNumber::LifePath})
        all.push_back({"Chaldean explanation " + std::to_string(static_cast<int>(number)),
                       velmora::chaldeanExplanation(number)});
    all.push_back({"Inclusion explanation", velmora::inclusionExplanation()});
    all.push_back({"Planes explanation", velmora::planesExplanation()});
    const velmora::PlaneSentences planes = velmora::planeSentences();
    for (std::size_t p = 0; p < velmora::kPlaneCount; ++p) {
        const std::string name(velmora::planeDescriptors()[p].name);
        all.push_back({name + " plane", planes.meanings[p]});
        all.push_back({name + " plane without letters", planes.empty[p]});
    }
    for (std::size_t n = 0; n < planes.colours.size(); ++n)
        all.push_back({"plane coloured by " + std::to_string(n + 1), planes.colours[n]});
    for (std::size_t i = 0; i < std::size(velmora::kAppeals); ++i)
        all.push_back({"appeal " + std::to_string(i), velmora::kAppeals[i]});
    all.push_back({"catalogue offer", velmora::kQuillonOffer});
    all.push_back({"forum invitation", velmora::kForumInvitation});
    return all;
}

std::vector<std::string> words(std::string_view text)
{
    std::vector<std::string> out;
    std::string word;
    for (const char ch : text) {
        if (std::isalnum(static_cast<unsigned char>(ch)) || ch == '\'') {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        } else if (!word.empty()) {
            out.push_back(word);
            word.clear();
        }
    }
    if (!word.empty())
        out.push_back(word);
    return out;
}

std::string joined(const std::vector<std::string> &w, std::size_t from, std::size_t count)
{
    std::string run;
    for (std::size_t i = from; i < from + count; ++i)
        run += (i == from ? "" : " ") + w[i];
    return run;
}

bool isForcedRun(const std::string &run)
{
    return std::ranges::any_of(kForcedRuns, [&](std::string_view forced) {
        const std::vector<std::string> w = words(forced);
        return joined(w, 0, w.size()).find(run) != std::string::npos;
    });
}

TEST(ReadingProse, noTwoParagraphsShareARunOfSevenWords)
{
    const std::vector<Paragraph> all = allParagraphs();
    std::map<std::string, std::size_t> firstSeen;
    for (std::size_t p = 0; p < all.size(); ++p) {
        const std::vector<std::string> w = words(all[p].text);
        for (std::size_t i = 0; i + kRunLength <= w.size(); ++i) {
            const std::string run = joined(w, i, kRunLength);
            const auto [it, added] = firstSeen.try_emplace(run, p);
            if (!added && it->second != p && !isForcedRun(run))
                ADD_FAILURE() << all[it->second].where << " and " << all[p].where << " share \"" << run << "\"";
        }
    }
}

// The readings are written in British English; a word listed here is its
// American form. Words such as "programs" (software) and "humorous" are
// British too and stay allowed.
bool isAmerican(const std::string &w)
{
    static const std::vector<std::string_view> listed = {
        "humor", "humors", "color", "colors", "colored", "colorful", "favor", "favors", "favored",
        "favorable", "favorite", "behavior", "behaviors", "honor", "honors", "honored", "honorable",
        "labor", "neighbor", "neighbors", "flavor", "endeavor", "endeavors", "rumor", "vigor", "harbor",
        "savior", "valor", "candor", "armor", "center", "centers", "centered", "theater", "fiber",
        "somber", "meager", "judgment", "judgments", "fulfill", "fulfills", "fulfillment", "skillful",
        "willful", "enroll", "traveled", "traveling", "traveler", "travelers", "counseling", "counselor",
        "canceled", "modeling", "jewelry", "gray", "skeptic", "skeptical", "defense", "offense",
        "toward", "afterward", "catalog", "dialog", "aging", "mold", "cozy",
    };
    if (std::ranges::find(listed, w) != listed.end())
        return true;
    // The Realization Number keeps the name it has everywhere in the program.
    if (w == "realization")
        return false;
    // -ize and -yze forms; size, prize and seize have no other spelling.
    for (const std::string_view ending : {"ize", "izes", "ized", "izing", "ization", "izations", "izational",
                                          "yze", "yzes", "yzed", "yzing"}) {
        if (w.size() > ending.size() + 2 && w.ends_with(ending)) {
            const std::string_view stem = std::string_view(w).substr(0, w.size() - ending.size());
            return !stem.ends_with('s');
        }
    }
    return false;
}

TEST(ReadingProse, keepsToBritishSpelling)
{
    EXPECT_TRUE(isAmerican("realized") && isAmerican("analyze") && isAmerican("color"));
    EXPECT_FALSE(isAmerican("prize") || isAmerican("oversized") || isAmerican("humorous") || isAmerican("programs"));

    std::vector<Paragraph> all = allParagraphs();
    all.push_back({"third pinnacle copy of 3", velmora::pinnacleTable().thirdPinnacleThree});
    for (const Paragraph &p : all) {
        std::string text(p.text);
        for (const std::string_view forced : kForcedSpellings)
            if (const std::size_t at = text.find(forced); at == 0)
                text.erase(0, forced.size());
        for (const std::string &w : words(text))
            EXPECT_FALSE(isAmerican(w)) << p.where << ": \"" << w << "\"";
    }
}

// The slips a reading of the texts found once: each kind as a check over
// every paragraph, so that none comes back in another text.
// "Realization" for "The Realization Number describes ...": the first number
// the text names with a capital, empty when it names none.
std::string firstNumberNamed(const std::string &text)
{
    static const std::regex named(R"(([A-Z][a-z]+(?: [A-Z][a-z]+)*) Number)");
    std::smatch match;
    if (!std::regex_search(text, match, named))
        return {};
    std::string name = match[1];
    for (const std::string_view article : {"The ", "Your "})
        if (name.starts_with(article))
            name.erase(0, article.size());
    return name;
}

TEST(ReadingProse, hasNoSlipOfTheKindsFoundBefore)
{
    const struct {
        std::string_view slip;
        bool (*found)(std::string_view text);
    } checks[] = {
        {"a product name", [](std::string_view text) {
             return std::ranges::any_of(words(text), [](const std::string &w) { return w == "tavi" || w == "velmora"; });
         }},
        {"a doubled word", [](std::string_view text) {
             static const std::regex doubled(R"(\b([A-Za-z]+) \1\b)", std::regex::icase);
             return std::regex_search(text.begin(), text.end(), doubled);
         }},
        {"one reader addressed in the plural", [](std::string_view text) {
             const std::vector<std::string> w = words(text);
             for (std::size_t i = 0; i + 2 < w.size(); ++i)
                 if (w[i] == "you" && w[i + 1] == "are"
                     && (w[i + 2].ends_with("ers") || (i + 3 < w.size() && w[i + 3].ends_with("ers") && w[i + 2] != "a")))
                     return true;
             return false;
         }},
        {"a sentence broken off", [](std::string_view text) {
             return !text.empty() && !text.ends_with('.') && !text.ends_with('!') && !text.ends_with('?');
         }},
    };
    for (const Paragraph &p : allParagraphs()) {
        // A compound's title and the forum link's label are no sentences.
        if (p.where.ends_with(" title") || p.where == "forum invitation")
            continue;
        for (const auto &check : checks)
            EXPECT_FALSE(check.found(p.text)) << p.where << ": " << check.slip << " in \"" << p.text << "\"";
    }
}

// An explanation that names a number names its own first: the Realization
// reading once opened on the Maturity Number.
TEST(ReadingProse, explanationsNameTheirOwnNumberFirst)
{
    for (const velmora::SectionDescriptor &section : velmora::sectionDescriptors()) {
        const std::string named = firstNumberNamed(std::string(section.table().explanation));
        if (!named.empty()) {
            EXPECT_TRUE(section.caption.starts_with(named + " Number"))
                << "the explanation of " << section.caption << " names the " << named << " Number first";
        }
    }
}

} // namespace
