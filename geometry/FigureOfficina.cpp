// From the workshop's figures to the side projection and back.
#include "geometry/FigureOfficina.h"

#include "platform/Piattaforma.h"
#include "platform/TestoFisso.h"
#include "platform/TestoNumerico.h"

#include <QtMath>

#include <cmath>

namespace {
struct Punto {
    double x = 0, y = 0;
};
Punto meno(Punto a, Punto b) { return {a.x - b.x, a.y - b.y}; }
double scalare(Punto a, Punto b) { return a.x * b.x + a.y * b.y; }
double vettoriale(Punto a, Punto b) { return a.x * b.y - a.y * b.x; }
double lunghezza(Punto a) { return std::hypot(a.x, a.y); }
double angolo(Punto da, Punto a) { return std::atan2(std::fabs(vettoriale(da, a)), scalare(da, a)); }

// The corners with the axis on x = 0, O1 at the origin: each silhouette x = ±r(z), r linear from
// D1/2 at z = 0 to D2/2 at z = H, meets the cut line through O1 or O2.
struct Angoli {
    Punto A, B, C, D;
};
Angoli AngoliDaOfficina(const FigureOfficina &f)
{
    const double a = f.D1 / 2, b = (f.D2 - f.D1) / (2 * f.H);
    const double t1 = std::tan(qDegreesToRadians(f.Taglio1)), t2 = std::tan(qDegreesToRadians(f.Taglio2));
    const double zA = -a * t1 / (1 + b * t1), zB = a * t1 / (1 - b * t1);
    const double zC = (f.H - a * t2) / (1 + b * t2), zD = (f.H + a * t2) / (1 - b * t2);
    return {{-(a + b * zA), zA}, {a + b * zB, zB}, {-(a + b * zC), zC}, {a + b * zD, zD}};
}

std::nullopt_t Rifiuta(CampoOfficina &campo, CampoOfficina quale, const QString &nome, const QString &prompt)
{
    campo = quale;
    MsgBox(prompt, Pulsanti::OK, QStringLiteral("Errore su ") + nome);
    return std::nullopt;
}

// A positive length; a decimal comma counts as the point.
bool Lunghezza(const QString &testo, double &valore)
{
    valore = ValoreNumerico(testo);
    return ENumerico(testo) && valore > 0 && std::isfinite(valore);
}

// An inclination: blank is a square cut.
bool Inclinazione(const QString &testo, double &valore)
{
    if (TrimBlank(testo).isEmpty()) {
        valore = 0;
        return true;
    }
    valore = ValoreNumerico(testo);
    return ENumerico(testo) && std::isfinite(valore);
}
} // namespace

ProiezioneEsatta ProiezioneDaOfficina(const FigureOfficina &f)
{
    const Angoli p = AngoliDaOfficina(f);
    const Punto ab = meno(p.B, p.A);
    return {lunghezza(meno(p.C, p.A)), lunghezza(ab), lunghezza(meno(p.D, p.B)), angolo(ab, meno(p.C, p.A)),
            angolo(meno(p.A, p.B), meno(p.D, p.B))};
}

std::optional<FigureOfficina> OfficinaDaProiezione(const ProiezioneEsatta &p)
{
    const Punto A{0, 0}, B{p.AB, 0};
    const Punto C{p.AC * std::cos(p.Alfa), p.AC * std::sin(p.Alfa)};
    const Punto D{p.AB - p.BD * std::cos(p.Beta), p.BD * std::sin(p.Beta)};
    // The axis bisects the sides: it runs along the sum of their directions, through the points
    // as far inside one side as inside the other.
    const Punto u{std::cos(p.Alfa), std::sin(p.Alfa)}, w{-std::cos(p.Beta), std::sin(p.Beta)};
    const Punto somma{u.x + w.x, u.y + w.y};
    const double modulo = lunghezza(somma);
    if (!(modulo > 0))
        return std::nullopt;
    const Punto asse{somma.x / modulo, somma.y / modulo};
    const Punto traverso{asse.y, -asse.x}; // square to the axis, towards B
    const Punto n1{std::sin(p.Alfa), -std::cos(p.Alfa)}, n2{-std::sin(p.Beta), -std::cos(p.Beta)};
    const Punto normale = meno(n1, n2);
    const double costante = p.AB * std::sin(p.Beta);
    const double xO1 = costante / normale.x;
    const Punto cd = meno(D, C);
    const double t = (costante - scalare(normale, C)) / scalare(normale, cd);
    const Punto O1{xO1, 0}, O2{C.x + t * cd.x, C.y + t * cd.y};
    const double coseno = scalare(u, asse); // of the half angle
    FigureOfficina f;
    f.D1 = 2 * scalare(n1, meno(O1, A)) / coseno;
    f.D2 = 2 * scalare(n1, meno(O2, A)) / coseno;
    f.H = scalare(meno(O2, O1), asse);
    f.Taglio1 = qRadiansToDegrees(std::atan2(scalare(meno(B, A), asse), scalare(meno(B, A), traverso)));
    f.Taglio2 = qRadiansToDegrees(std::atan2(scalare(cd, asse), scalare(cd, traverso)));
    const bool finite = std::isfinite(f.D1) && std::isfinite(f.D2) && std::isfinite(f.H) && std::isfinite(f.Taglio1) &&
                        std::isfinite(f.Taglio2);
    if (!finite || !(f.D1 > 0 && f.D2 > 0 && f.H > 0))
        return std::nullopt;
    return f;
}

