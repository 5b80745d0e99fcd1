// Restoring records from export files: reading lines and fields, the strict
// conversions of their values, the progress record that lets an
// interrupted restore resume, and the message that sums it up.
#include "daoefsetimpl.h"

#include "util/format.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <tuple>

// ---- record exchange helpers ---------------------------------------------------

std::string CDAOEFSet::ReadField(std::istream& in, char const& delimiter, std::size_t maxLen) {
    std::string field;
    for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
        if (c == static_cast<unsigned char>(delimiter))
            break;
        if (c == '\n') {
            // A short line: its missing fields read empty, and the line end
            // is left for the last field.
            in.unget();
            break;
        }
        if (field.size() < maxLen)
            field += static_cast<char>(c);
    }
    if (in.eof())
        in.clear(in.rdstate() & ~std::ios::failbit);
    if (!field.empty() && field.back() == '\r')
        field.pop_back();
    return field;
}

std::string CDAOEFSet::ReadLastField(std::istream& in, std::size_t maxLen) {
    std::string field;
    for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
        if (c == '\n')
            break;
        if (field.size() <= maxLen)
            field += static_cast<char>(c);
    }
    if (in.eof())
        in.clear(in.rdstate() & ~std::ios::failbit);
    if (!field.empty() && field.back() == '\r')
        field.pop_back();
    if (field.size() > maxLen)
        field.resize(maxLen);
    return field;
}

bool CDAOEFSet::ReadLine(std::istream& in, std::string& line) {
    line.clear();
    if (!in.good() || in.peek() == std::char_traits<char>::eof())
        return false;
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

bool CDAOEFSet::SplitFields(std::string const& line, char const& delimiter, std::size_t count,
                            std::vector<std::string>& fields, std::size_t maxLen) {
    fields.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(delimiter, start);
        const std::size_t stop = end == std::string::npos ? line.size() : end;
        fields.push_back(line.substr(start, std::min(stop - start, maxLen)));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return fields.size() == count;
}

void CDAOEFSet::SkipLine(std::istream& in) {
    in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}

bool CDAOEFSet::HasRecord(std::istream& in) {
    if (!in.good())
        return false;
    for (;;) {
        const int c = in.peek();
        if (c == std::char_traits<char>::eof())
            return false;
        if (c != '\n' && c != '\r')
            return true;
        in.get();
    }
}

long CDAOEFSet::ToLong(std::string const& text) {
    return clampLong(std::strtoll(text.c_str(), nullptr, 10));
}

short CDAOEFSet::ToShort(std::string const& text) {
    return static_cast<short>(ToLong(text));
}

unsigned char CDAOEFSet::ToByte(std::string const& text) {
    return static_cast<unsigned char>(ToLong(text));
}

double CDAOEFSet::ToDouble(std::string const& text) {
    return std::strtod(text.c_str(), nullptr);
}

CEFOleDateTime CDAOEFSet::ToDateTime(std::string const& text) {
    return CEFOleDateTime::ParseLongYear(text);
}

// ---- the restore routine -------------------------------------------------------

namespace {

// Identity of the rest of an export file: its size and a hash of its bytes
// (64-bit FNV-1a); the stream is left where it was. Size -1 when the stream
// cannot be read twice.
std::pair<long long, long long> streamIdentity(std::istream& in) {
    const std::streampos start = in.tellg();
    if (start == std::streampos(-1))
        return {-1, 0};
    unsigned long long hash = 1469598103934665603ULL;
    long long size = 0;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        const std::streamsize n = in.gcount();
        for (std::streamsize i = 0; i < n; ++i) {
            hash ^= static_cast<unsigned char>(buffer[i]);
            hash *= 1099511628211ULL;
        }
        size += n;
    }
    in.clear();
    in.seekg(start);
    return {size, static_cast<long long>(hash)};
}

constexpr const char* ProgressTable =
    "CREATE TABLE IF NOT EXISTS RestoreProgress (FileKind TEXT NOT NULL, FileSize BIGINT NOT "
    "NULL, FileHash BIGINT NOT NULL, MemberID BIGINT NOT NULL, Flag BIGINT NOT NULL, "
    "LastLine BIGINT NOT NULL, PRIMARY KEY (FileKind, FileSize, FileHash, MemberID, Flag))";
constexpr const char* ProgressKey =
    " WHERE FileKind = ? AND FileSize = ? AND FileHash = ? AND MemberID = ? AND Flag = ?";

struct ProgressRecord {
    QString kind;
    long long size = -1;
    long long hash = 0;
    long memberId = 0;
    int flag = 0;

    void bindKey(QSqlQuery& q, int first) const {
        q.bindValue(first, kind);
        q.bindValue(first + 1, size);
        q.bindValue(first + 2, hash);
        q.bindValue(first + 3, static_cast<qlonglong>(memberId));
        q.bindValue(first + 4, flag);
    }
};

bool runProgress(Store& store, const QString& sql, const ProgressRecord& key, long line,
                 long* found = nullptr) {
    QSqlQuery* q = store.prepared(sql);
    if (!q)
        return false;
    key.bindKey(*q, 0);
    if (sql.startsWith(QStringLiteral("INSERT")))
        q->bindValue(5, static_cast<qlonglong>(line));
    bool ok = q->exec();
    if (ok && found)
        *found = q->next() ? static_cast<long>(q->value(0).toLongLong()) : 0;
    ok = ok && !q->lastError().isValid();
    const QSqlError error = ok ? QSqlError() : q->lastError();
    q->finish();
    if (!ok)
        store.reportFailure(error);
    return ok;
}

bool validUtf8(const std::string& s) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t len = 0;
        unsigned long cp = 0;
        if ((c & 0xE0) == 0xC0) {
            len = 2;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > n)
            return false;
        for (std::size_t k = 1; k < len; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
        static constexpr unsigned long least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < least[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

} // namespace

namespace {
// The text without the blanks that pad a field.
std::string_view trimmed(std::string const& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string_view();
    return std::string_view(text).substr(first, text.find_last_not_of(" \t") - first + 1);
}
} // namespace

bool CDAOEFSet::ParseLong(std::string const& field, long lo, long hi, long& out) {
    std::string_view text = trimmed(field);
    // Digits with an optional sign, nothing else (no blanks, no fraction).
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return false;
    }
    if (text.empty() || text.size() > 19)
        return false;
    long long v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size() || v < lo || v > hi)
        return false;
    out = static_cast<long>(v);
    return true;
}

