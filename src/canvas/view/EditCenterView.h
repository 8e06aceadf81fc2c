#pragma once

#include "frame/CenterView.h"

class CMyImageView;
class QListWidget;
class QSplitter;

// The Edit Center: the page above, the strip of the selected folder's photos below.
class CEditCenterView : public CCenterView
{
    Q_OBJECT

public:
    explicit CEditCenterView(QWidget* parent = nullptr);

    CMyImageView* Canvas() const { return m_canvas; }
    QListWidget* Strip() const { return m_strip; }

    void Attach(CSnapfoldDoc& document, CActionRegistry& actions) override;
    bool OnCommand(int id) override;
    CCommandState UpdateCommand(int id) const override;
    void OnCenterShown() override;
    std::optional<double> ZoomFactor() const override;
    void ZoomFromSlider(int position) override;
    int DocumentObjectCount() const override;
    QString InfoText() const override;

private:
    QSplitter* m_splitter = nullptr;
    CMyImageView* m_canvas = nullptr;
    QListWidget* m_strip = nullptr;
};
