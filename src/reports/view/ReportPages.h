#pragma once

#include <QWidget>

class MonthReport;

// The report's pages one under another, white on grey, at one pixel per page unit
// times the zoom.
class ReportPages : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kGap = 16;

    explicit ReportPages(MonthReport& report, QWidget* parent = nullptr);

    // Takes the report's page count after it was read again.
    void Refresh();
    double Zoom() const { return m_zoom; }
    void SetZoom(double zoom);
    // Where page `index` lies in the widget.
    QRect PageRect(int index) const;
    int PageCount() const { return m_pages; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    MonthReport& m_report;
    int m_pages = 1;
    double m_zoom = 1.0;
};
