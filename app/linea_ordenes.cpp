#include "app/linea_ordenes.h"

#include "app/orden_diagnostico.h"
#include "app/orden_informe_clase.h"
#include "app/orden_refuerzo.h"
#include "app/salida_ordenes.h"
#include "mental/calculo_mental.h"
#include "nucleo/azar.h"
#include "results/archivo_resultados.h"
#include "results/impresion_resultados.h"
#include "results/operaciones_resultados.h"
#include "worksheets/impresion_hojas.h"

#include <QApplication>
#include <QPrinter>
#include <QRegularExpression>
#include <QStringList>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

const char kUso[] =
    "Uso:\n"
    "  zifra --hoja TIPO --paginas N --pdf SALIDA.pdf [--longitud MM]\n"
    "        [--sin-soluciones] [--colores] [--semilla S] [--sumas A,B]\n"
    "        [--restas A,B]\n"
    "  zifra --resultados ARCHIVO.rsr --pdf SALIDA.pdf\n"
    "  zifra --diagnostico [--diarios RUTA]... [--jugador NOMBRE]\n"
    "        [--desde AAAA-MM-DD] [--hasta AAAA-MM-DD]\n"
    "        (--csv SALIDA.csv | --pdf SALIDA.pdf)\n"
    "  zifra --informe-clase [--diarios RUTA]... [--desde AAAA-MM-DD]\n"
    "        [--hasta AAAA-MM-DD] (--csv SALIDA.csv | --pdf SALIDA.pdf)\n"
    "  zifra --refuerzo (--jugador NOMBRE | --todos) [--diarios RUTA]...\n"
    "        [--paginas N] [--semilla S] [--sin-soluciones] --pdf SALIDA.pdf\n"
    "  zifra --help\n"
    "\n"
    "Escribe hojas de ejercicios, la página de resultados o el diagnóstico de\n"
    "errores en PDF (o en CSV), sin abrir ninguna ventana.\n"
    "\n"
    "  --hoja TIPO        2, 3, 4, 13 o 14 (hojas de columnas), mental-simple o\n"
    "                     mental-combinado\n"
    "  --paginas N        de 1 a 99\n"
    "  --pdf SALIDA.pdf   el archivo que se escribe\n"
    "  --longitud MM      largo imprimible en mm, de 1 a 297 (297 si no se da)\n"
    "  --sin-soluciones   no imprime las respuestas\n"
    "  --colores          cada cifra en el color de su lugar: unidades en verde,\n"
    "                     decenas en azul, centenas en rojo, millares en verde\n"
    "  --semilla S        número entero: la misma semilla, tipo y ajustes dan\n"
    "                     siempre los mismos ejercicios\n"
    "  --sumas A,B        ajustes del cálculo mental, como en los menús de las\n"
    "  --restas A,B       ventanas: A es 10, 20, 30, 40, 50, 100 o sin (sin\n"
    "                     límite); B igual, o fijo1 a fijo10, o tabla1 a tabla10:\n"
    "                       fijoN   el segundo número va de 0 a N, como en las\n"
    "                               hojas que se imprimen desde el juego\n"
    "                       tablaN  el segundo número es N en todas las cuentas\n"
    "                               (tabla7: 0 + 7, 1 + 7, 2 + 7...; en las\n"
    "                               restas 7 - 7, 8 - 7, 9 - 7...)\n"
    "  --resultados ARCHIVO.rsr   imprime todos los registros de ese archivo\n"
    "  --diagnostico      los errores que cada niño repite, según los diarios de\n"
    "                     aprendizaje\n"
    "  --diarios RUTA     un diario o una carpeta (todos sus diario-*.sqlite); se\n"
    "                     puede repetir. Sin ella, la carpeta de resultados del juego\n"
    "  --jugador NOMBRE   solo ese niño o niña\n"
    "  --desde AAAA-MM-DD solo las cuentas de ese día en adelante\n"
    "  --hasta AAAA-MM-DD solo las cuentas hasta ese día, incluido\n"
    "  --csv SALIDA.csv   el diagnóstico en una tabla: UTF-8, campos separados por ;\n"
    "  --informe-clase    cuentas, aciertos a la primera, minutos y errores\n"
    "                     confirmados de cada niño, por tipo de cuenta: en CSV una\n"
    "                     fila por niño y tipo; en PDF una página de la clase y\n"
    "                     una por niño\n"
    "  --refuerzo         hojas para practicar los errores confirmados de un niño,\n"
    "                     con un ejemplo resuelto y ejercicios hechos para cada\n"
    "                     error; --paginas es por niño (1 si no se da)\n"
    "  --todos            cada niño con algún error confirmado, en sus páginas\n"
    "  --help             muestra esta ayuda\n"
    "\n"
    "Termina con 0 si todo va bien, 1 si un archivo no se puede leer o escribir y 2\n"
    "si una opción no es válida. El diagnóstico nombra los diarios que no puede leer\n"
    "y sigue con los demás; termina con 1 si no queda ninguno o si el jugador no\n"
    "está en ellos. El refuerzo también termina con 1 si el jugador no tiene\n"
    "errores confirmados.\n";

