#pragma once

#include <QWidget>

class QSvgRenderer;

// The borderless splash picture shown while the program starts, centred on the screen.
class SplashScreen : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kWidth = 515;
    static constexpr int kHeight = 335;
    static constexpr int kShowMilliseconds = 3000;

    explicit SplashScreen(QWidget* parent = nullptr);
    ~SplashScreen() override;

    // Shows the splash and keeps it up, painted, for the given time.
    void ShowFor(int milliseconds);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void CentreOnScreen();

    QSvgRenderer* m_renderer = nullptr;
};
