#include "app/Application.h"

#include "commands/CenterIndex.h"
#include "canvas/objects/ObjectIdentity.h"
#include "settings/ProgramState.h"
#include "canvas/editing/PageDocument.h"
#include "app/SplashScreen.h"
#include "settings/StartOptions.h"
#include "app/MainWindow.h"
#include "app/CenterStack.h"
#include "mail/EmailAddressBook.h"
#include "settings/KeptSecret.h"
#include "photos/view/LibraryTree.h"
#include "photos/PhotoLibraryLayout.h"
#include "sample/PageMaterials.h"
#include "platform/AppFolder.h"
#include "platform/UserPrompt.h"
#include "platform/SettingsStore.h"
#include "records/RecordsDatabase.h"
#include "settings/DatabaseSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

Application::Application(CenterViewFactory factory) : m_factory(std::move(factory)) {}

Application::~Application()
{
    // The frame goes first: its views may still reach the document.
    m_frame.reset();
    m_document.reset();
}

bool Application::InitInstance(const StartOptions& options)
{
    if (!PrepareApplicationFolder(options.home))
        return false;

    std::unique_ptr<SplashScreen> splash;
    if (!options.noSplash) {
        splash = std::make_unique<SplashScreen>();
        splash->ShowFor(SplashScreen::kShowMilliseconds);
    }

    ProgramState& program = Program();
    program.LoadCenterSettings(Settings());
    const QString recordsProblem = UseStoredRecordsLocation(options);
    m_document = std::make_unique<PageDocument>();
    m_frame = std::make_unique<MainWindow>(*m_document, m_factory);
    splash.reset();
    // Without a window manager "maximised" means nothing; fill the screen ourselves.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_frame->setGeometry(screen->availableGeometry());
    m_frame->showMaximized();

    program.LoadStartupSettings(Settings(), EmailAddressBook::DefaultPath());
    KeptSecret::MailPassword().Load(Settings(), program.email.password);
    UseGlobalObjectIdsForCanvasObjects();
    ChoosePicturesRoot();

    // A server is tried off the window's thread: the window opens whether it answers or not.
    if (recordsProblem.isEmpty())
        m_frame->Records().Watch(RecordsDatabase::Shared().Location());
    else
        m_frame->Records().Refuse(recordsProblem);

    // The start page: its switch hides the folder bar and every center toolbar.
    m_frame->Container()->SwitchCenter(Center::StartPage);
    m_frame->UpdateActions();

    // A folder named on the command line is opened once the window is complete.
    if (!options.folder.isEmpty())
        OpenFolderFromCommandLine(options.folder);
    if (!options.page.isEmpty())
        OpenPageFromCommandLine(options.page);
    return true;
}

bool Application::PrepareApplicationFolder(const QString& home)
{
    const QString folder = ResolveAppFolder(home);
    if (!IsWritableFolder(folder)) {
        Prompt().Error(QStringLiteral("Tendrel cannot keep its data in the folder %1. "
                                      "Choose a folder you may write to.")
                           .arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    Program().programDir = folder;
    SettingsStore::UseFolderFileIfPresent(folder);
    return true;
}

QString Application::UseStoredRecordsLocation(const StartOptions& options)
{
    // An address on the command line is for that run alone.
    if (!options.database.isEmpty())
        return {};
    const DatabaseSettings stored = DatabaseSettings::Load(Settings());
    try {
        DatabaseLocation location = DatabaseLocation::FromUrl(stored.url);
        location.SetPassword(stored.password);
        RecordsDatabase::Shared().UseLocation(location);
        return {};
    } catch (const DatabaseError& error) {
        // Never the file of this computer in its place: records typed there would be
        // missing from the server.
        return QStringLiteral("The stored records address cannot be used. %1").arg(error.Message());
    }
}

void Application::ChoosePicturesRoot()
{
    ProgramState& program = Program();
    const QString root = program.StartupPicturesRoot(Settings());
    // The first run lays out the default library; a root chosen by the user is left as it is.
    if (root == PhotoLibrary::DefaultRoot(program.programDir)) {
        if (!PhotoLibrary::EnsureStandardFolders(root))
            Prompt().Warn(QStringLiteral("Tendrel could not create the photo library folder %1.")
                              .arg(QDir::toNativeSeparators(root)));
        else if (!PageMaterials::GiveOnFirstUse(PhotoLibrary::MaterialsFolder(root)))
            Prompt().Warn(QStringLiteral("Tendrel could not write its page materials into %1.")
                              .arg(QDir::toNativeSeparators(PhotoLibrary::MaterialsFolder(root))));
    }
    program.picturesRoot = root;
    m_frame->Tree()->LoadRoot(root);
}

void Application::OpenFolderFromCommandLine(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.isDir()) {
        Prompt().Warn(QStringLiteral("The folder %1 does not exist, so the photo library "
                                     "stays where it was.")
                          .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    m_frame->SetPicturesRoot(QDir::cleanPath(info.absoluteFilePath()),
                             RecentFolderList::Source::OpenRequest);
}

// A page that cannot be shown leaves the program running on an empty page; the reader
// says what is wrong with a damaged one.
void Application::OpenPageFromCommandLine(const QString& page)
{
    const QFileInfo info(page);
    if (!info.isFile()) {
        Prompt().Warn(QStringLiteral("The page %1 does not exist, so Tendrel starts without it.")
                          .arg(QDir::toNativeSeparators(page)));
        return;
    }
    m_frame->OpenPage(QDir::cleanPath(info.absoluteFilePath()));
}
