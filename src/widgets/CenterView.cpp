#include "widgets/CenterView.h"

CenterView::CenterView(QWidget* parent) : QWidget(parent) {}

bool CenterView::OnCommand(int)
{
    return false;
}

CommandState CenterView::UpdateCommand(int) const
{
    return {};
}

void CenterView::OnCenterShown() {}

bool CenterView::QueryLeave()
{
    return true;
}

std::optional<double> CenterView::ZoomFactor() const
{
    return std::nullopt;
}

void CenterView::ZoomFromSlider(int) {}

int CenterView::DocumentObjectCount() const
{
    return 0;
}

QString CenterView::InfoText() const
{
    return {};
}

void CenterView::Attach(PageDocument&, ActionRegistry&)
{
}

void CenterView::ShowFolder(const QString&) {}

void CenterView::ShowFolderOnArrival(const QString&)
{
}