// Thrown while reading the arguments; carries the message for stderr.
struct OpcionMala {
    QString texto;
};

struct Ordenes {
    bool ayuda = false;
    bool diagnostico = false;
    bool informe_clase = false; // with the options of diag, but no child
    bool refuerzo = false, todos = false;
    OrdenDiagnostico diag; // the output goes in pdf, or in diag.csv
    QString hoja, pdf, resultados;
    int paginas = 0;
    int longitud = 297;
    bool con_soluciones = true;
    bool colores = false;
    std::optional<unsigned> semilla;
    std::optional<AjustesMental> sumas, restas;
};

const struct {
    const char* nombre;
    hojas::HojaImpresion hoja;
} kHojas[] = {
    {"2", hojas::HojaImpresion::SumasRestasSinLlevadas},
    {"3", hojas::HojaImpresion::SumasConRestasSin},
    {"4", hojas::HojaImpresion::SumasConRestasSinDificil},
    {"13", hojas::HojaImpresion::SumasRestasConLlevadas},
    {"14", hojas::HojaImpresion::SumasRestasConDificil},
    {"mental-simple", hojas::HojaImpresion::CalculoMentalSimple},
    {"mental-combinado", hojas::HojaImpresion::CalculoMentalCombinado},
};

// The range captions of kRangosMental, in the same order.
const char* const kNombresRango[kRangos] = {"10", "20", "30", "40", "50", "100", "sin"};

int Entero(const QString& opcion, const QString& valor, int minimo, int maximo) {
    bool ok = false;
    const int n = valor.toInt(&ok, 10);
    if (!ok || n < minimo || n > maximo)
        throw OpcionMala{QStringLiteral("%1 %2: debe ser un número entero de %3 a %4")
                             .arg(opcion, valor)
                             .arg(minimo)
                             .arg(maximo)};
    return n;
}

