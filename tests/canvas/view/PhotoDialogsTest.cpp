#include "CanvasViewKit.h"
#include "support/PictureFiles.h"

#include "canvas/objects/PhotoObject.h"
#include "canvas/view/BorderStyleDialog.h"
#include "canvas/view/ColourBalanceDialog.h"
#include "canvas/view/OneSliderDialog.h"
#include "canvas/view/ResizePhotoDialog.h"

#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

namespace {

class PhotoDialogsTest : public CanvasTest
{
protected:
    PhotoDialogsTest()
    {
        // A shape below and one above the photo, to see it keep its place.
        AddShape(kBeside);
        QImage picture(40, 30, QImage::Format_RGB888);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixelColor(x, y, QColor(x * 6, y * 8, 90));
        auto photo = PhotoOfPicture(m_home.FilePath(QStringLiteral("kids.bmp")), picture, {50, 60});
        m_photo = &Add(std::move(photo));
        AddShape(kBeside);
        Model().Select(*m_photo);
        m_original = m_photo->ShownImage();
    }

    static constexpr PageRect kBeside{300, 300, 360, 340};
    PhotoObject& Photo() const { return dynamic_cast<PhotoObject&>(*m_view.Model().Current()); }

    // Runs the command with the dialog's script; the slider dialog's moves come first.
    void RunSlider(int id, std::initializer_list<int> moves, int button)
    {
        ScriptNextDialog([=](QDialog& dialog) {
            for (int value : moves)
                static_cast<OneSliderDialog&>(dialog).SetValue(value);
            Press(dialog, button);
        });
        m_view.OnCommand(id);
    }

