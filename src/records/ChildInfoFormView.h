#pragma once

#include "app/CommandTarget.h"
#include "frame/CommandMenu.h"
#include "records/ChildRecordFormView.h"

class CDatePicker;
class QLineEdit;
class QMenu;

// The Child Center's enrollment form: a child's details and photo, added, edited and
// deleted with the commands of the Child Center and of its right-click menu "ChildInfo".
class CChildInfoFormView : public CChildRecordFormView, public CCommandTarget
{
    Q_OBJECT

public:
    enum class Mode { None = 0, Adding = 1, Editing = 2, Deleted = 3 };

    explicit CChildInfoFormView(QWidget* parent = nullptr);

    Mode EditMode() const { return m_mode; }
    // The values in the controls, as Save writes them.
    CChildInfo Values() const;

    // 33165 Add, 33166 Edit, 33167 Delete.
    bool OnCommand(int id) override;
    CCommandState UpdateCommand(int id) const override;
    // Writes the form: a new row when adding, the shown row when editing.
    void Save();

    // The menu's entries are the program's actions when it has them.
    void SetActionSource(CommandMenu::CActionSource source) { m_actionSource = std::move(source); }
    // The right-click menu, built afresh (tests read it).
    QMenu* BuildContextMenu();

Q_SIGNALS:
    void commandStateChanged();
    // A new child's folder was made directly under the pictures root.
    void libraryFolderAdded(const QString& name);
    // The form was cleared for a new child: the daily records shown are not theirs.
    void newChildStarted();

protected:
    void ShowValues(const CChildInfo& child) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    CDatePicker* AddDatePicker(const char* objectName, const QString& toolTip);
    void BuildLayout();

    void Add();
    void Edit();
    void Delete();
    void SetMode(Mode mode);
    bool SaveNewChild(const CChildInfo& child);
    bool SaveShownChild(const CChildInfo& child);

    Mode m_mode = Mode::None;
    CommandMenu::CActionSource m_actionSource;

    CDatePicker* m_birthday = nullptr;
    CDatePicker* m_enrollDate = nullptr;
    QLineEdit* m_immunisation = nullptr;
    QLineEdit* m_note = nullptr;
    QPushButton* m_save = nullptr;
};
