#pragma once

#include "app/CenterIndex.h"
#include "app/SnapfoldDoc.h"
#include "support/TempHome.h"

#include <array>
#include <gtest/gtest.h>
#include <memory>

class CMainFrame;
class CFakeCenterView;

// A shown main frame whose centers 1 to 7 are fakes the test controls; the start page
// is the real one.
class FrameTest : public ::testing::Test
{
protected:
    FrameTest();
    ~FrameTest() override;

    CFakeCenterView& Fake(Center::Index center) const { return *m_fakes.at(center); }
    CMainFrame& Frame() const { return *m_frame; }
    Center::Index Current() const;

    CTempHome m_home;
    CSnapfoldDoc m_document;

private:
    std::array<CFakeCenterView*, Center::Count> m_fakes{};
    std::unique_ptr<CMainFrame> m_frame;
};
