#pragma once

#include "frame/CenterViewFactory.h"

#include <memory>

class CMainFrame;
class CSnapfoldDoc;
struct CStartOptions;

// The application: runs the start-up sequence and owns the document and the main frame.
class CSnapfoldApp
{
public:
    explicit CSnapfoldApp(CenterViewFactory factory = CreateDefaultCenterView);
    ~CSnapfoldApp();

    // Starts the program: application folder, splash, main window, settings, pictures
    // root, start page. False when the program cannot run (the reason has been shown).
    bool InitInstance(const CStartOptions& options);

    CMainFrame* MainFrame() const { return m_frame.get(); }
    CSnapfoldDoc& Document() const { return *m_document; }

private:
    bool PrepareApplicationFolder(const QString& home);
    void ChoosePicturesRoot();
    void OpenFolderFromCommandLine(const QString& folder);

    CenterViewFactory m_factory;
    std::unique_ptr<CSnapfoldDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
};
