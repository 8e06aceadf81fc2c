#pragma once

#include "photos/LibraryFolder.h"
#include "support/ScopedEnvironment.h"
#include "support/ScriptedPrompt.h"
#include "support/TempHome.h"

#include <QColor>
#include <QFile>
#include <QSize>
#include <functional>
#include <gtest/gtest.h>

class QAbstractItemView;
class QLineEdit;
class QTreeWidgetItem;
class LibraryTree;

// A photo library in a fresh application folder: Pictures with its AAA and ZZZ folders,
// and a wastebasket of its own.
class LibraryTest : public ::testing::Test
{
protected:
    LibraryTest();

    QString Root() const { return m_library.Path(); }
    // A path under the root; MakeFolder also creates it.
    QString At(const QString& relative) const { return m_library.Path(relative); }
    QString MakeFolder(const QString& relative) const { return m_library.MakeFolder(relative); }
    QString WritePhoto(const QString& relative, const QColor& color = Qt::red,
                       const QSize& size = QSize(64, 48)) const;
    QString WriteBytes(const QString& relative, const QByteArray& bytes) const
    {
        return m_library.Write(relative, bytes);
    }
    QByteArray Bytes(const QString& path) const { return m_library.Read(path); }
    // The names of a folder's entries, sorted.
    QStringList Entries(const QString& folder) const { return m_library.Entries(folder); }

    // The names of the files in the wastebasket.
    QStringList Trashed() const { return Entries(m_home.FilePath(QStringLiteral("data/Trash/files"))); }

    ScriptedPrompt& Prompt() const { return m_home.Prompt(); }

    TempHome m_home;
    const LibraryFolder m_library{m_home.FilePath(QStringLiteral("Pictures"))};
    const ScopedEnvironment m_userHome{"HOME", QFile::encodeName(m_home.Path())};
    const ScopedEnvironment m_dataHome{"XDG_DATA_HOME",
                                        QFile::encodeName(m_home.FilePath(QStringLiteral("data")))};
};

// Runs queued calls and deferred deletions until none are left: an editor's commit, the
// rename it hands on, the editor's deletion.
void Settle();
// The name editor open in a list or tree; closed ones may linger until deleted.
QLineEdit* OpenEditor(const QAbstractItemView& view);
// Types a name into the open editor of the view, enters it and lets the rename follow.
void EnterName(const QAbstractItemView& view, const QString& name);
// Runs events for a while, so that anything due in that time happens.
void RunEventsFor(int milliseconds);
// Waits until the condition holds, running events meanwhile (changes on disk arrive
// from the system); false when it never does.
bool WaitUntil(const std::function<bool()>& condition);

// The texts of an item's children, in the order shown.
QStringList ChildTexts(const QTreeWidgetItem* item);
// The tree item with this text anywhere below the root.
QTreeWidgetItem* ItemNamed(const LibraryTree& tree, const QString& text);
