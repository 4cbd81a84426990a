#pragma once

#include "tally/display_field.h"
#include "tally/tally_counters.h"

#include <cstdint>

namespace gridwick {

class PickDisplay;
class RandomSource;

// The counters of a run and the actions that change them: a press of PICK!!, a batch of
// further picks, and clearing. Results go to a PickDisplay as text; randomness comes from a
// RandomSource. Any action may raise a RuntimeError; the counters are then left as they were
// before the pick or batch that failed, and further actions work normally.
class PickTally {
public:
    PickTally(PickDisplay& display, RandomSource& random) noexcept;

    // One press of PICK!!: a pick, continued until intPicks reaches intTarget.
    void press();
    // intTarget = intPicks + size, then a press: exactly `size` more picks.
    void addPicks(std::int16_t size);
    // Zeroes the tallies and empties every display; keeps intTarget and the hidden scores.
    void clear();

    [[nodiscard]] const TallyCounters& counters() const noexcept { return counters_; }

private:
    void pickStep();
    void show(DisplayField field, std::int16_t value);

    PickDisplay& display_;
    RandomSource& random_;
    TallyCounters counters_;
};

} // namespace gridwick
