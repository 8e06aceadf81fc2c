#include "reports/view/ReportsCenterView.h"

#include "commands/CommandIds.h"
#include "commands/ZoomSlider.h"
#include "mail/MailMessage.h"
#include "parentmail/ParentAddresses.h"
#include "platform/BusyCursor.h"
#include "platform/UserPrompt.h"
#include "reports/MonthReport.h"
#include "reports/ReportFiles.h"
#include "reports/view/ReportPages.h"
#include "settings/ProgramState.h"
#include "widgets/ActionRegistry.h"
#include "widgets/PagePrinter.h"
#include "widgets/SendEmailDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// The folder directly under the pictures root that holds `folder`: a child's folder
// stands for the child, and so do the folders inside it.
QString TopFolderName(const QString& folder)
{
    const QString root = Program().picturesRoot;
    if (root.isEmpty() || folder.isEmpty())
        return {};
    const QString relative = QDir(root).relativeFilePath(QFileInfo(folder).absoluteFilePath());
    if (relative.isEmpty() || relative == QLatin1String(".") || relative.startsWith(QLatin1String("..")))
        return {};
    return relative.section(QLatin1Char('/'), 0, 0);
}

} // namespace

ReportsCenterView::ReportsCenterView(QWidget* parent)
    : CenterView(parent), m_report(std::make_unique<MonthReport>()),
      m_printer(std::make_unique<PagePrinter>(*this))
{
    setObjectName(QStringLiteral("reportsCenter"));
    m_title = new QLabel;
    m_title->setObjectName(QStringLiteral("reportTitle"));
    QFont font = m_title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    m_title->setFont(font);
    m_title->setContentsMargins(8, 6, 8, 6);

    m_pages = new ReportPages(*m_report);
    m_scroll = new QScrollArea;
    m_scroll->setObjectName(QStringLiteral("reportScroll"));
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setWidget(m_pages);
    m_pages->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_pages, &QWidget::customContextMenuRequested, this,
            &ReportsCenterView::ShowContextMenu);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_title);
    layout->addWidget(m_scroll, 1);
    Reload();
}

ReportsCenterView::~ReportsCenterView() = default;

void ReportsCenterView::Attach(PageDocument&, ActionRegistry& actions)
{
    m_actionSource = [&actions](int id) { return actions.Action(id); };
}

