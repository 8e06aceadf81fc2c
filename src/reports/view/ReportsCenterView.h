#pragma once

#include "reports/ReportFiles.h"
#include "widgets/CenterView.h"
#include "widgets/CommandMenu.h"

#include <memory>

class MonthReport;
class PagePrinter;
class QLabel;
class QScrollArea;
class ReportPages;

// The Reports center: one monthly report at a time (a child's tuition statement, the
// tuition list or the staff report), stepped through the months, printed, exported and
// mailed. The statement is of the child whose folder the photo tree selects.
class ReportsCenterView : public CenterView
{
    Q_OBJECT

public:
    explicit ReportsCenterView(QWidget* parent = nullptr);
    ~ReportsCenterView() override;

    void Attach(PageDocument& document, ActionRegistry& actions) override;
    bool OnCommand(int id) override;
    CommandState UpdateCommand(int id) const override;
    void OnCenterShown() override;
    void ShowFolder(const QString& folder) override;
    void ShowFolderOnArrival(const QString& folder) override;
    QString InfoText() const override;
    std::optional<double> ZoomFactor() const override;
    void ZoomFromSlider(int position) override;

    MonthReport& Report() const { return *m_report; }
    ReportPages* Pages() const { return m_pages; }

private:
    // Reads the report again and shows it.
    void Reload();
    void Email();
    // Writes the report's picture and PDF into the application folder; a failure is said
    // and gives nothing.
    std::optional<ReportFiles::Files> ExportFiles();
    bool CanOutput() const;

    // The report's commands and the File menu's output commands, on a right click.
    void ShowContextMenu(const QPoint& at);

    std::unique_ptr<MonthReport> m_report;
    CommandMenu::ActionSource m_actionSource;
    std::unique_ptr<PagePrinter> m_printer;
    QLabel* m_title = nullptr;
    QScrollArea* m_scroll = nullptr;
    ReportPages* m_pages = nullptr;
};
