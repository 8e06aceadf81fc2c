#include "canvas/editing/PaperSetup.h"

#include <gtest/gtest.h>

TEST(PaperSetup, ValuesSurviveTheDialogsUnitsAndMarginsComeOffThePaper)
{
    for (int units = 0; units <= 5000; ++units)
        ASSERT_EQ(PaperSetup::ToPageUnits(PaperSetup::ToThousandths(units)), units) << units;
    EXPECT_EQ(PaperSetup::ToThousandths(96), 1000);
    EXPECT_EQ(PaperSetup::ToThousandths(850), 8854);

    const PaperSetup::Page page{QSize(850, 1098), {96, 96, 96, 96}};
    const PaperSetup::Paper paper = PaperSetup::PaperFor(page);
    EXPECT_EQ(paper.size, QSize(10854, 13438));
    const auto back = PaperSetup::PageFor(paper);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->size, page.size);
    EXPECT_EQ(back->margins, page.margins);

    EXPECT_FALSE(PaperSetup::PageFor({QSize(8500, 11000), {4250, 0, 4250, 0}}).has_value());
}
