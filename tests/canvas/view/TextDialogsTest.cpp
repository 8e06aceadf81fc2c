#include "support/DialogTestKit.h"
#include "canvas/objects/PageObject.h"
#include "canvas/objects/TextObject.h"
#include "canvas/view/SymbolPickerDialog.h"
#include "canvas/view/TextArtDialog.h"
#include "canvas/view/TextDialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QRawFont>
#include <QTextEdit>

namespace {

class TextDialogTest : public DialogTest
{
protected:
    QTextEdit* Edit() { return Find<QTextEdit>(m_dialog, "text"); }
    void PutCaret(int position, int selectUpTo = -1)
    {
        QTextCursor cursor = Edit()->textCursor();
        cursor.setPosition(position);
        if (selectUpTo >= 0)
            cursor.setPosition(selectUpTo, QTextCursor::KeepAnchor);
        Edit()->setTextCursor(cursor);
    }

    TextDialog m_dialog{QStringLiteral("Sunny 25 Day")};
};

TEST_F(TextDialogTest, EachSymbolButtonTypesItsSignAtTheCaretOrOverTheSelection)
{
    const std::pair<const char*, QString> buttons[] = {
        {"symbol00A9", QStringLiteral("\u00A9")}, {"symbol2030", QStringLiteral("\u2030")},
        {"symbol203B", QStringLiteral("\u203B")}, {"symbol2103", QStringLiteral("\u2103")},
        {"symbol00A7", QStringLiteral("\u00A7")}};
    for (const auto& [name, sign] : buttons) {
        m_dialog.show();
        Edit()->setPlainText(QStringLiteral("Sunny 25 Day"));
        PutCaret(8);
        Find<QPushButton>(m_dialog, name)->click();
        EXPECT_EQ(m_dialog.Text(), QStringLiteral("Sunny 25") + sign + QStringLiteral(" Day")) << name;
        EXPECT_EQ(Edit()->textCursor().position(), 9) << "caret after the sign";
    }
    // A sign replaces the selection and repeats at the new caret.
    Edit()->setPlainText(QStringLiteral("Sunny 25 Day"));
    PutCaret(6, 8);
    Find<QPushButton>(m_dialog, "symbol2103")->click();
    Find<QPushButton>(m_dialog, "symbol2103")->click();
    EXPECT_EQ(m_dialog.Text(), QStringLiteral("Sunny \u2103\u2103 Day"));
}

TEST_F(TextDialogTest, MoreInsertsThePickedSymbolAndCancelInsertsNothing)
{
    PutCaret(0);
    ScriptNextDialog([](QDialog& picker) {
        static_cast<SymbolPickerDialog&>(picker).Select(QStringLiteral("\u2605"));
        Press(picker, QDialogButtonBox::Ok);
    });
    Find<QPushButton>(m_dialog, "moreSymbols")->click();
    EXPECT_EQ(m_dialog.Text(), QStringLiteral("\u2605Sunny 25 Day"));

    ScriptNextDialog([](QDialog& picker) { Press(picker, QDialogButtonBox::Cancel); });
    Find<QPushButton>(m_dialog, "moreSymbols")->click();
    EXPECT_EQ(m_dialog.Text(), QStringLiteral("\u2605Sunny 25 Day"));
    EXPECT_EQ(m_dialogsRun, 2);
}

TEST_F(TextDialogTest, CtrlEnterClosesWithOkWhileEnterStartsANewLine)
{
    m_dialog.show();
    m_dialog.activateWindow();
    Edit()->setFocus();
    PutCaret(5);
    Type(Edit(), Qt::Key_Return);
    EXPECT_TRUE(m_dialog.isVisible());
    EXPECT_EQ(m_dialog.Text(), QStringLiteral("Sunny\n 25 Day"));
    Type(Edit(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(m_dialog.result(), QDialog::Accepted);
}

TEST(SymbolFontTest, DrawsEveryQuickSymbolAndThePickerOffersOnlyDrawableOnes)
{
    const QFont font = SymbolFont(QuickSymbols(), 20);
    const QRawFont raw = QRawFont::fromFont(font);
    ASSERT_TRUE(raw.isValid());
    for (const QChar c : QuickSymbols())
        EXPECT_TRUE(raw.supportsCharacter(c)) << font.family().toStdString() << " lacks " << int(c.unicode());

    const QStringList offered = SymbolPickerDialog::Symbols();
    EXPECT_GE(offered.size(), 30);
    for (const QChar c : QuickSymbols())
        EXPECT_TRUE(offered.contains(QString(c)));
    EXPECT_EQ(QSet<QString>(offered.begin(), offered.end()).size(), offered.size()) << "no doubles";
}

// Two outlined looks, solid and gradient, one double outline and thirteen art looks:
// every picture of the palette closes it with its own choice.
TEST(TextArtPaletteTest, EveryPictureClosesWithItsChoiceAndEscapeWithNone)
{
    std::vector<std::pair<QString, TextArtChoice>> cases{
        {QStringLiteral("art2_0_solid"), {2, 0, FillType::Solid}},
        {QStringLiteral("art2_0_gradient"), {2, 0, FillType::Gradient}},
        {QStringLiteral("art4_0"), {4, 0, std::nullopt}}};
    for (int effect = 14; effect <= 26; ++effect)
        cases.push_back({QStringLiteral("art5_%1").arg(effect), {5, effect, std::nullopt}});
    const TextObject text(PageRect{0, 0, 200, 60}, QStringLiteral("Spring Fair"));
    for (const auto& [name, expected] : cases) {
        SCOPED_TRACE(name.toStdString());
        TextArtDialog palette(text);
        palette.show();
        Find<QPushButton>(palette, name.toLatin1().constData())->click();
        EXPECT_EQ(palette.result(), QDialog::Accepted);
        ASSERT_TRUE(palette.Choice().has_value());
        EXPECT_EQ(*palette.Choice(), expected);
    }
    TextArtDialog palette{TextObject()};
    palette.show();
    Type(&palette, Qt::Key_Escape);
    EXPECT_EQ(palette.result(), QDialog::Rejected);
    EXPECT_FALSE(palette.Choice().has_value());
}

TEST(TextArtPaletteTest, ChoiceSetsStyleEffectAndOnlyAGivenFillAndPreviewsChangeNothing)
{
    TextObject text;
    text.m_nFillType = FillType::Gradient;
    TextArtChoice{5, 20, std::nullopt}.ApplyTo(text);
    EXPECT_EQ(text.m_nTextEffect, 20);
    EXPECT_EQ(text.m_nFillType, FillType::Gradient);
    TextArtChoice{2, 0, FillType::Solid}.ApplyTo(text);
    EXPECT_EQ(text.m_nTextStyle, 2);
    EXPECT_EQ(text.m_nFillType, FillType::Solid);

    // A preview leaves the text it describes alone.
    TextObject shown(PageRect{10, 10, 400, 100}, QStringLiteral("Our Garden Party"));
    shown.m_nOutlineWidth = 1;
    const QPixmap picture = TextArtDialog::Preview(shown, {4, 0, std::nullopt}, QSize(128, 64));
    EXPECT_EQ(picture.size(), QSize(128, 64));
    EXPECT_EQ(shown.m_rect, (PageRect{10, 10, 400, 100}));
    EXPECT_EQ(shown.m_nTextStyle, 1);
    EXPECT_EQ(shown.m_nOutlineWidth, 1);
}

} // namespace
