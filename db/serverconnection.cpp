#include "serverconnection.h"

#include "connection.h"
#include "schema.h"

#include "util/facilitylocation.h"
#include "util/format.h"

#include <QSqlDriver>
#include <QSqlQuery>
#include <QStringList>
#include <QUrl>
#include <QVariant>

#include <libpq-fe.h>

#include <poll.h>

#include <atomic>
#include <charconv>
#include <map>

namespace vantora::db::server {

namespace {

std::atomic<bool> g_reachable{true};

PGconn* handle(const QSqlDatabase& db) {
    if (!db.isValid() || db.driver() == nullptr)
        return nullptr;
    const QVariant v = db.driver()->handle();
    if (!v.isValid() ||
        (qstrcmp(v.typeName(), "PGconn*") != 0 && qstrcmp(v.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<PGconn* const*>(v.constData());
}

QString decoded(const QString& part) {
    return QUrl::fromPercentEncoding(part.toUtf8());
}

} // namespace

std::string configure(QSqlDatabase& db, const std::string& uri) {
    const QString text = QString::fromStdString(uri);
    const qsizetype schemeEnd = text.indexOf(QStringLiteral("://"));
    if (schemeEnd < 0 || !FacilityLocation::isServerUri(uri))
        return insert("Error: \"%1\" is not a server address (postgresql://user@host/database)",
                      {FacilityLocation::withoutPassword(uri)});
    QString rest = text.mid(schemeEnd + 3);
    QString query;
    if (const qsizetype q = rest.indexOf(QLatin1Char('?')); q >= 0) {
        query = rest.mid(q + 1);
        rest = rest.left(q);
    }
    QString authority = rest;
    QString database;
    if (const qsizetype slash = rest.indexOf(QLatin1Char('/')); slash >= 0) {
        authority = rest.left(slash);
        database = decoded(rest.mid(slash + 1));
    }
    QString host = authority;
    if (const qsizetype at = authority.lastIndexOf(QLatin1Char('@')); at >= 0) {
        const QString user = authority.left(at);
        host = authority.mid(at + 1);
        const qsizetype colon = user.indexOf(QLatin1Char(':'));
        db.setUserName(decoded(colon >= 0 ? user.left(colon) : user));
        if (colon >= 0)
            db.setPassword(decoded(user.mid(colon + 1)));
    }
    int port = -1;
    if (const qsizetype colon = host.lastIndexOf(QLatin1Char(':'));
        colon >= 0 && !host.endsWith(QLatin1Char(']'))) {
        bool ok = false;
        port = host.mid(colon + 1).toInt(&ok);
        if (!ok)
            return insert("Error: the port of \"%1\" is not a number",
                          {FacilityLocation::withoutPassword(uri)});
        host = host.left(colon);
    }
    host = decoded(host);
    QStringList options;
    bool timeoutGiven = false;
    for (const QString& pair : query.split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        const QString key = decoded(eq >= 0 ? pair.left(eq) : pair);
        const QString value = decoded(eq >= 0 ? pair.mid(eq + 1) : QString());
        if (key == QLatin1String("host"))
            host = value;
        else if (key == QLatin1String("port"))
            port = value.toInt();
        else if (key == QLatin1String("user"))
            db.setUserName(value);
        else if (key == QLatin1String("password"))
            db.setPassword(value);
        else if (key == QLatin1String("dbname"))
            database = value;
        else {
            timeoutGiven = timeoutGiven || key == QLatin1String("connect_timeout");
            options << key + QLatin1Char('=') + value;
        }
    }
    // A server that does not answer is noticed within seconds, not minutes.
    if (!timeoutGiven)
        options << QStringLiteral("connect_timeout=5");
    if (database.isEmpty())
        return insert("Error: \"%1\" names no database", {FacilityLocation::withoutPassword(uri)});
    db.setHostName(host);
    if (port > 0)
        db.setPort(port);
    db.setDatabaseName(database);
    db.setConnectOptions(options.join(QLatin1Char(';')));
    return {};
}

bool setUpSession(QSqlDatabase& db) {
    // The server's notices (a farewell when it ends the connection) are
    // not for the user's terminal; its errors reach the statements.
    if (PGconn* conn = handle(db))
        PQsetNoticeProcessor(
            conn, [](void*, const char*) {}, nullptr);
    QSqlQuery q(db);
    return q.exec(QStringLiteral("SET lock_timeout = %1").arg(busyTimeout())) &&
           q.exec(QStringLiteral("SET client_min_messages = warning"));
}

Opened open(const QString& name, const std::string& uri) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    if (!db.isValid())
        return {"Error: the PostgreSQL driver of Qt Sql is not available (install "
                "libqt6sql6-psql)"};
    if (std::string error = configure(db, uri); !error.empty())
        return {error};
    if (!db.open())
        return {errorText(db.lastError()), true};
    if (!setUpSession(db)) {
        const std::string why = errorText(QSqlQuery(db).lastError());
        db.close();
        return {insert("Error: the database server of %1 refused the session settings: %2",
                       {FacilityLocation::withoutPassword(uri), why})};
    }
    return {};
}

namespace {

// The names of the stores' tables and columns by their lower-case form: the
// files match names without regard to case, the server only quoted names
// with their case.
const std::map<QString, QString>& schemaNames() {
    static const std::map<QString, QString> names = [] {
        std::map<QString, QString> out;
        auto add = [&](std::string_view name) {
            const QString exact =
                QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
            out.emplace(exact.toLower(), exact);
        };
        for (const schema::Table& t : schema::tables()) {
            add(t.name);
            for (const schema::Column& c : t.columns)
                add(c.name);
        }
        return out;
    }();
    return names;
}

bool identifierStart(QChar c) {
    return c.isLetter() || c == QLatin1Char('_');
}

bool identifierPart(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

} // namespace

QString adapt(const QString& sql) {
    const auto& names = schemaNames();
    QString out;
    out.reserve(sql.size() + 32);
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // A literal or a quoted name, copied whole ('' and "" escape).
            qsizetype j = i + 1;
            while (j < n) {
                if (sql[j] == c) {
                    if (j + 1 < n && sql[j + 1] == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            out += QStringView(sql).mid(i, j + 1 - i);
            i = j + 1;
        } else if (identifierStart(c) && (i == 0 || !identifierPart(sql[i - 1]))) {
            qsizetype j = i + 1;
            while (j < n && identifierPart(sql[j]))
                ++j;
            const QString word = sql.mid(i, j - i);
            if (word.compare(QLatin1String("NOCASE"), Qt::CaseInsensitive) == 0) {
                out += QLatin1String(schema::caselessCollation);
            } else if (const auto it = names.find(word.toLower()); it != names.end()) {
                out += QLatin1Char('"') + it->second + QLatin1Char('"');
            } else {
                out += word;
            }
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

void appendCopyRow(QByteArray& data, const std::vector<QVariant>& values) {
    bool first = true;
    for (const QVariant& v : values) {
        if (!first)
            data += '\t';
        first = false;
        if (v.isNull()) {
            data += "\\N";
            continue;
        }
        switch (v.typeId()) {
        case QMetaType::Double: {
            char buffer[64];
            const auto end = std::to_chars(buffer, buffer + sizeof buffer, v.toDouble()).ptr;
            data.append(buffer, end - buffer);
            break;
        }
        case QMetaType::QString: {
            const QByteArray text = v.toString().toUtf8();
            for (const char c : text) {
                switch (c) {
                case '\\':
                    data += "\\\\";
                    break;
                case '\t':
                    data += "\\t";
                    break;
                case '\n':
                    data += "\\n";
                    break;
                case '\r':
                    data += "\\r";
                    break;
                default:
                    data += c;
                }
            }
            break;
        }
        default:
            data += QByteArray::number(v.toLongLong());
        }
    }
    data += '\n';
}

QSqlError copyRows(const QSqlDatabase& db, const QString& table, const QStringList& columns,
                   const QByteArray& data) {
    PGconn* conn = handle(db);
    if (conn == nullptr)
        return QSqlError(QString(), QStringLiteral("no connection to the server"),
                         QSqlError::ConnectionError);
    QString sql = QStringLiteral("COPY \"%1\" (").arg(table);
    for (qsizetype i = 0; i < columns.size(); ++i)
        sql += (i ? QStringLiteral(", \"") : QStringLiteral("\"")) + columns[i] + QLatin1Char('"');
    sql += QStringLiteral(") FROM STDIN");
    QString failure;
    QString code;
    PGresult* started = PQexec(conn, sql.toUtf8().constData());
    if (PQresultStatus(started) != PGRES_COPY_IN) {
        failure = QString::fromUtf8(PQresultErrorMessage(started));
        code = QString::fromLatin1(PQresultErrorField(started, PG_DIAG_SQLSTATE));
        PQclear(started);
    } else {
        PQclear(started);
        if (PQputCopyData(conn, data.constData(), static_cast<int>(data.size())) != 1 ||
            PQputCopyEnd(conn, nullptr) != 1)
            failure = QString::fromUtf8(PQerrorMessage(conn));
        while (PGresult* result = PQgetResult(conn)) {
            if (PQresultStatus(result) != PGRES_COMMAND_OK && failure.isEmpty()) {
                failure = QString::fromUtf8(PQresultErrorMessage(result));
                code = QString::fromLatin1(PQresultErrorField(result, PG_DIAG_SQLSTATE));
            }
            PQclear(result);
        }
    }
    if (failure.isEmpty())
        return {};
    return QSqlError(QString(), failure.trimmed(), QSqlError::StatementError, code);
}

bool transactionFailed(const QSqlDatabase& db) {
    PGconn* conn = handle(db);
    return conn != nullptr && PQtransactionStatus(conn) == PQTRANS_INERROR;
}

bool connectionLost(const QSqlDatabase& db, bool look) {
    PGconn* conn = handle(db);
    // Reads what waits on the socket: the server's farewell first, then the
    // end of the connection.
    for (int i = 0; i < 4 && conn != nullptr && look && PQstatus(conn) == CONNECTION_OK; ++i) {
        pollfd ready{PQsocket(conn), POLLIN, 0};
        if (::poll(&ready, 1, 0) <= 0 || PQconsumeInput(conn) == 0)
            break;
    }
    return conn == nullptr || PQstatus(conn) == CONNECTION_BAD;
}

bool lockTimedOut(const QSqlError& error) {
    return error.nativeErrorCode() == QLatin1String("55P03");
}

void reportUnreachable(const std::string& uri, const std::string& reason) {
    const bool first = g_reachable.exchange(false);
    // The client library's text spans lines; the message reads as one.
    const std::string why = QString::fromStdString(reason).simplified().toStdString();
    reportError(insert("Error: the database server of %1 cannot be reached (%2). Nothing reaches "
                       "it until it is back; this message is not repeated meanwhile.",
                       {FacilityLocation::withoutPassword(uri), why}),
                first);
}

void reached() {
    g_reachable = true;
}

bool reachable() {
    return g_reachable;
}

} // namespace vantora::db::server
