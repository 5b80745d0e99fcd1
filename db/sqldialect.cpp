#include "sqldialect.h"

#include "util/format.h"

#include <algorithm>
#include <cctype>

namespace vantora::db::dialect {

namespace {

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool isWordStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool isWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// "...Param<digits>", ignoring case: how every query parameter is named.
bool looksLikeParam(const std::string& word) {
    std::size_t end = word.size();
    std::size_t digits = end;
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(word[digits - 1])))
        --digits;
    if (digits == end || digits < 5)
        return false;
    return lower(word.substr(digits - 5, 5)) == "param";
}

// The bound parameter a word names, ignoring case (the first in the set's
// order when two differ only in case); null when it names none.
const std::string* findParam(const std::set<std::string>& params, const std::string& low) {
    for (const auto& p : params) {
        if (p.size() == low.size() &&
            std::equal(p.begin(), p.end(), low.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == b;
            }))
            return &p;
    }
    return nullptr;
}

char lastNonSpace(const std::string& out) {
    for (auto it = out.rbegin(); it != out.rend(); ++it)
        if (!std::isspace(static_cast<unsigned char>(*it)))
            return *it;
    return '\0';
}

} // namespace

std::string quote(const std::string& name) {
    std::string q = "\"";
    for (char c : name) {
        if (c == '"')
            q += '"';
        q += c;
    }
    return q + '"';
}

