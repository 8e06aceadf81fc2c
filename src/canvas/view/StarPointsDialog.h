#pragma once

#include <QDialog>

class QSpinBox;

// The number of points of the next star.
class StarPointsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit StarPointsDialog(int points, QWidget* parent = nullptr);

    // What the user typed, before any clamping.
    int Points() const;
    void SetPoints(int points);

private:
    QSpinBox* m_points = nullptr;
};
