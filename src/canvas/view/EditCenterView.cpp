#include "canvas/view/EditCenterView.h"

#include "canvas/view/InplaceEditor.h"
#include "canvas/view/MyImageView.h"
#include "frame/ActionRegistry.h"

#include <QListWidget>
#include <QSplitter>
#include <QVBoxLayout>

CEditCenterView::CEditCenterView(QWidget* parent)
    : CCenterView(parent)
{
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("editSplitter"));
    m_canvas = new CMyImageView(m_splitter);
    m_strip = new QListWidget(m_splitter);
    m_strip->setObjectName(QStringLiteral("photoStrip"));
    m_strip->setViewMode(QListView::IconMode);
    m_strip->setFlow(QListView::LeftToRight);
    m_strip->setWrapping(false);
    m_strip->setIconSize(QSize(80, 64));
    m_strip->setToolTip(QStringLiteral("Photos of the selected folder"));
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
