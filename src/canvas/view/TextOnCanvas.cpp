// The text on the page: placing one typed in the text dialog, and its Text Art.
#include "canvas/view/TextOnCanvas.h"

#include "canvas/editing/CanvasModel.h"
#include "canvas/editing/ObjectKindCommands.h"
#include "canvas/objects/TextObject.h"
#include "canvas/view/TextArtDialog.h"
#include "canvas/view/TextDialog.h"
#include "commands/CommandIds.h"
#include "widgets/ModalRunner.h"

namespace {

class TextCommands : public ObjectKindCommands
{
public:
    int Type() const override { return ObjectType::Text; }
    int InsertCommand() const override { return Cmd::InsertText; }

    ObjectList Place(const QPoint& at, QWidget* window) const override
    {
        TextDialog dialog(QString(), window);
        if (RunModal(dialog) != QDialog::Accepted)
            return {};
        ObjectList placed;
        placed.push_back(std::make_unique<TextObject>(
            PageRect{at.x(), at.y(), at.x() + 500, at.y() + 100}, dialog.Text()));
        return placed;
    }

    QString MenuName() const override { return QStringLiteral("Text"); }
    QList<int> MenuCommands() const override
    {
        using namespace Cmd;
        return {Cut, CopyObjects, PasteObjects, DeleteObjects, CopyAsPicture, 0,
                TextArt, RotateLeft, RotateRight};
    }

    bool Handles(int id) const override { return id == Cmd::TextArt; }

    CommandState Update(int, const PageObject* current) const override
    {
        return CommandState::Enabled(current && current->m_nType == ObjectType::Text);
    }

    void Run(int, PageObject& current, const KindCommandContext& canvas) override
    {
        auto* text = dynamic_cast<TextObject*>(&current);
        if (!text)
            return;
        TextArtDialog dialog(*text, canvas.window);
        if (RunModal(dialog) != QDialog::Accepted || !dialog.Choice())
            return;
        const TextArtChoice choice = *dialog.Choice();
        canvas.model.Modify(*text, [&](PageObject&) {
            choice.ApplyTo(*text);
            return true;
        });
    }
};

} // namespace

void RegisterTextOnCanvas()
{
    ObjectKinds::Register(std::make_unique<TextCommands>());
}
