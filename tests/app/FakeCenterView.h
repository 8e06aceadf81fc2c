#pragma once

#include "widgets/CenterView.h"

#include <QList>
#include <QSet>
#include <functional>

// A center view that handles the commands a test gives it and records what reaches it.
class FakeCenterView : public CenterView
{
public:
    using CenterView::CenterView;

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
    CommandState UpdateCommand(int id) const override
    {
        if (!handled.contains(id))
            return {};
        return CommandState::Enabled(!disabled.contains(id));
    }
    void OnCenterShown() override { ++shownCount; }
    std::optional<double> ZoomFactor() const override { return zoom; }
    void ZoomFromSlider(int position) override { sliderPositions.append(position); }
    int DocumentObjectCount() const override { return objects; }
};
