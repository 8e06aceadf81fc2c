#pragma once

#include <QSplitter>

class QScrollArea;

// A center's two panes, one above the other: a form, scrolled when the window is too
// small to show all of it, over a list.
class FormSplitter : public QSplitter
{
    Q_OBJECT

public:
    FormSplitter(QWidget* form, QWidget* lowerPane, QWidget* parent = nullptr);

    QScrollArea* FormArea() const { return m_formArea; }
    QWidget* LowerPane() const { return widget(1); }
    // Puts another widget in the lower pane; the one there before is deleted.
    void SetLowerPane(QWidget* pane);

    // Fills `center` with the splitter.
    void FillCenter(QWidget& center);

private:
    QScrollArea* m_formArea = nullptr;
};
