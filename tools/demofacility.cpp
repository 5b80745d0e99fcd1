#include "tools/demofacility.h"

#include "db/daobodycomp.h"
#include "db/daocenter.h"
#include "db/schema.h"
#include "util/bodycomp.h"
#include "util/convert.h"
#include "util/efoledatetime.h"
#include "util/format.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <algorithm>
#include <array>
#include <atomic>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace vantora::tools {

namespace {

namespace fs = std::filesystem;
using vantora::db::schema::Store;

// ---- random values ----------------------------------------------------------

// Plain arithmetic over the engine's raw output, so a seed gives the same
// facility with every standard library.
class Rng {
public:
    explicit Rng(unsigned seed) : engine_(seed) {}
    // lo..hi, both included.
    int range(int lo, int hi) {
        return lo + static_cast<int>(engine_() % static_cast<unsigned>(hi - lo + 1));
    }
    double real(double lo, double hi) {
        return lo + (hi - lo) * (static_cast<double>(engine_()) / 4294967296.0);
    }
    bool chance(double p) { return real(0.0, 1.0) < p; }
    // Roughly bell-shaped around the middle of lo..hi.
    double bell(double lo, double hi) { return (real(lo, hi) + real(lo, hi) + real(lo, hi)) / 3; }
    template <typename T, std::size_t N> const T& pick(const std::array<T, N>& a) {
        return a[static_cast<std::size_t>(range(0, static_cast<int>(N) - 1))];
    }
    // Index by weights.
    int weighted(std::initializer_list<int> weights) {
        int total = 0;
        for (int w : weights)
            total += w;
        int r = range(0, total - 1);
        int i = 0;
        for (int w : weights) {
            if (r < w)
                return i;
            r -= w;
            ++i;
        }
        return i - 1;
    }

private:
    std::mt19937 engine_;
};

double round2(double v) {
    return std::round(v * 100.0) / 100.0;
}

// ---- names and places ---------------------------------------------------------

constexpr std::array<const char*, 48> FemaleNames = {
    "Abigail", "Alicia",  "Amanda",   "Amelia",   "Andrea",   "Angela", "Anna",    "Brianna",
    "Caitlin", "Carmen",  "Chloe",    "Claire",   "Danielle", "Diana",  "Elena",   "Emily",
    "Emma",    "Erin",    "Gabriela", "Grace",    "Hannah",   "Isabel", "Jasmine", "Jennifer",
    "Jessica", "Julia",   "Kaitlyn",  "Karen",    "Laura",    "Lauren", "Leah",    "Linda",
    "Lucia",   "Maria",   "Megan",    "Michelle", "Natalie",  "Nicole", "Olivia",  "Priya",
    "Rachel",  "Rebecca", "Renee",    "Sarah",    "Sofia",    "Susan",  "Taylor",  "Zoe"};
constexpr std::array<const char*, 48> MaleNames = {
    "Aaron",    "Adam",    "Alejandro",   "Andrew", "Anthony",  "Benjamin", "Brandon", "Brian",
    "Caleb",    "Carlos",  "Christopher", "Daniel", "David",    "Derek",    "Dylan",   "Eric",
    "Ethan",    "Gabriel", "Gregory",     "Isaac",  "Jacob",    "James",    "Jason",   "Jeffrey",
    "Jonathan", "Jordan",  "Joseph",      "Joshua", "Kevin",    "Kyle",     "Liam",    "Luis",
    "Marcus",   "Matthew", "Michael",     "Nathan", "Nicholas", "Omar",     "Patrick", "Raj",
    "Robert",   "Ryan",    "Samuel",      "Steven", "Thomas",   "Tyler",    "William", "Zachary"};
constexpr std::array<const char*, 80> LastNames = {
    "Adams",    "Alvarez",  "Anderson", "Baker",   "Bennett",  "Brooks",    "Brown",    "Campbell",
    "Carter",   "Castillo", "Chen",     "Clark",   "Collins",  "Cooper",    "Cruz",     "Davis",
    "Diaz",     "Edwards",  "Evans",    "Fischer", "Flores",   "Foster",    "Garcia",   "Gomez",
    "Gonzalez", "Gray",     "Green",    "Hall",    "Harris",   "Hernandez", "Hill",     "Howard",
    "Hughes",   "Jackson",  "James",    "Jenkins", "Johnson",  "Jones",     "Kelly",    "Kim",
    "King",     "Kowalski", "Lee",      "Lewis",   "Lopez",    "Martin",    "Martinez", "Miller",
    "Mitchell", "Moore",    "Morales",  "Murphy",  "Nguyen",   "Novak",     "O'Brien",  "O'Connor",
    "Ortiz",    "Parker",   "Patel",    "Perez",   "Peterson", "Phillips",  "Price",    "Ramirez",
    "Reed",     "Reyes",    "Rivera",   "Roberts", "Robinson", "Rodriguez", "Rogers",   "Russell",
    "Sanchez",  "Schmidt",  "Scott",    "Shah",    "Smith",    "Sullivan",  "Taylor",   "Thompson"};
constexpr std::array<const char*, 20> Streets = {
    "Maple St",    "Oak Ave",         "Elm St",        "College Ave",  "High St",
    "Park Rd",     "Lincoln Ave",     "Washington St", "Cedar Ln",     "Hillcrest Dr",
    "Lakeview Dr", "Main St",         "Walnut St",     "Prospect Ave", "River Rd",
    "Summit St",   "University Blvd", "Willow Way",    "Chestnut St",  "Birch Ct"};
struct Town {
    const char* city;
    const char* zip;
    const char* area;
};
constexpr std::array<Town, 6> Towns = {{{"Columbus", "43210", "614"},
                                        {"Worthington", "43085", "614"},
                                        {"Dublin", "43017", "614"},
                                        {"Westerville", "43081", "614"},
                                        {"Delaware", "43015", "740"},
                                        {"Newark", "43055", "740"}}};
constexpr std::array<const char*, 4> MailDomains = {"example.com", "example.org", "example.net",
                                                    "example.edu"};
constexpr std::array<const char*, 5> Messages = {
    "Please stop by the front desk to renew your membership.",
    "Your re-evaluation is due this week; ask a staff member to schedule it.",
    "Great job: 20 workouts this term! Pick up your incentive club T-shirt.",
    "Your locker assignment ends Friday. Please empty the locker or renew it.",
    "We still need your signed release form. Please bring it to the desk."};

// The demo catalog: category, course, sections (the facility starts with
// FIT / FIT 101 / 01, which stays).
struct CatalogCourse {
    long catId;
    const char* cat;
    long courId;
    const char* cour;
    std::vector<const char*> sections;
};
const std::vector<CatalogCourse>& Catalog() {
    static const std::vector<CatalogCourse> courses = {
        {1, "FIT", 1, "FIT 101", {"01"}},     {2, "PE", 2, "PE 110", {"01", "02", "03"}},
        {2, "PE", 3, "PE 215", {"01", "02"}}, {3, "HLTH", 4, "HLTH 150", {"A", "B"}},
        {4, "STAF", 5, "WELLNESS", {}},       {5, "COMM", 6, "ADULT", {"AM", "PM"}},
    };
    return courses;
}

// Typical progressive lift of each circuit station as a share of body
// weight for a man of average strength (a woman's is about two thirds).
constexpr std::array<double, 24> LiftShare = {0.60, 1.50, 0.55, 0.35, 0.50, 0.45, 0.35, 0.40,
                                              0.45, 0.20, 0.20, 0.50, 0.50, 1.00, 0.35, 0.25,
                                              0.40, 0.40, 0.45, 0.45, 0.15, 0.45, 1.20, 0.50};
// Leg press, standing calf raise and hack squat carry heavier stacks.
constexpr std::array<int, 3> HeavyStations = {1, 13, 22};

// ---- dates --------------------------------------------------------------------

// A day number (whole days since 30 December 1899) at a time of day, built
// the way every date-time of the system is built.
CEFOleDateTime At(long day, int secondOfDay) {
    CEFOleDateTime d(static_cast<double>(day));
    CEFOleDateTime t(d.GetYear(), d.GetMonth(), d.GetDay(), secondOfDay / 3600,
                     secondOfDay / 60 % 60, secondOfDay % 60);
    return t;
}

long DayOf(const CEFOleDateTime& t) {
    return static_cast<long>(std::floor(t.m_dt));
}

// ---- store writing ------------------------------------------------------------

// One connection of the generator to a store file, writing in one long
// transaction that is committed now and then.
class StoreWriter {
public:
    StoreWriter(const fs::path& file, bool fast) {
        static std::atomic<int> serial{0};
        name_ = QStringLiteral("vantora-demo-%1").arg(++serial);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(QString::fromStdString(file.string()));
        if (!db.open()) {
            error_ = insert("Error: cannot open %1 (%2)",
                            {file.string(), db.lastError().text().toStdString()});
            return;
        }
        if (fast) {
            // A generated file is made again rather than repaired: no waiting
            // for the disk, the journal kept in memory, a large page cache.
            for (const char* pragma : {"PRAGMA synchronous = OFF", "PRAGMA journal_mode = MEMORY",
                                       "PRAGMA cache_size = -262144"})
                QSqlQuery(db).exec(QString::fromLatin1(pragma));
            fast_ = true;
        }
        begin();
    }
    ~StoreWriter() {
        {
            QSqlDatabase db = database();
            if (db.isOpen()) {
                db.rollback();
                // Left in write-ahead logging, the mode the programs expect.
                if (fast_)
                    QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode = WAL"));
                db.close();
            }
        }
        QSqlDatabase::removeDatabase(name_);
    }
    StoreWriter(const StoreWriter&) = delete;
    StoreWriter& operator=(const StoreWriter&) = delete;