double SemiAperturaGradi(const FigureOfficina &f) { return qRadiansToDegrees(std::atan((f.D1 - f.D2) / (2 * f.H))); }

std::optional<FigureOfficina> ValidaOfficina(const TestiOfficina &testi, double spessore, CampoOfficina &campo)
{
    campo = CampoOfficina::Nessuno;
    FigureOfficina f;
    const struct {
        const QString &testo;
        double &valore;
        CampoOfficina campo;
        const char *nome;
    } lunghezze[] = {{testi.D1, f.D1, CampoOfficina::D1, "D1"},
                     {testi.D2, f.D2, CampoOfficina::D2, "D2"},
                     {testi.H, f.H, CampoOfficina::H, "H"}};
    for (const auto &l : lunghezze)
        if (!Lunghezza(l.testo, l.valore))
            return Rifiuta(campo, l.campo, QLatin1String(l.nome),
                           QStringLiteral("%1 deve essere un numero >0 (mm)!").arg(QLatin1String(l.nome)));
    for (const auto &l : {lunghezze[0], lunghezze[1]})
        if (spessore > 0 && !(l.valore > 2 * spessore))
            return Rifiuta(campo, l.campo, QLatin1String(l.nome),
                           QStringLiteral("%1 deve essere maggiore del doppio dello spessore (%2 mm)!")
                               .arg(QLatin1String(l.nome), QString::number(2 * spessore, 'g', 10)));
    // The base is the wider end, as in the projection: its apex lies beyond the top.
    if (f.D2 > f.D1)
        return Rifiuta(
            campo, CampoOfficina::D2, QStringLiteral("D2"),
            QStringLiteral("D2 deve essere un numero non maggiore di D1 (mm): la base è l'estremità più larga!"));
    // A cut as steep as a generator or steeper misses some of them: the end would not close.
    const double limite = 90 - std::fabs(SemiAperturaGradi(f));
    const struct {
        const QString &testo;
        double &valore;
        CampoOfficina campo;
        const char *nome;
    } tagli[] = {{testi.Taglio1, f.Taglio1, CampoOfficina::Taglio1, "Taglio 1"},
                 {testi.Taglio2, f.Taglio2, CampoOfficina::Taglio2, "Taglio 2"}};
    for (const auto &t : tagli)
        if (!Inclinazione(t.testo, t.valore) || !(std::fabs(t.valore) < limite))
            return Rifiuta(campo, t.campo, QLatin1String(t.nome),
                           QStringLiteral("%1 deve essere un numero di gradi tra -%2 e %2, esclusi!")
                               .arg(QLatin1String(t.nome), QString::number(limite, 'f', 3)));
    // Each top corner must stay above the base corner on its side, both cuts below the apex.
    const Angoli p = AngoliDaOfficina(f);
    const double apice = f.D1 > f.D2 ? f.D1 / (f.D1 - f.D2) * f.H : HUGE_VAL;
    if (!(p.C.y > p.A.y && p.D.y > p.B.y && p.C.y < apice && p.D.y < apice))
        return Rifiuta(campo, CampoOfficina::H, QStringLiteral("H"),
                       QStringLiteral("I due tagli si incrociano dentro il solido: H deve essere maggiore o le "
                                      "inclinazioni minori!"));
    return f;
}
