// SPDX-License-Identifier: MIT
#include "calculations.h"

#include <cassert>

#include "attitude.h"
#include "destiny.h"
#include "hiddenpassion.h"
#include "letters.h"
#include "personality.h"
#include "realization.h"
#include "soulurge.h"
#include "subconsciousself.h"

namespace velmora {

// The five numbers drawn from the name share one walk over it.
Numbers CalculateNumbers(const BirthData &data)
{
    return CalculateNumbers(data, tallyLetters(data));
}

Numbers CalculateNumbers(const BirthData &data, const LetterTally &letters)
{
    assert(hasValidDate(data));
    Numbers numbers;
    numbers.destiny = DestinyNumber(letters);
    numbers.personality = PersonalityNumber(letters);
    numbers.soulUrge = SoulUrgeNumber(letters);
    numbers.realization = RealizationNumber(data, numbers.destiny);
    numbers.pinnacles = PinnacleNumbersOf(data);
    numbers.hiddenPassion = HiddenPassionNumber(letters);
    numbers.subconsciousSelf = SubconsciousSelfNumber(letters);
    numbers.attitude = AttitudeNumber(data);
    return numbers;
}

std::array<Reading, kReadingCount> readingsFor(const Numbers &numbers)
{
    return {
        DestinyReading(numbers.destiny),
        PersonalityReading(numbers.personality),
        SoulUrgeReading(numbers.soulUrge),
        RealizationReading(numbers.realization),
        PinnacleReading(numbers.pinnacles),
        HiddenPassionReading(numbers.hiddenPassion),
        SubconsciousSelfReading(numbers.subconsciousSelf),
        AttitudeReading(numbers.attitude),
    };
}

std::array<const ReadingTable *, kReadingCount> readingTables()
{
    return {
        &destinyTable(),           &personalityTable(),   &soulUrgeTable(),         &realizationTable(),
        &pinnacleTable().readings, &hiddenPassionTable(), &subconsciousSelfTable(), &attitudeTable(),
    };
}

Results calculateAll(const BirthData &data)
{
    Results results;
    results.numbers = CalculateNumbers(data);
    results.readings = readingsFor(results.numbers);
    return results;
}

} // namespace velmora
