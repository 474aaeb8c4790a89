// SPDX-License-Identifier: MIT
#pragma once

namespace velmora {

// The random generator behind the window's draws (appeals, promotions).
class RandomNumbers
{
public:
    virtual ~RandomNumbers() = default;

    virtual void seedRandom() = 0;
    // A number drawn uniformly from [0, 1).
    [[nodiscard]] virtual double random() = 0;
};

} // namespace velmora
