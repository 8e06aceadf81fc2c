#pragma once

#include "widgets/CenterView.h"

#include <QHash>

class FlatButton;

// The start page: a banner and three groups of short steps for first-time users.
// The steps only inform: clicking one changes nothing, its tool tip explains it.
class StartPageView : public CenterView
{
    Q_OBJECT

public:
    explicit StartPageView(QWidget* parent = nullptr);

    // The guide button with a control id, or nullptr.
    FlatButton* GuideButton(int controlId) const { return m_buttons.value(controlId, nullptr); }
    QList<int> GuideButtonIds() const { return m_buttons.keys(); }

private:
    QWidget* CreatePage();
    QWidget* CreateGroup(const QString& title, std::initializer_list<int> controlIds);
    FlatButton* CreateGuideButton(int controlId, QWidget* parent);

    QHash<int, FlatButton*> m_buttons;
};
