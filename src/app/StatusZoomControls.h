#pragma once

#include <QObject>

class ActionRegistry;
class QLabel;
class QSlider;
class QStatusBar;
class QToolButton;

// The zoom controls of the status bar: the shown view's information text, zoom out,
// a slider from 0 to 200, zoom in and actual size. Made the first time a center
// that zooms is shown, then only shown and hidden.
class StatusZoomControls : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMinimumStatusHeight = 26;

    StatusZoomControls(QStatusBar& statusBar, ActionRegistry& actions, QObject* parent);

    void SetVisible(bool visible);
    bool IsVisible() const { return m_visible; }

    int SliderPosition() const;
    // Moves the slider without handing the position to any view.
    void SetSliderPosition(int position);
    void SetInfoText(const QString& text);

    QSlider* Slider() const { return m_slider; }
    QLabel* InfoLabel() const { return m_info; }

Q_SIGNALS:
    // The user moved the slider.
    void SliderMoved(int position);

private:
    QToolButton* MakeButton(ActionRegistry& actions, int id, int size);

    QStatusBar& m_statusBar;
    QLabel* m_info = nullptr;
    QToolButton* m_zoomOut = nullptr;
    QSlider* m_slider = nullptr;
    QToolButton* m_zoomIn = nullptr;
    QToolButton* m_actualSize = nullptr;
    bool m_visible = true;
};
