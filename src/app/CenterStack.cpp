#include "app/CenterStack.h"

#include "commands/CommandIds.h"
#include "commands/CommandRouting.h"
#include "widgets/Icons.h"
#include "widgets/ActionRegistry.h"
#include "widgets/CenterView.h"
#include "app/RecordsNotice.h"
#include "app/ToolbarLayout.h"

#include <QAction>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontInfo>
#include <QMenu>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>
#include <utility>

CenterStack::CenterStack(ActionRegistry& actions, const CenterViewFactory& factory,
                       QWidget* parent)
    : QMainWindow(parent), m_factory(factory)
{
    // A main window is a top-level window unless told otherwise; this one lives inside the frame.
    setWindowFlags(Qt::Widget);
    setObjectName(QStringLiteral("centerContainer"));
    m_stack = new QStackedWidget(this);
    setCentralWidget(m_stack);
    CreateViews();
    m_notice = new RecordsNotice(m_stack);
    m_stack->addWidget(m_notice);
    connect(m_notice, &RecordsNotice::RetryRequested, this, &CenterStack::RecordsRetryRequested);
    CreateToolbars(actions);
    m_stack->setCurrentWidget(m_views[Center::StartPage]);
}

void CenterStack::CreateViews()
{
    for (int i = 0; i < Center::Count; ++i)
        m_stack->addWidget(CreateView(static_cast<Center::Index>(i)));
}

CenterView* CenterStack::CreateView(Center::Index center)
{
    CenterView* view = m_factory(center, m_stack);
    view->setObjectName(QStringLiteral("center%1").arg(center));
    m_views[center] = view;
    return view;
}

void CenterStack::RenewRecordsViews()
{
    for (int i = 0; i < Center::Count; ++i) {
        const auto center = static_cast<Center::Index>(i);
        if (!Center::ShowsRecords(center))
            continue;
        CenterView* old = m_views[center];
        m_stack->insertWidget(m_stack->indexOf(old), CreateView(center));
        m_stack->removeWidget(old);
        old->deleteLater();
        Q_EMIT ViewCreated(m_views[center]);
    }
    m_viewsUnread = true;
    if (Center::ShowsRecords(m_currentCenter))
        BringToFront(m_currentCenter);
}

bool CenterStack::ShowsNotice(Center::Index center) const
{
    return !m_noticeText.isEmpty() && Center::ShowsRecords(center);
}

bool CenterStack::ShowRecordsNotice(const QString& notice, bool offerRetry)
{
    const bool wasShown = ShowsNotice(m_currentCenter);
    m_noticeText = notice;
    m_notice->SetText(notice, offerRetry);
    const bool shown = ShowsNotice(m_currentCenter);
    if (!Center::ShowsRecords(m_currentCenter))
        return false;
    if (shown != wasShown)
        BringToFront(m_currentCenter);
    return !shown && (std::exchange(m_viewsUnread, false) || wasShown);
}

void CenterStack::BringToFront(Center::Index center)
{
    QWidget* page = ShowsNotice(center) ? static_cast<QWidget*>(m_notice) : m_views[center];
    m_stack->setCurrentWidget(page);
    page->show();
    page->repaint();
    page->setFocus();
}



void CenterStack::CreateToolbars(ActionRegistry& actions)
{
    for (const ToolbarLayout& layout : ContainerToolbarLayouts()) {
        auto* toolbar = new QToolBar(QString::fromUtf8(layout.title), this);
        toolbar->setObjectName(QStringLiteral("toolbar%1").arg(layout.resourceId));
        toolbar->setIconSize(QSize(22, 22));
        toolbar->setToolButtonStyle(layout.textBesideIcon ? Qt::ToolButtonTextBesideIcon
                                                          : Qt::ToolButtonIconOnly);
        for (const int id : layout.commands) {
            const ToolbarGroup* group = layout.GroupOf(id);
            if (id == ToolbarLayout::kSeparator)
                toolbar->addSeparator();
            else if (id == Cmd::FontName)
                AddFontBoxes(toolbar);
            else if (group && group->commands.front() == id)
                AddGroupButton(actions, toolbar, *group);
            else if (id != Cmd::FontSize && !group)
                toolbar->addAction(actions.Action(id));
        }
        if (layout.resourceId == 243)
            AttachShadowMenu(actions, toolbar);
        // The drawing toolbar starts on its own row under the photo toolbar.
        if (layout.resourceId == 243)
            addToolBarBreak(Qt::TopToolBarArea);
        addToolBar(Qt::TopToolBarArea, toolbar);
        toolbar->hide();
        m_toolbars.insert(layout.resourceId, toolbar);
    }
}

