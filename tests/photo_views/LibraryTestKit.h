#pragma once

#include "support/ScriptedPrompt.h"
#include "support/TempHome.h"

#include <QColor>
#include <QSize>
#include <gtest/gtest.h>

class QTreeWidgetItem;
class CMyTreeView;

// A photo library in a fresh application folder: Pictures with its AAA and ZZZ folders.
class LibraryTest : public ::testing::Test
{
protected:
    LibraryTest();

    QString Root() const { return m_home.FilePath(QStringLiteral("Pictures")); }
    // A path under the root; MakeFolder also creates it.
    QString At(const QString& relative) const;
    QString MakeFolder(const QString& relative) const;
    QString WritePhoto(const QString& relative, const QColor& color = Qt::red,
                       const QSize& size = QSize(64, 48)) const;
    QString WriteBytes(const QString& relative, const QByteArray& bytes) const;
    static QByteArray Bytes(const QString& path);
    // The names of a folder's entries, sorted.
    static QStringList Entries(const QString& folder);

    CScriptedPrompt& Prompt() const { return m_home.Prompt(); }

    CTempHome m_home;
};

// The texts of an item's children, in the order shown.
QStringList ChildTexts(const QTreeWidgetItem* item);
// The tree item with this text anywhere below the root.
QTreeWidgetItem* ItemNamed(const CMyTreeView& tree, const QString& text);
