#include "support/HostileFiles.h"
#include "support/ExifJpeg.h"

#include <QFile>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace HostileFiles {

QString WriteTurnedCameraPhoto(const QString& path)
{
    QFile file(path);
    const QByteArray bytes = ExifJpeg::Photo(RedBlueHalves(80, 40), 6);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

QImage RedBlueHalves(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (int y = 0; y < height; ++y)
        for (int x = width / 2; x < width; ++x)
            image.setPixelColor(x, y, Qt::blue);
    return image;
}

} // namespace HostileFiles

NamedPipe::NamedPipe(const QString& path) : m_path(path)
{
    m_made = ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

NamedPipe::~NamedPipe()
{
    if (m_made)
        QFile::remove(m_path);
}

bool NamedPipe::ReturnsPromptly(const std::function<void()>& read)
{
    auto reading = std::async(std::launch::async, read);
    if (reading.wait_for(std::chrono::seconds(5)) == std::future_status::ready)
        return true;
    // Opening the writing end succeeds once a reader waits; closing it ends the read.
    do {
        const int writer = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            ::close(writer);
    } while (reading.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready);
    return false;
}
