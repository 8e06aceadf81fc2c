#pragma once

#include "widgets/CenterView.h"

#include <memory>

class CameraView;
class FrameSource;
class PhotoStrip;
class QSplitter;

// The Take Photo center: the camera above, the strip of the photos of the folder they go
// to below. The strip takes a third of the height.
class TakePhotoCenterView : public CenterView
{
    Q_OBJECT

public:
    static constexpr int kMinimumStripHeight = 20;

    TakePhotoCenterView(std::unique_ptr<FrameSource> source, QWidget* parent = nullptr);
    // With the computer's cameras.
    explicit TakePhotoCenterView(QWidget* parent = nullptr);

    CameraView* Camera() const { return m_camera; }
    PhotoStrip* Strip() const { return m_strip; }
    QSplitter* Splitter() const { return m_splitter; }

    void Attach(PageDocument& document, ActionRegistry& actions) override;
    bool OnCommand(int id) override;
    CommandState UpdateCommand(int id) const override;
    void OnCenterShown() override;
    // The folder selected in the tree takes the photos from now on.
    void ShowFolder(const QString& folder) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ListPhotoFolder();

    QSplitter* m_splitter = nullptr;
    CameraView* m_camera = nullptr;
    PhotoStrip* m_strip = nullptr;
};
