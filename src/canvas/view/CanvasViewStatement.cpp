// The tuition statement on the page: placing it, its Setting dialog and the picture
// made for the child's parents.
#include "canvas/view/CanvasView.h"

#include "commands/CommandIds.h"
#include "settings/ProgramState.h"
#include "photos/LibraryFiles.h"
#include "widgets/ModalRunner.h"
#include "platform/UserPrompt.h"
#include "records/RecordsDatabase.h"
#include "tuition/StatementObject.h"
#include "tuition/StatementFigures.h"
#include "tuition/view/StatementSettingsDialog.h"

#include <QDir>
#include <QFileInfo>

void CanvasView::InsertStatementAt(const QPoint& at)
{
    AddInsertedObject(std::make_unique<StatementObject>(
        PageRect{at.x(), at.y(), at.x() + StatementObject::kWidth,
                  at.y() + StatementObject::kHeight}));
}

bool CanvasView::RunStatementCommand(int id)
{
    auto* sheet = dynamic_cast<StatementObject*>(m_model.Current());
    if (!sheet)
        return false;
    if (id == Cmd::StatementSetting)
        EditStatementSetting(*sheet);
    else
        EmailStatementToParent(*sheet);
    Invalidate();
    Q_EMIT commandStateChanged();
    return true;
}

void CanvasView::EditStatementSetting(StatementObject& sheet)
{
    if (!ReportDatabaseErrors([&] { sheet.LoadChildNames(); }))
        return;
    StatementSettingsDialog dialog(sheet.m_childNames, sheet.m_strChildName, sheet.m_nYear,
                                sheet.m_nMonth, this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    m_model.Modify(sheet, [&](PageObject&) {
        sheet.Choose(dialog.ChildName(), dialog.Year(), dialog.Month());
        return true;
    });
}

void CanvasView::EmailStatementToParent(StatementObject& sheet)
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
    else if (!RenderToImageFile(path, false, &error) && error.isEmpty())
        error = QStringLiteral("The picture could not be written.");
    if (!error.isEmpty()) {
        Prompt().Error(QStringLiteral("The statement could not be saved as %1.\n%2")
                           .arg(QDir::toNativeSeparators(path), error));
        return;
    }
    OfferStatementToParent(path, sheet.ParentEmail());
}

void CanvasView::OfferStatementToParent(const QString& path, const QString& parentEmail)
{
    const QString recipient = parentEmail.trimmed().isEmpty()
                                ? QStringLiteral("No e-mail address is known for the parents.")
                                : QStringLiteral("It is for %1.").arg(parentEmail.trimmed());
    Prompt().Inform(QStringLiteral("The statement was saved as %1.\n%2")
                        .arg(QDir::toNativeSeparators(path), recipient));
}
