#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>
#include <optional>

class TextObject;

// What a picture of the text art palette makes: a painting style and effect, and
// for the two outlined pictures the inside fill (solid or gradient).
struct TextArtChoice
{
    int style = 1;
    int effect = 0;
    std::optional<int> fillType; // left as it is when empty

    void ApplyTo(TextObject& text) const;
    bool operator==(const TextArtChoice&) const = default;
};

// "Text Art": a palette of pictures, each a preview of the text it makes. Pressing
// one closes the palette with its choice.
class TextArtDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kChoices = 16;

    // The previews use the look of `current`: its face, colours and a few letters.
    explicit TextArtDialog(const TextObject& current, QWidget* parent = nullptr);

    // Outlined solid and gradient, double-outlined, then the art family 14 to 26.
    static const std::array<TextArtChoice, kChoices>& Choices();
    // A picture of `current` painted with `choice`.
    static QPixmap Preview(const TextObject& current, const TextArtChoice& choice,
                           const QSize& size);

    // The pressed picture's choice; empty until one is pressed.
    std::optional<TextArtChoice> Choice() const { return m_choice; }
    void Choose(int index);

private:
    std::optional<TextArtChoice> m_choice;
};
