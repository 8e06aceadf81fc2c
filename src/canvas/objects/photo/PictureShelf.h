#pragma once

#include "platform/ImageFiles.h"

#include <QDateTime>
#include <QImage>
#include <QString>
#include <map>
#include <tuple>

// The picture a photo shows from its file: a png as read, any other kind decoded for
// editing (8, 24 or 32 bits). A null image when the file gives none within `limits`.
QImage ReadPhotoPicture(const QString& path, bool editable,
                        const ImageFiles::ReadLimits& limits = {},
                        ImageFiles::ReadFailure* failure = nullptr);

// The pictures of one document's photos. A file named by many photos is decoded once and
// its pixels shared while none of them changes them; all the pixels the document holds
// stay within a budget, beyond which further photos go without their picture.
class PictureShelf
{
public:
    // About four gigabytes as the page holds them: far beyond any real page, and still
    // within what a desktop can give.
    static constexpr qint64 kDocumentPixels = 1'000'000'000;

    explicit PictureShelf(qint64 pixelBudget = kDocumentPixels) : m_left(pixelBudget) {}

    // The photo picture of the file at `path`, decoded the first time the unchanged file
    // is asked for. Null when it cannot be read or no longer fits the budget.
    QImage Picture(const QString& path, bool editable);
    // Takes pixels from the budget for a photo that came to hold a copy of its own;
    // false, and nothing taken, when they do not fit.
    bool Take(qint64 pixels);
    // Counts a photo that goes without its picture for want of budget.
    void LeaveOut() { ++m_leftOut; }
    // Photos that went without their picture for want of budget.
    int LeftOut() const { return m_leftOut; }

private:
    // A file as it was read: where it is, how long it was and when it last changed.
    using FileKey = std::tuple<QString, qint64, QDateTime, bool>;
    struct Shelved
    {
        QImage picture;
        bool tooLarge = false;
    };

    std::map<FileKey, Shelved> m_shelved;
    qint64 m_left;
    int m_leftOut = 0;
};
