#pragma once

#include <QString>
#include <QStringList>
#include <map>

// "tendrel-cli <command>: <text>" on standard error.
void Report(const char* command, const QString& text);
// Reports the message; returns exit code 1.
int Fail(const char* command, const QString& message);
// Why the run's records cannot be read: the server's refusal, or "there is no records
// database in <the folder's file or the server>".
QString NoRecordsText();
// The application folder, or the server's address when the records are there.
QString RecordsPlace();

// Prints the problem and the command's usage to standard error; returns exit code 2.
int Usage(const char* usage, const QString& problem);

// "--name value" pairs and the words that are not options.
struct ParsedArguments
{
    std::map<QString, QString> options;
    QStringList flags;
    QStringList words;
    QString problem;

    QString Option(const QString& name) const
    {
        const auto found = options.find(name);
        return found == options.end() ? QString() : found->second;
    }
    bool Has(const QString& name) const { return options.count(name) != 0; }
};

// `valued` options take the next argument; `flags` stand alone; any other "--" word is
// a problem.
ParsedArguments Parse(const QStringList& arguments, const QStringList& valued,
                      const QStringList& flags);
