#include "cli/SampleCommand.h"

#include "cli/CliArguments.h"
#include "platform/Clock.h"
#include "sample/SampleCenter.h"

#include <QDir>
#include <cstdio>

namespace {

constexpr const char* kUsage = "make-sample --home DIR";

} // namespace

int MakeSampleCommand(const QStringList& arguments)
{
    const ParsedArguments parsed = Parse(arguments, {QStringLiteral("--home")}, {});
    if (!parsed.problem.isEmpty())
        return Usage(kUsage, parsed.problem);
    if (!parsed.words.isEmpty())
        return Usage(kUsage, QStringLiteral("unexpected argument %1").arg(parsed.words.first()));
    const QString home = parsed.Option(QStringLiteral("--home"));
    if (home.isEmpty())
        return Usage(kUsage, QStringLiteral("name the folder with --home DIR"));
    const QString folder = QDir(home).absolutePath();
    if (const QString why = SampleCenter::WhyNotHere(folder); !why.isEmpty())
        return Fail("make-sample", why + QStringLiteral("; nothing was written. Choose an "
                                                         "empty folder."));
    const QString problem = SampleCenter::Make(folder, Clock::TodayLocal());
    if (!problem.isEmpty())
        return Fail("make-sample", problem);
    std::printf("Made the sample center in %s. Start it with: tendrel --home %s\n",
                qPrintable(QDir::toNativeSeparators(folder)),
                qPrintable(QDir::toNativeSeparators(folder)));
    return 0;
}
