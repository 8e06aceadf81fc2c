#include "app/Application.h"
#include "settings/StartOptions.h"
#include "records/RecordsDatabase.h"
#include "widgets/Icons.h"
#include "app/MainWindow.h"
#include "platform/view/DesktopPrompt.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

namespace {

QStringList ArgumentsAfterProgram(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Without any display the windowing system would abort; say what to do instead.
bool HasDisplay()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
        || qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

// Ends the program once the main window has been shown and painted.
class QuitAfterPaint : public QObject
{
public:
    explicit QuitAfterPaint(QWidget* window) : m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_quitting && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == m_window) {
            m_quitting = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_window;
    bool m_quitting = false;
};

} // namespace

int main(int argc, char** argv)
{
    QString error;
    const auto options = ParseStartOptions(ArgumentsAfterProgram(argc, argv), &error);
    if (!options) {
        std::fprintf(stderr, "tendrel: %s\n%s", qPrintable(error), qPrintable(StartOptionsHelp()));
        return 2;
    }
    if (options->showHelp) {
        std::fputs(qPrintable(StartOptionsHelp()), stdout);
        return 0;
    }
    if (options->showVersion) {
        std::fputs(qPrintable(VersionText(QStringLiteral("tendrel"))), stdout);
        return 0;
    }
    try {
        RecordsDatabase::Shared().UseLocation(DatabaseLocation::FromUrl(options->database));
    } catch (const DatabaseError& problem) {
        std::fprintf(stderr, "tendrel: %s\n", qPrintable(problem.Message()));
        return 2;
    }
    if (!HasDisplay()) {
        std::fputs("tendrel: there is no display to show the window on.\n"
                   "Start it under a virtual display instead:\n"
                   "  xvfb-run -a tendrel\n",
                   stderr);
        return 1;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tendrel"));
    QApplication::setOrganizationName(QStringLiteral("Tendrel 1.0"));
    QApplication::setApplicationVersion(QStringLiteral(TENDREL_VERSION));
    QApplication::setWindowIcon(TendrelIcon(QStringLiteral("tendrel")));
    // Ties the window to the installed desktop entry (its icon and name in task bars).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tendrel.Tendrel"));
    // Automation must never wait on a message box: its messages go to standard error.
    if (!options->quitAfterStart)
        InstallPrompt(std::make_unique<DesktopPrompt>());

    Application app;
    if (!app.InitInstance(*options))
        return 1;

    QuitAfterPaint quitAfterPaint(app.MainFrame());
    if (options->quitAfterStart)
        application.installEventFilter(&quitAfterPaint);
    return QApplication::exec();
}
