#include "app/SnapfoldApp.h"

#include "app/CenterIndex.h"
#include "app/ProgramState.h"
#include "app/SnapfoldDoc.h"
#include "app/SplashWnd.h"
#include "app/StartOptions.h"
#include "frame/MainFrame.h"
#include "frame/MyTabView.h"
#include "mail/EmailAddressBook.h"
#include "photos/MyTreeView.h"
#include "photos/PhotoLibraryLayout.h"
#include "platform/AppFolder.h"
#include "platform/Prompt.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

CSnapfoldApp::CSnapfoldApp(CenterViewFactory factory) : m_factory(std::move(factory)) {}

CSnapfoldApp::~CSnapfoldApp()
{
    // The frame goes first: its views may still reach the document.
    m_frame.reset();
    m_document.reset();
}

bool CSnapfoldApp::InitInstance(const CStartOptions& options)
{
    if (!PrepareApplicationFolder(options.home))
        return false;

    std::unique_ptr<CSplashWnd> splash;
    if (!options.noSplash) {
        splash = std::make_unique<CSplashWnd>();
        splash->ShowFor(CSplashWnd::kShowMilliseconds);
    }

    CProgramState& program = Program();
    program.LoadCenterSettings(Settings());
    m_document = std::make_unique<CSnapfoldDoc>();
    m_frame = std::make_unique<CMainFrame>(*m_document, m_factory);
    splash.reset();
    // Without a window manager "maximised" means nothing; fill the screen ourselves.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_frame->setGeometry(screen->availableGeometry());
    m_frame->showMaximized();

    program.LoadStartupSettings(Settings(), CEmailAddressBook::DefaultPath());
    UseGlobalObjectIdsForCanvasObjects();
    ChoosePicturesRoot();

    // The start page: its switch hides the folder bar and every center toolbar.
    m_frame->Container()->SwitchCenter(Center::StartPage);
    m_frame->UpdateActions();

    // A folder named on the command line is opened once the window is complete.
    if (!options.folder.isEmpty())
        OpenFolderFromCommandLine(options.folder);
    return true;
}

bool CSnapfoldApp::PrepareApplicationFolder(const QString& home)
{
    const QString folder = ResolveAppFolder(home);
    if (!IsWritableFolder(folder)) {
        Prompt().Error(QStringLiteral("Tendrel cannot keep its data in the folder %1. "
                                      "Choose a folder you may write to.")
                           .arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    Program().programDir = folder;
    return true;
}

void CSnapfoldApp::ChoosePicturesRoot()
{
    CProgramState& program = Program();
    const QString root = program.StartupPicturesRoot(Settings());
    // The first run lays out the default library; a root chosen by the user is left as it is.
    if (root == PhotoLibrary::DefaultRoot(program.programDir)
        && !PhotoLibrary::EnsureStandardFolders(root))
        Prompt().Warn(QStringLiteral("Tendrel could not create the photo library folder %1.")
                          .arg(QDir::toNativeSeparators(root)));
    program.picturesRoot = root;
    m_frame->Tree()->LoadRoot(root);
}

void CSnapfoldApp::OpenFolderFromCommandLine(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.isDir()) {
        Prompt().Warn(QStringLiteral("The folder %1 does not exist, so the photo library "
                                     "stays where it was.")
                          .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    m_frame->SetPicturesRoot(QDir::cleanPath(info.absoluteFilePath()),
                             CRecentFolders::Source::OpenRequest);
}
