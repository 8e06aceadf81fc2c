#pragma once

#include <QDialog>

// How to use Tendrel: a short guide to each center.
class CHelpDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CHelpDlg(QWidget* parent = nullptr);
};
