#pragma once

#include "app/CenterViewFactory.h"

#include <memory>

class MainWindow;
class PageDocument;
struct StartOptions;

// The application: runs the start-up sequence and owns the document and the main frame.
class Application
{
public:
    explicit Application(CenterViewFactory factory = CreateDefaultCenterView);
    ~Application();

    // Starts the program: application folder, splash, main window, settings, pictures
    // root, start page, then the folder and page named on the command line. False when
    // the program cannot run (the reason has been shown).
    bool InitInstance(const StartOptions& options);

    MainWindow* MainFrame() const { return m_frame.get(); }
    PageDocument& Document() const { return *m_document; }

private:
    bool PrepareApplicationFolder(const QString& home);
    // Uses the records location stored under Settings › Database, unless the command
    // line named one. Returns why it cannot be used, or empty.
    QString UseStoredRecordsLocation(const StartOptions& options);
    void ChoosePicturesRoot();
    void OpenFolderFromCommandLine(const QString& folder);
    void OpenPageFromCommandLine(const QString& page);

    CenterViewFactory m_factory;
    std::unique_ptr<PageDocument> m_document;
    std::unique_ptr<MainWindow> m_frame;
};
