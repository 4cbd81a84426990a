#include "tally/pick_tally.h"

#include "runtime/checked_int16.h"
#include "runtime/number_text.h"
#include "runtime/random_source.h"
#include "tally/pick_display.h"
#include "tally/score_draw.h"

#include <string_view>

namespace gridwick {

namespace {

    constexpr std::string_view emptyText;

} // namespace

PickTally::PickTally(PickDisplay& display, RandomSource& random) noexcept
    : display_(display)
    , random_(random)
{
}

void PickTally::press()
{
    // A pick, then the rest of any batch: each pick continues the run while intPicks is below
    // intTarget.
    do {
        pickStep();
    } while (counters_.intPicks < counters_.intTarget);
}

void PickTally::addPicks(std::int16_t size)
{
    counters_.intTarget = checkedAdd(counters_.intPicks, size);
    press();
}

void PickTally::clear()
{
    counters_.intPicks = 0;
    display_.setText(DisplayField::txtPicks, emptyText);
    display_.setText(DisplayField::Text1, emptyText);
    display_.setText(DisplayField::Text2, emptyText);
    counters_.intTies = 0;
    display_.setText(DisplayField::txtTies, emptyText);
    counters_.intWin1 = 0;
    counters_.intWin2 = 0;
    display_.setText(DisplayField::txtWin1, emptyText);
    display_.setText(DisplayField::txtWin2, emptyText);
    display_.setText(DisplayField::Total, emptyText);
    display_.setText(DisplayField::txtVisitor, emptyText);
    display_.setText(DisplayField::txtHome, emptyText);
}

void PickTally::pickStep()
{
    // Work on a copy and store it only when the step has finished, so that an error part way
    // through leaves every counter as it was (the display writes already made stand).
    TallyCounters next = counters_;

    next.intPicks = checkedAdd(next.intPicks, 1);
    show(DisplayField::txtPicks, next.intPicks);
    display_.setText(DisplayField::Text1, emptyText);
    display_.setText(DisplayField::Text2, emptyText);

    random_.reseed();
    next.intVisitor = drawScore(random_);
    next.intHome = drawScore(random_);

    switch (latestOutcome(next)) {
    case Outcome::VisitorWins:
        display_.setText(DisplayField::Text1, winnerMarker);
        next.intWin1 = checkedAdd(next.intWin1, 1);
        show(DisplayField::txtWin1, next.intWin1);
        break;
    case Outcome::HomeWins:
        display_.setText(DisplayField::Text2, winnerMarker);
        next.intWin2 = checkedAdd(next.intWin2, 1);
        show(DisplayField::txtWin2, next.intWin2);
        break;
    case Outcome::Tie:
        next.intTies = checkedAdd(next.intTies, 1);
        show(DisplayField::txtTies, next.intTies);
        break;
    }

    show(DisplayField::Total, checkedAdd(next.intVisitor, next.intHome));
    show(DisplayField::txtVisitor, next.intVisitor);
    show(DisplayField::txtHome, next.intHome);

    counters_ = next;
}

void PickTally::show(DisplayField field, std::int16_t value)
{
    display_.setText(field, NumberText(value).view());
}

} // namespace gridwick
