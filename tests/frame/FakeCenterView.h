#pragma once

#include "frame/CenterView.h"

#include <QList>
#include <QSet>
#include <functional>

// A center view that handles the commands a test gives it and records what reaches it.
class CFakeCenterView : public CCenterView
{
public:
    using CCenterView::CCenterView;

    QSet<int> handled;
    QSet<int> disabled;
    QList<int> received;
    int shownCount = 0;
    std::optional<double> zoom;
    QList<int> sliderPositions;
    int objects = 0;
    std::function<void(int)> onCommand;

    bool OnCommand(int id) override
    {
        if (!handled.contains(id))
            return false;
        received.append(id);
        if (onCommand)
            onCommand(id);
        return true;
    }
    CCommandState UpdateCommand(int id) const override
    {
        if (!handled.contains(id))
            return {};
        return CCommandState::Enabled(!disabled.contains(id));
    }
    void OnCenterShown() override { ++shownCount; }
    std::optional<double> ZoomFactor() const override { return zoom; }
    void ZoomFromSlider(int position) override { sliderPositions.append(position); }
    int DocumentObjectCount() const override { return objects; }
};
