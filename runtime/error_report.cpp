#include "runtime/error_report.h"

namespace gridwick {

namespace {

    std::string_view advice(ErrorNumber number)
    {
        switch (number) {
        case ErrorNumber::Overflow:
            return "The tally cannot count any higher. Your tallies are unchanged; clear them "
                   "(File > Clear) to make more picks.";
        case ErrorNumber::FloatingPoint:
            return "The score could not be computed. Your tallies are unchanged; try the pick "
                   "again.";
        }
        return "Your tallies are unchanged.";
    }

} // namespace

std::string errorReportText(const RuntimeError& error)
{
    std::string text = "Run-time error ";
    text += std::to_string(error.number());
    text += ": ";
    text += error.description();
    text += "\n\n";
    text += advice(error.errorNumber());
    return text;
}

} // namespace gridwick
