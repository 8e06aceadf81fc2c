#pragma once

#include "settings/ProgramSettings.h"

#include <QDialog>

class QLineEdit;

// "Child Care Center Information": the center's details for statements.
class CenterInfoDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CenterInfoDialog(const CenterInfo& info, QWidget* parent = nullptr);

    CenterInfo Info() const;

private:
    QLineEdit* m_name = nullptr;
    QLineEdit* m_phone = nullptr;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_manager = nullptr;
    QLineEdit* m_website = nullptr;
};
