#include "window/result_notice.h"

#include "tally/tally_counters.h"

#include <QCoreApplication>
#include <QString>

namespace gridwick {

namespace {

    QString spoken(Outcome outcome)
    {
        switch (outcome) {
        case Outcome::VisitorWins:
            return QCoreApplication::translate("ResultNotice", "visitor wins");
        case Outcome::HomeWins:
            return QCoreApplication::translate("ResultNotice", "home wins");
        case Outcome::Tie:
            break;
        }
        return QCoreApplication::translate("ResultNotice", "a tie");
    }

} // namespace

QString resultLine(const TallyCounters& counters)
{
    //: Told to a screen reader after each pick or batch: the two scores, who won and how many
    //: picks have been made, as in "Visitor 16, home 49, home wins, 1 pick".
    return QCoreApplication::translate(
        "ResultNotice", "Visitor %1, home %2, %3, %n pick(s)", nullptr, counters.intPicks)
        .arg(counters.intVisitor)
        .arg(counters.intHome)
        .arg(spoken(latestOutcome(counters)));
}

} // namespace gridwick
