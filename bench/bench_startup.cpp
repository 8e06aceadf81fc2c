// Start-up to a shown and painted main window, without the splash.
// Goal: under 0.5 s on the two-core development machine.

#include "app/Application.h"
#include "settings/StartOptions.h"
#include "app/MainWindow.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Waits for the first paint of any widget of a window.
class PaintWatcher : public QObject
{
public:
    explicit PaintWatcher(QWidget* window) : m_window(window) {}
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == m_window)
            painted = true;
        return false;
    }

private:
    QWidget* m_window;
};

void BM_StartupToPaintedWindow(benchmark::State& state)
{
    QTemporaryDir home;
    SettingsStore::UseFile(home.filePath(QStringLiteral("settings.ini")));
    StartOptions options;
    options.home = home.path();
    options.noSplash = true;

    for (auto _ : state) {
        Application app;
        app.InitInstance(options);
        PaintWatcher watcher(app.MainFrame());
        qApp->installEventFilter(&watcher);
        QElapsedTimer guard;
        guard.start();
        while (!watcher.painted && guard.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        qApp->removeEventFilter(&watcher);
        state.PauseTiming();
        app.MainFrame()->hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToPaintedWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
