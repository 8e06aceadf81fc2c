#include "frame/CenterView.h"

CCenterView::CCenterView(QWidget* parent) : QWidget(parent) {}

bool CCenterView::OnCommand(int)
{
    return false;
}

CCommandState CCenterView::UpdateCommand(int) const
{
    return {};
}

void CCenterView::OnCenterShown() {}

bool CCenterView::QueryLeave()
{
    return true;
}

std::optional<double> CCenterView::ZoomFactor() const
{
    return std::nullopt;
}

void CCenterView::ZoomFromSlider(int) {}

int CCenterView::DocumentObjectCount() const
{
    return 0;
}

QString CCenterView::InfoText() const
{
    return {};
}

void CCenterView::Attach(CSnapfoldDoc&, CActionRegistry&)
{
}

void CCenterView::ShowFolder(const QString&) {}

void CCenterView::ShowFolderOnArrival(const QString&)
{
}
