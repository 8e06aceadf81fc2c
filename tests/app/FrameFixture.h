#pragma once

#include "commands/CenterIndex.h"
#include "canvas/editing/PageDocument.h"
#include "support/DialogTestKit.h"

#include <array>
#include <gtest/gtest.h>
#include <memory>

class MainWindow;
class FakeCenterView;

// A shown main frame whose centers 1 to 7 are fakes the test controls; the start page
// is the real one.
class FrameTest : public DialogTest
{
protected:
    FrameTest();
    ~FrameTest() override;

    FakeCenterView& Fake(Center::Index center) const { return *m_fakes.at(center); }
    MainWindow& Frame() const { return *m_frame; }
    Center::Index Current() const;

    PageDocument m_document;

private:
    std::array<FakeCenterView*, Center::Count> m_fakes{};
    std::unique_ptr<MainWindow> m_frame;
};
