#include "window/web_page.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <emscripten/val.h>

#include <string>

namespace gridwick::web_page {

namespace {

    // The object page.js sets up before the program starts.
    emscripten::val page()
    {
        return emscripten::val::global("gridwickPage");
    }

} // namespace

void fitWindow(const QSize& size)
{
    page().call<void>("fitWindow", size.width(), size.height());
}

void say(const QString& line)
{
    page().call<void>("say", line.toStdString());
}

void askBeforeLeaving(bool ask)
{
    page().call<void>("askBeforeLeaving", ask);
}

void showEnded(const QString& text)
{
    page().call<void>("showEnded", text.toStdString());
}

void print(const QByteArray& png, int scale)
{
    // A view of the program's memory, which the page copies into a picture of its own.
    const auto* bytes = reinterpret_cast<const unsigned char*>(png.constData());
    page().call<void>("print",
        emscripten::val(emscripten::typed_memory_view(static_cast<std::size_t>(png.size()), bytes)),
        scale);
}

QString languageAsked()
{
    return QString::fromStdString(page().call<std::string>("languageAsked"));
}

} // namespace gridwick::web_page
