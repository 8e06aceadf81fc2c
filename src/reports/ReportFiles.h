#pragma once

#include <QImage>
#include <QString>

class MonthReport;

// The report as files others can open: a PNG picture of every page, one under another,
// and a vector PDF of one page per page. A file is replaced only once it is written whole.
namespace ReportFiles {

struct Files
{
    QString png;
    QString pdf;
};

// The report's files in the application folder, named by the report.
Files InFolder(const MonthReport& report, const QString& folder);
// Why the report cannot be written under its name (a child's name that is no file
// name); empty when it can.
QString NameProblem(const MonthReport& report);

// Every page on white, one under another, one pixel per page unit times `scale`.
QImage Picture(MonthReport& report, double scale = 1.0);
bool WritePng(MonthReport& report, const QString& path, QString* error = nullptr);
bool WritePdf(MonthReport& report, const QString& path, QString* error = nullptr);
// The picture, then the PDF. False, with *error saying which file and why, when either
// could not be written.
bool Export(MonthReport& report, const Files& files, QString* error = nullptr);

} // namespace ReportFiles
