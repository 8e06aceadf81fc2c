#include "app/SplashScreen.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

SplashScreen::SplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_renderer(new QSvgRenderer(QStringLiteral(":/art/splash.svg"), this))
{
    setObjectName(QStringLiteral("splash"));
    setFixedSize(kWidth, kHeight);
    setCursor(Qt::ArrowCursor);
    CentreOnScreen();
}

SplashScreen::~SplashScreen() = default;

void SplashScreen::CentreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void SplashScreen::ShowFor(int milliseconds)
{
    show();
    raise();
    // The window stays painted and the program responsive during the pause.
    QEventLoop pause;
    QTimer::singleShot(milliseconds, &pause, &QEventLoop::quit);
    pause.exec(QEventLoop::ExcludeUserInputEvents);
}

void SplashScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_renderer->isValid())
        m_renderer->render(&painter, QRectF(rect()));
    else
        painter.fillRect(rect(), QColor(250, 245, 230));
}