// "A,B" as the mental windows' menus name them.
AjustesMental Ajustes(const QString& opcion, const QString& valor, TipoMental tipo) {
    const QStringList partes = valor.split(QLatin1Char(','));
    const QString mala = QStringLiteral("%1 %2: se espera A,B con A en 10, 20, 30, 40, 50, 100 o "
                                        "sin, y B igual, de fijo1 a fijo10 o de tabla1 a tabla10")
                             .arg(opcion, valor);
    if (partes.size() != 2) throw OpcionMala{mala};
    AjustesMental a;
    int i1 = -1, i2 = -1;
    for (int i = 0; i < kRangos; ++i) {
        if (partes[0] == QLatin1String(kNombresRango[i])) i1 = i;
        if (partes[1] == QLatin1String(kNombresRango[i])) i2 = i;
    }
    if (i1 < 0) throw OpcionMala{mala};
    a.limite1 = kRangosMental[i1].limite1;
    if (i2 >= 0) {
        a.limite2 = kRangosMental[i2].limite2;
    } else {
        a.tabla = partes[1].startsWith(QLatin1String("tabla"));
        const QLatin1String prefijo(a.tabla ? "tabla" : "fijo");
        bool ok = false;
        const int fijo =
            partes[1].startsWith(prefijo) ? partes[1].mid(prefijo.size()).toInt(&ok) : 0;
        if (!ok || fijo < 1 || fijo > kMaxFijo) throw OpcionMala{mala};
        a.limite2 = fijo;
    }
    if (tipo == TipoMental::Restas && !SustraendoCabe(a.limite1, a.limite2))
        throw OpcionMala{QStringLiteral("%1 %2: %3").arg(opcion, valor, kMensajeM2.simplified())};
    return a;
}

