#include "LibraryTestKit.h"

#include "commands/CommandIds.h"
#include "settings/SettingsKeys.h"
#include "canvas/editing/PageDocument.h"
#include "photos/view/LibraryTree.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QMenu>

namespace {

class LibraryTreeTest : public LibraryTest
{
protected:
    LibraryTreeTest()
    {
        m_tree.resize(300, 500);
        m_tree.SetDocument(&m_document);
        m_tree.show();
    }

    QTreeWidgetItem* RootItem() const { return m_tree.topLevelItem(0); }
    QTreeWidgetItem* Load()
    {
        m_tree.LoadRoot(Root());
        return RootItem();
    }
    void Select(const QString& text)
    {
        QTreeWidgetItem* item = ItemNamed(m_tree, text);
        ASSERT_NE(item, nullptr) << text.toStdString();
        m_tree.setCurrentItem(item);
    }
    void Run(const QString& text, int command) { Select(text); m_tree.OnCommand(command); }
    void Enter(const QString& name) { EnterName(m_tree, name); }
    // Renames the current item as typing a name into its editor would.
    void TypeName(int command, const QString& name)
    {
        m_tree.OnCommand(command);
        Enter(name);
    }

    PageDocument m_document;
    LibraryTree m_tree;
};

// The order is LibraryScan's; here, that the tree shows the scan with kinds and paths.
TEST_F(LibraryTreeTest, ScanShowsFoldersAndDocumentsOnlyAndASavedPageJoinsOnce)
{
    WriteBytes(QStringLiteral("AAA/Autumn.WRN"), "x");
    WritePhoto(QStringLiteral("AAA/photo.png"));
    MakeFolder(QStringLiteral("AAA/Crafts"));

    EXPECT_TRUE(Load()->isExpanded());
    EXPECT_EQ(ChildTexts(ItemNamed(m_tree, QStringLiteral("AAA"))),
              (QStringList{"Crafts", "Autumn"}));
    EXPECT_EQ(LibraryTree::PathOf(ItemNamed(m_tree, QStringLiteral("Autumn"))),
              At(QStringLiteral("AAA/Autumn.WRN")));

    // A saved page joins its folder once.
    QObject::connect(&m_document, &PageDocument::Saved, &m_tree, &LibraryTree::AddDocument);
    const QString page = WriteBytes(QStringLiteral("ZZZ/Calendar.wrn"), "x");
    m_document.NotifySaved(page);
    m_document.NotifySaved(page);
    m_document.NotifySaved(m_home.FilePath(QStringLiteral("elsewhere.wrn")));
    EXPECT_EQ(ChildTexts(ItemNamed(m_tree, QStringLiteral("ZZZ"))), QStringList{"Calendar"});
}

TEST_F(LibraryTreeTest, SelectingAFolderHandsItOverButNotTheRootAndSendsItsPhotos)
{
    WriteBytes(QStringLiteral("AAA/News.wrn"), "x");
    Load();
    QStringList selected;
    QObject::connect(&m_tree, &LibraryTree::FolderSelected,
                     [&](const QString& path) { selected.append(path); });
    Select(QStringLiteral("AAA"));
    Select(QStringLiteral("News"));
    m_tree.setCurrentItem(RootItem());
    EXPECT_EQ(selected, QStringList{At(QStringLiteral("AAA"))});
    // The document is the camera's target; the folder stays the centers' folder.
    EXPECT_EQ(m_tree.SelectedPath(), At(QStringLiteral("AAA/News.wrn")));
    EXPECT_EQ(m_tree.CurrentFolder(), At(QStringLiteral("AAA")));
    m_tree.OnCommand(Cmd::TreeRefreshSelection);
    EXPECT_EQ(selected.size(), 2);   // asked for again

    // Send Email asks for a folder's photos but never the class materials'.
    QStringList asked;
    QObject::connect(&m_tree, &LibraryTree::SendEmailRequested,
                     [&](const QString& path) { asked.append(path); });
    Select(QStringLiteral("AAA"));
    QMenu* menu = m_tree.BuildContextMenu(m_tree.currentItem());
    EXPECT_EQ(menu->actions().last()->text(), QStringLiteral("Send Email"));
    delete menu;
    for (const char* name : {"AAA", "ZZZ", "News"}) {
        Select(QString::fromLatin1(name));
        EXPECT_EQ(m_tree.UpdateCommand(Cmd::TreeSendEmail).enabled, asked.isEmpty()) << name;
        m_tree.OnCommand(Cmd::TreeSendEmail);
    }
    EXPECT_EQ(asked, QStringList{At(QStringLiteral("AAA"))});
}

TEST_F(LibraryTreeTest, NewFolderAndNewsletterCountersKeepWhatIsThere)
{
    WritePhoto(QStringLiteral("NewFolder_1/kept.png"));
    Load();
    ASSERT_NE(ItemNamed(m_tree, QStringLiteral("NewFolder_1")), nullptr);
    m_tree.setCurrentItem(RootItem());
    m_tree.OnCommand(Cmd::TreeAddFolder);
    // The folder was there: it keeps its one item and its photos; the new one counts on.
    EXPECT_EQ(ChildTexts(RootItem()).count(QStringLiteral("NewFolder_1")), 1);
    EXPECT_EQ(Entries(At(QStringLiteral("NewFolder_1"))), QStringList{"kept.png"});
    EXPECT_EQ(m_tree.CurrentFolder(), At(QStringLiteral("NewFolder_2")));

    Settle();
    Run(QStringLiteral("AAA"), Cmd::TreeAddFolder);
    // The new folder waits for its name.
    EXPECT_EQ(m_tree.CurrentFolder(), At(QStringLiteral("AAA/NewFolder_3")));
    Enter(QStringLiteral("Art"));
    EXPECT_EQ(Entries(At(QStringLiteral("AAA"))), QStringList{"Art"});
    EXPECT_EQ(ChildTexts(ItemNamed(m_tree, QStringLiteral("AAA"))), QStringList{"Art"});

    // A second run of the program counts from 1 again.
    LibraryTree again;
    again.LoadRoot(Root());
    again.setCurrentItem(ItemNamed(again, QStringLiteral("ZZZ")));
    again.OnCommand(Cmd::TreeAddFolder);
    EXPECT_TRUE(QFileInfo(At(QStringLiteral("ZZZ/NewFolder_1"))).isDir());

    // A new newsletter counts on and never truncates a page already there.
    WriteBytes(QStringLiteral("ZZZ/Untitled.wrn"), "our spring page");
    Load();
    Run(QStringLiteral("ZZZ"), Cmd::TreeAddNewsletter);
    m_tree.OnCommand(Cmd::TreeAddNewsletter);
    EXPECT_EQ(Bytes(At(QStringLiteral("ZZZ/Untitled.wrn"))), "our spring page");
    EXPECT_EQ(ChildTexts(ItemNamed(m_tree, QStringLiteral("ZZZ"))),
              (QStringList{"Untitled_3", "Untitled_2", "Untitled", "NewFolder_1"}));
    EXPECT_EQ(m_home.Settings().GetInt(QString::fromLatin1(SettingsKey::Setting),
                                       QString::fromLatin1(SettingsKey::DiagramIndex), -1),
              2);
}

TEST_F(LibraryTreeTest, RenamingDocumentsFoldersAndTheRoot)
{
    WriteBytes(QStringLiteral("AAA/Trip/News.wrn"), "page");
    Load();
    m_document.SetPath(At(QStringLiteral("AAA/Trip/News.wrn")));
    m_document.SetTitle(QStringLiteral("News.wrn"));

    Select(QStringLiteral("News"));
    TypeName(Cmd::TreeRenameDocument, QStringLiteral("Zoo"));
    // The item shows no extension, the file keeps it, and the open page follows.
    EXPECT_EQ(m_tree.currentItem()->text(0), QStringLiteral("Zoo"));
    EXPECT_EQ(Bytes(At(QStringLiteral("AAA/Trip/Zoo.wrn"))), "page");
    EXPECT_EQ(m_document.Path(), At(QStringLiteral("AAA/Trip/Zoo.wrn")));
    EXPECT_EQ(m_document.Title(), QStringLiteral("Zoo.wrn"));
    // Typed with its extension, it is still the one page file.
    TypeName(Cmd::TreeRenameDocument, QStringLiteral("Zoo.WRN"));
    EXPECT_EQ(m_tree.currentItem()->text(0), QStringLiteral("Zoo"));

    Select(QStringLiteral("AAA"));
    TypeName(Cmd::TreeRenameFolder, QStringLiteral("Class"));
    EXPECT_EQ(m_document.Path(), At(QStringLiteral("Class/Trip/Zoo.wrn")));

    // A name with a path separator, or one already taken, changes nothing; the message
    // leaves the editor closing safely (it crashed).
    Prompt().ShowAsModalWindows(true);
    TypeName(Cmd::TreeRenameFolder, QStringLiteral("../Out"));
    TypeName(Cmd::TreeRenameFolder, QStringLiteral("ZZZ"));
    EXPECT_EQ(Prompt().Texts().size(), 2);
    EXPECT_TRUE(QFileInfo(At(QStringLiteral("Class"))).isDir());
    EXPECT_EQ(m_tree.currentItem()->text(0), QStringLiteral("Class"));

    // The root only changes its label.
    m_tree.setCurrentItem(RootItem());
    TypeName(Cmd::TreeRenameFolder, QStringLiteral("Our photos"));
    EXPECT_EQ(RootItem()->text(0), QStringLiteral("Our photos"));
    EXPECT_TRUE(QFileInfo(Root()).isDir());
}

TEST_F(LibraryTreeTest, DeleteOnlyEmptyFoldersHideKeepsTheDisk)
{
    MakeFolder(QStringLiteral("Mia/Art"));
    WritePhoto(QStringLiteral("Sam/sam.png"));
    MakeFolder(QStringLiteral("Empty"));
    WriteBytes(QStringLiteral("AAA/News.wrn"), "x");
    Load();
    const QString refusal = QStringLiteral("Please delete photos or child folders first");

    Run(QStringLiteral("Mia"), Cmd::TreeDeleteFolder);
    Select(QStringLiteral("Sam"));   // a photo is not an item, but it counts
    m_tree.OnCommand(Cmd::TreeDeleteFolder);
    EXPECT_EQ(Prompt().Texts(), (QStringList{refusal, refusal}));
    EXPECT_TRUE(QFileInfo(At(QStringLiteral("Sam/sam.png"))).isFile());

    Run(QStringLiteral("Empty"), Cmd::TreeDeleteFolder);
    EXPECT_FALSE(QFileInfo::exists(At(QStringLiteral("Empty"))));
    EXPECT_EQ(ItemNamed(m_tree, QStringLiteral("Empty")), nullptr);

    Run(QStringLiteral("Mia"), Cmd::TreeHideFolder);
    EXPECT_EQ(ItemNamed(m_tree, QStringLiteral("Art")), nullptr);
    EXPECT_TRUE(QFileInfo(At(QStringLiteral("Mia/Art"))).isDir());
    Load();
    EXPECT_NE(ItemNamed(m_tree, QStringLiteral("Art")), nullptr);

    Run(QStringLiteral("News"), Cmd::TreeDeleteDocument);
    EXPECT_FALSE(QFileInfo::exists(At(QStringLiteral("AAA/News.wrn"))));
    EXPECT_EQ(ItemNamed(m_tree, QStringLiteral("News")), nullptr);
}

TEST_F(LibraryTreeTest, ImportListsTheNewPhotosAndExportNeverMergesIntoAFolder)
{
    const QString camera = m_home.FilePath(QStringLiteral("camera"));
    QDir().mkpath(camera);
    WritePhoto(QStringLiteral("AAA/IMG_1.png"), Qt::blue);
    const QString newer = camera + QStringLiteral("/IMG_1.png");
    const QString fresh = camera + QStringLiteral("/IMG_2.png");
    QImage(8, 8, QImage::Format_RGB32).save(newer);
    QImage(8, 8, QImage::Format_RGB32).save(fresh);
    Load();
    Select(QStringLiteral("AAA"));
    int selected = 0;
    QObject::connect(&m_tree, &LibraryTree::FolderSelected, [&] { ++selected; });
    Prompt().QueueFiles({newer, fresh});
    m_tree.OnCommand(Cmd::TreeImportPhotos);
    EXPECT_TRUE(QFileInfo(At(QStringLiteral("AAA/IMG_2.png"))).isFile());
    EXPECT_EQ(selected, 1);   // the views list the new photos

    const QString usb = m_home.FilePath(QStringLiteral("usb"));
    QDir().mkpath(usb + QStringLiteral("/AAA"));
    Prompt().QueueFolder(usb);
    m_tree.OnCommand(Cmd::TreeExportPhotos);
    EXPECT_TRUE(Entries(usb + QStringLiteral("/AAA")).isEmpty());
    EXPECT_EQ(Prompt().Texts().size(), 1);

    QDir(usb + QStringLiteral("/AAA")).removeRecursively();
    Prompt().QueueFolder(usb);
    m_tree.OnCommand(Cmd::TreeExportPhotos);
    EXPECT_EQ(Entries(usb + QStringLiteral("/AAA")), (QStringList{"IMG_1.png", "IMG_2.png"}));
}

TEST_F(LibraryTreeTest, DropsMovePhotosAndDocumentsOnlyOntoOtherFolders)
{
    const QString photo = WritePhoto(QStringLiteral("AAA/IMG_1.png"), Qt::green);
    const QByteArray content = Bytes(photo);
    WriteBytes(QStringLiteral("AAA/News.wrn"), "page");
    MakeFolder(QStringLiteral("Mia"));
    WritePhoto(QStringLiteral("Sam/IMG_1.png"), Qt::blue);
    Load();
    const auto pointOn = [&](const QString& name) {
        QTreeWidgetItem* item = ItemNamed(m_tree, name);
        return m_tree.viewport()->mapToGlobal(m_tree.visualItemRect(item).center());
    };

    // On a document, on the root, on empty space, on its own folder: nothing moves.
    EXPECT_FALSE(m_tree.DropPhoto(photo, pointOn(QStringLiteral("News"))));
    EXPECT_FALSE(m_tree.DropPhoto(photo, pointOn(QStringLiteral("Pictures"))));
    EXPECT_FALSE(m_tree.DropPhoto(photo, pointOn(QStringLiteral("AAA"))));
    EXPECT_EQ(Bytes(photo), content);

    // A photo of the same name in the target is replaced only when the user says so.
    EXPECT_FALSE(m_tree.DropPhoto(photo, pointOn(QStringLiteral("Sam"))));
    EXPECT_EQ(Bytes(photo), content);
    EXPECT_TRUE(m_tree.DropPhoto(photo, pointOn(QStringLiteral("Mia"))));
    EXPECT_FALSE(QFileInfo::exists(photo));
    EXPECT_EQ(Bytes(At(QStringLiteral("Mia/IMG_1.png"))), content);

    m_document.SetPath(At(QStringLiteral("AAA/News.wrn")));
    EXPECT_TRUE(m_tree.DropDocument(ItemNamed(m_tree, QStringLiteral("News")),
                                    ItemNamed(m_tree, QStringLiteral("Mia"))));
    EXPECT_EQ(Bytes(At(QStringLiteral("Mia/News.wrn"))), "page");
    EXPECT_EQ(ChildTexts(ItemNamed(m_tree, QStringLiteral("Mia"))), QStringList{"News"});
    EXPECT_EQ(m_document.Path(), At(QStringLiteral("Mia/News.wrn")));
}

TEST_F(LibraryTreeTest, FoldersAndPagesMadeOrRemovedOutsideFollow)
{
    MakeFolder(QStringLiteral("Class 10"));
    MakeFolder(QStringLiteral("Hidden"));
    MakeFolder(QStringLiteral("Gone"));
    MakeFolder(QStringLiteral("ZZZ/Stickers"));
    QTreeWidgetItem* root = Load();
    ItemNamed(m_tree, QStringLiteral("ZZZ"))->setExpanded(true);
    EXPECT_EQ(ChildTexts(root), (QStringList{"AAA", "Class 10", "Gone", "Hidden", "ZZZ"}));
    Run(QStringLiteral("Hidden"), Cmd::TreeHideFolder);
    Select(QStringLiteral("Gone"));
    QStringList selected;
    QObject::connect(&m_tree, &LibraryTree::FolderSelected,
                     [&](const QString& path) { selected.append(path); });

    MakeFolder(QStringLiteral("Class 2/Trip"));
    WriteBytes(QStringLiteral("AAA/News.wrn"), "page");
    WriteBytes(QStringLiteral("Hidden/News.wrn"), "page");
    QDir(At(QStringLiteral("Gone"))).removeRecursively();
    ASSERT_TRUE(WaitUntil([&] {
        return ChildTexts(root) == QStringList{"AAA", "Class 2", "Class 10", "ZZZ"}
               && ChildTexts(ItemNamed(m_tree, QStringLiteral("AAA"))) == QStringList{"News"};
    }));
    EXPECT_EQ(ChildTexts(ItemNamed(m_tree, QStringLiteral("Class 2"))), QStringList{"Trip"});
    EXPECT_TRUE(ItemNamed(m_tree, QStringLiteral("ZZZ"))->isExpanded());
    // The selection left the vanished folder for the root, never for a neighbour.
    EXPECT_EQ(m_tree.currentItem(), root);
    EXPECT_TRUE(selected.isEmpty());

    // A name being typed is not swept away; the tree follows once it is entered.
    Run(QStringLiteral("Class 10"), Cmd::TreeRenameFolder);
    QDir(At(QStringLiteral("Class 2"))).removeRecursively();
    RunEventsFor(1000);
    ASSERT_NE(OpenEditor(m_tree), nullptr);
    Enter(QStringLiteral("Class 3"));
    ASSERT_TRUE(WaitUntil([&] { return ChildTexts(root) == QStringList{"AAA", "Class 3", "ZZZ"}; }));
    EXPECT_EQ(m_tree.CurrentFolder(), At(QStringLiteral("Class 3")));
}

} // namespace
