#include "app/StatusZoomControls.h"

#include "commands/CommandIds.h"
#include "commands/ZoomSlider.h"
#include "widgets/ActionRegistry.h"

#include <QLabel>
#include <QSlider>
#include <QStatusBar>
#include <QToolButton>

StatusZoomControls::StatusZoomControls(QStatusBar& statusBar, ActionRegistry& actions,
                                         QObject* parent)
    : QObject(parent), m_statusBar(statusBar)
{
    statusBar.setMinimumHeight(kMinimumStatusHeight);

    m_info = new QLabel(&statusBar);
    m_info->setObjectName(QStringLiteral("zoomInfo"));
    m_info->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_info->setFont(statusBar.font());
    m_info->setMinimumWidth(200);

    m_zoomOut = MakeButton(actions, Cmd::StatusZoomOut, 16);

    m_slider = new QSlider(Qt::Horizontal, &statusBar);
    m_slider->setObjectName(QStringLiteral("zoomSlider"));
    m_slider->setRange(ZoomSlider::kMinimum, ZoomSlider::kMaximum);
    m_slider->setSingleStep(1);
    m_slider->setValue(ZoomSlider::kActualSize);
    m_slider->setFixedWidth(180);
    m_slider->setToolTip(QStringLiteral("Zoom"));
    connect(m_slider, &QSlider::valueChanged, this, &StatusZoomControls::SliderMoved);

    m_zoomIn = MakeButton(actions, Cmd::StatusZoomIn, 16);
    m_actualSize = MakeButton(actions, Cmd::StatusActualSize, 18);

    // The information text takes the free width; the zoom controls keep to the right.
    statusBar.insertWidget(0, m_info, 1);
    statusBar.addPermanentWidget(m_zoomOut);
    statusBar.addPermanentWidget(m_slider);
    statusBar.addPermanentWidget(m_zoomIn);
    statusBar.addPermanentWidget(m_actualSize);
}

QToolButton* StatusZoomControls::MakeButton(ActionRegistry& actions, int id, int size)
{
    auto* button = new QToolButton(&m_statusBar);
    button->setDefaultAction(actions.Action(id));
    button->setAutoRaise(true);
    button->setIconSize(QSize(size, size));
    button->setObjectName(QStringLiteral("zoomButton%1").arg(id));
    return button;
}

void StatusZoomControls::SetVisible(bool visible)
{
    m_visible = visible;
    for (QWidget* widget : {static_cast<QWidget*>(m_info), static_cast<QWidget*>(m_zoomOut),
                            static_cast<QWidget*>(m_slider), static_cast<QWidget*>(m_zoomIn),
                            static_cast<QWidget*>(m_actualSize)})
        widget->setVisible(visible);
}

int StatusZoomControls::SliderPosition() const
{
    return m_slider->value();
}

void StatusZoomControls::SetSliderPosition(int position)
{
    const QSignalBlocker quiet(m_slider);
    m_slider->setValue(position);
}

void StatusZoomControls::SetInfoText(const QString& text)
{
    m_info->setText(text);
}
