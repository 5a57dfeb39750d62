// Runs the program's batch commands as a separate process with no display, for the tests.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// What a run left: exit code (-1: crashed or hung), standard output and error.
struct Esito {
    int codice = -1;
    QString uscita, errori;
};

// Runs `programma` with `argomenti` without a display, under an Italian locale (numbers must
// still use a point).
inline Esito esegui(const QString &programma, const QStringList &argomenti)
{
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const char *nome : {"DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY"})
        ambiente.remove(QLatin1String(nome));
    ambiente.insert(QStringLiteral("LANG"), QStringLiteral("it_IT.UTF-8"));
    ambiente.insert(QStringLiteral("LC_ALL"), QStringLiteral("it_IT.UTF-8"));
    QProcess processo;
    processo.setProcessEnvironment(ambiente);
    processo.start(programma, argomenti);
    // A command that hangs (on a FIFO, say) is a failure, not a stalled test.
    if (!processo.waitForFinished(60000)) {
        processo.kill();
        processo.waitForFinished();
        return {};
    }
    return {processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1,
            QString::fromUtf8(processo.readAllStandardOutput()), QString::fromUtf8(processo.readAllStandardError())};
}

// Runs vorna with `argomenti`. `utente`: run as that user (the caller is the superuser), empty
// for the current one.
inline Esito vorna(const QStringList &argomenti, const QString &utente = {})
{
    if (utente.isEmpty())
        return esegui(QStringLiteral(VORNA_ESEGUIBILE), argomenti);
    return esegui(QStringLiteral("runuser"),
                  QStringList{QStringLiteral("-u"), utente, QStringLiteral("--"), QStringLiteral(VORNA_ESEGUIBILE)} +
                      argomenti);
}

// Runs vorna with arguments that hold bytes that are no UTF-8, which QProcess cannot pass: those
// with a backslash are made by the shell's printf (octal escapes such as "pezz\\350.tnt"). No
// single quotes in them.
inline Esito vornaConByte(const QStringList &formati)
{
    QString comando = QStringLiteral("exec \"$0\"");
    for (const QString &formato : formati)
        comando += formato.contains(QLatin1Char('\\'))
                       ? QStringLiteral(" \"$(printf '") + formato + QStringLiteral("')\"")
                       : QStringLiteral(" '") + formato + QLatin1Char('\'');
    return esegui(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), comando, QStringLiteral(VORNA_ESEGUIBILE)});
}