// AAAA-MM-DD, a real day.
QDate Fecha(const QString& opcion, const QString& valor) {
    static const QRegularExpression forma(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QDate d = QDate::fromString(valor, QStringLiteral("yyyy-MM-dd"));
    if (!forma.match(valor).hasMatch() || !d.isValid())
        throw OpcionMala{QStringLiteral("%1 %2: debe ser una fecha AAAA-MM-DD, como 2026-03-02")
                             .arg(opcion, valor)};
    return d;
}

// The options of --diagnostico only.
bool LeerDiagnostico(const QString& op, const QString& v, OrdenDiagnostico& d) {
    if (op == QLatin1String("--diarios"))
        d.diarios << v;
    else if (op == QLatin1String("--jugador"))
        d.jugador = v;
    else if (op == QLatin1String("--desde"))
        d.desde = Fecha(op, v);
    else if (op == QLatin1String("--hasta"))
        d.hasta = Fecha(op, v);
    else if (op == QLatin1String("--csv"))
        d.csv = v;
    else
        return false;
    return true;
}

void ComprobarDiagnostico(const Ordenes& o, const QStringList& suyas) {
    if (!o.diagnostico && !o.informe_clase) {
        // The refuerzo reads journals too, by child.
        for (const QString& op : suyas)
            if (!o.refuerzo ||
                (op != QLatin1String("--diarios") && op != QLatin1String("--jugador")))
                throw OpcionMala{
                    QStringLiteral("%1 solo sirve con --diagnostico o --informe-clase").arg(op)};
        return;
    }
    if (o.informe_clase && suyas.contains(QLatin1String("--jugador")))
        throw OpcionMala{QStringLiteral("--jugador solo sirve con --diagnostico")};
    if (o.diag.csv.isEmpty() == o.pdf.isEmpty())
        throw OpcionMala{QStringLiteral("hace falta --csv o --pdf, y solo uno de ellos")};
    if (!o.diag.desde.isNull() && !o.diag.hasta.isNull() && o.diag.desde > o.diag.hasta)
        throw OpcionMala{
            QStringLiteral("--desde %1 es posterior a --hasta %2")
                .arg(o.diag.desde.toString(Qt::ISODate), o.diag.hasta.toString(Qt::ISODate))};
}

Ordenes Leer(const QStringList& args) {
    Ordenes o;
    QStringList suyas_diagnostico;
    for (int i = 0; i < args.size(); ++i) {
        const QString& op = args[i];
        if (op == QLatin1String("--help")) {
            o.ayuda = true;
            continue;
        }
        if (op == QLatin1String("--sin-soluciones")) {
            o.con_soluciones = false;
            continue;
        }
        if (op == QLatin1String("--diagnostico")) {
            o.diagnostico = true;
            continue;
        }
        if (op == QLatin1String("--informe-clase")) {
            o.informe_clase = true;
            continue;
        }
        if (op == QLatin1String("--refuerzo") || op == QLatin1String("--todos")) {
            (op == QLatin1String("--todos") ? o.todos : o.refuerzo) = true;
            continue;
        }
        if (op == QLatin1String("--colores")) {
            o.colores = true;
            continue;
        }
        static const QStringList kConValor = {
            QStringLiteral("--hoja"),    QStringLiteral("--paginas"),
            QStringLiteral("--pdf"),     QStringLiteral("--longitud"),
            QStringLiteral("--semilla"), QStringLiteral("--sumas"),
            QStringLiteral("--restas"),  QStringLiteral("--resultados"),
            QStringLiteral("--diarios"), QStringLiteral("--jugador"),
            QStringLiteral("--desde"),   QStringLiteral("--hasta"),
            QStringLiteral("--csv")};
        if (!kConValor.contains(op))
            throw OpcionMala{QStringLiteral("opción desconocida: %1").arg(op)};
        if (i + 1 >= args.size()) throw OpcionMala{QStringLiteral("falta el valor de %1").arg(op)};
        const QString v = args[++i];
        if (LeerDiagnostico(op, v, o.diag)) {
            suyas_diagnostico << op;
        } else if (op == QLatin1String("--hoja")) {
            bool conocida = false;
            for (const auto& h : kHojas)
                conocida = conocida || v == QLatin1String(h.nombre);
            if (!conocida)
                throw OpcionMala{QStringLiteral("--hoja %1: el tipo debe ser 2, 3, 4, 13, 14, "
                                                "mental-simple o mental-combinado")
                                     .arg(v)};
            o.hoja = v;
        } else if (op == QLatin1String("--paginas")) {
            o.paginas = Entero(op, v, 1, 99);
        } else if (op == QLatin1String("--longitud")) {
            o.longitud = Entero(op, v, 1, 297);
        } else if (op == QLatin1String("--semilla")) {
            bool ok = false;
            const qlonglong s = v.toLongLong(&ok, 10);
            if (!ok)
                throw OpcionMala{QStringLiteral("--semilla %1: debe ser un número entero").arg(v)};
            o.semilla = static_cast<unsigned>(s);
        } else if (op == QLatin1String("--sumas")) {
            o.sumas = Ajustes(op, v, TipoMental::Sumas);
        } else if (op == QLatin1String("--restas")) {
            o.restas = Ajustes(op, v, TipoMental::Restas);
        } else if (op == QLatin1String("--pdf")) {
            o.pdf = v;
        } else {
            o.resultados = v;
        }
    }
    if (o.ayuda) return o;
    if (o.colores && o.hoja.isEmpty())
        throw OpcionMala{QStringLiteral("--colores solo sirve con --hoja")};
    if (o.todos && !o.refuerzo)
        throw OpcionMala{QStringLiteral("--todos solo sirve con --refuerzo")};
    if (o.refuerzo) {
        if (!o.hoja.isEmpty() || !o.resultados.isEmpty() || o.diagnostico || o.informe_clase)
            throw OpcionMala{QStringLiteral(
                "--refuerzo no va con --hoja, --resultados, --diagnostico ni --informe-clase")};
        ComprobarDiagnostico(o, suyas_diagnostico);
        if (o.diag.jugador.isEmpty() == !o.todos)
            throw OpcionMala{QStringLiteral("hace falta --jugador NOMBRE o --todos, y solo uno")};
        if (o.pdf.isEmpty()) throw OpcionMala{QStringLiteral("falta --pdf SALIDA.pdf")};
        return o;
    }
    if (int(!o.hoja.isEmpty()) + int(!o.resultados.isEmpty()) + int(o.diagnostico) +
            int(o.informe_clase) !=
        1)
        throw OpcionMala{QStringLiteral("hace falta --hoja, --resultados, --diagnostico, "
                                        "--informe-clase o --refuerzo, y solo uno de ellos")};
    ComprobarDiagnostico(o, suyas_diagnostico);
    if (o.diagnostico || o.informe_clase) return o;
    if (o.pdf.isEmpty()) throw OpcionMala{QStringLiteral("falta --pdf SALIDA.pdf")};
    if (!o.hoja.isEmpty() && o.paginas == 0)
        throw OpcionMala{QStringLiteral("falta --paginas N con --hoja")};

    return o;
}

int Hoja(const Ordenes& o) {
    hojas::HojaImpresion hoja = hojas::HojaImpresion::SumasRestasSinLlevadas;
    for (const auto& h : kHojas)
        if (o.hoja == QLatin1String(h.nombre)) hoja = h.hoja;
    AjustesCalculoMental(TipoMental::Sumas) = o.sumas.value_or(AjustesMental{});
    AjustesCalculoMental(TipoMental::Restas) = o.restas.value_or(AjustesMental{});
    // Without a seed, each run draws a new sheet.
    if (o.semilla)
        SembrarAzar(*o.semilla);
    else
        SembrarAzarSinSemilla();
    const bool bien = EscribirPdf(o.pdf, [&](QPrinter& p) {
        return hojas::ImprimirHojaEn(hoja, o.paginas, o.longitud * 10, o.con_soluciones, p,
                                     o.colores);
    });
    if (bien) return 0;
    ErrorOrden(QStringLiteral("%1: %2").arg(o.pdf, resultados::kTextoErrorCrear.simplified()));
    return kMalArchivo;
}

int Resultados(const Ordenes& o) {
    std::vector<ResultsRecord> ninguno;
    const resultados::Lectura l = resultados::LeerArchivoResultados(o.resultados, ninguno, 0);
    if (l != resultados::Lectura::Bien) {
        ErrorOrden(
            QStringLiteral("%1: %2").arg(o.resultados, (l == resultados::Lectura::NoEsResultados
                                                            ? resultados::kTextoNoEsResultados
                                                            : resultados::kTextoErrorLeer)
                                                           .simplified()));
        return kMalArchivo;
    }
    if (EscribirPdf(o.pdf, [&](QPrinter& p) {
            return resultados::ImprimirArchivoResultados(o.resultados, p);
        }))
        return 0;
    ErrorOrden(QStringLiteral("%1: %2").arg(o.pdf, resultados::kTextoErrorCrear.simplified()));
    return kMalArchivo;
}

} // namespace