Expression translate(const std::string& text, const std::set<std::string>& params,
                     const std::set<std::string>& caseless) {
    Expression e;
    std::string& out = e.sql;
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const char c = text[i];
        if (c == '\'' || c == '"') {
            // Text literal; the original dialect also quotes text with '"'.
            std::string literal;
            std::size_t j = i + 1;
            bool closed = false;
            while (j < n) {
                if (text[j] == c) {
                    if (j + 1 < n && text[j + 1] == c) {
                        literal += c;
                        j += 2;
                        continue;
                    }
                    closed = true;
                    break;
                }
                literal += text[j++];
            }
            if (!closed) {
                e.error = insert("Error: unclosed quote in \"%1\"", {text});
                return e;
            }
            out += '\'';
            for (char l : literal) {
                if (l == '\'')
                    out += '\'';
                out += l;
            }
            out += '\'';
            i = j + 1;
        } else if (c == '[') {
            const std::size_t close = text.find(']', i + 1);
            if (close == std::string::npos) {
                e.error = insert("Error: unclosed bracket in \"%1\"", {text});
                return e;
            }
            out += quote(text.substr(i + 1, close - i - 1));
            i = close + 1;
        } else if (c == '\\') {
            // Integer division: the columns it applies to hold integers,
            // and SQLite divides integers without a remainder.
            out += '/';
            ++i;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            std::size_t j = i;
            while (j < n && (isWordChar(text[j]) || text[j] == '.'))
                ++j;
            out.append(text, i, j - i);
            i = j;
        } else if (isWordStart(c)) {
            std::size_t j = i;
            while (j < n && isWordChar(text[j]))
                ++j;
            const std::string word = text.substr(i, j - i);
            const bool qualified = lastNonSpace(out) == '.';
            const std::string low = lower(word);
            if (qualified) {
                out += word;
            } else if (low == "mod") {
                out += '%';
            } else if (const std::string* param = findParam(params, low)) {
                out += caseless.count(*param) ? "? COLLATE NOCASE" : "?";
                e.params.push_back(*param);
            } else if (looksLikeParam(word) && (j >= n || text[j] != '.')) {
                e.error = insert("Error: the query names the parameter \"%1\", which is not "
                                 "declared",
                                 {word});
                return e;
            } else {
                out += word;
            }
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return e;
}

std::string caselessSort(const std::string& sort,
                         const std::function<bool(const ColumnName&)>& isText) {
    // Terms are separated by commas outside brackets and quotes.
    std::vector<std::string> terms(1);
    char quoteChar = 0;
    bool bracket = false;
    for (char c : sort) {
        if (quoteChar) {
            if (c == quoteChar)
                quoteChar = 0;
        } else if (bracket) {
            if (c == ']')
                bracket = false;
        } else if (c == '\'' || c == '"') {
            quoteChar = c;
        } else if (c == '[') {
            bracket = true;
        } else if (c == ',') {
            terms.emplace_back();
            continue;
        }
        terms.back() += c;
    }
    std::string result;
    for (std::size_t t = 0; t < terms.size(); ++t) {
        std::string term = terms[t];
        std::string direction;
        std::size_t end = term.find_last_not_of(" \t");
        std::string trimmed = end == std::string::npos ? std::string() : term.substr(0, end + 1);
        const std::size_t space = trimmed.find_last_of(" \t");
        if (space != std::string::npos) {
            const std::string last = lower(trimmed.substr(space + 1));
            if (last == "asc" || last == "desc") {
                direction = trimmed.substr(space);
                trimmed = trimmed.substr(0, space);
            }
        }
        const std::size_t begin = trimmed.find_first_not_of(" \t");
        const std::string name = begin == std::string::npos ? std::string() : trimmed.substr(begin);
        bool plainName = !name.empty();
        for (char c : name)
            plainName =
                plainName && (isWordChar(c) || c == '.' || c == '[' || c == ']' || c == ' ');
        if (plainName && name.find(' ') != std::string::npos && name.find('[') == std::string::npos)
            plainName = false;
        if (plainName && isText(splitColumn(name)))
            term = trimmed + " COLLATE NOCASE" + direction;
        result += (t ? "," : "") + term;
    }
    return result;
}

std::vector<std::string> tables(const std::string& defaultSql) {
    std::vector<std::string> result;
    std::size_t i = 0;
    const std::size_t n = defaultSql.size();
    while (i < n) {
        while (i < n && (std::isspace(static_cast<unsigned char>(defaultSql[i])) ||
                         (defaultSql[i] == ',' && !result.empty())))
            ++i;
        if (i >= n)
            break;
        std::string name;
        if (defaultSql[i] == '[') {
            const std::size_t close = defaultSql.find(']', i + 1);
            if (close == std::string::npos)
                return {};
            name = defaultSql.substr(i + 1, close - i - 1);
            i = close + 1;
        } else if (isWordStart(defaultSql[i])) {
            std::size_t j = i;
            while (j < n && isWordChar(defaultSql[j]))
                ++j;
            name = defaultSql.substr(i, j - i);
            i = j;
        } else {
            return {};
        }
        if (name.empty())
            return {};
        result.push_back(name);
        while (i < n && std::isspace(static_cast<unsigned char>(defaultSql[i])))
            ++i;
        if (i < n && defaultSql[i] != ',')
            return {};
    }
    return result;
}

ColumnName splitColumn(const std::string& name) {
    auto unbracket = [](std::string s) {
        while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
            s.erase(s.begin());
        while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
            s.pop_back();
        if (s.size() >= 2 && s.front() == '[' && s.back() == ']')
            s = s.substr(1, s.size() - 2);
        return s;
    };
    // The separating '.' is the first one outside brackets.
    int depth = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '[')
            ++depth;
        else if (name[i] == ']')
            --depth;
        else if (name[i] == '.' && depth == 0)
            return {unbracket(name.substr(0, i)), unbracket(name.substr(i + 1))};
    }
    return {std::string(), unbracket(name)};
}

std::string reference(const ColumnName& name) {
    if (name.table.empty())
        return quote(name.column);
    return quote(name.table) + '.' + quote(name.column);
}

std::string select(const std::string& columns, const std::string& from, const std::string& where,
                   const std::string& orderBy, long limit) {
    std::string sql = "SELECT " + columns + " FROM " + from;
    if (!where.empty())
        sql += " WHERE " + where;
    if (!orderBy.empty())
        sql += " ORDER BY " + orderBy;
    if (limit > 0)
        sql += " LIMIT " + std::to_string(limit);
    return sql;
}

} // namespace vantora::db::dialect
