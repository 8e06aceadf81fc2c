#pragma once

#include "widgets/CenterView.h"

// Stands in for a center that is not built yet: its name and nothing else.
class PlaceholderView : public CenterView
{
    Q_OBJECT

public:
    PlaceholderView(const QString& centerName, const QString& iconName, QWidget* parent = nullptr);

    QString CenterName() const { return m_centerName; }

private:
    QString m_centerName;
};
