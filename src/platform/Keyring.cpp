#include "platform/Keyring.h"

#include <QEventLoop>
#include <QTimer>
#include <qt6keychain/keychain.h>

namespace {

constexpr const char* kService = "Tendrel";
// A keyring that needs longer than this is taken as none; nothing may hang start-up.
constexpr int kAnswerWithinMs = 5000;

// Runs a keyring job to its end; false when it did not answer in time.
bool Wait(QKeychain::Job& job)
{
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(kAnswerWithinMs, &loop, &QEventLoop::quit);
    job.start();
    if (!finished)
        loop.exec();
    return finished;
}

class SystemKeyring : public Keyring
{
public:
    bool Available() override
    {
        if (!m_available)
            m_available = Probe();
        return *m_available;
    }

    std::optional<QString> Read(const QString& key) override
    {
        if (!Available())
            return std::nullopt;
        QKeychain::ReadPasswordJob job(QString::fromLatin1(kService));
        job.setAutoDelete(false);
        job.setKey(key);
        if (!Wait(job) || job.error() != QKeychain::NoError)
            return std::nullopt;
        return job.textData();
    }

    bool Write(const QString& key, const QString& value) override
    {
        if (!Available())
            return false;
        QKeychain::WritePasswordJob job(QString::fromLatin1(kService));
        job.setAutoDelete(false);
        job.setKey(key);
        job.setTextData(value);
        return Wait(job) && job.error() == QKeychain::NoError;
    }

private:
    static bool Probe()
    {
        QKeychain::ReadPasswordJob job(QString::fromLatin1(kService));
        job.setAutoDelete(false);
        job.setKey(QStringLiteral("probe"));
        if (!Wait(job))
            return false;
        return job.error() == QKeychain::NoError || job.error() == QKeychain::EntryNotFound;
    }

    std::optional<bool> m_available;
};

std::unique_ptr<Keyring>& Installed()
{
    static std::unique_ptr<Keyring> keyring;
    return keyring;
}

} // namespace

Keyring& Secrets()
{
    auto& keyring = Installed();
    if (!keyring) {
        if (qEnvironmentVariableIsSet("TENDREL_NO_KEYRING"))
            keyring = std::make_unique<NoKeyring>();
        else
            keyring = std::make_unique<SystemKeyring>();
    }
    return *keyring;
}

std::unique_ptr<Keyring> InstallKeyring(std::unique_ptr<Keyring> keyring)
{
    std::swap(Installed(), keyring);
    return keyring;
}
