#pragma once

#include "commands/CenterIndex.h"
#include "commands/CommandTarget.h"
#include "app/CenterViewFactory.h"

#include <QHash>
#include <QMainWindow>
#include <array>

class ActionRegistry;
class CenterView;
class RecordsNotice;
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

    // While `notice` is set the records centers show it in place of their views, and
    // their commands are off: nothing looks like records one could type into. Returns
    // true when the center shown is a records center whose view has just come back, or
    // was just made, and is to read its records.
    bool ShowRecordsNotice(const QString& notice, bool offerRetry);
    // Whether `center` shows the notice now instead of its view.
    bool ShowsNotice(Center::Index center) const;
    RecordsNotice* Notice() const { return m_notice; }
    // Makes the records centers' views anew, so they read the records where they live
    // now; the center shown puts its new view in front, to read once the records are
    // known to be there (ShowRecordsNotice).
    void RenewRecordsViews();

Q_SIGNALS:
    // Emitted during a switch, after the view and its toolbars are shown, so the
    // frame can show its own parts for the center.
    void CenterSwitched(Center::Index center);
    // A view was made in place of another; the frame wires it as it did the first.
    void ViewCreated(CenterView* view);
    void RecordsRetryRequested();

private:
    void CreateViews();
    CenterView* CreateView(Center::Index center);
    // Puts the center's view, or the notice in its place, in front.
    void BringToFront(Center::Index center);
    void CreateToolbars(ActionRegistry& actions);
    void AddFontBoxes(QToolBar* toolbar);
    void AttachShadowMenu(ActionRegistry& actions, QToolBar* toolbar);
    void AddGroupButton(ActionRegistry& actions, QToolBar* toolbar, const ToolbarGroup& group);

    CenterViewFactory m_factory;
    std::array<CenterView*, Center::Count> m_views{};
    QStackedWidget* m_stack = nullptr;
    RecordsNotice* m_notice = nullptr;
    QString m_noticeText;
    bool m_viewsUnread = false;   // renewed records views not yet shown
    QHash<int, QToolBar*> m_toolbars;
    QFontComboBox* m_fontName = nullptr;
    QComboBox* m_fontSize = nullptr;
    Center::Index m_currentCenter = Center::StartPage;
};
