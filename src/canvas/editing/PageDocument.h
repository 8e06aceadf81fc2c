#pragma once

#include "canvas/objects/WrnDocument.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <optional>

// The page on screen, as the document reads it and writes it.
class PageContent
{
public:
    virtual ~PageContent() = default;

    virtual QSize PageSize() const = 0;
    virtual void SetPageSize(const QSize& size) = 0;
    virtual const ObjectList& PageObjects() const = 0;
    // The objects of a document read, and its page size when the file gave one, with a
    // fresh history.
    virtual void ShowDocument(ObjectList objects, std::optional<QSize> pageSize) = 0;
    // An empty page for a new document; the clipboard stays.
    virtual void ClearPage() = 0;
    // The library folder last chosen, or empty; the file dialogs start there.
    virtual QString PhotoFolder() const = 0;
};

// The one document of the program: the page open in the Edit Center. It knows its path,
// title and whether it changed, and it opens, saves and asks about unsaved changes.
class PageDocument : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* kUntitled = "Untitled";

    explicit PageDocument(QObject* parent = nullptr);

    void SetContent(PageContent* content) { m_content = content; }

    QString Title() const { return m_title; }
    QString Path() const { return m_path; }
    bool IsModified() const { return m_modified; }
    // The paper's margins around the page, kept in the file's header.
    PageMargins Margins() const { return m_margins; }
    // The page size and margins chosen in Page Setup: a change to the document.
    void ApplyPageSetup(const QSize& pageSize, const PageMargins& margins);
    // True while the page has never been saved under a name of its own.
    bool IsUntitled() const;

    void SetTitle(const QString& title);
    void SetPath(const QString& path);
    void SetModified(bool modified);
    // The page was written to `path`.
    void NotifySaved(const QString& path) { Q_EMIT Saved(path); }

    // The file commands. Each asks about unsaved changes first where the page would be
    // set aside; false when the user cancelled or the file could not be read or written
    // (the user is told why).
    void New();
    void Open();
    bool OpenFile(const QString& path);
    bool Save(bool askForName);
    // The question about unsaved changes: false when the user cancelled (or the save did).
    bool MaySetPageAside();

    // Writing and reading without questions. Reading says what is wrong with a file; one
    // that cannot be read leaves the page as it was.
    bool WriteTo(const QString& path) const;
    bool ReadFrom(const QString& path);

Q_SIGNALS:
    void TitleChanged(const QString& title);
    void ModifiedChanged(bool modified);
    void Saved(const QString& path);

private:
    QString StartFolder() const;
    void Named(const QString& path);

    PageContent* m_content = nullptr;
    QString m_title = QString::fromLatin1(kUntitled);
    QString m_path;
    bool m_modified = false;
    PageMargins m_margins;
};
