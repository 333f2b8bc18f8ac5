#include "results/impresion_resultados.h"

#include "nucleo/servicios.h"
#include "platform/codepages.h"
#include "platform/entrada.h"
#include "platform/mensajes.h"
#include "results/archivo_resultados.h"
#include "results/operaciones_resultados.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <vector>

namespace resultados {

const QString kTextoErrorImpresora = QStringLiteral(
    "\nNo se ha podido empezar a imprimir los resultados.\n\nComprueba que hay alguna "
    "impresora instalada, o que se puede escribir el archivo elegido en el cuadro de "
    "impresión.\n");

QString AbreviaturaMes(int mes) {
    static const char* const kMeses[13] = {"   ", "Ene", "Feb", "Mar", "Abr", "May", "Jun",
                                           "Jul", "Ago", "Sep", "Oct", "Nov", "Dic"};
    return mes >= 0 && mes <= 12 ? QString::fromLatin1(kMeses[mes]) : QStringLiteral("???");
}

QString LineaRegistro(const ResultsRecord& r, int numero) {
    const QString nombre = plataforma::DesdeCp1252(r.nombre, kLargoNombreResultados);
    return QStringLiteral(" %1 (%2/%3/%4) %5")
        .arg(numero, 2)
        .arg(int(r.dia))
        .arg(AbreviaturaMes(r.mes))
        .arg(r.anio)
        .arg(nombre, -24);
}

namespace {

constexpr int kMargen = 20;

class Pagina {
public:
    Pagina(LienzoImpresion& l, const QString& segunda) : l_(l), segunda_(segunda) {
        const QSize p = l.Pagina();
        W_ = p.width();
        H_ = p.height();
        const int w = W_ / 3;
        const int s = w / 6;
        for (int i = 0; i < 6; ++i) {
            aci_[i] = w + i * s;
            fal_[i] = 2 * w + i * s;
        }
    }

    void Cabecera() {
        l_.Fuente(12, true);
        l_.Color(Qt::black);
        y_ = 20;
        const QString titulo =
            QStringLiteral("Juego con las SUMAS y RESTAS, archivo de RESULTADOS");
        const QSize t = l_.Medir(titulo);
        l_.Texto(W_ / 2 - t.width() / 2, y_, titulo);
        y_ += t.height() + 20;
        l_.Fuente(10, false);
        l_.Texto(kMargen, y_, segunda_);
        y_ += l_.Medir(segunda_).height() + 20;
        Centrado(aci_[2], QStringLiteral("A C I E R T O S"), Qt::black);
        Centrado(fal_[2], QStringLiteral("F A L L O S"), Qt::red);
        y_ += l_.Medir(QStringLiteral("F A L L O S")).height() + 15;
        l_.Color(Qt::black);
        l_.Texto(kMargen, y_, QStringLiteral(" Número, fecha y nombre:"));
        static const char* const kCabeceras[6] = {
            "Sumas:", "S.llevadas:", "Restas:", "R.llevadas:", "C.Mental:", "TOTAL:"};
        for (int grupo = 0; grupo < 2; ++grupo) {
            l_.Color(grupo == 0 ? Qt::black : Qt::red);
            const int* col = grupo == 0 ? aci_ : fal_;
            for (int i = 0; i < 6; ++i)
                l_.Texto(col[i] - (i == 1 || i == 3 ? 20 : 0), y_,
                         QString::fromLatin1(kCabeceras[i]));
        }
        y_ += l_.Medir(QStringLiteral("TOTAL")).height() + 20;
        l_.Color(Qt::black);
        l_.Linea(0, y_, W_, y_);
        y_ += 20;
    }

    void Registro(const ResultsRecord& r, int numero) {
        l_.Color(Qt::black);
        l_.Texto(kMargen, y_, LineaRegistro(r, numero));
        QString ultimo;
        for (int grupo = 0; grupo < 2; ++grupo) {
            l_.Color(grupo == 0 ? Qt::black : Qt::red);
            const int32_t(&v)[kTiposEjercicio] = grupo == 0 ? r.aciertos : r.fallos;
            const int* col = grupo == 0 ? aci_ : fal_;
            for (int i = 0; i < kTiposEjercicio; ++i)
                l_.Texto(col[i], y_, QString::asprintf("%5d", v[i]));
            ultimo = QString::asprintf("%5lld", static_cast<long long>(SumaContadores(v)));
            l_.Texto(col[5], y_, ultimo);
        }
        y_ += l_.Medir(ultimo).height() + 25;
    }

    // After every line: false when the user stops the job.
    bool Comprobar() {
        if (plataforma::HayEntradaPendiente()) {
            if (plataforma::Preguntar(QStringLiteral("\n¿ Detener la impresión de Resultados ?\n"),
                                      plataforma::RespuestaNo)) {
                l_.Color(Qt::black);
                l_.Texto(kMargen, y_ + 25, QStringLiteral("------ Impresión detenida -------"));
                l_.Abortar();
                return false;
            }
            // What came with the "No" (a double click's second click) asks nothing.
            plataforma::DescartarEntradaPendiente();
        }
        if (y_ > H_ - 30) {
            l_.NuevaPagina();
            Cabecera();
        }
        return true;
    }

    void Final() {
        y_ += 20;
        l_.Color(Qt::black);
        l_.Linea(0, y_, W_, y_);
        l_.Terminar();
    }

private:
    void Centrado(int x, const QString& texto, const QColor& c) {
        l_.Color(c);
        l_.Texto(x - l_.Medir(texto).width() / 2, y_, texto);
    }

