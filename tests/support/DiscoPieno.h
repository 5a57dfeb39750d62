// A real, tiny file system for tests of full disks: a 64 KiB tmpfs mounted on a scratch folder.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <unistd.h>

class DiscoPieno {
public:
    // Mounting needs the superuser; `errore()` says why it did not happen.
    DiscoPieno()
    {
        if (::geteuid() != 0) {
            m_errore = QStringLiteral("mounting a tmpfs needs the superuser");
            return;
        }
        QProcess mount;
        mount.start(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                              QStringLiteral("size=64k"), QStringLiteral("tmpfs"), m_punto.path()});
        m_montato = mount.waitForFinished(30000) && mount.exitCode() == 0;
        if (!m_montato)
            m_errore = QString::fromLocal8Bit(mount.readAllStandardError());
    }
    ~DiscoPieno()
    {
        if (m_montato)
            QProcess::execute(QStringLiteral("umount"), {m_punto.path()});
    }
    DiscoPieno(const DiscoPieno &) = delete;
    DiscoPieno &operator=(const DiscoPieno &) = delete;

    bool montato() const { return m_montato; }
    QString errore() const { return m_errore; }
    QString percorso(const QString &nome) const { return m_punto.filePath(nome); }

    // Takes every free byte, as `dd` would; true once the disk is full.
    bool riempi() const
    {
        QFile riempitivo(percorso(QStringLiteral("riempitivo")));
        if (!riempitivo.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray blocco(1024, '\0');
        while (riempitivo.write(blocco) > 0) {
        }
        return riempitivo.error() == QFileDevice::ResourceError || riempitivo.error() == QFileDevice::WriteError;
    }

private:
    QTemporaryDir m_punto;
    QString m_errore;
    bool m_montato = false;
};

// Mounts the file system or leaves the test: skipped when not the superuser, failed when the
// superuser cannot mount (CI runs as root and must run these tests).
#define MONTA_DISCO_PIENO(disco)                                                                                       \
    do {                                                                                                               \
        if (::geteuid() != 0)                                                                                          \
            QSKIP("mounting a tmpfs needs the superuser");                                                             \
        QVERIFY2((disco).montato(), qPrintable((disco).errore()));                                                     \
    } while (false)
