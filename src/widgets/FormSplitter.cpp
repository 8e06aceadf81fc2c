#include "widgets/FormSplitter.h"

#include <QScrollArea>
#include <QVBoxLayout>

FormSplitter::FormSplitter(QWidget* form, QWidget* lowerPane, QWidget* parent)
    : QSplitter(Qt::Vertical, parent)
{
    m_formArea = new QScrollArea(this);
    m_formArea->setObjectName(QStringLiteral("formArea"));
    m_formArea->setWidget(form);
    m_formArea->setWidgetResizable(true);
    m_formArea->setFrameShape(QFrame::NoFrame);
    addWidget(m_formArea);
    addWidget(lowerPane);
    setChildrenCollapsible(false);
    // The whole form shows when the window has room for it, and never more than that:
    // the list takes the rest, and keeps it as the window grows.
    const int formHeight = form->sizeHint().height() + 2 * m_formArea->frameWidth();
    m_formArea->setMaximumHeight(formHeight);
    setStretchFactor(0, 0);
    setStretchFactor(1, 1);
    setSizes({formHeight, formHeight});
}

void FormSplitter::SetLowerPane(QWidget* pane)
{
    QWidget* old = replaceWidget(1, pane);
    delete old;
}

void FormSplitter::FillCenter(QWidget& center)
{
    auto* layout = new QVBoxLayout(&center);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(this);
}
