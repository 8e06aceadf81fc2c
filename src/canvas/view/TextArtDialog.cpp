#include "canvas/view/TextArtDialog.h"

#include "canvas/objects/PageObject.h"
#include "canvas/objects/TextLayout.h"
#include "canvas/objects/TextObject.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = 4;
constexpr int kSampleLetters = 6;
const QSize kPreviewSize(128, 64);

QString SampleText(const QString& text)
{
    const QString firstLine = text.section(QLatin1Char('\n'), 0, 0).trimmed();
    return firstLine.isEmpty() ? QStringLiteral("Text") : firstLine.left(kSampleLetters);
}

QString Describe(const TextArtChoice& choice)
{
    if (choice.style == 2)
        return choice.fillType == FillType::Gradient ? QStringLiteral("Outlined, gradient inside")
                                                     : QStringLiteral("Outlined");
    if (choice.style == 4)
        return QStringLiteral("Double outline");
    return QStringLiteral("Text art %1").arg(choice.effect - 13);
}

QString ObjectName(const TextArtChoice& choice)
{
    QString name = QStringLiteral("art%1_%2").arg(choice.style).arg(choice.effect);
    if (choice.fillType)
        name += *choice.fillType == FillType::Gradient ? QStringLiteral("_gradient")
                                                       : QStringLiteral("_solid");
    return name;
}

// The outlined styles lay their text out from the rectangle's corner at its own size:
// shrink the sample to the button and centre it.
void FitOutlinedSample(TextObject& sample, const QSize& size)
{
    const double room = size.width() - 12;
    QRectF box = BuildTextBlock(sample.m_strText, sample.Font(false), {0, 0}).box;
    if (box.width() > room && box.width() > 0) {
        sample.m_nFontSize = std::max(6, int(sample.m_nFontSize * room / box.width()));
        box = BuildTextBlock(sample.m_strText, sample.Font(false), {0, 0}).box;
    }
    const int left = int((size.width() - box.width()) / 2);
    const int top = int((size.height() - box.height()) / 2);
    sample.m_rect = {left, top, left + int(box.width()), top + int(box.height())};
}

} // namespace

void TextArtChoice::ApplyTo(TextObject& text) const
{
    text.m_nTextStyle = style;
    text.m_nTextEffect = effect;
    if (fillType)
        text.m_nFillType = *fillType;
}

const std::array<TextArtChoice, TextArtDialog::kChoices>& TextArtDialog::Choices()
{
    static const std::array<TextArtChoice, kChoices> choices = [] {
        std::array<TextArtChoice, kChoices> all{};
        all[0] = {2, 0, FillType::Solid};
        all[1] = {2, 0, FillType::Gradient};
        all[2] = {4, 0, std::nullopt};
        for (int i = 3; i < kChoices; ++i)
            all[i] = {5, 14 + (i - 3), std::nullopt};
        return all;
    }();
    return choices;
}

QPixmap TextArtDialog::Preview(const TextObject& current, const TextArtChoice& choice,
                             const QSize& size)
{
    TextObject sample(current);
    sample.m_strText = SampleText(current.m_strText);
    sample.m_rect = {4, 4, size.width() - 4, size.height() - 4};
    sample.m_nFontSize = size.height() * 2 / 5;
    sample.m_nAngle = 0;
    sample.m_nAlign = 1;
    sample.m_bSelected = 0;
    choice.ApplyTo(sample);
    if (sample.m_nTextStyle != TextObject::kArt)
        FitOutlinedSample(sample, size);

    QPixmap picture(size);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    sample.DrawContent(painter, DrawContext::Export());
    return picture;
}

TextArtDialog::TextArtDialog(const TextObject& current, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Text Art"));

    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    const auto& choices = Choices();
    for (int i = 0; i < kChoices; ++i) {
        auto* button = new QPushButton;
        button->setObjectName(ObjectName(choices[i]));
        button->setIcon(QIcon(Preview(current, choices[i], kPreviewSize)));
        button->setIconSize(kPreviewSize);
        button->setFixedSize(kPreviewSize + QSize(10, 10));
        button->setToolTip(Describe(choices[i]));
        button->setAccessibleName(Describe(choices[i]));
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, [this, i] { Choose(i); });
        grid->addWidget(button, i / kColumns, i % kColumns);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Click the look you want for the text:")));
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TextArtDialog::Choose(int index)
{
    if (index < 0 || index >= kChoices)
        return;
    m_choice = Choices()[std::size_t(index)];
    accept();
}