bool CDAOEFSet::ParseShort(std::string const& text, short lo, short hi, short& out) {
    long v = 0;
    if (!ParseLong(text, lo, hi, v))
        return false;
    out = static_cast<short>(v);
    return true;
}

bool CDAOEFSet::ParseByte(std::string const& text, unsigned char lo, unsigned char hi,
                          unsigned char& out) {
    long v = 0;
    if (!ParseLong(text, lo, hi, v))
        return false;
    out = static_cast<unsigned char>(v);
    return true;
}

bool CDAOEFSet::ParseDouble(std::string const& field, double lo, double hi, double& out) {
    const std::string_view text = trimmed(field);
    // Plain decimal notation as the export writes it: no "nan", "inf" or
    // hexadecimal forms.
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return false;
    }
    const char* begin = text.data();
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        ++begin;
    double v = 0;
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), v);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(v) || v < lo || v > hi)
        return false;
    out = v;
    return true;
}

bool CDAOEFSet::ParseDateTime(std::string const& text, bool allowEmpty, CEFOleDateTime& out) {
    const CEFOleDateTime v = ToDateTime(text);
    if (v.GetStatus() == COleDateTime::valid || (allowEmpty && text.empty())) {
        out = v;
        return true;
    }
    return false;
}

void CDAOEFSet::DecodeLine(std::string& line) {
    if (validUtf8(line))
        return;
    std::string out;
    out.reserve(line.size() + line.size() / 4);
    for (char ch : line) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    line = std::move(out);
}

std::string CDAOEFSet::RestoreMessage(RestoreSummary const& summary) {
    std::string text = vantora::format("You have restored %i record(s).", {summary.restored});
    if (summary.skipped > 0) {
        std::string lines;
        for (long n : summary.skippedLines)
            lines += (lines.empty() ? "" : ", ") + std::to_string(n);
        if (static_cast<std::size_t>(summary.skipped) > summary.skippedLines.size())
            lines += vantora::format(
                " and %i more", {summary.skipped - static_cast<int>(summary.skippedLines.size())});
        text += vantora::insert("\n%1 damaged line(s) were skipped: line %2.",
                                {summary.skipped, lines});
    }
    if (summary.stopped && summary.stoppedAt > 0)
        text += vantora::format("\nThe restore stopped at line %i; run it again to finish it.",
                                {static_cast<int>(summary.stoppedAt)});
    return text;
}

bool CDAOEFSet::RestoreStoreReady() {
    m_restore = RestoreSummary{};
    // An unset folder was reported when the set was made.
    m_restore.stopped =
        GetDBPath().empty() || vantora::db::openStore(GetDefaultDBName()) == nullptr;
    return !m_restore.stopped;
}

std::vector<std::string> CDAOEFSet::ReadRestoreFields(std::istream& in, char const& delimiter,
                                                      std::size_t count) {
    // Longer fields are cut to their column later; the rest of an over-long
    // one is skipped so that the next stays in step.
    constexpr std::size_t ReadLimit = 4096;
    std::vector<std::string> f;
    for (std::size_t i = 0; i < count; ++i) {
        f.push_back(ReadField(in, delimiter, ReadLimit));
        DecodeLine(f.back());
    }
    return f;
}

