// Every center of the main window on a center with data, as the README shows them.
#include "Pictures.h"

#include "app/CenterStack.h"
#include "app/MainWindow.h"
#include "canvas/editing/PageDocument.h"
#include "commands/CommandIds.h"
#include "commands/CommandRouting.h"
#include "photos/PhotoLibraryLayout.h"
#include "photos/view/LibraryTree.h"
#include "sample/SampleCenter.h"
#include "platform/SettingsStore.h"
#include "settings/ProgramState.h"
#include "staff/view/StaffCenterView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <iostream>

namespace {

const char* const kCenterNames[Center::Count] = {
    "start-page", "edit-center", "photo-center", "staff-center",
    "child-center", "family-center", "take-photo", "reports"};

// Lets thumbnails and lists that load on timers finish.
void Settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

bool WriteSampleCenterPictures(const QDir& folder)
{
    ProgramState& program = Program();
    program.LoadCenterSettings(Settings());
    const QString root = PhotoLibrary::DefaultRoot(program.programDir);
    program.picturesRoot = root;
    PageDocument document;
    MainWindow frame(document);
    frame.resize(1280, 800);
    frame.show();
    frame.Tree()->LoadRoot(root);
    const QDir pages(SampleCenter::NewsletterFolder(program.programDir));
    const QStringList newsletters = pages.entryList({QStringLiteral("*.wrn")}, QDir::Files,
                                                    QDir::Name);
    if (!newsletters.isEmpty())
        Q_EMIT frame.Tree()->DocumentOpenRequested(pages.filePath(newsletters.first()));
    frame.Tree()->SelectFolder(QDir(root).filePath(SampleCenter::ChildNames().first()));
    Settle(500);

    bool written = true;
    for (int i = 0; i < Center::Count; ++i) {
        const auto center = static_cast<Center::Index>(i);
        frame.Dispatch(ViewCommandOfCenter(center));
        // Show each center at its liveliest: a staff member chosen, the month's figures.
        if (auto* staff = dynamic_cast<StaffCenterView*>(frame.Container()->CurrentView()))
            staff->SelectStaff(QStringLiteral("Sam Ortega"));
        if (center == Center::Reports)
            frame.Dispatch(Cmd::ReportTuitionList);
        Settle(center == Center::PhotoCenter ? 1500 : 300);
        const QString path =
            folder.filePath(QStringLiteral("%1.png").arg(QLatin1String(kCenterNames[i])));
        // The strongest compression keeps the README's pictures small.
        if (!frame.grab().toImage().save(path, "PNG", 0)) {
            std::cerr << "Could not write " << qPrintable(path) << '\n';
            written = false;
        }
    }
    return written;
}
