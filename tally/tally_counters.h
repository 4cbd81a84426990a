#pragma once

#include <cstdint>

namespace gridwick {

// The whole state of a run. Everything starts at zero; nothing is kept between runs.
struct TallyCounters {
    std::int16_t intVisitor = 0; // visitor's score of the latest pick
    std::int16_t intHome = 0; // home team's score of the latest pick
    std::int16_t intPicks = 0;
    std::int16_t intTies = 0;
    std::int16_t intWin1 = 0; // visitor wins
    std::int16_t intWin2 = 0; // home wins
    std::int16_t intTarget = 0; // while intPicks is below it, each pick starts the next

    friend bool operator==(const TallyCounters&, const TallyCounters&) = default;
};

enum class Outcome : std::uint8_t { VisitorWins, HomeWins, Tie };

// Who won the latest pick: the higher score wins, equal scores tie.
[[nodiscard]] constexpr Outcome latestOutcome(const TallyCounters& counters) noexcept
{
    if (counters.intVisitor > counters.intHome) {
        return Outcome::VisitorWins;
    }
    if (counters.intHome > counters.intVisitor) {
        return Outcome::HomeWins;
    }
    return Outcome::Tie;
}

} // namespace gridwick