int CDAOEFSet::StoreRestored(bool edit, std::function<void()> const& take) {
    if (edit)
        Op(opEdit);
    take();
    if (!edit)
        AddNewAsIs();
    Op(opUpdate);
    return LastOpFailed() ? 0 : 1;
}

void CDAOEFSet::AddNewAsIs() {
    FailureScope scope(*this);
    guarded(
        [&]() -> int {
            if (d_->isOpen())
                d_->addNew(false);
            return 0;
        },
        0);
}

int CDAOEFSet::RestoreRecords(std::istream& in, char const* kind, long memberId, int flag,
                              LineReader const& read) {
    m_restore = RestoreSummary{};
    m_restore.stopped = true;
    if (GetDBPath().empty())
        return 0;
    const std::shared_ptr<Store> store = vantora::db::openStore(GetDefaultDBName());
    if (!store)
        return 0;
    if (!store->beginBatch()) {
        store->endBatch();
        return 0;
    }

    ProgressRecord key;
    long resumeAfter = 0;
    if (kind) {
        key.kind = QString::fromLatin1(kind);
        std::tie(key.size, key.hash) = streamIdentity(in);
        key.memberId = memberId;
        key.flag = flag;
        if (key.size >= 0 && (!store->exec(QString::fromLatin1(ProgressTable)) ||
                              !runProgress(*store,
                                           QStringLiteral("SELECT LastLine FROM RestoreProgress") +
                                               QString::fromLatin1(ProgressKey),
                                           key, 0, &resumeAfter))) {
            store->endBatch();
            return 0;
        }
    }
    const bool tracked = kind && key.size >= 0;

    long lineNo = 0;   // lines read
    long lineDone = 0; // lines whose records are written (or passed over)
    int pending = 0;   // records written and not committed yet
    bool finished = false;
    // Each commit carries the progress of the lines before it; the last one
    // removes it.
    store->setCommitWatch(Store::CommitWatch{
        [&]() -> bool {
            if (!tracked)
                return true;
            if (finished)
                return runProgress(*store,
                                   QStringLiteral("DELETE FROM RestoreProgress") +
                                       QString::fromLatin1(ProgressKey),
                                   key, 0);
            return runProgress(*store,
                               QStringLiteral("INSERT INTO RestoreProgress (FileKind, "
                                              "FileSize, FileHash, MemberID, Flag, LastLine) "
                                              "VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (FileKind, "
                                              "FileSize, FileHash, MemberID, Flag) DO UPDATE "
                                              "SET LastLine = excluded.LastLine"),
                               key, lineDone);
        },
        [&](bool committed) {
            if (committed)
                m_restore.restored += pending;
            pending = 0;
        }});
    // The batch and the watch, which refers to this frame, end with it
    // however it is left; so does the set's bulk adding.
    struct BatchEnd {
        Store& store;
        bool& appendOnly;
        bool ended = false;
        bool end() {
            ended = true;
            return store.endBatch();
        }
        ~BatchEnd() {
            if (!ended)
                store.endBatch();
            store.setCommitWatch({});
            appendOnly = false;
        }
    } batchEnd{*store, d_->appendOnly};
    d_->appendOnly = true;

    bool failed = false;
    std::string line;
    while (ReadLine(in, line)) {
        ++lineNo;
        if (lineNo <= resumeAfter || line.empty()) {
            lineDone = lineNo;
            continue;
        }
        DecodeLine(line);
        // The record's own hold on the write lock: no commit falls inside it.
        if (!store->lock()) {
            failed = true;
            break;
        }
        const RestoreLine r = guarded([&]() { return read(line); }, lineFailed);
        lineDone = lineNo;
        if (r == lineFailed) {
            // What is not committed goes, the half record with it.
            store->abandonBatch();
            pending = 0;
            store->unlock();
            failed = true;
            break;
        }
        if (r == lineStored || r == lineStoredLast)
            ++pending;
        if (r == lineDamaged) {
            if (m_restore.skippedLines.size() < MaxListedLines)
                m_restore.skippedLines.push_back(lineNo);
            ++m_restore.skipped;
        }
        if (!store->unlock()) {
            failed = true;
            break;
        }
        if (r == lineStoredLast || r == linePassedLast)
            break;
    }
    finished = !failed;
    // The last commit removes the progress record, so the batch must end
    // with one.
    if (tracked && finished && store->lock())
        store->unlock();
    if (!batchEnd.end())
        failed = true;
    m_restore.stopped = failed;
    m_restore.stoppedAt = failed ? std::max(lineNo, 1L) : 0;
    return m_restore.restored;
}
