#pragma once

#include <QImage>
#include <QString>

// The picture of a texture fill, loaded once from its file and kept until the path
// changes. A file that cannot be read leaves no picture (the figure stays unfilled).
class TextureImage
{
public:
    // The picture for `path`, loading it the first time it is asked for.
    const QImage* For(const QString& path);
    // Loads `path` again now (copies load their own picture).
    void Reload(const QString& path);
    void Release();

private:
    QString m_path;
    QImage m_image;
    bool m_tried = false;
};
