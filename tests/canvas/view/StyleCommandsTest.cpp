#include "CanvasViewKit.h"

#include "canvas/editing/ObjectStyle.h"
#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/TextObject.h"
#include "canvas/view/LinePickerPopup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>

namespace {

class StyleCommandsTest : public CanvasTest
{
protected:
    StyleCommandsTest()
    {
        m_shape = &AddShape(PageRect{100, 100, 200, 180}, Rgb(200, 40, 40), false);
        m_text = &Add(std::make_unique<TextObject>(PageRect{300, 100, 500, 150},
                                                   QStringLiteral("Hello")));
        Model().SetCurrent(m_shape);
    }
    int UndoSteps()
    {
        int steps = 0;
        while (Model().Undo())
            ++steps;
        return steps;
    }
    // The values the pop-up of `command` gives, clicking each button in screen order.
    std::vector<int> PickEach(int command, int PageObject::*field)
    {
        std::vector<int> picked;
        for (int i = 0;; ++i) {
            m_view.OnCommand(command);
            auto* popup = qobject_cast<LinePickerPopup*>(QApplication::activePopupWidget());
            if (!popup || i >= popup->Buttons().size()) {
                if (popup)
                    popup->close();
                return picked;
            }
            popup->Buttons()[i]->click();
            picked.push_back(m_shape->*field);
        }
    }

    ShapeObject* m_shape = nullptr;
    TextObject* m_text = nullptr;
};

TEST_F(StyleCommandsTest, LinePopUpsOfferTheirWidthsAndStylesInScreenOrder)
{
    EXPECT_EQ(PickEach(Cmd::LineWidth, &PageObject::m_nLineWidth),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 8, 10, 12, 14, 16, 20}));
    EXPECT_EQ(PickEach(Cmd::LineType, &PageObject::m_nLineStyle),
              (std::vector<int>{0, 1, 2, 4, 3}));
    EXPECT_EQ(m_view.Style().lineStyle, 3);  // new objects follow
    EXPECT_EQ(UndoSteps(), 10);              // history keeps the last ten
}

TEST_F(StyleCommandsTest, ShadowSettingWritesEveryFieldAndTheKind)
{
    Prompt().QueueColor(QColor(10, 20, 30));
    ScriptNextDialog([](QDialog& dialog) {
        Find<QAbstractButton>(dialog, "shadowColor")->click();
        Find<QScrollBar>(dialog, "transparency")->setValue(50);
        Find<QSpinBox>(dialog, "horizontal")->setValue(-7);
        Find<QSpinBox>(dialog, "vertical")->setValue(9);
        Press(dialog, QDialogButtonBox::Ok);
    });
    m_view.OnCommand(Cmd::GlowShadow);
    EXPECT_EQ(m_shape->m_nShadowType, ShadowType::Glow);
    EXPECT_EQ(m_shape->m_crShadow, Rgb(10, 20, 30));
    EXPECT_EQ(m_shape->m_nShadowAlpha, 128);
    EXPECT_EQ(std::pair(m_shape->m_nShadowDX, m_shape->m_nShadowDY), std::pair(-7, 9));

    m_view.OnCommand(Cmd::NoShadow);
    EXPECT_EQ(m_shape->m_nShadowType, ShadowType::None);
    EXPECT_EQ(UndoSteps(), 2);
}

TEST_F(StyleCommandsTest, AStyleTakenFromOneObjectIsGivenToAnother)
{
    EXPECT_FALSE(Enabled(Cmd::ApplyStyle));
    m_shape->m_nLineWidth = 6;
    m_shape->m_nShadowType = ShadowType::Hard;
    m_view.OnCommand(Cmd::GetStyle);
    auto* other = &Add(std::make_unique<ShapeObject>(PageRect{0, 0, 50, 50}, 4, 1, 0,
                                                     Rgb(1, 1, 1), Rgb(9, 9, 9)));
    Model().SetCurrent(other);
    m_view.OnCommand(Cmd::ApplyStyle);
    EXPECT_EQ(ObjectStyle::Of(*other), ObjectStyle::Of(*m_shape));
    EXPECT_EQ(other->m_nShape, 4);  // the figure stays
}

TEST_F(StyleCommandsTest, FillCommandsAndTheLockedObject)
{
    m_view.OnCommand(Cmd::NotFill);
    EXPECT_EQ(m_shape->m_bFill, 0);
    m_shape->m_bLocked = 1;
    m_view.OnCommand(Cmd::SolidFill);
    EXPECT_EQ(m_shape->m_bFill, 0);
    EXPECT_EQ(Prompt().Texts(), QStringList{QStringLiteral("The Object is currently locked!")});

    // A preset is given at once; the dialog stays open for another.
    m_shape->m_bLocked = 0;
    ScriptNextDialog([](QDialog& dialog) {
        Find<QToolButton>(dialog, "preset12")->click();
        Find<QToolButton>(dialog, "preset0")->click();
        dialog.reject();
    });
    m_view.OnCommand(Cmd::CustomFill);
    EXPECT_EQ(ObjectStyle::Of(*m_shape), FillPresets::All()[0]);
    EXPECT_EQ(UndoSteps(), 3);

    Model().SetCurrent(nullptr);
    Prompt().QueueColor(QColor(0, 0, 255));
    m_view.OnCommand(Cmd::FillColor);
    EXPECT_EQ(m_view.Style().fillColor, Rgb(0, 0, 255));  // for the next drawing
}

struct TextCase
{
    int command;
    int TextObject::*field;
    int value;
};

class TextCommandTest : public StyleCommandsTest, public ::testing::WithParamInterface<TextCase>
{};

TEST_P(TextCommandTest, IsOneStepOnTheCurrentText)
{
    const TextCase& sample = GetParam();
    EXPECT_FALSE(Enabled(sample.command));  // a shape is current
    Model().SetCurrent(m_text);
    ASSERT_TRUE(Enabled(sample.command));
    m_view.OnCommand(sample.command);
    EXPECT_EQ(m_text->*sample.field, sample.value);
    EXPECT_EQ(UndoSteps(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Toolbar, TextCommandTest,
    ::testing::Values(TextCase{Cmd::TextBold, &TextObject::m_bBold, 1},
                      TextCase{Cmd::TextItalic, &TextObject::m_bItalic, 1},
                      TextCase{Cmd::TextUnderline, &TextObject::m_bUnderline, 1},
                      TextCase{Cmd::TextAlignCenter, &TextObject::m_nAlign, 1},
                      TextCase{Cmd::TextAlignJustify, &TextObject::m_nAlign, 72},
                      TextCase{Cmd::TextTurnRight, &TextObject::m_nAngle, 15},
                      TextCase{Cmd::TextTurnLeft, &TextObject::m_nAngle, -15}));

TEST_F(StyleCommandsTest, BoldReachesACalendarAndTheFontBoxesApplyWhenChosen)
{
    auto* calendar = &Add(std::make_unique<CalendarObject>());
    Model().SetCurrent(calendar);
    m_view.OnCommand(Cmd::TextBold);
    EXPECT_EQ(calendar->m_bDayBold, 1);
    EXPECT_TRUE(m_view.UpdateCommand(Cmd::TextBold).checked);

    m_view.SetFontChoice([] { return CanvasStyleCommands::FontChoice{QStringLiteral("Serif"), 36}; });
    Model().SetCurrent(m_text);
    m_view.OnCommand(Cmd::FontSize);
    m_view.OnCommand(Cmd::FontName);
    EXPECT_EQ(m_text->m_nFontSize, 36);
    EXPECT_EQ(m_text->m_strFontName, QStringLiteral("Serif"));
}

} // namespace
