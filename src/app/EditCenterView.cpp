#include "app/EditCenterView.h"

#include "canvas/view/InPlaceTextEditor.h"
#include "canvas/view/CanvasView.h"
#include "widgets/ActionRegistry.h"
#include "photos/view/PhotoStrip.h"

#include <QSplitter>
#include <QVBoxLayout>

EditCenterView::EditCenterView(QWidget* parent)
    : CenterView(parent)
{
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("editSplitter"));
    m_canvas = new CanvasView(m_splitter);
    m_strip = new PhotoStrip(m_splitter);
    m_splitter->addWidget(m_canvas);
    m_splitter->addWidget(m_strip);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setSizes({600, 110});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);
    setFocusProxy(m_canvas);

    connect(m_canvas, &CanvasView::CommandStateChanged, this,
            &CenterView::CommandStateChanged);
    connect(m_canvas, &CanvasView::InfoTextChanged, this, &CenterView::InfoTextChanged);
    connect(m_canvas, &CanvasView::TextFontShown, this, &CenterView::TextFontShown);
    connect(m_canvas, &CanvasView::ZoomChanged, this, &CenterView::ZoomChanged);
    connect(m_strip, &PhotoStrip::PhotoActivated, this, &EditCenterView::EditPhoto);
}

void EditCenterView::Attach(PageDocument& document, ActionRegistry& actions)
{
    m_canvas->SetDocument(&document);
    m_canvas->SetActionSource([&actions](int id) { return actions.Action(id); });
}

bool EditCenterView::OnCommand(int id)
{
    return m_canvas->OnCommand(id);
}

CommandState EditCenterView::UpdateCommand(int id) const
{
    return m_canvas->UpdateCommand(id);
}

void EditCenterView::OnCenterShown()
{
    m_canvas->setFocus();
    if (!m_folder.isEmpty())
        m_strip->ShowFolder(m_folder);
}

void EditCenterView::ShowFolder(const QString& folder)
{
    m_folder = folder;
    m_canvas->SetPhotoFolder(folder);
    // Thumbnails for a hidden strip would only keep the cores busy.
    if (isVisible())
        m_strip->ShowFolder(folder);
}

void EditCenterView::EditPhoto(const QString& path)
{
    m_canvas->EditPhoto(path);
    m_canvas->setFocus();
}

std::optional<double> EditCenterView::ZoomFactor() const
{
    return m_canvas->Zoom();
}

void EditCenterView::ZoomFromSlider(int position)
{
    m_canvas->ZoomFromSlider(position);
}

int EditCenterView::DocumentObjectCount() const
{
    return int(m_canvas->Model().Objects().size());
}

QString EditCenterView::InfoText() const
{
    return m_canvas->InfoText();
}
