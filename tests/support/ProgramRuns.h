#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

// One run of a built program (tendrel or tendrel-cli) and what it said.
struct ProgramRun
{
    int exitCode = -1;   // -1: did not finish in time, -2: crashed
    QString out;
    QString err;
};

QString ProgramPath(const char* name);
ProgramRun RunProgram(const char* name, const QStringList& arguments,
                      const QProcessEnvironment& environment =
                          QProcessEnvironment::systemEnvironment());

// Whether the run ended with `exitCode` and said `words` on its error stream.
::testing::AssertionResult EndedSaying(const ProgramRun& run, int exitCode, const QString& words);
