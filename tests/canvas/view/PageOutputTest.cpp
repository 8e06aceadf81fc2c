#include "CanvasViewKit.h"
#include "support/PdfTools.h"
#include "support/PixelProbes.h"

#include "canvas/objects/TextObject.h"
#include "canvas/view/PageOutput.h"

#include <QImageReader>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSvgRenderer>

namespace {

constexpr QColor kFill(200, 40, 40);

class PageOutputTest : public CanvasTest
{
protected:
    PageOutputTest()
    {
        QDir(m_home.Path()).mkpath(QStringLiteral("Pictures"));
        m_view.resize(900, 700);
        AddShape({140, 240, 340, 340}, ToColorRef(kFill));
        Add(std::make_unique<TextObject>(PageRect{400, 100, 700, 160},
                                         QStringLiteral("Spring picnic Friday")));
    }

    QString InHome(const QString& name) const { return m_home.FilePath(name); }
    // Page Setup confirmed with the paper's size and margins set by `change`.
    void SetUpPage(const std::function<void(QDialog&)>& change)
    {
        ScriptNextDialog([change](QDialog& dialog) {
            change(dialog);
            Press(dialog, QDialogButtonBox::Ok);
        });
        m_view.OnCommand(Cmd::FilePageSetup);
    }
};

struct ImageCase
{
    const char* typed;
    const char* filter;
    const char* written;
};

class SaveAsImageTest : public PageOutputTest, public ::testing::WithParamInterface<ImageCase>
{};

TEST_P(SaveAsImageTest, WritesOneFileWithOneExtension)
{
    const ImageCase& sample = GetParam();
    Prompt().QueueSave(InHome(QLatin1String(sample.typed)), QLatin1String(sample.filter));
    ASSERT_TRUE(Enabled(Cmd::SaveAsImage));
    m_view.OnCommand(Cmd::SaveAsImage);

    EXPECT_EQ(QDir(m_home.Path()).entryList(QDir::Files).filter(QStringLiteral("card")),
              QStringList{QLatin1String(sample.written)});
    const QString written = InHome(QLatin1String(sample.written));
    const QSize size = written.endsWith(QStringLiteral(".svg"))
                           ? QSvgRenderer(written).viewBox().size()
                           : QImageReader(written).size();
    EXPECT_EQ(size, QSize(850, 1098));
    EXPECT_TRUE(Prompt().SaveFolders().value(0).endsWith(QStringLiteral("/Pictures")));
    EXPECT_TRUE(m_view.InfoText().contains(QLatin1String(sample.written)));
}

INSTANTIATE_TEST_SUITE_P(
    Filters, SaveAsImageTest,
    ::testing::Values(ImageCase{"card", "PNG image (*.png)", "card.png"},
                      ImageCase{"card.png", "PNG image (*.png)", "card.png"},
                      ImageCase{"card.JPG", "JPEG image (*.jpg)", "card.JPG"},
                      ImageCase{"card.gif", "Bitmap image (*.bmp)", "card.gif.bmp"},
                      ImageCase{"card", "SVG image (*.svg)", "card.svg"}));

TEST_F(PageOutputTest, SaveAsImageOfASelectionIsTheSelectionGrownByFour)
{
    Model().Select(*Objects().front());
    Prompt().QueueSave(InHome(QStringLiteral("shape")), QStringLiteral("PNG image (*.png)"));
    m_view.OnCommand(Cmd::SaveAsImageAlt);
    const QImage image(InHome(QStringLiteral("shape.png")));
    ASSERT_EQ(image.size(), QSize(208, 108));
    EXPECT_TRUE(ColorsNear(image.pixelColor(104, 54), kFill, 8));
    // A new page starts with nothing said about the old one.
    m_view.OnCommand(Cmd::FileNew);
    EXPECT_TRUE(m_view.InfoText().isEmpty());
}

TEST_F(PageOutputTest, AnExtensionAddedToTheTypedNameNeverReplacesAFileUnasked)
{
    const auto write = [this](const char* name) {
        QFile file(InHome(QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("kept");
    };
    write("photo.png");
    write("page.wrn");
    Prompt().QueueSave(InHome(QStringLiteral("photo")), QStringLiteral("PNG image (*.png)"));
    m_view.OnCommand(Cmd::SaveAsImage);
    m_document.SetModified(true);
    Prompt().QueueSave(InHome(QStringLiteral("page")));
    m_view.OnCommand(Cmd::FileSaveAs);

    ASSERT_EQ(Prompt().Messages().size(), 2);
    EXPECT_EQ(Prompt().Messages()[1].buttons, UserPrompt::Buttons::YesNo);
    EXPECT_EQ(QFileInfo(InHome(QStringLiteral("photo.png"))).size(), 4);
    EXPECT_EQ(QFileInfo(InHome(QStringLiteral("page.wrn"))).size(), 4);
    EXPECT_TRUE(m_document.IsModified());

    Prompt().QueueAnswer(UserPrompt::Answer::Yes);
    Prompt().QueueSave(InHome(QStringLiteral("page")));
    m_view.OnCommand(Cmd::FileSaveAs);
    EXPECT_GT(QFileInfo(InHome(QStringLiteral("page.wrn"))).size(), 4);
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(PageOutputTest, FailuresToWriteAreReportedAndLeaveNoFile)
{
    Prompt().QueueSave(InHome(QStringLiteral("gone/card")), QStringLiteral("PNG image (*.png)"));
    m_view.OnCommand(Cmd::SaveAsImage);
    Program().programDir = InHome(QStringLiteral("missing"));
    m_view.OnCommand(Cmd::FileExportPdf);

    const QStringList messages = Prompt().Texts();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("The image could not be written to ")
                                       + InHome(QStringLiteral("gone/card.png"))));
    EXPECT_TRUE(messages[1].startsWith(QStringLiteral("The PDF could not be written to ")));
    EXPECT_FALSE(QFile::exists(InHome(QStringLiteral("gone/card.png"))));
    EXPECT_TRUE(m_view.InfoText().isEmpty());
}

TEST_F(PageOutputTest, ExportWritesThePictureAndAVectorPdfNamedAfterTheDocument)
{
    m_view.OnCommand(Cmd::FileExportPdf);
    EXPECT_EQ(QImage(InHome(QStringLiteral("Untitled.png"))).size(), QSize(850, 1098));
    EXPECT_EQ(PdfTools::PageCount(InHome(QStringLiteral("Untitled.pdf"))), 1);

    const QString trip = InHome(QStringLiteral("Pictures/trip.wrn"));
    ASSERT_TRUE(m_document.WriteTo(trip));
    m_document.SetPath(trip);
    m_document.SetTitle(QStringLiteral("trip.wrn"));
    m_view.OnCommand(Cmd::FileExportPdf);
    const QString pdf = InHome(QStringLiteral("trip.pdf"));
    EXPECT_TRUE(QFile::exists(InHome(QStringLiteral("trip.png"))));
    // 850 x 1098 page units at 96 to the inch, in whole points.
    EXPECT_EQ(PdfTools::PageSize(pdf), QSizeF(638, 824));
    // Text stays text.
    EXPECT_TRUE(PdfTools::Text(pdf).simplified().contains(QStringLiteral("Spring picnic Friday")));
    const QImage page = PdfTools::FirstPage(pdf, 96);
    EXPECT_TRUE(ColorsNear(page.pixelColor(200, 250), kFill, 10));
    EXPECT_TRUE(m_view.InfoText().contains(pdf));
}

TEST_F(PageOutputTest, PrintingPutsTheShapeOnPaperAtAHundredUnitsAnInch)
{
    const QString pdf = InHome(QStringLiteral("printed.pdf"));
    ScriptNextDialog([&](QDialog& dialog) {
        QPrinter& printer = *static_cast<QPrintDialog&>(dialog).printer();
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0));
        dialog.setResult(QDialog::Accepted);
    });
    m_view.OnCommand(Cmd::FilePrint);

