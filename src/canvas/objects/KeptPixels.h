#pragma once

#include <QImage>
#include <QPainterPath>
#include <memory>
#include <vector>

// Pixels that are costly to make (a picture scaled for the screen, a shadow), kept with
// the key they were made for and made again only for another key. Copies of an object
// share the kept pixels, which are replaced, never changed.
template <class Key>
class KeptPixels
{
public:
    template <class Make>
    QImage For(const Key& key, Make make)
    {
        if (!m_kept || !(m_kept->key == key))
            m_kept = std::make_shared<const Kept>(Kept{key, make()});
        return m_kept->pixels;
    }

private:
    struct Kept
    {
        Key key;
        QImage pixels;
    };
    std::shared_ptr<const Kept> m_kept;
};

// What a layer painted in its own pixels follows: the outline, placed in those pixels,
// and the numbers that decide its look (pen widths, colours, blur). An object moved by
// whole pixels keeps its key.
struct LayerKey
{
    QPainterPath outline;
    std::vector<double> look;

    // Outlines alike to a thousandth of a pixel, which no painting can show.
    friend bool operator==(const LayerKey& a, const LayerKey& b);
};

using KeptLayer = KeptPixels<LayerKey>;
