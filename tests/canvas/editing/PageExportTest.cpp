#include "canvas/editing/PageExport.h"
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

TEST(PageExport, FilesAreNamedAfterTheDocumentInTheGivenFolder)
{
    const auto pdfOf = [](const char* title, const char* path) {
        return PageExport::ExportFilesFor(QLatin1String(title), QLatin1String(path),
                                          QStringLiteral("/home/c"))
            .pdf;
    };
    EXPECT_EQ(pdfOf("UNTITLED", "/x/trip.wrn"), QStringLiteral("/home/c/Untitled.pdf"));
    EXPECT_EQ(pdfOf("trip.v2.wrn", "/x/trip.v2.wrn"), QStringLiteral("/home/c/trip.v2.pdf"));
    EXPECT_EQ(PageExport::ExportFilesFor(QStringLiteral("a.wrn"), QStringLiteral("/x/a.wrn"),
                                         QStringLiteral("/home/c"))
                  .picture,
              QStringLiteral("/home/c/a.png"));
}
