#pragma once

#include "commands/CommandTarget.h"
#include "widgets/CommandMenu.h"
#include "records/view/ChildFormBase.h"

#include <QKeySequence>

class DatePicker;
class QLineEdit;
class QMenu;

// The Child Center's enrollment form: a child's details and photo, added, edited and
// deleted with the commands of the Child Center and of its right-click menu "ChildInfo".
// Typing into a shown child edits it; typing into a form that shows none begins a new one.
class EnrollmentForm : public ChildFormBase, public CommandTarget
{
    Q_OBJECT

public:
    enum class Mode { None = 0, Adding = 1, Editing = 2, Deleted = 3 };

    explicit EnrollmentForm(QWidget* parent = nullptr);

    Mode EditMode() const { return m_mode; }
    // The values in the controls, as Save writes them.
    ChildInfo Values() const;

    // 33165 Add, 33166 Edit, 33167 Delete, and the program's Save.
    bool OnCommand(int id) override;
    CommandState UpdateCommand(int id) const override;
    // Writes the form: a new row when adding, the shown row when editing. A name that is
    // another enrolled child's is refused.
    void Save();

    // True while the form holds typing that is not saved.
    bool HasUnsavedChanges() const;
    // Before that typing would go (another child, another center, the program closing):
    // asks whether to save it. Yes saves, No puts the saved values back; false (Cancel,
    // or a save that did not happen) means the user stays on the child.
    bool QueryLeave();
    // Whether showing this folder would put another child into the form.
    bool ShowsAnotherChild(const QString& folderPath) const;
    // Ctrl+S on the Save button, while no other action of the window claims the key.
    void KeepSaveKey(bool keep);
    static QKeySequence SaveKey();

    // The menu's entries are the program's actions when it has them.
    void SetActionSource(CommandMenu::ActionSource source) { m_actionSource = std::move(source); }
    // The right-click menu, built afresh (tests read it).
    QMenu* BuildContextMenu();

Q_SIGNALS:
    void CommandStateChanged();
    // A new child's folder was made directly under the pictures root.
    void LibraryFolderAdded(const QString& name);
    // The form was cleared for a new child: the daily records shown are not theirs.
    void NewChildStarted();

protected:
    void ShowValues(const ChildInfo& child) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    DatePicker* AddDatePicker(const char* objectName, const QString& toolTip);
    void BuildLayout();

    void Add();
    void Edit();
    void Delete();
    void SetMode(Mode mode);
    // Puts values into the controls; they are what the form compares its typing with.
    void FillForm(const ChildInfo& child);
    void StartEditingOnTyping();
    void DropChanges();
    // Why a date being typed could not be taken; empty when both were.
    QString TakeTypedDates();
    // True (the user told why) when the name is another enrolled child's.
    bool RefuseSecondChild(const QString& name);
    QString UnsavedChildName() const;
    bool SaveNewChild(const ChildInfo& child);
    bool SaveShownChild(const ChildInfo& child);
    void MakeChildFolder(const QString& name);

    Mode m_mode = Mode::None;
    ChildInfo m_saved;      // the values last put into the form
    ChildInfo m_read;       // the shown child's row as it was read
    bool m_filling = false;  // the program, not the user, is changing the values
    CommandMenu::ActionSource m_actionSource;

    DatePicker* m_birthday = nullptr;
    DatePicker* m_enrollDate = nullptr;
    QLineEdit* m_immunisation = nullptr;
    QLineEdit* m_note = nullptr;
    QPushButton* m_save = nullptr;
};