void ReportsCenterView::ShowContextMenu(const QPoint& at)
{
    using namespace Cmd;
    QMenu* menu = CommandMenu::Build(QStringLiteral("Report"),
                                     {ReportStatement, ReportTuitionList, ReportStaff, 0,
                                      ReportPreviousMonth, ReportNextMonth, 0, ReportEmail,
                                      FilePrint, FilePrintPreview, FileExportPdf},
                                     this, m_actionSource, *this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(m_pages->mapToGlobal(at));
}

void ReportsCenterView::Reload()
{
    m_report->Load();
    m_pages->Refresh();
    m_title->setText(m_report->Title());
    Q_EMIT InfoTextChanged(InfoText());
    Q_EMIT CommandStateChanged();
}

QString ReportsCenterView::InfoText() const
{
    const int pages = m_report->PageCount();
    return pages > 1 ? QStringLiteral("%1 (%2 pages)").arg(m_report->Title()).arg(pages)
                     : m_report->Title();
}

std::optional<double> ReportsCenterView::ZoomFactor() const
{
    return m_pages->Zoom();
}

void ReportsCenterView::ZoomFromSlider(int position)
{
    m_pages->SetZoom(ZoomSlider::PageZoomAt(position));
}

void ReportsCenterView::OnCenterShown()
{
    // The records may have changed in another center meanwhile.
    Reload();
}

void ReportsCenterView::ShowFolder(const QString& folder)
{
    const QString name = TopFolderName(folder);
    if (name.isEmpty() || name == m_report->Child())
        return;
    m_report->SetChild(name);
    if (m_report->Kind() == ReportKind::Statement)
        Reload();
}

void ReportsCenterView::ShowFolderOnArrival(const QString& folder)
{
    ShowFolder(folder);
}

bool ReportsCenterView::CanOutput() const
{
    return m_report->ReadProblem().isEmpty()
        && (m_report->Kind() != ReportKind::Statement || m_report->HasChild());
}

bool ReportsCenterView::OnCommand(int id)
{
    switch (id) {
    case Cmd::ReportStatement: m_report->SetKind(ReportKind::Statement); break;
    case Cmd::ReportTuitionList: m_report->SetKind(ReportKind::TuitionList); break;
    case Cmd::ReportStaff: m_report->SetKind(ReportKind::Staff); break;
    case Cmd::ReportPreviousMonth: m_report->SetMonth(TimeSheet::Previous(m_report->Month())); break;
    case Cmd::ReportNextMonth: m_report->SetMonth(TimeSheet::Next(m_report->Month())); break;
    case Cmd::ListZoomIn: m_pages->SetZoom(ZoomSlider::FactorIn(m_pages->Zoom())); return true;
    case Cmd::ListZoomOut: m_pages->SetZoom(ZoomSlider::FactorOut(m_pages->Zoom())); return true;
    case Cmd::ListActualSize: m_pages->SetZoom(1.0); return true;
    case Cmd::ReportEmail:
        if (CanOutput())
            Email();
        return true;
    case Cmd::FileExportPdf:
        if (!CanOutput())
            return true;
        if (const auto files = ExportFiles())
            Q_EMIT InfoTextChanged(
                QStringLiteral("PDF written: %1 (picture: %2)").arg(files->pdf, files->png));
        return true;
    case Cmd::FilePrint:
    case Cmd::FilePrintPreview: {
        if (!CanOutput())
            return true;
        const PrintedPages pages{QSizeF(MonthReport::kPageSize), m_report->PageCount(),
                                 [this](QPainter& painter, int index) {
                                     m_report->PaintPage(painter, index);
                                 }};
        if (id == Cmd::FilePrint)
            m_printer->Print(pages, m_report->ExportBaseName());
        else
            m_printer->Preview(pages, m_report->ExportBaseName());
        return true;
    }
    default: return false;
    }
    Reload();
    return true;
}

CommandState ReportsCenterView::UpdateCommand(int id) const
{
    const ReportKind kind = m_report->Kind();
    switch (id) {
    case Cmd::ReportStatement: return CommandState::Checked(true, kind == ReportKind::Statement);
    case Cmd::ReportTuitionList:
        return CommandState::Checked(true, kind == ReportKind::TuitionList);
    case Cmd::ReportStaff: return CommandState::Checked(true, kind == ReportKind::Staff);
    case Cmd::ReportPreviousMonth:
    case Cmd::ReportNextMonth:
    case Cmd::ListZoomIn:
    case Cmd::ListZoomOut:
    case Cmd::ListActualSize: return CommandState::Enabled(true);
    case Cmd::ReportEmail:
    case Cmd::FileExportPdf:
    case Cmd::FilePrint: return CommandState::Enabled(CanOutput());
    case Cmd::FilePrintPreview: return CommandState::Enabled(CanOutput() && !m_printer->IsPreviewing());
    default: return {};
    }
}

std::optional<ReportFiles::Files> ReportsCenterView::ExportFiles()
{
    if (const QString problem = ReportFiles::NameProblem(*m_report); !problem.isEmpty()) {
        Prompt().Error(problem);
        return std::nullopt;
    }
    const ReportFiles::Files files = ReportFiles::InFolder(*m_report, Program().programDir);
    QString error;
    const BusyCursor busy;
    if (!ReportFiles::Export(*m_report, files, &error)) {
        Prompt().Error(error);
        return std::nullopt;
    }
    return files;
}

void ReportsCenterView::Email()
{
    // Nothing is offered for sending without its attachment.
    const auto files = ExportFiles();
    if (!files)
        return;
    MailMessage message;
    message.to = m_report->Recipients();
    message.subject = Program().email.subject;
    message.attachments = {files->pdf};
    SendEmailDialog::Run(ParentMail::AccountOf(Program().email), message, this);
}
