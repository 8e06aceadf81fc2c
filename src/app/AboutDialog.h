#pragma once

#include <QDialog>

// The about box: program name, version and what it is for.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};