    QSqlDatabase database() const { return QSqlDatabase::database(name_, false); }
    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    void fail(std::string text) {
        if (error_.empty())
            error_ = std::move(text);
    }

    // Commits what is written and starts the next transaction.
    bool commit(bool again = true) {
        if (!ok())
            return false;
        QSqlDatabase db = database();
        if (!db.commit()) {
            fail(insert("Error: cannot write %1 (%2)",
                        {db.databaseName().toStdString(), db.lastError().text().toStdString()}));
            return false;
        }
        if (again)
            begin();
        return ok();
    }

    // Runs one statement; false after recording the error.
    bool exec(const std::string& sql) {
        QSqlQuery q(database());
        if (!ok())
            return false;
        if (!q.exec(QString::fromStdString(sql)))
            fail(insert("Error: cannot write %1 (%2)", {database().databaseName().toStdString(),
                                                        q.lastError().text().toStdString()}));
        return ok();
    }

    // The first column of the first row of a query, or nothing.
    std::optional<QVariant> value(const QString& sql) {
        QSqlQuery q(database());
        if (!q.exec(sql) || !q.next())
            return std::nullopt;
        return q.value(0);
    }

private:
    void begin() {
        QSqlDatabase db = database();
        if (!db.transaction())
            fail(insert("Error: cannot write %1 (%2)",
                        {db.databaseName().toStdString(), db.lastError().text().toStdString()}));
    }

    QString name_;
    std::string error_;
    bool fast_ = false;
};

// A prepared insert of the named columns of one table.
class Insert {
public:
    Insert(StoreWriter& store, const char* table, std::initializer_list<const char*> columns)
        : store_(store), query_(store.database()), table_(table), count_(columns.size()) {
        QString names, marks;
        for (const char* c : columns) {
            names += (names.isEmpty() ? QString() : QStringLiteral(", ")) +
                     QStringLiteral("\"%1\"").arg(QString::fromLatin1(c));
            marks += marks.isEmpty() ? QStringLiteral("?") : QStringLiteral(", ?");
        }
        if (!query_.prepare(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                .arg(QString::fromLatin1(table), names, marks)))
            store_.fail(insert("Error: cannot write the table %1 (%2)",
                               {table, query_.lastError().text().toStdString()}));
    }

