#pragma once

#include "app/ProgramSettings.h"

#include <QDialog>

class QLineEdit;

// "Child Care Center Information": the center's details for statements.
class CChildCareCenterDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CChildCareCenterDlg(const CCenterInfo& info, QWidget* parent = nullptr);

    CCenterInfo Info() const;

private:
    QLineEdit* m_name = nullptr;
    QLineEdit* m_phone = nullptr;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_manager = nullptr;
    QLineEdit* m_website = nullptr;
};
