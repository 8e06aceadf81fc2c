#include "FrameFixture.h"

#include "FakeCenterView.h"
#include "app/MainWindow.h"
#include "app/CenterStack.h"
#include "app/StartPageView.h"

FrameTest::FrameTest()
{
    const CenterViewFactory factory = [this](Center::Index center, QWidget* parent) -> CenterView* {
        if (center == Center::StartPage)
            return new StartPageView(parent);
        auto* fake = new FakeCenterView(parent);
        m_fakes[center] = fake;
        return fake;
    };
    m_frame = std::make_unique<MainWindow>(m_document, factory);
    m_frame->resize(1200, 800);
    m_frame->show();
}

FrameTest::~FrameTest()
{
    // Nothing asks about unsaved changes while a test tears its frame down.
    m_document.SetModified(false);
    m_frame.reset();
}

Center::Index FrameTest::Current() const
{
    return m_frame->Container()->CurrentCenter();
}
