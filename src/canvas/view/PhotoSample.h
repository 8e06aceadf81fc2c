#pragma once

#include <QWidget>
#include <functional>
#include <memory>

class PhotoObject;

// A small copy of a photo, painted the way the page paints it, so a dialog can show its
// border or shadow before OK.
class PhotoSample : public QWidget
{
    Q_OBJECT

public:
    PhotoSample(const PhotoObject& photo, QSize size, QWidget* parent = nullptr);
    ~PhotoSample() override;

    // Changes the sample's photo and paints it again.
    void Change(const std::function<void(PhotoObject&)>& change);
    const PhotoObject& Photo() const { return *m_photo; }

    QSize sizeHint() const override { return m_size; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize m_size;
    std::unique_ptr<PhotoObject> m_photo;
};
