// vantora-setup: creates a new facility folder with its four store files.
// The work is done by the library (db/facility.h); this file reads the
// command line and reports the outcome.

#include "db/facility.h"
#include "tools/demofacility.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <iostream>
#include <string>

namespace {

int fail(const std::string& error) {
    std::cerr << (error.rfind("Error: ", 0) == 0 ? error : "Error: " + error) << '\n';
    return 1;
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
        "already holds a facility is left untouched. Point VANTO_DB at FOLDER to use it."));
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
    parser.addOption(name);
    parser.addOption(password);
    parser.addOption(demo);
    parser.addOption(large);
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 QStringLiteral("The folder of the new facility's store files."));

    if (!parser.parse(QCoreApplication::arguments()))
        return fail(parser.errorText().toStdString());
    if (parser.isSet(help)) {
        std::cout << parser.helpText().toStdString();
        return 0;
    }
    const QStringList folders = parser.positionalArguments();
    if (folders.size() != 1)
        return fail("name exactly one facility folder (see --help)");

    vantora::db::facility::Settings settings;
    settings.name = parser.value(name).toStdString();
    settings.password = parser.value(password).toStdString();
    const std::string folder = folders.front().toStdString();

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
        std::cout << "Created the facility \"" << settings.name << "\" in " << folder << " with "
                  << sum.members << " members, " << sum.classes << " classes, " << sum.workouts
                  << " workouts, " << sum.evaluations << " evaluations, " << sum.bodyComps
                  << " body compositions, " << sum.checkIns << " open check-ins and "
                  << sum.messages << " messages in " << timer.elapsed() / 1000.0 << " s\n";
        return 0;
    }
    if (const std::string error = vantora::db::facility::create(folder, settings); !error.empty())
        return fail(error);
    std::cout << "Created the facility \"" << settings.name << "\" in " << folder << '\n';
    return 0;
}