    bool row(std::initializer_list<QVariant> values) {
        if (!store_.ok())
            return false;
        int i = 0;
        for (const QVariant& v : values)
            query_.bindValue(i++, v);
        if (static_cast<std::size_t>(i) != count_ || !query_.exec()) {
            store_.fail(insert("Error: cannot write the table %1 (%2)",
                               {table_, query_.lastError().text().toStdString()}));
            return false;
        }
        ++rows_;
        return true;
    }
    long rows() const { return rows_; }

private:
    StoreWriter& store_;
    QSqlQuery query_;
    const char* table_;
    std::size_t count_;
    long rows_ = 0;
};

QVariant Text(const std::string& s, const char* table, const char* column) {
    return QVariant(
        QString::fromStdString(db::schema::fitText(s, db::schema::textLimit(table, column))));
}
QVariant Num(long long v) {
    return QVariant(v);
}
QVariant Real(double v) {
    return QVariant(v);
}
QVariant When(const CEFOleDateTime& t) {
    return QVariant(t.m_dt);
}

// Points the record sets at the new facility while it is filled.
class FacilityEnv {
public:
    explicit FacilityEnv(const std::string& folder) {
        std::string path = folder;
        CEFFile::ParsePath(path);
        for (const char* name : {"VANTO_DB", "VANTO_BACK"}) {
            const char* old = std::getenv(name);
            saved_.push_back({name, old != nullptr, old ? old : ""});
            ::setenv(name, path.c_str(), 1);
        }
    }
    ~FacilityEnv() {
        for (const auto& s : saved_) {
            if (s.had)
                ::setenv(s.name, s.value.c_str(), 1);
            else
                ::unsetenv(s.name);
        }
    }
    FacilityEnv(const FacilityEnv&) = delete;
    FacilityEnv& operator=(const FacilityEnv&) = delete;

private:
    struct Saved {
        const char* name;
        bool had;
        std::string value;
    };
    std::vector<Saved> saved_;
};

// ---- people -----------------------------------------------------------------

enum class Group { Student, Staff, Community };

struct ClassSlot {
    unsigned char indx;
    const CatalogCourse* course;
    std::string section;
};

struct Person {
    long id = 0;
    long barcode = 0;
    std::string first, middle, last;
    unsigned char sex = 0; // 0 female, 1 male
    Group group = Group::Student;
    int age = 20;
    CEFOleDateTime birthday;
    unsigned char status = 1;
    CEFOleDateTime enrollment, expiration;
    unsigned char period = 0;
    double height = 0;  // inches
    double weight = 0;  // pounds
    double fitness = 1; // 0.6 (weak) .. 1.4 (strong)
    double fat = 20;    // the member's percent fat, the value measurements aim at
    unsigned char activity = 1;
    std::vector<ClassSlot> classes;
};

unsigned char PeriodOf(const CEFOleDateTime& d) {
    const int m = d.GetMonth();
    if (m <= 5)
        return 0; // spring
    if (m <= 7)
        return 1; // summer
    if (m <= 11)
        return 2; // fall
    return 3;     // winter
}

Person MakePerson(Rng& rng, long index, long today, int expMonths, bool noCards) {
    Person p;
    p.id = 10001 + index;
    // Six-digit card numbers, all different; a few members have no card yet.
    p.barcode = noCards && rng.chance(0.02) ? 0 : 100000 + (index * 7919L) % 900000;
    p.sex = rng.chance(0.5) ? 1 : 0;
    p.first = p.sex ? rng.pick(MaleNames) : rng.pick(FemaleNames);
    p.middle = rng.chance(0.75) ? std::string(1, static_cast<char>('A' + rng.range(0, 25))) : "";
    p.last = rng.pick(LastNames);
    const int g = rng.weighted({65, 20, 15});
    p.group = g == 0 ? Group::Student : g == 1 ? Group::Staff : Group::Community;
    p.age = p.group == Group::Student ? rng.range(18, 24)
            : p.group == Group::Staff ? rng.range(25, 64)
                                      : rng.range(25, 76);
    p.birthday = At(today - static_cast<long>(p.age * 365.25) - rng.range(0, 360), 0);

    p.status = rng.chance(0.86) ? 1 : 0;
    long enrollDay;
    if (p.status == 0)
        enrollDay = today - rng.range(400, 1100);
    else if (rng.chance(0.06))
        enrollDay = today - rng.range(180, 330); // current, but expired: due to renew
    else
        enrollDay = today - rng.range(0, 110);
    p.enrollment = At(enrollDay, 0);
    p.expiration = p.enrollment;
    p.expiration.AddMonth(expMonths > 0 ? expMonths : 4);
    p.period = PeriodOf(p.enrollment);

    p.height = p.sex ? std::clamp(rng.bell(63.0, 76.0), 62.0, 78.0)
                     : std::clamp(rng.bell(58.5, 70.5), 58.0, 73.0);
    p.height = std::round(p.height * 2) / 2;
    const double bmi = p.sex ? rng.bell(19.5, 33.0) : rng.bell(18.5, 32.0);
    p.weight = std::round(bmi * p.height * p.height / 703.0 * 2) / 2;
    p.fitness = rng.bell(0.6, 1.4);
    // Percent fat follows body mass, age and sex.
    p.fat =
        std::clamp(1.2 * bmi + 0.23 * p.age - (p.sex ? 16.2 : 5.4) + rng.real(-3, 3), 6.0, 45.0);
    p.activity = static_cast<unsigned char>(std::clamp(
        static_cast<int>(std::lround(p.fitness * 2.5 - 0.5 + rng.real(-0.8, 0.8))), 0, 4));

    const auto& catalog = Catalog();
    auto addClass = [&](const CatalogCourse& c) {
        for (const auto& slot : p.classes)
            if (slot.course == &c)
                return;
        ClassSlot s{static_cast<unsigned char>(p.classes.size()), &c, ""};
        if (!c.sections.empty())
            s.section = c.sections[static_cast<std::size_t>(
                rng.range(0, static_cast<int>(c.sections.size()) - 1))];
        p.classes.push_back(s);
    };
    if (!rng.chance(0.03)) {
        if (p.group == Group::Staff) {
            addClass(catalog[4]);
        } else if (p.group == Group::Community) {
            addClass(catalog[5]);
        } else {
            const int n = 1 + rng.weighted({80, 15, 5});
            for (int k = 0; k < n; ++k)
                addClass(catalog[static_cast<std::size_t>(rng.weighted({15, 45, 20, 20}))]);
        }
    }
    return p;
}

std::string Phone(Rng& rng, const Town& town) {
    return format("(%s) 555-%.4d", {town.area, rng.range(100, 199)});
}

bool WritePerson(Rng& rng, const Person& p, Insert& members, Insert& enrollments, Insert& profiles,
                 Insert& classes) {
    const Town& town = rng.pick(Towns);
    std::string email = p.first + "." + p.last + "@" + rng.pick(MailDomains);
    for (char& c : email)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    email.erase(std::remove(email.begin(), email.end(), '\''), email.end());
    const std::string contact =
        std::string(p.sex ? rng.pick(FemaleNames) : rng.pick(MaleNames)) + " " + p.last;
    long goals = 0;
    for (int n = rng.range(1, 3); n > 0; --n)
        goals |= 1L << rng.range(0, 7);
    long med = 0;
    if (rng.chance(0.35))
        for (int n = rng.range(1, 2); n > 0; --n)
            med |=
                1L << rng.weighted({4, 2, 1, 2, 3, 1, 2, 5, 1, 2, 3, 3, 1, 1, 2, 1, 5, 6, 8, 5, 3});
    const bool employee = p.group == Group::Staff || rng.chance(0.02);

    bool ok = members.row({Num(p.id), Num(p.barcode), Text(p.first, "Members", "FirstName"),
                           Text(p.middle, "Members", "MiddleInitial"),
                           Text(p.last, "Members", "LastName"), Num(p.status)});
    ok = ok && enrollments.row({Num(p.id), When(p.enrollment), When(p.expiration), Num(p.period),
                                Num(rng.chance(0.25) ? 1 : 0)});
    ok = ok && profiles.row(
                   {Num(p.id),
                    Text(std::to_string(rng.range(12, 4980)) + " " + rng.pick(Streets), "Profiles",
                         "Address"),
                    Text(town.city, "Profiles", "City"), Text("OH", "Profiles", "State"),
                    Text(town.zip, "Profiles", "Zip"), Text(Phone(rng, town), "Profiles", "Phone"),
                    Text(email, "Profiles", "Email"), Text(contact, "Profiles", "EmerContactName"),
                    Text(Phone(rng, town), "Profiles", "EmerContactPhone"),
                    Text(std::string("Dr. ") + rng.pick(LastNames), "Profiles", "FamilyPhysician"),
                    Num(rng.chance(0.92) ? 1 : 0), Num(employee ? 1 : 0), When(p.birthday),
                    Num(p.sex), Num(goals), Num(med)});
    for (const ClassSlot& c : p.classes) {
        const int grade = p.group == Group::Student ? rng.weighted({60, 25, 5, 7, 3}) : 2;
        ok = ok &&
             classes.row({Num(p.id), Num(c.indx), Text(c.course->cat, "Classes", "Category"),
                          Text(c.course->cour, "Classes", "Course"),
                          Text(c.section, "Classes", "Section"), Num(grade),
                          Num(rng.chance(0.85) ? 1 : 0), Num(0), Num(rng.chance(0.1) ? 1 : 0)});
    }
    return ok;
}

// ---- workouts -----------------------------------------------------------------

// Typical values of workout options 2 to 13 (lo..hi) when a member does them.
constexpr std::array<std::array<int, 2>, 12> OptionRanges = {{{10, 30},
                                                              {10, 30},
                                                              {5, 20},
                                                              {5, 20},
                                                              {10, 30},
                                                              {10, 30},
                                                              {5, 15},
                                                              {20, 60},
                                                              {10, 40},
                                                              {4, 12},
                                                              {8, 30},
                                                              {30, 55}}};

struct Visit {
    long memberId = 0;
    CEFOleDateTime in, out;
    int circuits = 0;
    unsigned char classIndx = 99;
};

// One visit starting at the second of the day, lasting `minutes` (0: the
// member never checked out, so check-out equals check-in).
Visit MakeVisit(Rng& rng, const Person& p, long day, int startSecond, int minutes) {
    Visit v;
    v.memberId = p.id;
    v.in = At(day, startSecond);
    v.out = At(day, startSecond + minutes * 60 + (minutes > 0 ? rng.range(0, 59) : 0));
    v.circuits = minutes == 0 ? 0 : rng.weighted({8, 12, 35, 30, 15});
    if (!p.classes.empty())
        v.classIndx = p.classes[static_cast<std::size_t>(
                                    rng.range(0, static_cast<int>(p.classes.size()) - 1))]
                          .indx;
    return v;
}

bool WriteVisit(Rng& rng, const Visit& v, const CDAOCenter& center, Insert& workouts,
                bool details) {
    std::array<int, 12> options{};
    if (details)
        for (std::size_t i = 0; i < options.size(); ++i)
            if (rng.chance(0.25))
                options[i] = rng.range(OptionRanges[i][0], OptionRanges[i][1]);
    const bool ok = center.VerifyWk(v.circuits, v.in, v.out);
    return workouts.row({Num(v.memberId), Num(ok ? 1 : 0), Num(v.classIndx), When(v.in),
                         When(v.out), Num(v.circuits), Num(options[0]), Num(options[1]),
                         Num(options[2]), Num(options[3]), Num(options[4]), Num(options[5]),
                         Num(options[6]), Num(options[7]), Num(options[8]), Num(options[9]),
                         Num(options[10]), Num(options[11])});
}

// ---- evaluations and body compositions ------------------------------------------

struct Folds {
    double thigh = 0, chest = 0, ab = 0, triceps = 0, supra = 0, midax = 0, subscap = 0;
};

// Skin folds (mm) that go with the member's percent fat; three sites (by
// sex) or all seven.
Folds MakeFolds(Rng& rng, const Person& p, double fat, bool seven) {
    const double s = fat / 20.0;
    auto fold = [&](double base, double cap) {
        return std::clamp(std::round(base * s * rng.real(0.85, 1.15) * 2) / 2, 3.0, cap);
    };
    Folds f;
    if (p.sex) {
        f.thigh = fold(13, 70);
        f.chest = fold(10, 51);
        f.ab = fold(21, 70);
        if (seven) {
            f.triceps = fold(11, 51);
            f.supra = fold(14, 51);
            f.midax = fold(12, 51);
            f.subscap = fold(15, 51);
        }
    } else {
        f.thigh = fold(26, 70);
        f.triceps = fold(19, 51);
        f.supra = fold(14, 51);
        if (seven) {
            f.chest = fold(8, 51);
            f.ab = fold(22, 70);
            f.midax = fold(11, 51);
            f.subscap = fold(14, 51);
        }
    }
    return f;
}

double SkinFoldFat(const Person& p, double weight, const Folds& f, bool seven) {
    CSkinFold sf(static_cast<CBodyComp::sex>(p.sex), p.age, weight, p.height, f.thigh, f.chest,
                 f.ab, f.triceps, f.supra, f.midax, f.subscap);
    return seven ? sf.PercentFat_7() : sf.PercentFat_3();
}

// Keeps a computed percent fat when it is a sensible one.
double Plausible(double computed, double fallback) {
    return std::isfinite(computed) && computed >= 3.0 && computed <= 60.0 ? round2(computed)
                                                                          : round2(fallback);
}

bool WriteEvaluation(Rng& rng, const Person& p, long evalId, long day, double progress,
                     Insert& evals, Insert& bodyComps, Insert& circuit) {
    const double weight = std::round((p.weight - progress * rng.real(0, 6)) * 2) / 2;
    const double fat = std::max(5.0, p.fat - progress * rng.real(0.5, 2.5));
    const double f = p.fitness * (1 + 0.06 * progress);
    const unsigned char classIndx = p.classes.empty() ? 99 : p.classes.front().indx;
    const long run = rng.chance(0.2) ? 0
                                     : std::lround((p.sex ? 840 : 950) / f * rng.real(0.9, 1.1) +
                                                   (p.age > 40 ? (p.age - 40) * 6 : 0));
    bool ok = evals.row(
        {Num(evalId), Num(p.id), When(At(day, rng.range(7 * 3600, 18 * 3600) / 900 * 900)),
         Num(classIndx), Real(p.height), Real(weight), Num(p.activity),
         Num(std::clamp(std::lround(78 - 14 * f + rng.real(-6, 6)), 48L, 100L)),
         Num(std::clamp(std::lround(rng.bell(102, 142) + (p.age - 30) * 0.3), 95L, 170L)),
         Num(std::clamp(std::lround(rng.bell(62, 90) + (p.age - 30) * 0.15), 55L, 100L)),
         Real(std::clamp(std::round((14 + (p.sex ? 0 : 3) + 6 * (f - 1) + rng.real(-4, 4)) * 2) / 2,
                         2.0, 31.0)),
         Num(std::clamp(std::lround(38 * f - (p.age - 25) * 0.3 + rng.real(-5, 5)), 5L, 80L)),
         Num(std::clamp(std::lround(45 * f - (p.age - 25) * 0.3 + rng.real(-6, 6)), 5L, 95L)),
         Num(std::clamp(std::lround(132 - 28 * (f - 1) + rng.real(-10, 10)), 70L, 180L)),
         Num(std::min(run, 60L * 60L)),
         Num(std::clamp(std::lround(24 - 8 * (f - 1) + rng.real(-5, 5)), 8L, 60L))});

    const bool seven = rng.chance(0.4);
    const Folds folds = MakeFolds(rng, p, fat, seven);
    ok = ok &&
         bodyComps.row({Num(evalId), Real(Plausible(SkinFoldFat(p, weight, folds, seven), fat)),
                        Real(folds.thigh), Real(folds.chest), Real(folds.ab), Real(folds.triceps),
                        Real(folds.supra), Real(folds.midax), Real(folds.subscap)});

    std::array<QVariant, 25> stations;
    stations[0] = Num(evalId);
    const double strength = f * (p.sex ? 1.0 : 0.66) * (p.age > 50 ? 0.85 : 1.0);
    for (std::size_t i = 0; i < LiftShare.size(); ++i) {
        const bool heavy = std::find(HeavyStations.begin(), HeavyStations.end(),
                                     static_cast<int>(i)) != HeavyStations.end();
        double lift = 0;
        if (rng.chance(0.88))
            lift = std::clamp(
                std::round(p.weight * LiftShare[i] * strength * rng.real(0.85, 1.15) / 5) * 5, 20.0,
                heavy ? 300.0 : 150.0);
        stations[i + 1] = Real(lift);
    }
    ok = ok && circuit.row({stations[0],  stations[1],  stations[2],  stations[3],  stations[4],
                            stations[5],  stations[6],  stations[7],  stations[8],  stations[9],
                            stations[10], stations[11], stations[12], stations[13], stations[14],
                            stations[15], stations[16], stations[17], stations[18], stations[19],
                            stations[20], stations[21], stations[22], stations[23], stations[24]});
    return ok;
}

bool WriteBodyComp(Rng& rng, const Person& p, long day, int method, double progress,
                   Insert& bodyComps) {
    const CConvert convert;
    const double weight = std::round((p.weight - progress * rng.real(0, 5)) * 2) / 2;
    const double fat = std::max(5.0, p.fat - progress * rng.real(0.5, 2.0));
    const double bmi = weight * 703.0 / (p.height * p.height);
    double waist =
        std::round((p.sex ? 0.85 * bmi + 12.5 : 0.8 * bmi + 9.5) * rng.real(0.95, 1.05) * 4) / 4;
    double hip =
        std::round((p.sex ? 0.75 * bmi + 21 : 1.0 * bmi + 17) * rng.real(0.96, 1.04) * 4) / 4;
    double wrist = 0;
    Folds folds;
    double temp = 0, wet = 0, tare = 0;
    long flags = 0;
    double result = fat;
    const auto sex = static_cast<CBodyComp::sex>(p.sex);

    switch (method) {
    case CDAOBodyComp::methodBodyMeasurement: {
        wrist = std::round((p.sex ? rng.real(6.6, 7.6) : rng.real(5.6, 6.6)) * 4) / 4;
        CTapeMsr tape(sex, p.age, weight, p.height, waist, wrist, hip);
        result = Plausible(tape.PercentFat(), fat);
        break;
    }
    case CDAOBodyComp::methodSkinFold: {
        const bool seven = rng.chance(0.4);
        folds = MakeFolds(rng, p, fat, seven);
        result = Plausible(SkinFoldFat(p, weight, folds, seven), fat);
        break;
    }
    case CDAOBodyComp::methodHydrostatic: {
        temp = std::round(rng.real(91, 95) * 10) / 10;
        tare = std::round(rng.real(4, 8) * 10) / 10;
        if (rng.chance(0.3))
            flags |= CDAOBodyComp::flagBrozek;
        const auto formula =
            (flags & CDAOBodyComp::flagBrozek) ? CHydroStat::brozek : CHydroStat::siri;
        // The scale reading that gives the member's percent fat.
        double best = 1e9;
        for (double w = tare + 0.5; w < tare + 25; w += 0.05) {
            CHydroStat h(sex, p.age, weight, p.height, temp, w, tare);
            const double pf = h.PercentFat(formula);
            if (std::isfinite(pf) && std::fabs(pf - fat) < best) {
                best = std::fabs(pf - fat);
                wet = std::round(w * 100) / 100;
            }
        }
        CHydroStat h(sex, p.age, weight, p.height, temp, wet, tare);
        result = Plausible(h.PercentFat(formula), fat);
        break;
    }
    default:
        result = round2(fat);
        break;
    }

    // Some facilities enter metric values; they are stored as entered.
    double height = p.height, storedWeight = weight;
    if (rng.chance(0.25)) {
        flags |= CDAOBodyComp::unitHeight | CDAOBodyComp::unitWeight | CDAOBodyComp::unitGirth;
        height = round2(convert.in_cm(height));
        storedWeight = round2(convert.lb_kg(storedWeight));
        waist = round2(convert.in_cm(waist));
        hip = round2(convert.in_cm(hip));
        wrist = round2(convert.in_cm(wrist));
    }
    if (method == CDAOBodyComp::methodSkinFold && rng.chance(0.15)) {
        flags |= CDAOBodyComp::unitSkinFold;
        for (double* v : {&folds.thigh, &folds.chest, &folds.ab, &folds.triceps, &folds.supra,
                          &folds.midax, &folds.subscap})
            *v = round2(convert.mm_in(*v));
    }
    if (method == CDAOBodyComp::methodHydrostatic) {
        if (rng.chance(0.4)) {
            flags |= CDAOBodyComp::unitH2OTemp;
            temp = round2(convert.f_c(temp));
        }
        if (rng.chance(0.4)) {
            flags |= CDAOBodyComp::unitWetWeight | CDAOBodyComp::unitTareWeight;
            wet = round2(convert.lb_kg(wet));
            tare = round2(convert.lb_kg(tare));
        }
    }

    return bodyComps.row({Num(p.id),
                          When(At(day, rng.range(7 * 3600, 18 * 3600) / 900 * 900)),
                          Num(p.classes.empty() ? 99 : p.classes.front().indx),
                          Real(height),
                          Real(storedWeight),
                          Num(p.activity),
                          Num(method),
                          Real(result),
                          Real(waist),
                          Real(wrist),
                          Real(hip),
                          Real(folds.thigh),
                          Real(folds.chest),
                          Real(folds.ab),
                          Real(folds.triceps),
                          Real(folds.supra),
                          Real(folds.midax),
                          Real(folds.subscap),
                          Real(temp),
                          Real(wet),
                          Real(tare),
                          Num(flags)});
}

// ---- the generators -------------------------------------------------------------

struct Writers {
    explicit Writers(const std::string& folder, bool fast)
        : members(fs::path(folder) / "members.mdb", fast),
          center(fs::path(folder) / "center.mdb", fast),
          chkin(fs::path(folder) / "chkin.mdb", fast) {}
    StoreWriter members;
    StoreWriter center;
    StoreWriter chkin;
    std::string error() const {
        for (const StoreWriter* s : {&members, &center, &chkin})
            if (!s->ok())
                return s->error();
        return {};
    }
};

// The inserts into the member tables and the workouts, in the column order
// both generators fill them.
struct MemberTables {
    explicit MemberTables(StoreWriter& store)
        : members(
              store, "Members",
              {"MemberID", "Barcode", "FirstName", "MiddleInitial", "LastName", "MemberStatus"}),
          enrollments(store, "Enrollments",
                      {"MemberID", "EnrollmentDate", "ExpirationDate", "EnrollmentPeriod",
                       "IncentiveClub"}),
          profiles(store, "Profiles",
                   {"MemberID", "Address", "City", "State", "Zip", "Phone", "Email",
                    "EmerContactName", "EmerContactPhone", "FamilyPhysician", "SignedRelease",
                    "Employee", "Birthday", "Sex", "Goals", "MedHistory"}),
          classes(store, "Classes",
                  {"MemberID", "ClassIndx", "Category", "Course", "Section", "GradeStatus",
                   "OrientationBonus", "ReEvaluationBonus", "OtherBonus"}),
          workouts(store, "Workouts",
                   {"MemberID", "WorkoutOK", "ClassIndx", "CheckIn", "CheckOut", "Station00",
                    "Station01", "Station02", "Station03", "Station04", "Station05", "Station06",
                    "Station07", "Station08", "Station09", "Station10", "Station11", "Station12"}) {
    }
    Insert members, enrollments, profiles, classes, workouts;
};

bool WriteCatalog(StoreWriter& center) {
    Insert cats(center, "Categories", {"CatID", "Cat"});
    Insert courses(center, "Courses", {"CourID", "CatID", "Cour"});
    Insert sections(center, "Sections", {"CourID", "Sec"});
    long lastCat = 1;
    for (const CatalogCourse& c : Catalog()) {
        if (c.courId == 1)
            continue; // the facility's own first course
        if (c.catId != lastCat && !cats.row({Num(c.catId), Text(c.cat, "Categories", "Cat")}))
            return false;
        lastCat = c.catId;
        if (!courses.row({Num(c.courId), Num(c.catId), Text(c.cour, "Courses", "Cour")}))
            return false;
        for (const char* s : c.sections)
            if (!sections.row({Num(c.courId), Text(s, "Sections", "Sec")}))
                return false;
    }
    return true;
}

// Reads the facility's settings through its record sets: the workout
// minimums for the OK rule, the months to expiration, whether the kiosk
// takes workout details.
struct FacilitySettings {
    int expMonths = 4;
    bool details = true;
};

FacilitySettings ReadSettings(StoreWriter& center) {
    FacilitySettings s;
    if (auto v = center.value(QStringLiteral("SELECT DefExpDate FROM Defaults LIMIT 1")))
        s.expMonths = v->toInt();
    if (auto v = center.value(QStringLiteral("SELECT DefFlags FROM Defaults LIMIT 1")))
        s.details = (v->toLongLong() & 512) != 0;
    return s;
}

std::string Fail(const std::string& folder, std::string error) {
    db::facility::remove(folder);
    return error;
}

std::string FillDemo(const std::string& folder, const DemoOptions& options, DemoSummary& sum) {
    CEFOleDateTime now;
    now.Current();
    if (now.GetStatus() != COleDateTime::valid)
        return CEFOleDateTime::MsgInvalidSystem;
    const long today = DayOf(now);
    const int nowSecond = now.GetHour() * 3600 + now.GetMinute() * 60 + now.GetSecond();

    // The workout minimums for the OK rule, read through the settings set
    // and kept in it; the set is closed again before the stores are written.
    FacilityEnv env(folder);
    CDAOCenter center;
    const bool hasSettings = center.OpenSet(true) > 0;
    center.Op(CDAOEFSet::opClose);
    if (!hasSettings)
        return "Error: the new facility has no settings record";

    Rng rng(options.seed);
    Writers w(folder, false);
    if (std::string e = w.error(); !e.empty())
        return e;
    const FacilitySettings settings = ReadSettings(w.center);
    if (!WriteCatalog(w.center))
        return w.error();
    // A demo centre has an address for the kiosk's welcome box and the reports.
    if (!w.center.exec("UPDATE Center SET Addr0 = '1200 Olentangy River Road', City = 'Columbus', "
                       "St = 'OH', Zip = '43212', Phone = '(614) 555-0100', "
                       "Email = 'desk@riverside.example.org', Web = 'riverside.example.org'"))
        return w.error();

    MemberTables tables(w.members);
    Insert& members = tables.members;
    Insert& enrollments = tables.enrollments;
    Insert& profiles = tables.profiles;
    Insert& classes = tables.classes;
    Insert& workouts = tables.workouts;
    Insert evals(w.members, "Evaluations",
                 {"EvaluationID", "MemberID", "EvaluationDate", "ClassIndx", "Height", "Weight",
                  "ActivityLevel", "RestingHR", "RestingBPSystolic", "RestingBPDiastolic",
                  "TrunkFlex", "SitUp", "Ab", "Step", "Run", "PulseRecovery"});
    Insert evalBodyComps(w.members, "EvalBodyComps",
                         {"EvaluationID", "FatPercent", "ThighSkinFold", "ChestSkinFold",
                          "AbSkinFold", "TricepSkinFold", "SupraSkinFold", "MidaxSkinFold",
                          "SubscapSkinFold"});
    Insert circuit(w.members, "Circuit",
                   {"EvaluationID", "Station00", "Station01", "Station02", "Station03",
                    "Station04",    "Station05", "Station06", "Station07", "Station08",
                    "Station09",    "Station10", "Station11", "Station12", "Station13",
                    "Station14",    "Station15", "Station16", "Station17", "Station18",
                    "Station19",    "Station20", "Station21", "Station22", "Station23"});
    Insert bodyComps(
        w.members, "BodyComps",
        {"MemberID",      "BodyCompDate",  "ClassIndx",       "Height",     "Weight",
         "ActivityLevel", "Method",        "FatPercent",      "Waist",      "Wrist",
         "Hip",           "ThighSkinFold", "ChestSkinFold",   "AbSkinFold", "TricepSkinFold",
         "SupraSkinFold", "MidaxSkinFold", "SubscapSkinFold", "WaterTemp",  "WetWeight",
         "TareWeight",    "Flags"});
    Insert messages(w.members, "Messages", {"MemberID", "Msg"});
    Insert chkins(w.chkin, "ChkIn",
                  {"MemberID", "Barcode", "FirstName", "LastName", "CheckIn", "ClassIndx"});
    if (std::string e = w.error(); !e.empty())
        return e;

    const long firstDay = today - options.termWeeks * 7 + 1;
    long evalId = 0;
    int bodyCompCount = 0;
    std::vector<const Person*> present;  // current members with a card, for messages
    std::vector<const Person*> arriving; // those of them not seen today, for check-ins
    std::vector<Person> people;
    people.reserve(static_cast<std::size_t>(options.members));
    for (long i = 0; i < options.members; ++i)
        people.push_back(MakePerson(rng, i, today, settings.expMonths, true));

    for (const Person& p : people) {
        if (!WritePerson(rng, p, members, enrollments, profiles, classes))
            return w.error();
        const bool active = p.status != 0 && !p.expiration.IsPast();

        // A term of workouts: weekdays more than weekends; a few visits
        // without a check-out, a few members twice on one day.
        const double perWeek = active ? p.fitness * rng.real(0.4, 3.6) : 0.0;
        bool seenToday = false;
        for (long day = std::max(firstDay, DayOf(p.enrollment)); perWeek > 0 && day <= today;
             ++day) {
            const int weekday = At(day, 0).GetDayOfWeek(); // 1 Sunday
            const double share = weekday == 1 ? 0.4 : weekday == 7 ? 0.7 : 1.15;
            if (!rng.chance(perWeek / 7.0 * share))
                continue;
            const int start = rng.range(6 * 3600, 20 * 3600 + 1800);
            const bool forgot = rng.chance(0.025);
            const int minutes = forgot ? 0 : std::clamp(static_cast<int>(rng.bell(14, 96)), 8, 110);
            Visit v = MakeVisit(rng, p, day, start, minutes);
            if (day == today && v.out.m_dt > now.m_dt)
                continue; // not finished yet
            if (!WriteVisit(rng, v, center, workouts, settings.details))
                return w.error();
            seenToday = seenToday || day == today;
            if (rng.chance(0.03)) {
                const int again = start + minutes * 60 + rng.range(2 * 3600, 4 * 3600);
                if (again < 22 * 3600) {
                    Visit second = MakeVisit(rng, p, day, again, rng.range(15, 50));
                    if (!(day == today && second.out.m_dt > now.m_dt) &&
                        !WriteVisit(rng, second, center, workouts, settings.details))
                        return w.error();
                }
            }
        }

        // Evaluations early in the term, re-evaluations some weeks later.
        if (active && !p.classes.empty() && rng.chance(0.55)) {
            const long day = firstDay + rng.range(0, 20);
            if (day <= today) {
                if (!WriteEvaluation(rng, p, ++evalId, day, 0.0, evals, evalBodyComps, circuit))
                    return w.error();
                const long again = day + rng.range(42, 70);
                if (again <= today && rng.chance(0.4) &&
                    !WriteEvaluation(rng, p, ++evalId, again, 1.0, evals, evalBodyComps, circuit))
                    return w.error();
            }
        }
        // Body compositions: the methods take turns, so each one is there.
        if (p.status != 0 && rng.chance(0.42)) {
            const long day = std::min(today, firstDay + rng.range(0, 40));
            if (!WriteBodyComp(rng, p, day, bodyCompCount++ % 4, 0.0, bodyComps))
                return w.error();
            const long again = day + rng.range(35, 56);
            if (again <= today && rng.chance(0.3) &&
                !WriteBodyComp(rng, p, again, bodyCompCount++ % 4, 1.0, bodyComps))
                return w.error();
        }
        if (active && p.barcode != 0) {
            present.push_back(&p);
            if (!seenToday)
                arriving.push_back(&p);
        }
    }

    // A few members checked in within the last hour and a half.
    for (std::size_t k = 0; k < 6 && k * 7 < arriving.size(); ++k) {
        const Person& p = *arriving[k * 7];
        const int second = std::max(0, nowSecond - rng.range(5 * 60, 90 * 60));
        if (!chkins.row({Num(p.id), Num(p.barcode), Text(p.first, "ChkIn", "FirstName"),
                         Text(p.last, "ChkIn", "LastName"), When(At(today, second)),
                         Num(p.classes.empty() ? 99 : p.classes.front().indx)}))
            return w.error();
    }
    for (std::size_t k = 0; k < Messages.size() && k * 11 + 3 < present.size(); ++k)
        if (!messages.row({Num(present[k * 11 + 3]->id), Text(Messages[k], "Messages", "Msg")}))
            return w.error();

    for (StoreWriter* s : {&w.members, &w.center, &w.chkin})
        if (!s->commit(false))
            return s->error();

    sum.members = members.rows();
    sum.classes = classes.rows();
    sum.workouts = workouts.rows();
    sum.evaluations = evals.rows();
    sum.bodyComps = bodyComps.rows();
    sum.checkIns = chkins.rows();
    sum.messages = messages.rows();
    return {};
}

std::string FillLarge(const std::string& folder, const LargeOptions& options, DemoSummary& sum) {
    if (options.members <= 0 || options.workouts < 0)
        return "Error: a large facility needs at least one member";
    CEFOleDateTime now;
    now.Current();
    if (now.GetStatus() != COleDateTime::valid)
        return CEFOleDateTime::MsgInvalidSystem;
    const long today = DayOf(now);

    // The workout minimums for the OK rule, read through the settings set
    // and kept in it; the set is closed again before the stores are written.
    FacilityEnv env(folder);
    CDAOCenter center;
    const bool hasSettings = center.OpenSet(true) > 0;
    center.Op(CDAOEFSet::opClose);
    if (!hasSettings)
        return "Error: the new facility has no settings record";

    Rng rng(options.seed);
    Writers w(folder, true);
    if (std::string e = w.error(); !e.empty())
        return e;
    const FacilitySettings settings = ReadSettings(w.center);
    if (!WriteCatalog(w.center) || !w.center.commit(false))
        return w.error();

    MemberTables tables(w.members);
    Insert& members = tables.members;
    Insert& enrollments = tables.enrollments;
    Insert& profiles = tables.profiles;
    Insert& classes = tables.classes;
    Insert& workouts = tables.workouts;
    if (std::string e = w.error(); !e.empty())
        return e;

    // Millions of rows go in faster without the table's indexes, which are
    // built again afterwards, each in one sorted pass.
    std::vector<std::string> workoutIndexes;
    if (const auto* table = db::schema::findTable("Workouts")) {
        for (const std::string& statement : db::schema::statements(Store::Members))
            for (const auto& index : table->indexes)
                if (statement.rfind("CREATE INDEX", 0) == 0 &&
                    statement.find("\"" + std::string(index.name) + "\"") != std::string::npos)
                    workoutIndexes.push_back(statement);
        for (const auto& index : table->indexes)
            if (!w.members.exec("DROP INDEX IF EXISTS \"" + std::string(index.name) + "\""))
                return w.error();
    }

    constexpr long batch = 200000; // rows per transaction
    long sinceCommit = 0;
    auto step = [&]() {
        if (++sinceCommit < batch)
            return true;
        sinceCommit = 0;
        return w.members.commit();
    };

    const long long perMember = options.workouts / options.members;
    const long long extra = options.workouts % options.members;
    for (long i = 0; i < options.members; ++i) {
        const Person p = MakePerson(rng, i, today, settings.expMonths, false);
        if (!WritePerson(rng, p, members, enrollments, profiles, classes) || !step())
            return w.error();
        // The member's workouts spread over the last year.
        const long long n = perMember + (i < extra ? 1 : 0);
        for (long long k = 0; k < n; ++k) {
            const long day =
                today - 1 - static_cast<long>(k * 365 / std::max(n, 1LL)) - rng.range(0, 3);
            const int minutes = rng.chance(0.02) ? 0 : rng.range(10, 100);
            Visit v = MakeVisit(rng, p, day, rng.range(6 * 3600, 21 * 3600), minutes);
            if (!WriteVisit(rng, v, center, workouts, settings.details) || !step())
                return w.error();
        }
    }
    for (const std::string& statement : workoutIndexes)
        if (!w.members.exec(statement))
            return w.error();
    if (!w.members.commit(false))
        return w.error();

    sum.members = members.rows();
    sum.classes = classes.rows();
    sum.workouts = workouts.rows();
    return {};
}

} // namespace

std::string createDemoFacility(const std::string& folder, const db::facility::Settings& settings,
                               const DemoOptions& options, DemoSummary* summary) {
    if (std::string error = db::facility::create(folder, settings); !error.empty())
        return error;
    DemoSummary sum;
    if (std::string error = FillDemo(folder, options, sum); !error.empty())
        return Fail(folder, error);
    if (summary)
        *summary = sum;
    return {};
}

std::string createLargeFacility(const std::string& folder, const db::facility::Settings& settings,
                                const LargeOptions& options, DemoSummary* summary) {
    if (options.members <= 0 || options.workouts < 0)
        return "Error: a large facility needs at least one member";
    if (std::string error = db::facility::create(folder, settings); !error.empty())
        return error;
    DemoSummary sum;
    if (std::string error = FillLarge(folder, options, sum); !error.empty())
        return Fail(folder, error);
    if (summary)
        *summary = sum;
    return {};
}

} // namespace vantora::tools
