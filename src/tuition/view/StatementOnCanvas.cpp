// The tuition statement on the page: placing it, its Setting dialog and the picture
// made for the child's parents.
#include "tuition/view/StatementOnCanvas.h"

#include "canvas/editing/CanvasModel.h"
#include "canvas/editing/ObjectKindCommands.h"
#include "commands/CommandIds.h"
#include "photos/LibraryFiles.h"
#include "platform/UserPrompt.h"
#include "records/RecordsDatabase.h"
#include "settings/ProgramState.h"
#include "tuition/StatementFigures.h"
#include "tuition/StatementObject.h"
#include "tuition/view/StatementSettingsDialog.h"
#include "widgets/ModalRunner.h"
#include "widgets/SendEmailDialog.h"
#include "parentmail/ParentAddresses.h"

#include <QDir>
#include <QFileInfo>

namespace {

void EditSetting(StatementObject& sheet, const KindCommandContext& canvas)
{
    if (!ReportDatabaseErrors([&] { sheet.LoadChildNames(); }))
        return;
    StatementSettingsDialog dialog(sheet.m_childNames, sheet.m_strChildName, sheet.m_nYear,
                                   sheet.m_nMonth, canvas.window);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    canvas.model.Modify(sheet, [&](PageObject&) {
        sheet.Choose(dialog.ChildName(), dialog.Year(), dialog.Month());
        return true;
    });
}

// The statement's picture goes to the child's parents through the send dialog.
void OfferToParent(const QString& path, const QString& parentEmail, QWidget* window)
{
    MailMessage message;
    message.to = parentEmail;
    message.subject = QStringLiteral("Tuition Statement");
    message.text = QStringLiteral("Email from childcare center");
    message.attachments = {path};
    SendEmailDialog::Run(ParentMail::AccountOf(Program().email), message, window);
}

void EmailToParent(StatementObject& sheet, const KindCommandContext& canvas)
{
    // The child's name becomes part of a file name.
    if (const QString problem = LibraryFiles::NameProblem(sheet.m_strChildName);
        !problem.isEmpty()) {
        Prompt().Error(problem);
        return;
    }
    const QString path = TuitionStatement::FilePath(Program().programDir, sheet.m_strChildName,
                                                    sheet.m_nMonth, sheet.m_nYear);
    const QString folder = QFileInfo(path).absolutePath();
    QString error;
    if (!QDir().mkpath(folder))
        error = QStringLiteral("The folder %1 could not be made.")
                    .arg(QDir::toNativeSeparators(folder));
    else if (!canvas.renderPage(path, &error) && error.isEmpty())
        error = QStringLiteral("The picture could not be written.");
    if (!error.isEmpty()) {
        Prompt().Error(QStringLiteral("The statement could not be saved as %1.\n%2")
                           .arg(QDir::toNativeSeparators(path), error));
        return;
    }
    OfferToParent(path, sheet.ParentEmail(), canvas.window);
}

class StatementCommands : public ObjectKindCommands
{
public:
    int Type() const override { return ObjectType::Statement; }
    int InsertCommand() const override { return Cmd::InsertTuitionSheet; }

    ObjectList Place(const QPoint& at, QWidget*) const override
    {
        ObjectList placed;
        placed.push_back(std::make_unique<StatementObject>(
            PageRect{at.x(), at.y(), at.x() + StatementObject::kWidth,
                     at.y() + StatementObject::kHeight}));
        return placed;
    }

    QString MenuName() const override { return QStringLiteral("Tuition Statement"); }
    QList<int> MenuCommands() const override
    {
        using namespace Cmd;
        return {StatementSetting, StatementEmail, 0, FilePrint, FileExportPdf, SaveAsImage, 0,
                DeleteObjects};
    }

    bool Handles(int id) const override
    {
        return id == Cmd::StatementSetting || id == Cmd::StatementEmail;
    }

    CommandState Update(int id, const PageObject* current) const override
    {
        const auto* sheet = dynamic_cast<const StatementObject*>(current);
        if (id == Cmd::StatementEmail)
            return CommandState::Enabled(sheet && sheet->HasChild());
        return CommandState::Enabled(sheet != nullptr);
    }

    void Run(int id, PageObject& current, const KindCommandContext& canvas) override
    {
        auto* sheet = dynamic_cast<StatementObject*>(&current);
        if (!sheet)
            return;
        if (id == Cmd::StatementSetting)
            EditSetting(*sheet, canvas);
        else
            EmailToParent(*sheet, canvas);
    }
};

} // namespace

void RegisterStatementOnCanvas()
{
    ObjectKinds::Register(std::make_unique<StatementCommands>());
}
