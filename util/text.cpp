#include "text.h"

#include "efoledatetime.h"
#include "format.h"

#include <string>

void CText::putdelimiter() {
    if (stream_)
        stream_->put(delimiter_);
}

void CText::put(char const* text, bool const& delimit) {
    if (stream_ && text)
        stream_->write(text, static_cast<std::streamsize>(std::char_traits<char>::length(text)));
    if (delimit)
        putdelimiter();
}

void CText::put(int const& v, bool const& delimit) {
    put(vantora::format("%i", {v}).c_str(), delimit);
}

void CText::put(long const& v, bool const& delimit) {
    put(vantora::format("%i", {v}).c_str(), delimit);
}

void CText::put(short const& v, bool const& delimit) { put(static_cast<int>(v), delimit); }

void CText::put(unsigned char const& v, bool const& delimit) { put(static_cast<int>(v), delimit); }

void CText::put(double const& v, bool const& delimit) {
    put(vantora::format("%.2f", {v}).c_str(), delimit);
}

void CText::put(CEFOleDateTime const& v, bool const& delimit) {
    put(v.DateTimeStrLongYear().c_str(), delimit);
}

void CJavaScript::var(char const* name, char const* value) {
    var(name);
    sz(vantora::insert("\"%1\";", {value}).c_str());
    newln();
}

void CJavaScript::var(char const* name, int const& value) {
    var(name);
    sz(vantora::format("%i;", {value}).c_str());
    newln();
}

void CJavaScript::var(char const* name, double const& value) {
    var(name);
    sz(vantora::format("%.2f;", {value}).c_str());
    newln();
}

void CJavaScript::var(char const* name) { sz(vantora::insert("var %1=", {name}).c_str()); }

void CJavaScript::sz(char const* text) {
    if (stream_ && text)
        *stream_ << text;
}

void CJavaScript::newln() { sz("\n"); }
