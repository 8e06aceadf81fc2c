#pragma once

#include <QDialog>

// Custom fill: thirty buttons, each showing the look it gives. A press gives that look
// to the current object at once; the dialog stays open for the next try.
class FillPresetDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FillPresetDialog(QWidget* parent = nullptr);

Q_SIGNALS:
    void PresetPicked(int index);
};
