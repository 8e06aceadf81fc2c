#pragma once

#include "commands/CenterIndex.h"
#include "commands/CommandTarget.h"
#include "app/CenterViewFactory.h"

#include <QHash>
#include <QMainWindow>
#include <array>

class ActionRegistry;
class CenterView;
struct ToolbarGroup;
class QComboBox;
class QFontComboBox;
class QStackedWidget;
class QToolBar;

// The center container: the eight center views, created once and kept, shown one at
// a time with their own toolbars. It routes the commands of those toolbars to the
// view that owns them.
class CenterStack : public QMainWindow, public CommandTarget
{
    Q_OBJECT

public:
    CenterStack(ActionRegistry& actions, const CenterViewFactory& factory, QWidget* parent);

    // Shows a center: its view, its toolbars; an index outside 1..7 is the start page.
    // False when the center shown asked and the user stays there.
    bool SwitchCenter(int index);
    Center::Index CurrentCenter() const { return m_currentCenter; }

    CenterView* View(Center::Index center) const { return m_views.at(center); }
    CenterView* CurrentView() const { return View(m_currentCenter); }
    QToolBar* Toolbar(int resourceId) const { return m_toolbars.value(resourceId, nullptr); }
    QList<int> ToolbarIds() const { return m_toolbars.keys(); }

    bool OnCommand(int id) override;
    CommandState UpdateCommand(int id) const override;

    // The font boxes of the drawing and text toolbar.
    QFontComboBox* FontNameBox() const { return m_fontName; }
    QComboBox* FontSizeBox() const { return m_fontSize; }
    // Shows a text object's font: the entries that match, or none.
    void ShowFont(const QString& faceName, int size);
    // The font the boxes hold, as the canvas reads it.
    QString FontNameText() const;
    int FontSizeValue() const;
    // Enables the font boxes as the canvas says.
    void UpdateFontBoxes();

Q_SIGNALS:
    // Emitted during a switch, after the view and its toolbars are shown, so the
    // frame can show its own parts for the center.
    void CenterSwitched(Center::Index center);

private:
    void CreateViews(const CenterViewFactory& factory);
    void CreateToolbars(ActionRegistry& actions);
    void AddFontBoxes(QToolBar* toolbar);
    void AttachShadowMenu(ActionRegistry& actions, QToolBar* toolbar);
    void AddGroupButton(ActionRegistry& actions, QToolBar* toolbar, const ToolbarGroup& group);

    std::array<CenterView*, Center::Count> m_views{};
    QStackedWidget* m_stack = nullptr;
    QHash<int, QToolBar*> m_toolbars;
    QFontComboBox* m_fontName = nullptr;
    QComboBox* m_fontSize = nullptr;
    Center::Index m_currentCenter = Center::StartPage;
};
