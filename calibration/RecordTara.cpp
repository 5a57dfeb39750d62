// Field layout of RecordTara and its conversion to and from the stored bytes.
#include "calibration/RecordTara.h"

#include "platform/Cp1252.h"
#include "platform/TestoFisso.h"

namespace {
using D = DescrizioneCampoTara;

// Widths and offsets as laid out on disk: no gaps between fields or records.
constexpr int k_Zona = 10;
constexpr int k_Shift = 5;

const std::array<D, 15> k_campi = {{
    {CampoTara::NomeTara, k_LunghezzaNomeTara, 0, &RecordTara::NomeTara},
    {CampoTara::XNom1, k_Zona, 40, &RecordTara::XNom1},
    {CampoTara::XNom2, k_Zona, 50, &RecordTara::XNom2},
    {CampoTara::XNom3, k_Zona, 60, &RecordTara::XNom3},
    {CampoTara::XRea1, k_Zona, 70, &RecordTara::XRea1},
    {CampoTara::XRea2, k_Zona, 80, &RecordTara::XRea2},
    {CampoTara::XRea3, k_Zona, 90, &RecordTara::XRea3},
    {CampoTara::YNom1, k_Zona, 100, &RecordTara::YNom1},
    {CampoTara::YNom2, k_Zona, 110, &RecordTara::YNom2},
    {CampoTara::YNom3, k_Zona, 120, &RecordTara::YNom3},
    {CampoTara::YRea1, k_Zona, 130, &RecordTara::YRea1},
    {CampoTara::YRea2, k_Zona, 140, &RecordTara::YRea2},
    {CampoTara::YRea3, k_Zona, 150, &RecordTara::YRea3},
    {CampoTara::ShiftX, k_Shift, 160, &RecordTara::ShiftX},
    {CampoTara::ShiftY, k_Shift, 165, &RecordTara::ShiftY},
}};

RecordTara taraDiFabbrica(const QString &nome, const QString &xRea1, const QString &xRea2, const QString &xRea3)
{
    const QString x1 = QStringLiteral("140.00"), x2 = QStringLiteral("180.00"), x3 = QStringLiteral("280.00");
    const QString y1 = QStringLiteral("75.00"), y2 = QStringLiteral("150.00"), y3 = QStringLiteral("200.00");
    const QString zero = QStringLiteral("0.0");
    return {nome, x1, x2, x3, xRea1, xRea2, xRea3, y1, y2, y3, y1, y2, y3, zero, zero};
}
} // namespace

const std::array<DescrizioneCampoTara, 15> &CampiTara() { return k_campi; }

QString &Campo(RecordTara &record, CampoTara campo) { return record.*k_campi.at(std::size_t(campo)).membro; }

const QString &Campo(const RecordTara &record, CampoTara campo)
{
    return record.*k_campi.at(std::size_t(campo)).membro;
}

QByteArray ByteDiTara(const RecordTara &record)
{
    QByteArray byte;
    byte.reserve(k_LunghezzaRecordTara);
    for (const D &d : k_campi)
        byte.append(CampoCp1252(TrimBlank(record.*d.membro), d.larghezza));
    return byte;
}

RecordTara TaraDaByte(const QByteArray &byte)
{
    const QByteArray completo = byte.left(k_LunghezzaRecordTara).leftJustified(k_LunghezzaRecordTara, ' ');
    RecordTara record;
    for (const D &d : k_campi)
        record.*d.membro = DaCp1252(completo.mid(d.offset, d.larghezza));
    return record;
}

QString NomeMemorizzato(const QString &nome)
{
    return TrimBlank(DaCp1252(CampoCp1252(TrimBlank(nome), k_LunghezzaNomeTara)));
}

RecordTara TaraDefault()
{
    return taraDiFabbrica(QStringLiteral("Default"), QStringLiteral("140.00"), QStringLiteral("180.00"),
                          QStringLiteral("280.00"));
}

RecordTara TaraLexmark()
{
    return taraDiFabbrica(QStringLiteral("Lexmark WinWriter 200"), QStringLiteral("139.15"), QStringLiteral("178.90"),
                          QStringLiteral("279.15"));
}
