#pragma once

#include "frame/CenterView.h"

#include <QHash>

class CFlatButton;

// The start page: a banner and three groups of short steps for first-time users.
// The steps only inform: clicking one changes nothing, its tool tip explains it.
class CStartPageView : public CCenterView
{
    Q_OBJECT

public:
    explicit CStartPageView(QWidget* parent = nullptr);

    // The guide button with a control id, or nullptr.
    CFlatButton* GuideButton(int controlId) const { return m_buttons.value(controlId, nullptr); }
    QList<int> GuideButtonIds() const { return m_buttons.keys(); }

private:
    QWidget* CreatePage();
    QWidget* CreateGroup(const QString& title, std::initializer_list<int> controlIds);
    CFlatButton* CreateGuideButton(int controlId, QWidget* parent);

    QHash<int, CFlatButton*> m_buttons;
};
