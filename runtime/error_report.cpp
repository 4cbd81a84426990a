#include "runtime/error_report.h"

namespace gridwick {

std::string errorReportText(const RuntimeError& error)
{
    std::string text = "Run-time error ";
    text += std::to_string(error.number());
    text += ": ";
    text += error.description();
    return text;
}

} // namespace gridwick
