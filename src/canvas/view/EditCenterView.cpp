#include "canvas/view/EditCenterView.h"

#include "canvas/view/InplaceEditor.h"
#include "canvas/view/MyImageView.h"
#include "frame/ActionRegistry.h"
#include "photos/ListImageView.h"

#include <QSplitter>
#include <QVBoxLayout>

CEditCenterView::CEditCenterView(QWidget* parent)
    : CCenterView(parent)
{
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("editSplitter"));
    m_canvas = new CMyImageView(m_splitter);
    m_strip = new CListImageView(m_splitter);
    m_splitter->addWidget(m_canvas);
    m_splitter->addWidget(m_strip);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setSizes({600, 110});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);
    setFocusProxy(m_canvas);

    connect(m_canvas, &CMyImageView::commandStateChanged, this,
            &CCenterView::commandStateChanged);
    connect(m_canvas, &CMyImageView::infoTextChanged, this, &CCenterView::infoTextChanged);
    connect(m_canvas, &CMyImageView::textFontShown, this, &CCenterView::textFontShown);
    connect(m_canvas, &CMyImageView::zoomChanged, this, &CCenterView::zoomChanged);
    connect(m_strip, &CListImageView::photoActivated, this, &CEditCenterView::EditPhoto);
}

void CEditCenterView::Attach(CSnapfoldDoc& document, CActionRegistry& actions)
{
    m_canvas->SetDocument(&document);
    m_canvas->SetActionSource([&actions](int id) { return actions.Action(id); });
}

bool CEditCenterView::OnCommand(int id)
{
    return m_canvas->OnCommand(id);
}

CCommandState CEditCenterView::UpdateCommand(int id) const
{
    return m_canvas->UpdateCommand(id);
}

void CEditCenterView::OnCenterShown()
{
    m_canvas->setFocus();
    if (!m_folder.isEmpty())
        m_strip->ShowFolder(m_folder);
}

void CEditCenterView::ShowFolder(const QString& folder)
{
    m_folder = folder;
    m_canvas->SetPhotoFolder(folder);
    // Thumbnails for a hidden strip would only keep the cores busy.
    if (isVisible())
        m_strip->ShowFolder(folder);
}

void CEditCenterView::EditPhoto(const QString& path)
{
    m_canvas->EditPhoto(path);
    m_canvas->setFocus();
}

std::optional<double> CEditCenterView::ZoomFactor() const
{
    return m_canvas->Zoom();
}

void CEditCenterView::ZoomFromSlider(int position)
{
    m_canvas->ZoomFromSlider(position);
}

int CEditCenterView::DocumentObjectCount() const
{
    return int(m_canvas->Model().Objects().size());
}

QString CEditCenterView::InfoText() const
{
    return m_canvas->InfoText();
}
