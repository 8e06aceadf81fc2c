// The page editor with a composed page: selected, editing a text in place, and zoomed.
#include "Pictures.h"

#include "commands/CommandIds.h"
#include "canvas/editing/PageDocument.h"
#include "canvas/objects/ShapeObject.h"
#include "canvas/view/InPlaceTextEditor.h"
#include "canvas/view/CanvasView.h"
#include "widgets/ModalRunner.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextEdit>

namespace {

void Mouse(QWidget* port, QEvent::Type type, QPoint at, Qt::MouseButton button,
           Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), port->mapToGlobal(QPointF(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(port, &event);
}

void Drag(QWidget* port, QPoint from, QPoint to)
{
    Mouse(port, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    Mouse(port, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    Mouse(port, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    Mouse(port, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

void Click(QWidget* port, QPoint at)
{
    Mouse(port, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    Mouse(port, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

bool Grab(QWidget& widget, const QDir& folder, const QString& name)
{
    return widget.grab().save(folder.filePath(name + QStringLiteral(".png")));
}

} // namespace

bool WriteCanvasViewPictures(const QDir& folder, const QString& photo)
{
    PageDocument document;
    CanvasView view;
    view.SetDocument(&document);
    view.setFrameShape(QFrame::NoFrame);
    view.resize(880, 800);
    view.show();
    QWidget* port = view.viewport();
    bool written = true;

    view.EditPhoto(photo);
    auto shape = std::make_unique<ShapeObject>(PageRect{60, 320, 260, 420}, 2, 1, 0,
                                               Rgb(0, 0, 0), Rgb(250, 200, 60));
    shape->m_bFill = 1;
    shape->m_nFillType = FillType::Solid;
    view.Model().Objects().push_back(std::move(shape));

    const ModalHook previous = SetModalHook([&](QDialog& dialog) {
        dialog.show();
        written &= Grab(dialog, folder, QStringLiteral("dialog-star-points"));
        dialog.accept();
        return dialog.result();
    });
    view.OnCommand(Cmd::ToolStars);
    Drag(port, {320, 330}, {440, 450});
    SetModalHook([](QDialog& dialog) {
        dialog.findChild<QTextEdit*>(QStringLiteral("text"))
            ->setPlainText(QStringLiteral("Spring newsletter"));
        dialog.accept();
        return dialog.result();
    });
    view.OnCommand(Cmd::InsertText);
    Click(port, {60, 40});
    SetModalHook(previous);

    Drag(port, {5, 300}, {470, 470});
    written &= Grab(view, folder, QStringLiteral("canvas"));
    Mouse(port, QEvent::MouseButtonDblClick, {80, 60}, Qt::LeftButton, Qt::LeftButton);
    written &= Grab(view, folder, QStringLiteral("canvas-editing-text"));
    if (InPlaceTextEditor* editor = view.Editor()) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(editor, &escape);
    }
    view.OnCommand(Cmd::CanvasZoomIn);
    written &= Grab(view, folder, QStringLiteral("canvas-zoomed"));
    document.SetModified(false);
    return written;
}
