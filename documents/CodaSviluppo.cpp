// The plate's trailer: the tag, the thickness text, the convention's letter and a CRC-32.
#include "documents/CodaSviluppo.h"

#include "geometry/Lamiera.h"
#include "platform/Cp1252.h"

#include <array>
#include <cstdint>

namespace {
const QByteArray k_Etichetta = QByteArrayLiteral("SPES1");
constexpr int k_InizioSpessore = 5;
constexpr int k_LarghezzaSpessore = 10;
constexpr int k_PosizioneQuote = 15;
constexpr int k_InizioControllo = 16;

// CRC-32 of IEEE 802.3 (reflected polynomial 0xEDB88320), the one zip and PNG use.
std::uint32_t Crc32(const QByteArray &byte) noexcept
{
    static const std::array<std::uint32_t, 256> tabella = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int bit = 0; bit < 8; ++bit)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char carattere : byte)
        crc = tabella[(crc ^ std::uint8_t(carattere)) & 0xFFu] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

QByteArray Controllo(const QByteArray &record, const QByteArray &testa)
{
    return QByteArray::number(Crc32(record + testa), 16).toUpper().rightJustified(8, '0');
}
} // namespace

QByteArray CodaDelRecord(const FigureSviluppo &figure, const QByteArray &record)
{
    if (!SpessoreScritto(figure))
        return {};
    const QByteArray testa = k_Etichetta + CampoCp1252(figure.TestoSpessore, k_LarghezzaSpessore) +
                             QByteArray(1, LetteraQuote(figure.Quote));
    return testa + Controllo(record, testa);
}

bool ECodaSviluppo(const QByteArray &coda) noexcept { return coda.startsWith(k_Etichetta.left(4)); }

EsitoCoda LeggiCoda(const QByteArray &coda, const QByteArray &record, FigureSviluppo &figure)
{
    if (!ECodaSviluppo(coda))
        return EsitoCoda::Assente;
    if (coda.size() < k_LunghezzaCodaSviluppo)
        return EsitoCoda::Incompleta;
    const QByteArray testa = coda.left(k_InizioControllo);
    const auto quote = QuoteDaLettera(coda.at(k_PosizioneQuote));
    if (!coda.startsWith(k_Etichetta) || !quote)
        return EsitoCoda::Sconosciuta;
    // Bytes after a trailer whose checksum holds (an editor's line end, a copy's end-of-file
    // mark) change nothing of the plate it vouches for.
    if (coda.mid(k_InizioControllo, k_LunghezzaCodaSviluppo - k_InizioControllo) != Controllo(record, testa))
        return EsitoCoda::Scaduta;
    figure.TestoSpessore = DaCp1252(coda.mid(k_InizioSpessore, k_LarghezzaSpessore));
    figure.Quote = *quote;
    return EsitoCoda::Valida;
}
