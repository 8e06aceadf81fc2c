#pragma once

#include <QDialog>

// How to use Tendrel: a short guide to each center.
class HelpDialog : public QDialog
{
    Q_OBJECT

public:
    explicit HelpDialog(QWidget* parent = nullptr);
};