void CenterStack::AddFontBoxes(QToolBar* toolbar)
{
    m_fontName = new QFontComboBox(toolbar);
    m_fontName->setObjectName(QStringLiteral("fontName"));
    m_fontName->setFixedWidth(150);
    m_fontName->setToolTip(QStringLiteral("Font"));
    m_fontName->setCurrentIndex(-1);
    toolbar->addWidget(m_fontName);

    m_fontSize = new QComboBox(toolbar);
    m_fontSize->setObjectName(QStringLiteral("fontSize"));
    m_fontSize->setFixedWidth(60);
    m_fontSize->setToolTip(QStringLiteral("Font size"));
    for (const int size : FontSizeEntries())
        m_fontSize->addItem(QString::number(size));
    m_fontSize->setCurrentIndex(-1);
    toolbar->addWidget(m_fontSize);

    // A choice made in either box goes to the canvas like any other command.
    connect(m_fontName, &QComboBox::activated, this, [this] { OnCommand(Cmd::FontName); });
    connect(m_fontSize, &QComboBox::activated, this, [this] { OnCommand(Cmd::FontSize); });
}

void CenterStack::AddGroupButton(ActionRegistry& actions, QToolBar* toolbar,
                                const ToolbarGroup& group)
{
    const QString title = QString::fromUtf8(group.title);
    auto* menu = new QMenu(title, toolbar);
    for (const int id : group.commands)
        menu->addAction(actions.Action(id));
    auto* button = new QToolButton(toolbar);
    button->setObjectName(QStringLiteral("group %1").arg(title));
    button->setIcon(TendrelIcon(QString::fromLatin1(group.icon)));
    button->setText(title);
    button->setToolTip(title);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(toolbar->toolButtonStyle());
    toolbar->addWidget(button);
}

void CenterStack::AttachShadowMenu(ActionRegistry& actions, QToolBar* toolbar)
{
    auto* menu = new QMenu(toolbar);
    for (const int id : {Cmd::NoShadow, Cmd::HardShadow, Cmd::SoftShadow, Cmd::GlowShadow})
        menu->addAction(actions.Action(id));
    QAction* shadow = actions.Action(Cmd::ShadowMenu);
    shadow->setMenu(menu);
    if (auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(shadow)))
        button->setPopupMode(QToolButton::InstantPopup);
}

bool CenterStack::SwitchCenter(int index)
{
    const Center::Index center = Center::Normalized(index);
    if (center != m_currentCenter && !CurrentView()->QueryLeave())
        return false;
    m_currentCenter = center;
    BringToFront(center);
    m_viewsUnread = false;   // a view shown now reads as it comes

    const std::vector<int> wanted = ToolbarsOfCenter(center);
    for (auto it = m_toolbars.cbegin(); it != m_toolbars.cend(); ++it) {
        const bool show = std::find(wanted.begin(), wanted.end(), it.key()) != wanted.end();
        it.value()->setVisible(show);
    }

    Q_EMIT CenterSwitched(center);
    if (!ShowsNotice(center))
        m_views[center]->OnCenterShown();
    update();
    return true;
}

bool CenterStack::OnCommand(int id)
{
    if (id == Cmd::ViewStartPage) {
        if (m_currentCenter != Center::StartPage)
            SwitchCenter(Center::StartPage);
        return true;
    }
    if (id == Cmd::FilePrintSetup)
        return m_views[Center::EditCenter]->OnCommand(Cmd::CanvasPrintSetup);

    const auto route = RouteOfCommand(id);
    if (!route)
        return false;
    if (!UpdateCommand(id).enabled)
        return true;   // not available in the shown center: the command is ignored
    return m_views[route->center]->OnCommand(id);
}

CommandState CenterStack::UpdateCommand(int id) const
{
    if (id == Cmd::ViewStartPage)
        return CommandState::Checked(true, m_currentCenter == Center::StartPage);
    if (id == Cmd::FilePrintSetup) {
        CommandState state = m_views[Center::EditCenter]->UpdateCommand(Cmd::CanvasPrintSetup);
        state.enabled = state.enabled && m_currentCenter == Center::EditCenter;
        return state;
    }

    const auto route = RouteOfCommand(id);
    if (!route)
        return {};
    CommandState state = m_views[route->center]->UpdateCommand(id);
    if (!state.handled)
        return {};
    if (ShowsNotice(route->center))
        state.enabled = false;
    switch (route->rule) {
    case EnableRule::EditCenterShown:
        state.enabled = state.enabled && m_currentCenter == Center::EditCenter;
        break;
    case EnableRule::PhotoCenterShown:
        state.enabled = state.enabled && m_currentCenter == Center::PhotoCenter;
        break;
    case EnableRule::Always:
        break;
    }
    return state;
}

void CenterStack::ShowFont(const QString& faceName, int size)
{
    m_fontSize->setCurrentIndex(m_fontSize->findText(QString::number(size), Qt::MatchExactly));
    // A face this computer lacks shows as the face that stands in for it.
    int match = m_fontName->findText(faceName, Qt::MatchFixedString);
    if (match < 0)
        match = m_fontName->findText(QFontInfo(QFont(faceName)).family(), Qt::MatchFixedString);
    m_fontName->setCurrentIndex(match);
}

QString CenterStack::FontNameText() const
{
    return m_fontName->currentText();
}

int CenterStack::FontSizeValue() const
{
    return m_fontSize->currentText().toInt();
}

void CenterStack::UpdateFontBoxes()
{
    m_fontName->setEnabled(UpdateCommand(Cmd::FontName).enabled);
    m_fontSize->setEnabled(UpdateCommand(Cmd::FontSize).enabled);
}
