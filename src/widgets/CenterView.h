#pragma once

#include "commands/CommandTarget.h"

#include <QWidget>
#include <optional>

class ActionRegistry;
class PageDocument;

// The view of one center inside the center container. Centers take the commands of
// their toolbars through OnCommand and say through UpdateCommand which ones they
// handle and whether those are enabled now.
class CenterView : public QWidget, public CommandTarget
{
    Q_OBJECT

public:
    explicit CenterView(QWidget* parent = nullptr);

    bool OnCommand(int id) override;
    CommandState UpdateCommand(int id) const override;

    // The program's document and actions, handed over once the frame has them.
    virtual void Attach(PageDocument& document, ActionRegistry& actions);

    // Called each time the center is switched to, after it became visible.
    virtual void OnCenterShown();
    // Asked before the center is left for another and before the program closes: a
    // center holding unsaved typing asks the user. False keeps the user where they are.
    virtual bool QueryLeave();

    // The zoom factor of a center that zooms (the canvas, the photo list).
    virtual std::optional<double> ZoomFactor() const;
    // The status bar slider's position, 0 to 200, handed over when the user moves it.
    virtual void ZoomFromSlider(int position);

    // The number of objects on the page, for the question on closing.
    virtual int DocumentObjectCount() const;

    // The text the status bar shows for this center.
    virtual QString InfoText() const;

    // The folder selected in the photo library's tree. A center that lists its photos does
    // so again only when it showed another folder or the photos changed meanwhile.
    virtual void ShowFolder(const QString& folder);
    // Called when the center is switched to, with the folder the tree has selected, so a
    // center that shows one child starts with the child selected meanwhile.
    virtual void ShowFolderOnArrival(const QString& folder);

Q_SIGNALS:
    void InfoTextChanged(const QString& text);
    // Ask the frame to refresh the enabled state of commands (selection changed, ...).
    void CommandStateChanged();
    // A text object became current: its face name and size for the text toolbar.
    void TextFontShown(const QString& faceName, int size);
    // The view zoomed by itself (a photo placed at actual size, the wheel).
    void ZoomChanged(double factor);
    // A photo is to be placed on the Edit Center's page.
    void PhotoEditRequested(const QString& path);
    // A folder of that name was made directly under the pictures root (a new child's).
    void LibraryFolderAdded(const QString& name);
    // The tree is to select this folder (again): the center stayed on it after a question.
    void FolderSelectionRequested(const QString& folder);
};
