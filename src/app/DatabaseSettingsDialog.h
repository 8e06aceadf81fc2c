#pragma once

#include "records/DatabaseLocation.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;

// "Database": where the records live, the WRN.mdb file of this computer or a database
// on a PostgreSQL server that every seat of the center shares, and a try of the
// connection that leaves the window free while the server is slow to answer.
class DatabaseSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DatabaseSettingsDialog(const DatabaseLocation& location, QWidget* parent = nullptr);

    // The location as entered.
    DatabaseLocation Location() const;

public Q_SLOTS:
    // A server needs a database and a user; without them the dialog stays open.
    void accept() override;

private:
    void ShowMode();
    void TestConnection();
    // The field a server still needs, or null.
    QLineEdit* MissingField() const;

    QRadioButton* m_thisComputer = nullptr;
    QRadioButton* m_server = nullptr;
    QWidget* m_serverFields = nullptr;
    QLineEdit* m_host = nullptr;
    QSpinBox* m_port = nullptr;
    QLineEdit* m_database = nullptr;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QPushButton* m_test = nullptr;
    QLabel* m_answer = nullptr;
};
