#pragma once

#include "settings/ProgramSettings.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

// "Email Setting": the mail account, the message text and the daily sending.
class EmailSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit EmailSettingsDialog(const EmailSettings& settings, QWidget* parent = nullptr);

    // The settings as entered; the start time becomes 13:30 when left empty.
    EmailSettings Settings() const;

public Q_SLOTS:
    // Trims the server, sender and start time; refuses an empty sender or a start time
    // that is not a time of day, and stays open.
    void accept() override;

private:
    QLineEdit* m_sender = nullptr;
    QLineEdit* m_subject = nullptr;
    QPlainTextEdit* m_body = nullptr;
    QLineEdit* m_server = nullptr;
    QCheckBox* m_ssl = nullptr;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QSpinBox* m_imagesToSend = nullptr;
    QLineEdit* m_startTime = nullptr;
    QCheckBox* m_useService = nullptr;
};
