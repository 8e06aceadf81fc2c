#include "canvas/editing/PageDocument.h"

#include "canvas/objects/CalendarSettings.h"
#include "platform/BusyCursor.h"
#include "platform/SettingsStore.h"
#include "platform/UserPrompt.h"
#include "settings/ProgramState.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr const char* kDocumentFilter = "WRN File (*.wrn)";

} // namespace

PageDocument::PageDocument(QObject* parent) : QObject(parent) {}

bool PageDocument::IsUntitled() const
{
    return m_title.compare(QLatin1String(kUntitled), Qt::CaseInsensitive) == 0;
}

void PageDocument::SetTitle(const QString& title)
{
    if (title == m_title)
        return;
    m_title = title;
    Q_EMIT TitleChanged(m_title);
}

void PageDocument::SetPath(const QString& path)
{
    m_path = path;
}

void PageDocument::SetModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    Q_EMIT ModifiedChanged(m_modified);
}

void PageDocument::ApplyPageSetup(const QSize& pageSize, const PageMargins& margins)
{
    if (!m_content)
        return;
    m_content->SetPageSize(pageSize);
    m_margins = margins;
    SetModified(true);
}

void PageDocument::Named(const QString& path)
{
    SetPath(path);
    SetTitle(QFileInfo(path).fileName());
    SetModified(false);
}

QString PageDocument::StartFolder() const
{
    const QString folder = m_content ? m_content->PhotoFolder() : QString();
    if (!folder.isEmpty())
        return folder;
    return QDir(Program().programDir).filePath(QStringLiteral("Pictures"));
}

void PageDocument::New()
{
    if (!m_content || !MaySetPageAside())
        return;
    m_content->ClearPage();
    m_margins = {};
    SetTitle(QString::fromLatin1(kUntitled));
    SetPath(QString());
    SetModified(false);
}

void PageDocument::Open()
{
    if (!m_content || !MaySetPageAside())
        return;
    const QString path = Prompt().ChooseFileToOpen(QStringLiteral("Open"), StartFolder(),
                                                   QString::fromLatin1(kDocumentFilter));
    if (!path.isEmpty() && ReadFrom(path))
        Named(path);
}

bool PageDocument::OpenFile(const QString& path)
{
    if (!m_content || !MaySetPageAside() || !ReadFrom(path))
        return false;
    Named(path);
    return true;
}

bool PageDocument::Save(bool askForName)
{
    if (!m_content)
        return false;
    QString path = m_path;
    if (askForName || IsUntitled() || path.isEmpty()) {
        const QString chosen = Prompt().ChooseFileToSave(
            QStringLiteral("Save As"), askForName ? QString() : StartFolder(),
            QString::fromLatin1(kDocumentFilter));
        if (chosen.isEmpty())
            return false;
        // A name typed with its extension keeps just the one.
        const bool hasExtension = chosen.endsWith(QStringLiteral(".wrn"), Qt::CaseInsensitive);
        path = hasExtension ? chosen : chosen + QStringLiteral(".wrn");
        if (!Prompt().MayReplaceAddedName(chosen, path))
            return false;
    }
    if (!WriteTo(path)) {
        Prompt().Error(QStringLiteral("The page could not be saved to %1.").arg(path));
        return false;
    }
    Named(path);
    NotifySaved(path);
    return true;
}

bool PageDocument::MaySetPageAside()
{
    if (!IsModified())
        return true;
    const auto answer =
        Prompt().AskYesNoCancel(QStringLiteral("Save changes to %1 ?").arg(Title()));
    if (answer == UserPrompt::Answer::Cancel)
        return false;
    return answer == UserPrompt::Answer::No || Save(false);
}

bool PageDocument::WriteTo(const QString& path) const
{
    if (!m_content)
        return false;
    const BusyCursor busy;
    WrnPage page;
    page.width = m_content->PageSize().width();
    page.height = m_content->PageSize().height();
    page.background = ToColorRef(Program().canvasBackground);
    page.margins = m_margins;
    return ::SaveDocument(path, page, m_content->PageObjects());
}

bool PageDocument::ReadFrom(const QString& path)
{
    if (!m_content)
        return false;
    const BusyCursor busy;
    DocumentReadOptions options;
    const CalendarSettings calendarSettings = CalendarSettings::Load(Settings());
    options.prepareCalendar = [&](CalendarObject& calendar) {
        calendarSettings.CopyInto(calendar);
    };
    std::optional<WrnDocument> document = ::LoadDocument(path, options);
    const QString name = QFileInfo(path).fileName();
    if (!document || document->Refused()) {
        // The page on screen stays as it was.
        Prompt().Error(document ? document->Problems(name)
                                : QStringLiteral("The page %1 could not be opened.").arg(path));
        return false;
    }
    std::optional<QSize> size;
    if (document->hasHeader) {
        size = QSize(document->page.width, document->page.height);
        m_margins = document->page.margins;
        Program().canvasBackground = ToQColor(document->page.background);
    }
    m_content->ShowDocument(std::move(document->objects), size);
    const QString problems = document->Problems(name);
    if (!problems.isEmpty())
        Prompt().Warn(problems);
    return true;
}
