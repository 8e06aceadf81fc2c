#pragma once

#include "canvas/editing/StyleCommands.h"

#include <QDialog>

class ColorChoiceButton;
class QLabel;
class QScrollBar;
class QSpinBox;

// "Shadow Setting": the colour, transparency and offsets of a hard, soft or glowing
// shadow, with a sample that shows the shadow as it is set.
class ShadowSettingDialog : public QDialog
{
    Q_OBJECT

public:
    ShadowSettingDialog(const StyleCommands::Shadow& shadow, QWidget* parent = nullptr);

    StyleCommands::Shadow Shadow() const;

private:
    void ShowSample();

    int m_type;
    ColorChoiceButton* m_color = nullptr;
    QScrollBar* m_transparency = nullptr;
    QSpinBox* m_horizontal = nullptr;
    QSpinBox* m_vertical = nullptr;
    QLabel* m_sample = nullptr;
};
