// Windows-1252 by hand: Latin-1 plus the 0x80-0x9F table; Qt 6 has no codec for it in Core.
#include "platform/Cp1252.h"

#include <array>

namespace {
// Unicode of bytes 0x80-0x9F; 0 where the code page leaves the byte undefined.
constexpr std::array<char16_t, 32> k_tabella = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char byteDi(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (std::size_t i = 0; i < k_tabella.size(); ++i)
        if (k_tabella[i] != 0 && k_tabella[i] == u)
            return char(0x80 + i);
    // The five undefined bytes read back as C1 controls; write them back unchanged.
    if (u >= 0x80 && u <= 0x9F && k_tabella[u - 0x80] == 0)
        return char(u);
    return '?';
}
} // namespace

QByteArray ACp1252(const QString &testo)
{
    QByteArray risultato;
    risultato.reserve(testo.size());
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar c = testo.at(i);
        if (c.isHighSurrogate() && i + 1 < testo.size() && testo.at(i + 1).isLowSurrogate())
            ++i; // one character outside the code page, one '?'
        risultato.append(c.isSurrogate() ? '?' : byteDi(c.unicode()));
    }
    return risultato;
}

QString DaCp1252(const QByteArray &byte)
{
    QString risultato;
    risultato.reserve(byte.size());
    for (char b : byte) {
        const auto u = static_cast<unsigned char>(b);
        if (u >= 0x80 && u <= 0x9F && k_tabella[u - 0x80] != 0)
            risultato.append(QChar(k_tabella[u - 0x80]));
        else
            risultato.append(QChar(u)); // undefined bytes map to the C1 controls, as Windows does
    }
    return risultato;
}

QByteArray CampoCp1252(const QString &testo, int larghezza)
{
    QByteArray campo = ACp1252(testo).left(larghezza);
    campo.append(QByteArray(larghezza - campo.size(), ' '));
    return campo;
}
