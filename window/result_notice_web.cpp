#include "window/result_notice.h"

#include "window/web_page.h"

#include <QString>

namespace gridwick {

// Qt's web platform has no live region, and an accessibility announcement changes nothing in the
// page: the page's own polite live region tells the line.
struct NoticeChannel { };

ResultNotice::ResultNotice(QWidget& /*window*/)
{
}

ResultNotice::~ResultNotice() = default;

void ResultNotice::say(const QString& line)
{
    web_page::say(line);
}

} // namespace gridwick
