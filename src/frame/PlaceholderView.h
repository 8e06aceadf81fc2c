#pragma once

#include "frame/CenterView.h"

// Stands in for a center that is not built yet: its name and nothing else.
class CPlaceholderView : public CCenterView
{
    Q_OBJECT

public:
    CPlaceholderView(const QString& centerName, const QString& iconName, QWidget* parent = nullptr);

    QString CenterName() const { return m_centerName; }

private:
    QString m_centerName;
};
