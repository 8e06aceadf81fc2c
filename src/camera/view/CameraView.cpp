#include "camera/view/CameraView.h"

#include "camera/CameraCapture.h"
#include "camera/FrameSource.h"
#include "camera/view/CameraPreview.h"
#include "commands/CommandIds.h"
#include "platform/UserPrompt.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QLineEdit* ReadOnlyField(const QString& name, int width, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setFixedWidth(width);
    return field;
}

int DriverOfCommand(int id)
{
    return id >= Cmd::CameraDriverFirst && id <= Cmd::CameraDriverLast
               ? id - Cmd::CameraDriverFirst
               : -1;
}

} // namespace

CameraView::CameraView(std::unique_ptr<FrameSource> source, const QString& classFolder,
                       QWidget* parent)
    : QWidget(parent), m_source(std::move(source))
{
    setObjectName(QStringLiteral("cameraView"));
    m_capture = std::make_unique<CameraCapture>(*m_source, classFolder);

    m_folderField = ReadOnlyField(QStringLiteral("cameraFolder"), 180, this);
    m_counterField = ReadOnlyField(QStringLiteral("cameraCounter"), 60, this);
    m_driverLabel = new QLabel(this);
    m_driverLabel->setObjectName(QStringLiteral("cameraDriver"));
    m_failureLabel = new QLabel(this);
    m_failureLabel->setObjectName(QStringLiteral("cameraFailure"));
    m_failureLabel->setStyleSheet(QStringLiteral("color: #b03a2e"));
    m_failureLabel->hide();
    m_preview = new CameraPreview(*m_source, this);

    auto* fields = new QHBoxLayout;
    fields->addWidget(new QLabel(QStringLiteral("Child Name:"), this));
    fields->addWidget(m_folderField);
    fields->addSpacing(12);
    fields->addWidget(new QLabel(QStringLiteral("Photos:"), this));
    fields->addWidget(m_counterField);
    fields->addSpacing(24);
    fields->addWidget(m_driverLabel);
    fields->addStretch();
    fields->addWidget(m_failureLabel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addLayout(fields);
    layout->addWidget(m_preview, 1);

    connect(m_capture.get(), &CameraCapture::StateChanged, this, &CameraView::ShowState);
    connect(m_capture.get(), &CameraCapture::ConnectFailed, this, [this] {
        ShowState();
        Prompt().Warn(QString::fromLatin1(kCannotOpen));
    });
    connect(m_capture.get(), &CameraCapture::PhotoStored, this, [this](const QString& path) {
        m_failureLabel->hide();
        Q_EMIT PhotoStored(path);
    });
    // Unattended capturing must not stop at a message box: the failure stays in view.
    connect(m_capture.get(), &CameraCapture::PhotoFailed, this,
            [this](const QString& path, const QString& reason) {
                m_failureLabel->setText(
                    QStringLiteral("%1 was not saved: %2").arg(path, reason));
                m_failureLabel->show();
            });
    connect(m_source.get(), &FrameSource::DriversChanged, this, [this] {
        if (m_driversListed)
            ListDrivers();
    });
    ShowState();
}

CameraView::~CameraView()
{
    // The live picture paints from the source, which goes with the members, before the
    // child widgets.
    delete m_preview;
}

void CameraView::SetActionSource(std::function<QAction*(int)> source)
{
    m_actionSource = std::move(source);
    NameDriverActions();
}

void CameraView::ListDrivers()
{
    m_driversListed = true;
    m_driverNames = m_source->DriverNames();
    NameDriverActions();
    ShowState();
}

void CameraView::NameDriverActions()
{
    if (!m_actionSource)
        return;
    for (int id = Cmd::CameraDriverFirst; id <= Cmd::CameraDriverLast; ++id) {
        QAction* action = m_actionSource(id);
        const int driver = DriverOfCommand(id);
        if (driver < m_driverNames.size()) {
            action->setText(QString(m_driverNames.at(driver)).replace(QLatin1Char('&'),
                                                                      QStringLiteral("&&")));
            action->setVisible(true);
        } else {
            // The first entry stays to say why the list is empty.
            action->setText(QStringLiteral("No camera found"));
            action->setVisible(driver == 0 && m_driversListed);
        }
    }
}

QString CameraView::DriverText() const
{
    const int driver = m_capture->Driver();
    return driver >= 0 && driver < m_driverNames.size() ? m_driverNames.at(driver)
                                                        : QString::fromLatin1(kNoDriver);
}

void CameraView::ShowState()
{
    m_folderField->setText(m_capture->FolderName());
    m_counterField->setText(QString::number(m_capture->PhotoCounter()));
    m_driverLabel->setText(DriverText());
    m_preview->SetHint(m_capture->Driver() < 0
                           ? QStringLiteral("%1\n\nClick Start Camera to see the camera's "
                                            "picture here.")
                                 .arg(QString::fromLatin1(kNoDriver))
                           : QStringLiteral("Waiting for the camera's picture..."));
    Q_EMIT CommandStateChanged();
}

bool CameraView::OnCommand(int id)
{
    if (id != Cmd::CameraStart && id != Cmd::CameraStop && id != Cmd::CameraTakeNow
        && DriverOfCommand(id) < 0)
        return false;
    if (!m_driversListed)
        ListDrivers();
    if (id == Cmd::CameraStart)
        m_capture->Start();
    else if (id == Cmd::CameraStop)
        m_capture->Stop();
    else if (id == Cmd::CameraTakeNow)
        m_capture->TakeOneNow();
    else
        m_capture->ConnectDriver(DriverOfCommand(id));
    return true;
}

CommandState CameraView::UpdateCommand(int id) const
{
    const bool connected = m_capture->Driver() >= 0;
    switch (id) {
    case Cmd::CameraStart: return CommandState::Enabled(!m_capture->IsCapturing());
    case Cmd::CameraStop: return CommandState::Enabled(m_capture->IsCapturing());
    case Cmd::CameraTakeNow: return CommandState::Enabled(connected);
    default: break;
    }
    const int driver = DriverOfCommand(id);
    if (driver < 0)
        return {};
    return CommandState::Checked(driver < m_driverNames.size(), driver == m_capture->Driver());
}
