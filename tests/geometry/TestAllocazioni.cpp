// The developments allocate nothing: every heap request is counted while one runs.
#include "calcolo/CalcolaSviluppo.h"
#include "geometry/ValidaDati.h"
#include "tests/geometry/Figure.h"
#include "tests/support/PiattaformaFinta.h"

#include <QTest>

#include <cstdlib>

// GCC names the address sanitizer with a macro, clang through __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define VORNA_SOTTO_ASAN
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORNA_SOTTO_ASAN
#endif
#endif

#if defined(VORNA_SOTTO_ASAN)
#define VORNA_CONTA_ALLOCAZIONI 0 // the sanitizer owns malloc
#else
#define VORNA_CONTA_ALLOCAZIONI 1
namespace {
bool g_conta = false;
int g_allocazioni = 0;
} // namespace

// glibc's own entry points; Qt allocates through malloc and operator new ends there too.
extern "C" void *__libc_malloc(std::size_t);
extern "C" void *__libc_calloc(std::size_t, std::size_t);
extern "C" void *__libc_realloc(void *, std::size_t);

extern "C" void *malloc(std::size_t n)
{
    if (g_conta)
        ++g_allocazioni;
    return __libc_malloc(n);
}
extern "C" void *calloc(std::size_t n, std::size_t dimensione)
{
    if (g_conta)
        ++g_allocazioni;
    return __libc_calloc(n, dimensione);
}
extern "C" void *realloc(void *p, std::size_t n)
{
    if (g_conta)
        ++g_allocazioni;
    return __libc_realloc(p, n);
}
#endif

class TestAllocazioni : public QObject {
    Q_OBJECT
private slots:
    void sviluppo_data()
    {
        QTest::addColumn<Figure>("figure");
        QTest::newRow("cylinder") << Figure{"50", "100", "80", "60", "120", "T"};
        QTest::newRow("cone") << Figure{"80", "100", "60", "50", "70", "F"};
        QTest::newRow("mirrored cone") << Figure{"60", "100", "80", "70", "50", "T"};
    }
    void sviluppo()
    {
#if VORNA_CONTA_ALLOCAZIONI
        QFETCH(Figure, figure);
        PiattaformaFinta finta;
        StatoSviluppo s;
        ImpostaFigure(s, figure);
        ValidaDati(s);
        QCOMPARE(s.ErroreDati, std::int16_t(0));
        ContestoSviluppo c{s};
        g_allocazioni = 0;
        g_conta = true;
        const bool sviluppato = ScegliForma(c);
        g_conta = false;
        QVERIFY(sviluppato);
        QCOMPARE(g_allocazioni, 0);
        VERIFICA_COPIONE(finta);
#else
        QSKIP("allocations are not counted under the address sanitizer");
#endif
    }
};

QTEST_GUILESS_MAIN(TestAllocazioni)
#include "TestAllocazioni.moc"