QString ErrorDeOpciones(const QStringList& args) {
    try {
        Leer(args);
        return {};
    } catch (const OpcionMala& e) {
        return UnaLinea(e.texto);
    }
}

bool EsLineaDeOrdenes(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] == '-' && argv[i][1] == '-') return true;
    return false;
}

int EjecutarLineaDeOrdenes(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    Ordenes o;
    try {
        o = Leer(args);
    } catch (const OpcionMala& e) {
        ErrorOrden(e.texto);
        std::fputs("Pruebe «zifra --help» para ver el uso.\n", stderr);
        return kMalaOpcion;
    }
    if (o.ayuda) {
        std::fputs(kUso, stdout);
        return 0;
    }
    // No window is ever shown, so no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qt_argc = 1;
    QApplication app(qt_argc, argv);
    if (o.informe_clase)
        return EjecutarInformeClase(
            {o.diag.diarios, o.diag.desde, o.diag.hasta, o.diag.csv, o.pdf});
    if (o.refuerzo) {
        OrdenRefuerzo r;
        r.diarios = o.diag.diarios;
        r.jugador = o.diag.jugador;
        r.todos = o.todos;
        r.paginas = o.paginas > 0 ? o.paginas : 1;
        if (o.semilla) r.semilla = *o.semilla;
        r.con_soluciones = o.con_soluciones;
        r.pdf = o.pdf;
        return EjecutarRefuerzo(r);
    }
    if (o.diagnostico) {
        OrdenDiagnostico d = o.diag;
        d.pdf = o.pdf;
        return EjecutarDiagnostico(d);
    }
    return o.hoja.isEmpty() ? Resultados(o) : Hoja(o);
}
