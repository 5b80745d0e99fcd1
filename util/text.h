#pragma once
// Writers over a stream the caller opened and owns: CText writes the
// delimited fields of one export record, CJavaScript script variables.
// Neither quotes, escapes nor checks what it writes.

#include <fstream>

class CEFOleDateTime;

class CText {
public:
    CText(std::ofstream* stream, char const& delimiter) : stream_(stream), delimiter_(delimiter) {}
    virtual ~CText() = default;

    char GetDelimiter() const { return delimiter_; }
    void SetDelimiter(char const& delimiter) { delimiter_ = delimiter; }

    void putdelimiter();
    void put(char const* text, bool const& delimit);
    void put(int const& v, bool const& delimit);
    void put(long const& v, bool const& delimit);
    void put(short const& v, bool const& delimit);
    void put(unsigned char const& v, bool const& delimit);
    void put(double const& v, bool const& delimit);
    void put(CEFOleDateTime const& v, bool const& delimit);

private:
    std::ofstream* stream_;
    char delimiter_;
};

class CJavaScript {
public:
    explicit CJavaScript(std::ofstream* stream) : stream_(stream) {}
    virtual ~CJavaScript() = default;

    void var(char const* name, char const* value);
    void var(char const* name, int const& value);
    void var(char const* name, double const& value);

private:
    void var(char const* name);
    void sz(char const* text);
    void newln();

    std::ofstream* stream_;
};
