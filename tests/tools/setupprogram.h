#pragma once
// Runs the set-up program itself, as a user would, and keeps what it said.

#include <QProcess>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <string>

namespace vantora::test {

struct SetupOutcome {
    int exitCode = -1; // -1: it crashed or did not end within two minutes
    std::string out, err;
};

inline SetupOutcome runSetup(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(VANTORA_SETUP_PROGRAM), arguments);
    SetupOutcome run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

inline QStringList setupArgs(std::initializer_list<std::string> list) {
    QStringList out;
    for (const std::string& a : list)
        out << QString::fromStdString(a);
    return out;
}

} // namespace vantora::test
