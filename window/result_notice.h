#pragma once

#include <memory>

class QString;
class QWidget;

namespace gridwick {

struct TallyCounters;
struct NoticeChannel; // where a notice's line goes: each platform's own

// What a command did, in one line for a screen reader: "Visitor 16, home 49, home wins, 1 pick".
[[nodiscard]] QString resultLine(const TallyCounters& counters);

// Tells assistive technology one line about a window without moving the focus. Each platform
// has its own way there (result_notice.cpp on the desktop, result_notice_web.cpp in a page).
class ResultNotice final {
public:
    explicit ResultNotice(QWidget& window);
    ~ResultNotice();
    ResultNotice(const ResultNotice&) = delete;
    ResultNotice& operator=(const ResultNotice&) = delete;

    void say(const QString& line);

private:
    std::unique_ptr<NoticeChannel> channel_;
};

} // namespace gridwick
