#pragma once

#include <QObject>
#include <QString>

// The one document of the program: the page open in the Edit Center.
class PageDocument : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* kUntitled = "Untitled";

    explicit PageDocument(QObject* parent = nullptr);

    QString Title() const { return m_title; }
    QString Path() const { return m_path; }
    bool IsModified() const { return m_modified; }
    // True while the page has never been saved under a name of its own.
    bool IsUntitled() const;

    void SetTitle(const QString& title);
    void SetPath(const QString& path);
    void SetModified(bool modified);
    // The page was written to `path`.
    void NotifySaved(const QString& path) { Q_EMIT saved(path); }

Q_SIGNALS:
    void titleChanged(const QString& title);
    void modifiedChanged(bool modified);
    void saved(const QString& path);

private:
    QString m_title = QString::fromLatin1(kUntitled);
    QString m_path;
    bool m_modified = false;
};
