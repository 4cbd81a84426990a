#pragma once

#include "runtime/random_source.h"
#include "tally/display_field.h"
#include "tally/pick_display.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gridwick::testing {

// Keeps the latest text of every field and counts the writes.
class RecordingDisplay final : public PickDisplay {
public:
    void setText(DisplayField field, std::string_view text) override
    {
        texts_.at(indexOf(field)) = std::string(text);
        ++writes_.at(indexOf(field));
    }

    [[nodiscard]] const std::string& text(DisplayField field) const
    {
        return texts_.at(indexOf(field));
    }
    [[nodiscard]] int writes(DisplayField field) const { return writes_.at(indexOf(field)); }
    [[nodiscard]] const std::array<std::string, displayFieldCount>& texts() const { return texts_; }

private:
    std::array<std::string, displayFieldCount> texts_ {};
    std::array<int, displayFieldCount> writes_ {};
};

// Hands out a fixed list of values, starting over when it runs out.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> values)
        : values_(std::move(values))
    {
    }

    void reseed() override { ++reseeds_; }
    [[nodiscard]] float next() override
    {
        const float value = values_.at(position_);
        position_ = (position_ + 1) % values_.size();
        return value;
    }

    [[nodiscard]] int reseeds() const { return reseeds_; }

private:
    std::vector<float> values_;
    std::size_t position_ = 0;
    int reseeds_ = 0;
};

// The random value that draws the given score (2..70), from the middle of its interval.
[[nodiscard]] inline float randomForScore(int score)
{
    return (static_cast<float>(score - 2) + 0.5F) / 69.0F;
}

// Random values for a list of (visitor, home) score pairs.
[[nodiscard]] inline std::vector<float> scriptForScores(
    std::initializer_list<std::pair<int, int>> picks)
{
    std::vector<float> values;
    for (const auto& [visitor, home] : picks) {
        values.push_back(randomForScore(visitor));
        values.push_back(randomForScore(home));
    }
    return values;
}

} // namespace gridwick::testing
