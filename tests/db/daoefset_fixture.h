#pragma once
// A small store and two small table classes for the tests of the record-set
// base: a Visits table of every column type, and a joined view of Members
// and Profiles.

#include "db/daoefset.h"

#include "support/testserver.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <string>
#include <vector>

namespace vantora::test {

class VisitSet : public CDAOEFSet {
public:
    VisitSet() { m_nFields = 6; }

    long MemberID = 0;
    short Visits = 0;
    unsigned char ClassIndx = 0;
    std::string Name;
    double Weight = 0;
    CEFOleDateTime CheckIn;

    std::string GetDefaultDBName() const override { return GetDBPath() + "visits.db"; }
    std::string GetDefaultSQL() const override { return "[Visits]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override {
        fx.Long("[MemberID]", MemberID);
        fx.Short("[Visits]", Visits);
        fx.Byte("[ClassIndx]", ClassIndx);
        fx.Text("[Name]", Name);
        fx.Double("[Weight]", Weight);
        fx.DateTime("[CheckIn]", CheckIn);
        CDAOEFSet::DoFieldExchange(fx);
    }

    int FindAll(bool count = true) {
        m_strFilter.clear();
        m_strSort = "MemberID";
        return OpenSet(count);
    }
    int FindMember(long const& memberId) {
        lParam0 = memberId;
        m_strFilter = "MemberID = lParam0";
        m_strSort = "CheckIn";
        return OpenSet(true);
    }
    int FindName(std::string const& name) {
        strParam0 = name;
        m_strFilter = "Name = strParam0";
        m_strSort = "MemberID";
        return OpenSet(true);
    }
};

// Members joined with Profiles; a class of its own parameters.
class MemberView : public CDAOEFSet {
public:
    MemberView() {
        m_nFields = 5;
        m_nParams = 16;
    }

    long MembersMemberID = 0;
    std::string LastName;
    long Goals = 0;
    long ProfilesMemberID = 0;
    std::string City;
    std::string strViewParam0;

    std::string GetDefaultDBName() const override { return GetDBPath() + "visits.db"; }
    std::string GetDefaultSQL() const override { return "[Members],[Profiles]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override {
        fx.Long("[Members].[MemberID]", MembersMemberID);
        fx.Text("LastName", LastName);
        fx.Long("[Goals]", Goals);
        fx.Long("[Profiles].[MemberID]", ProfilesMemberID);
        fx.Text("[City]", City);
        fx.Param("strViewParam0", strViewParam0);
        CDAOEFSet::DoFieldExchange(fx);
    }

    int FindCity(std::string const& city) {
        strViewParam0 = city;
        m_strFilter = "Profiles.MemberID = Members.MemberID AND City = strViewParam0";
        m_strSort = "[Members].[LastName]";
        return OpenSet(true);
    }
};

// Runs statements on a store file through a connection of its own, as
// another program would.
inline void runSql(const std::string& file, const std::vector<std::string>& statements) {
    static std::atomic<int> serial{0};
    const QString name = QStringLiteral("test-sql-%1").arg(++serial);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(QString::fromStdString(file));
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous = OFF"));
        for (const auto& s : statements) {
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(QString::fromStdString(s)))
                << s << ": " << q.lastError().text().toStdString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// One value of the first row of a query, read through a connection of its own.
inline QVariant queryValue(const std::string& file, const std::string& sql) {
    static std::atomic<int> serial{0};
    const QString name = QStringLiteral("test-value-%1").arg(++serial);
    QVariant v;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(QString::fromStdString(file));
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QString::fromStdString(sql)) && q.next())
                v = q.value(0);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return v;
}

// A folder with the store file visits.db holding the test tables, VANTO_DB and
// VANTO_BACK pointing at it, and the notice recorder installed.
class StoreTest : public ::testing::Test {
protected:
    StoreTest() : db_("VANTO_DB", dir_.path().c_str()), back_("VANTO_BACK", dir_.path().c_str()) {}

    void SetUp() override {
        VANTORA_SKIP_ON_SERVER("the test tables are made in a store file of their own");
        runSql(store(),
               {"CREATE TABLE Visits (_key INTEGER PRIMARY KEY, MemberID INTEGER, Visits INTEGER, "
                "ClassIndx INTEGER, Name TEXT, Weight REAL, CheckIn REAL)",
                "CREATE TABLE Members (_key INTEGER PRIMARY KEY, MemberID INTEGER, LastName TEXT, "
                "Goals INTEGER)",
                "CREATE TABLE Profiles (_key INTEGER PRIMARY KEY, MemberID INTEGER, City TEXT)"});
    }

    std::string store() const { return dir_.file("visits.db"); }

    // Adds visits (member id, name) with Visits 0, ClassIndx 1 and check-in
    // times one day apart in the order given.
    void addVisits(const std::vector<std::pair<long, std::string>>& rows) {
        std::vector<std::string> sql;
        int day = 0;
        for (const auto& [id, name] : rows)
            sql.push_back("INSERT INTO Visits (MemberID, Visits, ClassIndx, Name, Weight, CheckIn) "
                          "VALUES (" +
                          std::to_string(id) + ", 0, 1, '" + name + "', 150.5, " +
                          std::to_string(40000 + day++) + ")");
        runSql(store(), sql);
    }

    long long countRows(const std::string& table, const std::string& where = "1") {
        return queryValue(store(), "SELECT count(*) FROM " + table + " WHERE " + where)
            .toLongLong();
    }

    TempDir dir_;
    ScopedEnv db_;
    ScopedEnv back_;
    Notices notices_;
};

} // namespace vantora::test
