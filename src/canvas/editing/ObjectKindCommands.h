#pragma once

#include "canvas/objects/WrnDocument.h"
#include "commands/CommandTarget.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>

class CanvasModel;
class QWidget;

// What a kind's command may use of the canvas that runs it.
struct KindCommandContext
{
    QWidget* window = nullptr;   // parent of the kind's dialogs
    CanvasModel& model;          // changes go through Modify: one undo step each
    // Renders the whole page into a picture file; false, with *error when known, on failure.
    std::function<bool(const QString& path, QString* error)> renderPage;
};

// The tool, right-click menu and commands of a kind of page object, such as the calendar
// or the tuition statement. The kind's room registers it once; the canvas then places,
// offers and runs it without knowing it.
class ObjectKindCommands
{
public:
    virtual ~ObjectKindCommands() = default;

    virtual int Type() const = 0;            // the kind's ObjectType
    virtual int InsertCommand() const = 0;   // the tool that places some at the next click
    // The objects placed by a click at `at`; none when the user cancelled. `window` is the
    // parent of any dialog asked first.
    virtual ObjectList Place(const QPoint& at, QWidget* window) const = 0;

    virtual QString MenuName() const = 0;
    virtual QList<int> MenuCommands() const = 0;   // 0 stands for a separator
    // The title of the submenu holding `id` in the right-click menu, or empty.
    virtual QString SubmenuOf(int) const { return {}; }

    virtual bool Handles(int id) const = 0;
    virtual CommandState Update(int id, const PageObject* current) const = 0;
    virtual void Run(int id, PageObject& current, const KindCommandContext& canvas) = 0;
};

namespace ObjectKinds {

// The first registration of a type stays: a canvas may hold on to the kind whose tool is
// armed, so a later one is ignored.
void Register(std::unique_ptr<ObjectKindCommands> kind);
ObjectKindCommands* OfType(int type);
// The kind whose tool or command `id` is, or nullptr.
ObjectKindCommands* Owning(int id);

} // namespace ObjectKinds
