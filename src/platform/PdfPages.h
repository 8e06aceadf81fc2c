#pragma once

#include <QImage>
#include <QList>
#include <QString>

// A PDF made of pictures, one page per picture, each page the picture's size at the
// chosen resolution.
class PdfPages
{
public:
    void SetDpi(int dpi) { m_dpi = dpi > 0 ? dpi : 96; }
    void AddImage(const QImage& image) { m_pages.append(image); }
    int PageCount() const { return int(m_pages.size()); }
    // Writes the file; it is replaced only once every page is written.
    bool Save(const QString& path, QString* error = nullptr) const;

private:
    int m_dpi = 96;
    QList<QImage> m_pages;
};