    EXPECT_EQ(PdfTools::PageCount(pdf), 1);
    const QImage paper = PdfTools::FirstPage(pdf, 100);
    // The page frame starts at (40, 40): the shape's middle (240, 290) is 200, 250 in.
    EXPECT_TRUE(ColorsNear(paper.pixelColor(200, 250), kFill, 10));
    EXPECT_TRUE(ColorsNear(paper.pixelColor(80, 250), Qt::white, 10));
}

TEST_F(PageOutputTest, PreviewShowsOnePageAndASecondPreviewWaitsForTheFirst)
{
    int pages = 0;
    ScriptNextDialog([&](QDialog& dialog) {
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        preview->updatePreview();
        pages = preview->pageCount();
        m_view.OnCommand(Cmd::FilePrintPreview);
        dialog.setResult(QDialog::Rejected);
    });
    m_view.OnCommand(Cmd::FilePrintPreview);
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(m_dialogsRun, 1);
}

TEST_F(PageOutputTest, PageSetupKeepsAnUnchangedPageAndTakesChangedMargins)
{
    const auto letterWithMargins = [](double inches) {
        return [inches](QDialog& dialog) {
            auto* size = Find<QComboBox>(dialog, "paperName");
            size->setCurrentIndex(0);
            Q_EMIT size->activated(0);
            for (const char* edge : {"marginLeft", "marginTop", "marginRight", "marginBottom"})
                Find<QDoubleSpinBox>(dialog, edge)->setValue(inches);
        };
    };
    SetUpPage(letterWithMargins(1));
    EXPECT_EQ(m_view.PageSize(), QSize(816 - 192, 1056 - 192));
    EXPECT_EQ(m_document.Margins(), (PageMargins{96, 96, 96, 96}));
    EXPECT_TRUE(m_document.IsModified());

    for (int twice = 0; twice < 2; ++twice)
        SetUpPage([](QDialog&) {});
    EXPECT_EQ(m_view.PageSize(), QSize(624, 864));

    // The margins travel with the page.
    const QString path = InHome(QStringLiteral("margins.wrn"));
    ASSERT_TRUE(m_document.WriteTo(path));
    m_document.SetModified(false);
    m_document.New();
    EXPECT_EQ(m_document.Margins(), PageMargins{});
    ASSERT_TRUE(m_document.ReadFrom(path));
    EXPECT_EQ(m_document.Margins(), (PageMargins{96, 96, 96, 96}));
    EXPECT_EQ(m_view.PageSize(), QSize(624, 864));

    // Margins that leave no page cannot be confirmed.
    SetUpPage(letterWithMargins(5));
    EXPECT_EQ(m_view.PageSize(), QSize(624, 864));
}

} // namespace
