#pragma once

#include <QWidget>

class FrameSource;

// The camera's live picture, scaled to fit and centred; a hint while no camera is
// connected.
class CameraPreview : public QWidget
{
    Q_OBJECT

public:
    explicit CameraPreview(FrameSource& source, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {640, 480}; }
    QSize minimumSizeHint() const override { return {160, 120}; }

    // The text shown while there is no picture.
    void SetHint(const QString& hint);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FrameSource& m_source;
    QString m_hint;
};
