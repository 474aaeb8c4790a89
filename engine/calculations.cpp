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

Numbers CalculateNumbers(const BirthData &data)
{
    assert(hasValidDate(data));
    Numbers numbers;
    const LetterSums sums = letterSums(data);
    numbers.destiny = ReduceNumber(sums.full, true);
    numbers.personality = ReduceNumber(sums.consonants, true);
    numbers.soulUrge = ReduceNumber(sums.vowels, true);
    numbers.realization = RealizationNumber(data, numbers.destiny);
    numbers.pinnacles = PinnacleNumbersOf(data);
    numbers.hiddenPassion = HiddenPassionNumber(data);
    numbers.subconsciousSelf = SubconsciousSelfNumber(data);
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

Results calculateAll(const BirthData &data)
{
    Results results;
    results.numbers = CalculateNumbers(data);
    results.readings = readingsFor(results.numbers);
    return results;
}

} // namespace velmora
