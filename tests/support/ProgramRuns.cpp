#include "support/ProgramRuns.h"

#include <QDir>
#include <QProcess>

QString ProgramPath(const char* name)
{
    return QDir(qEnvironmentVariable("TENDREL_BIN_DIR")).filePath(QLatin1String(name));
}

ProgramRun RunProgram(const char* name, const QStringList& arguments,
                      const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(ProgramPath(name), arguments);
    ProgramRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

::testing::AssertionResult EndedSaying(const ProgramRun& run, int exitCode, const QString& words)
{
    if (run.exitCode == exitCode && run.err.contains(words))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "exit " << run.exitCode << ": "
                                         << run.err.toStdString();
}
