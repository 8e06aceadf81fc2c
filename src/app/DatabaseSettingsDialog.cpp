#include "app/DatabaseSettingsDialog.h"

#include "app/ConnectionProbe.h"
#include "platform/UserPrompt.h"
#include "records/RecordsDatabase.h"
#include "settings/KeptSecret.h"
#include "settings/ProgramState.h"
#include "widgets/DialogParts.h"

#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QLabel* Explanation(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setContentsMargins(22, 0, 0, 4);
    return label;
}

} // namespace

DatabaseSettingsDialog::DatabaseSettingsDialog(const DatabaseLocation& location, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Database"));
    const QString file = QDir::toNativeSeparators(RecordsDatabase::FilePath(Program().programDir));

    m_thisComputer = new QRadioButton(QStringLiteral("On &this computer"));
    m_thisComputer->setObjectName(QStringLiteral("thisComputer"));
    m_thisComputer->setToolTip(QStringLiteral("Keep the records in the file %1").arg(file));
    m_server = new QRadioButton(QStringLiteral("On a &server"));
    m_server->setObjectName(QStringLiteral("onServer"));
    m_server->setToolTip(
        QStringLiteral("Keep the records in a PostgreSQL database every computer of the center shares"));

    m_serverFields = new QWidget;
    auto* form = new QFormLayout(m_serverFields);
    form->setContentsMargins(22, 0, 0, 0);
    m_host = AddLineEdit(*form, QStringLiteral("&Host:"), QStringLiteral("host"), location.Host());
    m_host->setToolTip(QStringLiteral("The server's name or address; empty for this computer's own "
                                      "PostgreSQL"));
    m_port = new QSpinBox;
    m_port->setObjectName(QStringLiteral("port"));
    m_port->setRange(1, 65535);
    m_port->setValue(location.Port());
    m_port->setToolTip(QStringLiteral("The server's port, usually %1").arg(DatabaseLocation::kDefaultPort));
    form->addRow(QStringLiteral("P&ort:"), m_port);
    m_database = AddLineEdit(*form, QStringLiteral("&Database:"), QStringLiteral("database"),
                             location.Database());
    m_database->setToolTip(QStringLiteral("The database on the server that holds the records"));
    m_user = AddLineEdit(*form, QStringLiteral("&User:"), QStringLiteral("user"), location.User());
    m_user->setToolTip(QStringLiteral("The name this computer signs in to the server with"));
    m_password = AddLineEdit(*form, QStringLiteral("Pass&word:"), QStringLiteral("password"),
                             location.Password());
    m_password->setEchoMode(QLineEdit::Password);
    auto* passwordPlace = new QLabel(KeptSecret::Describe(KeptSecret::Current()));
    passwordPlace->setWordWrap(true);
    form->addRow(QString(), passwordPlace);

    m_test = new QPushButton(QStringLiteral("Test &Connection"));
    m_test->setObjectName(QStringLiteral("testConnection"));
    m_test->setToolTip(QStringLiteral("Try to reach the records as entered, without keeping them"));
    m_test->setAutoDefault(false);
    m_answer = new QLabel;
    m_answer->setObjectName(QStringLiteral("answer"));
    m_answer->setWordWrap(true);
    m_answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A fixed room for the answer keeps the dialog from jumping as answers come and go.
    m_answer->setFixedSize(440, 112);
    m_answer->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* content = new QVBoxLayout;
    content->addWidget(m_thisComputer);
    content->addWidget(Explanation(QStringLiteral("The file %1, for one computer.").arg(file)));
    content->addWidget(m_server);
    content->addWidget(m_serverFields);
    content->addSpacing(6);
    content->addWidget(m_test, 0, Qt::AlignLeft);
    content->addWidget(m_answer);
    FinishDialog(*this, content);

    (location.IsServer() ? m_server : m_thisComputer)->setChecked(true);
    connect(m_server, &QRadioButton::toggled, this, &DatabaseSettingsDialog::ShowMode);
    connect(m_test, &QPushButton::clicked, this, &DatabaseSettingsDialog::TestConnection);
    // An answer belongs to what was tried; a change makes it stale.
    for (QLineEdit* edit : {m_host, m_database, m_user, m_password})
        connect(edit, &QLineEdit::textEdited, m_answer, &QLabel::clear);
    connect(m_port, &QSpinBox::valueChanged, m_answer, &QLabel::clear);
    ShowMode();
}

void DatabaseSettingsDialog::ShowMode()
{
    m_serverFields->setEnabled(m_server->isChecked());
    m_answer->clear();
}

DatabaseLocation DatabaseSettingsDialog::Location() const
{
    if (!m_server->isChecked())
        return {};
    return DatabaseLocation::Server(m_host->text().trimmed(), m_port->value(),
                                    m_database->text().trimmed(), m_user->text().trimmed(),
                                    m_password->text());
}

QLineEdit* DatabaseSettingsDialog::MissingField() const
{
    if (!m_server->isChecked())
        return nullptr;
    for (QLineEdit* edit : {m_database, m_user})
        if (edit->text().trimmed().isEmpty())
            return edit;
    return nullptr;
}

void DatabaseSettingsDialog::TestConnection()
{
    if (QLineEdit* missing = MissingField()) {
        m_answer->setText(QStringLiteral("Enter the database and the user first."));
        missing->setFocus();
        return;
    }
    // The answers name what was tried: the fields may change while it runs.
    const QString tried = Location().ShownText();
    m_test->setEnabled(false);
    m_answer->setText(QStringLiteral("Trying %1 …").arg(tried));
    ConnectionProbe::Try(Location(), this, [this, tried](const ConnectionProbe::Answer& answer) {
        m_test->setEnabled(true);
        m_answer->setText(answer.reached
                              ? QStringLiteral("Connected to %1: %2").arg(tried, answer.text)
                              : answer.text);
    });
}

void DatabaseSettingsDialog::accept()
{
    if (QLineEdit* missing = MissingField()) {
        Prompt().Warn(QStringLiteral("A records server needs the name of the database and of "
                                     "the user."));
        missing->setFocus();
        return;
    }
    QDialog::accept();
}
