#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>

// Files as they come from outside: cameras that were held turned, pipes named as files.
namespace HostileFiles {

// The 80 x 40 red-and-blue picture from a camera turned a quarter clockwise, written to
// `path`; the path, or empty when it could not be written.
QString WriteTurnedCameraPhoto(const QString& path);

// Left half red, right half blue: where each half lands shows how a picture was turned.
QImage RedBlueHalves(int width, int height);

} // namespace HostileFiles

// A named pipe nobody writes to: whatever opens it for reading waits, unless it checks
// what it opens first.
class NamedPipe
{
public:
    explicit NamedPipe(const QString& path);
    ~NamedPipe();
    NamedPipe(const NamedPipe&) = delete;
    NamedPipe& operator=(const NamedPipe&) = delete;

    const QString& Path() const { return m_path; }
    bool IsMade() const { return m_made; }
    // Whether `read` came back within a few seconds. A reader still waiting then is let
    // go by a writer that opens and closes at once, so the test ends either way.
    bool ReturnsPromptly(const std::function<void()>& read);

private:
    QString m_path;
    bool m_made = false;
};
