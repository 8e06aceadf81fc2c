#pragma once

#include "widgets/CenterView.h"

class PhotoStrip;
class CanvasView;
class QSplitter;

// The Edit Center: the page above, the strip of the selected folder's photos below.
class EditCenterView : public CenterView
{
    Q_OBJECT

public:
    explicit EditCenterView(QWidget* parent = nullptr);

    CanvasView* Canvas() const { return m_canvas; }
    PhotoStrip* Strip() const { return m_strip; }

    void Attach(PageDocument& document, ActionRegistry& actions) override;
    bool OnCommand(int id) override;
    CommandState UpdateCommand(int id) const override;
    void OnCenterShown() override;
    std::optional<double> ZoomFactor() const override;
    void ZoomFromSlider(int position) override;
    int DocumentObjectCount() const override;
    QString InfoText() const override;
    // The page keeps the folder for pasted pictures and saving; the strip lists it once
    // the center is shown.
    void ShowFolder(const QString& folder) override;
    void EditPhoto(const QString& path);

private:
    QSplitter* m_splitter = nullptr;
    CanvasView* m_canvas = nullptr;
    PhotoStrip* m_strip = nullptr;
    QString m_folder;
};
