// vantora-setup: creates a new facility, in a folder of store files or in a
// database on a PostgreSQL server, and moves a facility from its files to a
// server. The work is done by the libraries (db/facility.h, db/storecopy.h,
// tools/demofacility.h); this file reads the command line and reports the
// outcome. A server's password is never shown.

#include "db/facility.h"
#include "db/storecopy.h"
#include "tools/demofacility.h"
#include "util/facilitylocation.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <iomanip>
#include <iostream>
#include <string>

namespace {

int fail(const std::string& error) {
    std::cerr << (error.rfind("Error: ", 0) == 0 ? error : "Error: " + error) << '\n';
    return 1;
}

// Prints the rows of every table in the files and on the server, as compared
// before the copy was committed.
void printCounts(const std::vector<vantora::db::storecopy::TableCount>& counts) {
    std::size_t width = 5;
    for (const auto& count : counts)
        width = std::max(width, count.table.size());
    const int w = static_cast<int>(width);
    std::cout << "  " << std::left << std::setw(w) << "Table" << std::right << std::setw(12)
              << "Files" << std::setw(12) << "Server" << '\n';
    for (const auto& count : counts)
        std::cout << "  " << std::left << std::setw(w) << count.table << std::right << std::setw(12)
                  << count.files << std::setw(12) << count.server << '\n';
}

int copyToServer(const std::string& folder, const std::string& uri) {
    const std::string shown = vantora::FacilityLocation::withoutPassword(uri);
    QElapsedTimer timer;
    timer.start();
    const vantora::db::storecopy::Result result = vantora::db::storecopy::copyToServer(folder, uri);
    if (!result.error.empty()) {
        if (!result.counts.empty())
            printCounts(result.counts);
        return fail(result.error);
    }
    std::cout << "Copied the facility in " << folder << " to " << shown << " in "
              << timer.elapsed() / 1000.0 << " s; the rows of every table agree:\n";
    printCounts(result.counts);
    std::cout << "The files in " << folder << " are left as they were. Set VANTO_DB to " << shown
              << " on each computer of the facility.\n";
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantora-setup"));

    const vantora::db::facility::Settings defaults;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Creates a new facility: the store files members.mdb, center.mdb, chkin.mdb and "
        "reports.mdb in FOLDER (created when missing), with the facility's settings filled "
        "with starting values that the administration program can change. A folder that "
        "already holds a facility is left untouched. Point VANTO_DB at FOLDER to use it.\n"
        "With --server URI the four stores become the tables of the database that URI names "
        "on a PostgreSQL server (postgresql://user@host:port/database; the password comes "
        "from ~/.pgpass or PGPASSFILE); a database that holds a facility already is left "
        "untouched. Point VANTO_DB at URI on each computer to use it.\n"
        "With --copy FOLDER URI an existing facility moves from its store files to the "
        "server database URI: every row of every table is copied, the row counts are "
        "compared, and the files are left as they were."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption name(
        QStringList{QStringLiteral("n"), QStringLiteral("name")},
        QStringLiteral("The facility's name, 1 to 48 characters (default \"%1\").")
            .arg(QString::fromStdString(defaults.name)),
        QStringLiteral("NAME"), QString::fromStdString(defaults.name));
    const QCommandLineOption password(
        QStringList{QStringLiteral("p"), QStringLiteral("password")},
        QStringLiteral("The administration password, 1 to 8 characters, case-sensitive "
                       "(default \"%1\"; change it at once).")
            .arg(QString::fromStdString(defaults.password)),
        QStringLiteral("PW"), QString::fromStdString(defaults.password));
    const QCommandLineOption demo(
        QStringLiteral("demo"),
        QStringLiteral("Fill the new facility with a few hundred made-up members, their classes, "
                       "a term of workouts, evaluations, body compositions, open check-ins and "
                       "messages."));
    const QCommandLineOption large(
        QStringLiteral("large"),
        QStringLiteral("Fill the new facility with 100,000 made-up members and 5,000,000 "
                       "workouts, for benchmarks."));
    const QCommandLineOption server(
        QStringLiteral("server"),
        QStringLiteral("Create the facility in the database URI on a PostgreSQL server instead "
                       "of a folder."),
        QStringLiteral("URI"));
    const QCommandLineOption copy(
        QStringLiteral("copy"),
        QStringLiteral("Copy the facility in FOLDER to the server database URI (the database "
                       "must hold no facility yet)."));
    parser.addOption(name);
    parser.addOption(password);
    parser.addOption(demo);
    parser.addOption(large);
    parser.addOption(server);
    parser.addOption(copy);
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 QStringLiteral("The folder of the new facility's store files."));
    parser.addPositionalArgument(QStringLiteral("URI"),
                                 QStringLiteral("With --copy: the server database to copy to."),
                                 QStringLiteral("[URI]"));

    if (!parser.parse(QCoreApplication::arguments()))
        return fail(parser.errorText().toStdString());
    if (parser.isSet(help)) {
        std::cout << parser.helpText().toStdString();
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(copy)) {
        for (const QCommandLineOption* other : {&name, &password, &demo, &large, &server}) {
            if (parser.isSet(*other))
                return fail("--copy takes the facility as it is: give only FOLDER and URI");
        }
        if (positional.size() != 2)
            return fail("name the facility's folder and the server's address: --copy FOLDER URI");
        return copyToServer(positional[0].toStdString(), positional[1].toStdString());
    }
    if (parser.isSet(server)) {
        if (!positional.isEmpty())
            return fail("--server creates the facility on the server: name no folder");
        if (!vantora::FacilityLocation::isServerUri(parser.value(server).toStdString()))
            return fail("--server takes a server address: postgresql://user@host:port/database");
    } else if (positional.size() != 1) {
        return fail("name exactly one facility folder (see --help)");
    }

    vantora::db::facility::Settings settings;
    settings.name = parser.value(name).toStdString();
    settings.password = parser.value(password).toStdString();
    // A folder, or the server database's URI; shown without a password.
    const std::string folder = parser.isSet(server) ? parser.value(server).toStdString()
                                                    : positional.front().toStdString();
    const std::string shown = vantora::FacilityLocation::withoutPassword(folder);

    if (parser.isSet(demo) && parser.isSet(large))
        return fail("choose either --demo or --large");
    if (parser.isSet(demo) || parser.isSet(large)) {
        QElapsedTimer timer;
        timer.start();
        vantora::tools::DemoSummary sum;
        const std::string error =
            parser.isSet(demo) ? vantora::tools::createDemoFacility(folder, settings, {}, &sum)
                               : vantora::tools::createLargeFacility(folder, settings, {}, &sum);
        if (!error.empty())
            return fail(error);
        std::cout << "Created the facility \"" << settings.name << "\" in " << shown << " with "
                  << sum.members << " members, " << sum.classes << " classes, " << sum.workouts
                  << " workouts, " << sum.evaluations << " evaluations, " << sum.bodyComps
                  << " body compositions, " << sum.checkIns << " open check-ins and "
                  << sum.messages << " messages in " << timer.elapsed() / 1000.0 << " s\n";
        return 0;
    }
    if (const std::string error = vantora::db::facility::create(folder, settings); !error.empty())
        return fail(error);
    std::cout << "Created the facility \"" << settings.name << "\" in " << shown << '\n';
    return 0;
}
