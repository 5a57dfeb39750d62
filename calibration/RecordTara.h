// A printer calibration: the 15 fixed-width text fields of one 170-byte record of Taratura.dat.
#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// In memory every field is a text: as typed in the manager's boxes, or as stored (full width).
struct RecordTara {
    QString NomeTara;
    QString XNom1, XNom2, XNom3;
    QString XRea1, XRea2, XRea3;
    QString YNom1, YNom2, YNom3;
    QString YRea1, YRea2, YRea3;
    QString ShiftX, ShiftY;
};

// The fields in record order; also names the manager's boxes (txtNomeTara ... txtShiftY).
enum class CampoTara {
    NomeTara,
    XNom1,
    XNom2,
    XNom3,
    XRea1,
    XRea2,
    XRea3,
    YNom1,
    YNom2,
    YNom3,
    YRea1,
    YRea2,
    YRea3,
    ShiftX,
    ShiftY,
};

struct DescrizioneCampoTara {
    CampoTara campo;
    int larghezza; // bytes on disk
    int offset;    // from the start of the record
    QString RecordTara::*membro;
};

constexpr int k_LunghezzaRecordTara = 170;
constexpr int k_LunghezzaNomeTara = 40;

// The 15 fields in record order, with their widths and offsets.
const std::array<DescrizioneCampoTara, 15> &CampiTara();

QString &Campo(RecordTara &record, CampoTara campo);
const QString &Campo(const RecordTara &record, CampoTara campo);

// The 170 bytes stored for a record: each text trimmed of blanks, then cut or padded to its width.
QByteArray ByteDiTara(const RecordTara &record);
// A record from 170 stored bytes; every field keeps its full stored width.
RecordTara TaraDaByte(const QByteArray &byte);

// A name as it comes back once stored: trimmed, fitted to 40 bytes of the code page, trimmed.
QString NomeMemorizzato(const QString &nome);

// The two factory calibrations written into an empty Taratura.dat.
RecordTara TaraDefault();
RecordTara TaraLexmark();
