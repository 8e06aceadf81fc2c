#pragma once

#include "canvas/editing/PaperSetup.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;

// "Page Setup": the paper's size and margins in inches. The page is what the margins
// leave of the paper. Any paper size can be shown, so confirming the dialog unchanged
// leaves the page as it was.
class PageSetupDialog : public QDialog
{
    Q_OBJECT

public:
    // Sizes and margins in thousandths of an inch.
    explicit PageSetupDialog(const PaperSetup::Paper& paper, QWidget* parent = nullptr);

    PaperSetup::Paper Paper() const;

private:
    QDoubleSpinBox* AddInches(const QString& name, int thousandths, const QString& tip);
    void ShowNamedSize();
    void TakeNamedSize(int index);
    void ShowPageLeft();

    QComboBox* m_paperName = nullptr;
    QDoubleSpinBox* m_width = nullptr;
    QDoubleSpinBox* m_height = nullptr;
    QDoubleSpinBox* m_left = nullptr;
    QDoubleSpinBox* m_top = nullptr;
    QDoubleSpinBox* m_right = nullptr;
    QDoubleSpinBox* m_bottom = nullptr;
    QLabel* m_pageLeft = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
