// Fixed-width text: every figure travels in a field cut to its width or padded with blanks.
#pragma once

#include <QString>

// Cuts `testo` to `larghezza` characters or pads it with blanks on the right.
QString Fissa(const QString &testo, int larghezza);

// Text trimmed of blanks (spaces only, as the stored fields are padded with them) at both ends.
QString TrimBlank(const QString &testo);

// A text variable of fixed width: whatever is assigned is fitted to the width.
class TestoFisso {
public:
    explicit TestoFisso(int larghezza) : m_larghezza(larghezza), m_testo(larghezza, QLatin1Char(' ')) {}

    TestoFisso &operator=(const QString &testo)
    {
        m_testo = Fissa(testo, m_larghezza);
        return *this;
    }
    TestoFisso(const TestoFisso &) = default;
    TestoFisso &operator=(const TestoFisso &altro)
    {
        m_testo = Fissa(altro.m_testo, m_larghezza);
        return *this;
    }

    const QString &testo() const noexcept { return m_testo; }
    operator const QString &() const noexcept { return m_testo; }
    int larghezza() const noexcept { return m_larghezza; }

private:
    int m_larghezza;
    QString m_testo;
};