    LienzoImpresion& l_;
    QString segunda_;
    int W_ = 0, H_ = 0, y_ = 20;
    int aci_[6] = {};
    int fal_[6] = {};
};

// The printer, in landscape while the job lasts; its orientation goes back
// whatever way the job ends.
class LienzoImpresora : public LienzoImpresion {
public:
    explicit LienzoImpresora(QPrinter& p) : p_(p), antes_(p.pageLayout().orientation()) {
        p_.setPageOrientation(QPageLayout::Landscape);
        p_.setDocName(QStringLiteral("Zifra sumas restas Resultados"));
        empezado_ = pintor_.begin(&p_);
    }
    ~LienzoImpresora() override {
        if (pintor_.isActive()) pintor_.end();
        p_.setPageOrientation(antes_);
    }
    bool Empezado() const { return empezado_; }

    QSize Pagina() const override { return {p_.width(), p_.height()}; }
    void Fuente(int puntos, bool subrayada) override {
        QFont f(QStringLiteral("Arial"), puntos);
        f.setUnderline(subrayada);
        pintor_.setFont(f);
    }
    void Color(const QColor& c) override { pintor_.setPen(c); }
    QSize Medir(const QString& texto) override {
        const QFontMetrics m(pintor_.font(), &p_);
        return {m.horizontalAdvance(texto), m.height()};
    }
    void Texto(int x, int y, const QString& texto) override {
        pintor_.drawText(x, y + QFontMetrics(pintor_.font(), &p_).ascent(), texto);
    }
    void Linea(int x1, int y1, int x2, int y2) override { pintor_.drawLine(x1, y1, x2, y2); }
    void NuevaPagina() override { p_.newPage(); }
    void Abortar() override {
        p_.abort();
        pintor_.end();
        // A PDF engine writes what it had; a stopped job leaves no document.
        if (p_.outputFormat() == QPrinter::PdfFormat && !p_.outputFileName().isEmpty())
            QFile::remove(p_.outputFileName());
    }
    void Terminar() override { pintor_.end(); }

private:
    QPrinter& p_;
    QPageLayout::Orientation antes_;
    QPainter pintor_;
    bool empezado_ = false;
};

enum class Trabajo { Hecho, Detenido, SinEmpezar };

Trabajo Imprimir(QPrinter& impresora, const QString& segunda,
                 const std::function<bool(ResultsRecord&)>& siguiente) {
    CursorDeEspera espera;
    LienzoImpresora lienzo(impresora);
    if (!lienzo.Empezado()) return Trabajo::SinEmpezar;
    return ImprimirLista(lienzo, segunda, siguiente) ? Trabajo::Hecho : Trabajo::Detenido;
}

// The window's commands say why nothing came out; the command line has its
// own message.
void AvisarSiNoEmpezo(Trabajo t) {
    if (t == Trabajo::SinEmpezar) plataforma::AvisarError(kTextoErrorImpresora);
}

} // namespace

bool ImprimirLista(LienzoImpresion& lienzo, const QString& segunda_linea,
                   const std::function<bool(ResultsRecord&)>& siguiente) {
    Pagina pagina(lienzo, segunda_linea);
    plataforma::EmpezarVigilanciaEntrada();
    pagina.Cabecera();
    ResultsRecord r;
    int numero = 0;
    bool seguir = true;
    while (seguir && siguiente(r)) {
        pagina.Registro(r, ++numero);
        seguir = pagina.Comprobar();
    }
    plataforma::TerminarVigilanciaEntrada();
    if (seguir) pagina.Final();
    return seguir;
}

void ImprimirResultadosActuales(QPrinter& impresora) {
    int k = 0;
    const int n = std::clamp<int32_t>(juego.num_jugadores, 0, kMaxJugadores);
    AvisarSiNoEmpezo(Imprimir(impresora, QStringLiteral("Resultados actuales en memoria."),
                              [&k, n](ResultsRecord& r) {
                                  if (k >= n) return false;
                                  r = juego.jugadores[k++];
                                  return true;
                              }));
}

namespace {
// From the first record on; a read error ends the list, and the lines drawn
// so far are printed.
Trabajo ImprimirRegistros(QFile& f, const QString& ruta, QPrinter& impresora) {
    QString nombre;
    NombreDeArchivo(ruta, nombre);
    return Imprimir(impresora, QStringLiteral("Archivo: %1").arg(nombre), [&f](ResultsRecord& r) {
        char b[kLargoRegistro];
        if (f.read(b, kLargoRegistro) != kLargoRegistro) return false;
        r = RegistroDesdeArchivo(b);
        return true;
    });
}
} // namespace

void ImprimirResultadosDeArchivo(QWidget* dueno, QPrinter& impresora) {
    std::vector<ResultsRecord> ninguno;
    if (!ElegirArchivoResultados(dueno, ninguno, 0)) return;
    QFile f(juego.ruta_dialogo);
    if (!f.open(QIODevice::ReadOnly) || !f.seek(kLargoRegistro)) {
        plataforma::AvisarError(kTextoErrorLeer);
        return;
    }
    AvisarSiNoEmpezo(ImprimirRegistros(f, juego.ruta_dialogo, impresora));
}

bool ImprimirArchivoResultados(const QString& ruta, QPrinter& impresora) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly) || !f.seek(kLargoRegistro)) return false;
    return ImprimirRegistros(f, ruta, impresora) == Trabajo::Hecho;
}

} // namespace resultados
