#pragma once

#include "frame/CenterView.h"

class CListImageView;
class CMyImageView;
class QSplitter;

// The Edit Center: the page above, the strip of the selected folder's photos below.
class CEditCenterView : public CCenterView
{
    Q_OBJECT

public:
    explicit CEditCenterView(QWidget* parent = nullptr);

    CMyImageView* Canvas() const { return m_canvas; }
    CListImageView* Strip() const { return m_strip; }

    void Attach(CSnapfoldDoc& document, CActionRegistry& actions) override;
    bool OnCommand(int id) override;
    CCommandState UpdateCommand(int id) const override;
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
    CMyImageView* m_canvas = nullptr;
    CListImageView* m_strip = nullptr;
    QString m_folder;
};
