#include "LibraryTestKit.h"

#include "photos/view/LibraryTree.h"
#include "support/DialogTestKit.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QLineEdit>
#include <QDir>
#include <QDeadlineTimer>
#include <QImage>
#include <QThread>

LibraryTest::LibraryTest()
{
    MakeFolder(QStringLiteral("AAA"));
    MakeFolder(QStringLiteral("ZZZ"));
}

QString LibraryTest::WritePhoto(const QString& relative, const QColor& color,
                                const QSize& size) const
{
    const QString path = At(relative);
    QDir().mkpath(QFileInfo(path).path());
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    EXPECT_TRUE(image.save(path, "PNG")) << path.toStdString();
    return path;
}

void Settle()
{
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QLineEdit* OpenEditor(const QAbstractItemView& view)
{
    for (QLineEdit* editor : view.viewport()->findChildren<QLineEdit*>())
        if (editor->isVisible())
            return editor;
    return nullptr;
}

void EnterName(const QAbstractItemView& view, const QString& name)
{
    QLineEdit* editor = OpenEditor(view);
    ASSERT_NE(editor, nullptr);
    editor->setText(name);
    Type(editor, Qt::Key_Return);
    Settle();   // the editor commits on the next turn, and the rename follows
}

void RunEventsFor(int milliseconds)
{
    WaitUntil([deadline = QDeadlineTimer(milliseconds)] { return deadline.hasExpired(); });
}

bool WaitUntil(const std::function<bool()>& condition)
{
    const QDeadlineTimer deadline(10000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(10);
        Settle();
    }
    return true;
}

QStringList ChildTexts(const QTreeWidgetItem* item)
{
    QStringList texts;
    for (int i = 0; item && i < item->childCount(); ++i)
        texts.append(item->child(i)->text(0));
    return texts;
}

QTreeWidgetItem* ItemNamed(const LibraryTree& tree, const QString& text)
{
    const QList<QTreeWidgetItem*> found =
        tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
}
