// SPDX-License-Identifier: MIT
#include "systemreadings.h"

#include <string>
#include <vector>

#include "attitudetexts.h"
#include "morenumberstext.h"
#include "chaldeantexts.h"
#include "destinytexts.h"
#include "lifepathtexts.h"
#include "personalitytexts.h"
#include "pinnacletexts.h"
#include "realizationtexts.h"
#include "soulurgetexts.h"
#include "thirtythreetexts.h"

namespace velmora {
namespace {

// A table made once and kept for the whole run, as every table's texts are.
class HeldTable
{
public:
    HeldTable(std::string explanation, std::vector<ReadingRow> rows)
        : m_explanation(std::move(explanation))
        , m_rows(std::move(rows))
        , m_table{m_explanation, m_rows}
    {
    }
    HeldTable(const HeldTable &) = delete;
    HeldTable &operator=(const HeldTable &) = delete;

    [[nodiscard]] const ReadingTable *table() const { return &m_table; }

private:
    std::string m_explanation;
    std::vector<ReadingRow> m_rows;
    ReadingTable m_table;
};

std::vector<ReadingRow> rowsOf(const ReadingTable &table)
{
    return {table.rows.begin(), table.rows.end()};
}

// The program's table with the row of 33 after its own.
HeldTable withThirtyThree(const ReadingTable &table, ThirtyThreeFor which)
{
    std::vector<ReadingRow> rows = rowsOf(table);
    rows.push_back(thirtyThreeRow(which));
    return HeldTable(std::string(table.explanation), std::move(rows));
}

HeldTable rootTable(ChaldeanNumber number)
{
    return HeldTable(std::string(chaldeanExplanation(number)), rowsOf(chaldeanRootTable()));
}

} // namespace

std::string chaldeanLifePathExplanation(const CalendarDate &born, const Working &lifePath)
{
    std::string digits;
    for (const WorkingTerm &term : lifePath.terms)
        digits += (digits.empty() ? "" : " + ") + std::to_string(term.used());
    return chaldeanLifePathExplanation("your date, " + calendarDateText(born) + ", gives " + digits + " = "
                                       + std::to_string(lifePath.total.sums.front()));
}

const ReadingTable *commonReadingTable(SectionId section)
{
    // Made on first use and kept, as the program's own tables are.
    static const HeldTable destiny = withThirtyThree(destinyTable(), ThirtyThreeFor::Destiny);
    static const HeldTable soulUrge = withThirtyThree(soulUrgeTable(), ThirtyThreeFor::SoulUrge);
    static const HeldTable personality = withThirtyThree(personalityTable(), ThirtyThreeFor::Personality);
    // Its explanation already says that most calculators call it Maturity.
    static const HeldTable realization = withThirtyThree(realizationTable(), ThirtyThreeFor::Realization);
    static const HeldTable lifePath = withThirtyThree(lifePathTable(), ThirtyThreeFor::LifePath);
    static const HeldTable pinnacles = withThirtyThree(pinnacleTable().readings, ThirtyThreeFor::Pinnacle);
    static const HeldTable attitude = withThirtyThree(attitudeTable(), ThirtyThreeFor::Attitude);
    switch (section) {
    case SectionId::Destiny:
        return destiny.table();
    case SectionId::SoulUrge:
        return soulUrge.table();
    case SectionId::Personality:
        return personality.table();
    case SectionId::Realization:
        return realization.table();
    case SectionId::LifePath:
        return lifePath.table();
    case SectionId::Pinnacles:
        return pinnacles.table();
    case SectionId::Attitude:
        return attitude.table();
    default:
        return nullptr;
    }
}

const ReadingTable *chaldeanReadingTable(SectionId section)
{
    static const HeldTable name = rootTable(ChaldeanNumber::Name);
    static const HeldTable soulUrge = rootTable(ChaldeanNumber::SoulUrge);
    static const HeldTable personality = rootTable(ChaldeanNumber::Personality);
    static const HeldTable birth = rootTable(ChaldeanNumber::Birth);
    static const HeldTable lifePath = rootTable(ChaldeanNumber::LifePath);
    switch (section) {
    case SectionId::Destiny:
        return name.table();
    case SectionId::SoulUrge:
        return soulUrge.table();
    case SectionId::Personality:
        return personality.table();
    case SectionId::Birthday:
        return birth.table();
    case SectionId::LifePath:
        return lifePath.table();
    default:
        return nullptr;
    }
}

} // namespace velmora
