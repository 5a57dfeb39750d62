// A write-only device over a safe write, so that a Qt writer (the PDF's) streams into its temporary
// file instead of building the whole file in memory first.
#pragma once

#include "platform/FileSicuro.h"

#include <QByteArray>
#include <QIODevice>

class DispositivoSicuro final : public QIODevice {
public:
    // Open for writing; `scrittura` must outlive it.
    explicit DispositivoSicuro(ScritturaSicura &scrittura);

    bool isSequential() const override { return true; }
    // Hands what is still held to the safe write, before it is confirmed; its first failure.
    EsitoFile Svuota();

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *dati, qint64 quanti) override;

private:
    ScritturaSicura &m_scrittura;
    QByteArray m_attesa; // written a block at a time: the safe write goes straight to the disk
};
