#include "app/RecordsNotice.h"

#include "widgets/Icons.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

RecordsNotice::RecordsNotice(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("recordsNotice"));
    auto* icon = new QLabel;
    icon->setPixmap(TendrelIcon(QStringLiteral("settings-database")).pixmap(64, 64));
    icon->setAlignment(Qt::AlignCenter);

    m_text = new QLabel;
    m_text->setObjectName(QStringLiteral("recordsNoticeText"));
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setMaximumWidth(560);
    // The server's reason can be copied into a message to whoever runs it.
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_retry = new QPushButton(QStringLiteral("&Try Again"));
    m_retry->setObjectName(QStringLiteral("recordsTryAgain"));
    m_retry->setToolTip(QStringLiteral("Try to reach the records server now"));
    connect(m_retry, &QPushButton::clicked, this, &RecordsNotice::RetryRequested);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(icon);
    layout->addWidget(m_text, 0, Qt::AlignHCenter);
    layout->addWidget(m_retry, 0, Qt::AlignHCenter);
    layout->addStretch(2);
    setFocusProxy(m_retry);
}

void RecordsNotice::SetText(const QString& text, bool offerRetry)
{
    m_text->setText(text);
    m_retry->setVisible(offerRetry);
}

QString RecordsNotice::Text() const
{
    return m_text->text();
}