    PhotoObject* m_photo = nullptr;
    QImage m_original;
};

// ---- transparency -----------------------------------------------------------------

struct Opacity
{
    int slider;
    int opacity;
};

class TransparencyTest : public PhotoDialogsTest, public ::testing::WithParamInterface<Opacity>
{
};

TEST_P(TransparencyTest, OkWritesTheOpacityIntoEveryPixelAsOneStepThatUndoes)
{
    RunSlider(Cmd::Transparency, {50}, QDialogButtonBox::Ok);
    EXPECT_EQ(Photo().m_nFillAlpha, 128);
    const int slider = GetParam().slider;
    RunSlider(Cmd::Transparency, {slider / 2 + 1, slider}, QDialogButtonBox::Ok);
    EXPECT_EQ(Photo().m_nFillAlpha, GetParam().opacity);
    EXPECT_EQ(Photo().ShownImage().format(), QImage::Format_ARGB32) << "24 bits became 32";
    EXPECT_EQ(qAlpha(Photo().ShownImage().pixel(5, 7)), GetParam().opacity);
    EXPECT_EQ(Steps(), 2);

    m_view.OnCommand(Cmd::Undo);
    m_view.OnCommand(Cmd::Undo);
    EXPECT_EQ(Photo().m_nFillAlpha, 255);
    EXPECT_EQ(Photo().ShownImage(), m_original);
}

INSTANTIATE_TEST_SUITE_P(Sliders, TransparencyTest,
                         ::testing::Values(Opacity{100, 0}, Opacity{0, 255}, Opacity{40, 153}));

void MoveBalance(QDialog& dialog, std::initializer_list<std::pair<int, int>> moves)
{
    for (const auto& [channel, value] : moves)
        static_cast<ColourBalanceDialog&>(dialog).SetValue(channel, value);
}

TEST_F(PhotoDialogsTest, CancelledPreviewsLeaveThePhotoInItsPlaceAndTheHistoryAsTheyWere)
{
    const QString identity = m_photo->m_strID;
    RunSlider(Cmd::Transparency, {30, 80}, QDialogButtonBox::Cancel);
    RunSlider(Cmd::RotateAngle, {10, 25}, QDialogButtonBox::Cancel);
    ScriptNextDialog([](QDialog& dialog) {
        MoveBalance(dialog, {{1, 250}});
        Press(dialog, QDialogButtonBox::Cancel);
    });
    m_view.OnCommand(Cmd::ColorBalance);
    EXPECT_EQ(Photo().m_strID, identity);
    EXPECT_FLOAT_EQ(Photo().m_fGreen, 1.0f);
    EXPECT_EQ(Photo().m_nFillAlpha, 255);
    EXPECT_EQ(Photo().ShownImage(), m_original);
    EXPECT_EQ(Photo().m_rect, (PageRect{50, 60, 90, 90}));
    EXPECT_EQ(Model().Objects()[1].get(), &Photo()) << "in its place, current";
    EXPECT_EQ(Steps(), 0);
}

// ---- colour balance ---------------------------------------------------------------

TEST_F(PhotoDialogsTest, BalancePreviewsStartFromTheUnchangedPhoto)
{
    ScriptNextDialog([](QDialog& dialog) {
        EXPECT_EQ(static_cast<ColourBalanceDialog&>(dialog).Values(),
                  (ColourBalanceDialog::Sliders{39, 39, 39}));
        MoveBalance(dialog, {{0, 200}, {0, 120}, {2, 10}, {2, 39}, {0, 39}});
        Press(dialog, QDialogButtonBox::Ok);
    });
    m_view.OnCommand(Cmd::ColorBalance);
    EXPECT_EQ(Photo().ShownImage(), m_original) << "there and back again";
    EXPECT_EQ(Steps(), 0);

    ScriptNextDialog([](QDialog& dialog) {
        MoveBalance(dialog, {{0, 200}, {0, 100}});
        Press(dialog, QDialogButtonBox::Ok);
    });
    m_view.OnCommand(Cmd::ColorBalance);
    EXPECT_FLOAT_EQ(Photo().m_fRed, 2.55f);
    EXPECT_FLOAT_EQ(Photo().m_fGreen, 1.0f) << "an untouched slider keeps its factor";
    EXPECT_GT(qRed(Photo().ShownImage().pixel(20, 10)), qRed(m_original.pixel(20, 10)));
    EXPECT_EQ(qBlue(Photo().ShownImage().pixel(20, 10)), 90);
    EXPECT_EQ(Steps(), 1);
    m_view.OnCommand(Cmd::Undo);
    EXPECT_EQ(Photo().ShownImage(), m_original);
}

// ---- resize -------------------------------------------------------------------------

TEST_F(PhotoDialogsTest, ResizeToTheSameSizeDoesNothingAndANewSizeUndoes)
{
    const auto resize = [this](QSize size) {
        ScriptNextDialog([size](QDialog& dialog) {
            Find<QRadioButton>(dialog, "inches")->click();
            static_cast<ResizePhotoDialog&>(dialog).SetPictureSize(size);
            Press(dialog, QDialogButtonBox::Ok);
        });
        m_view.OnCommand(Cmd::Resize);
    };
    resize({40, 30});
    EXPECT_EQ(Steps(), 0);
    EXPECT_EQ(Model().Current(), m_photo);

    resize({80, 20});
    EXPECT_EQ(Photo().ShownImage().size(), QSize(80, 20)) << "pixels, whatever the unit";
    EXPECT_EQ(Photo().m_rect, (PageRect{30, 65, 110, 85}));
    EXPECT_EQ(Model().Objects()[1].get(), &Photo());
    EXPECT_EQ(Steps(), 1);
    m_view.OnCommand(Cmd::Undo);
    EXPECT_EQ(Model().Objects()[1]->m_rect, (PageRect{50, 60, 90, 90}));
    EXPECT_EQ(dynamic_cast<PhotoObject&>(*Model().Objects()[1]).ShownImage(), m_original);
}

// ---- rotation of other objects, enabling ------------------------------------------

TEST_F(PhotoDialogsTest, ShapesTakeTheAngleAndTransparencyOnlyWhenFilled)
{
    RunSlider(Cmd::RotateAngle, {25}, QDialogButtonBox::Ok);
    EXPECT_EQ(Photo().ShownImage().size(), QSize(30, 40)) << "the picture turned";

    ShapeObject& outline = AddShape(kBeside, Rgb(200, 40, 40), false);
    Model().Select(outline);
    EXPECT_FALSE(Enabled(Cmd::Transparency));
    EXPECT_FALSE(Enabled(Cmd::Resize));
    RunSlider(Cmd::RotateAngle, {50}, QDialogButtonBox::Ok);
    EXPECT_EQ(Model().Current()->m_nAngle, 180);
    Model().Current()->m_bFill = 1;
    RunSlider(Cmd::Transparency, {100}, QDialogButtonBox::Ok);
    EXPECT_EQ(Model().Current()->m_nFillAlpha, 0);
    EXPECT_EQ(Steps(), 3);
}

// ---- border, frame, shadow ----------------------------------------------------------

struct FieldDialog
{
    const char* name;
    int command;
    std::function<void(QDialog&, ScriptedPrompt&)> script;
    std::function<void(const PhotoObject&)> check;
};

void PrintTo(const FieldDialog& dialog, std::ostream* out)
{
    *out << dialog.name;
}

class FieldDialogTest : public PhotoDialogsTest, public ::testing::WithParamInterface<FieldDialog>
{
};

TEST_P(FieldDialogTest, OkWritesThePhotoAsOneStepThatUndoes)
{
    ScriptNextDialog([this](QDialog& dialog) {
        GetParam().script(dialog, Prompt());
        Press(dialog, QDialogButtonBox::Ok);
    });
    m_view.OnCommand(GetParam().command);
    GetParam().check(Photo());
    EXPECT_EQ(Steps(), 1);
    m_view.OnCommand(Cmd::Undo);
    EXPECT_EQ(Photo().m_nBorder, 0);
    EXPECT_EQ(Photo().m_bPhotoShadow, 0);
    EXPECT_EQ(Photo().ShownImage(), m_original);
}

INSTANTIATE_TEST_SUITE_P(
    Photo, FieldDialogTest,
    ::testing::Values(
        FieldDialog{"border", Cmd::AddBorder,
                    [](QDialog& dialog, ScriptedPrompt& prompt) {
                        EXPECT_EQ(Find<QSpinBox>(dialog, "width")->value(), 10);
                        static_cast<BorderStyleDialog&>(dialog).SetWidth(4);
                        prompt.QueueColor(QColor(0, 0, 255));
                        Find<QPushButton>(dialog, "colour")->click();
                    },
                    [](const PhotoObject& photo) {
                        EXPECT_EQ(photo.m_nBorder, 1);
                        EXPECT_EQ(photo.m_nLineWidth, 4);
                        EXPECT_EQ(photo.m_crLine, Rgb(0, 0, 255));
                    }},
        FieldDialog{"frame", Cmd::AddFrame,
                    [](QDialog& dialog, ScriptedPrompt&) {
                        Find<QToolButton>(dialog, "material14")->click();
                    },
                    [](const PhotoObject& photo) {
                        // Crayon purple at the edge, the middle untouched.
                        EXPECT_EQ(photo.ShownImage().pixelColor(0, 15), QColor(0x7b, 0x4f, 0xa3));
                        EXPECT_EQ(photo.ShownImage().pixel(20, 15), QColor(120, 120, 90).rgb());
                    }},
        FieldDialog{"shadow", Cmd::AddShadow,
                    [](QDialog& dialog, ScriptedPrompt& prompt) {
                        Find<QToolButton>(dialog, "upLeft")->click();
                        Find<QSpinBox>(dialog, "size")->setValue(12);
                        Find<QSlider>(dialog, "darkness")->setValue(30);
                        prompt.QueueColor(QColor(10, 20, 30));
                        Find<QPushButton>(dialog, "colour")->click();
                    },
                    [](const PhotoObject& photo) {
                        EXPECT_EQ(photo.m_bPhotoShadow, 1);
                        EXPECT_EQ(photo.m_nPhotoShadowDir, 2);
                        EXPECT_EQ(photo.m_nPhotoShadowSize, 12);
                        EXPECT_EQ(photo.m_nShadowAlpha, 30);
                        EXPECT_EQ(photo.m_crShadow, Rgb(10, 20, 30));
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PhotoDialogsTest, ThePhotoMenuOffersEveryDialog)
{
    std::unique_ptr<QMenu> menu(m_view.BuildContextMenu());
    QList<int> shown;
    for (const QAction* action : menu->actions())
        shown << action->data().toInt();
    for (int id : {Cmd::Transparency, Cmd::ColorBalance, Cmd::RotateAngle, Cmd::Resize,
                   Cmd::AddBorder, Cmd::AddFrame, Cmd::AddShadow}) {
        EXPECT_TRUE(shown.contains(id)) << id;
        EXPECT_TRUE(Enabled(id)) << id;
    }
}

} // namespace
