// The results window, the main-menu commands, the top-ten window and the
// printed results page, driven as a teacher would.
#include "app/arranque.h"
#include "app/form_menu.h"
#include "nucleo/juego.h"
#include "nucleo/persiana.h"
#include "nucleo/servicios.h"
#include "platform/codepages.h"
#include "platform/escritorio.h"
#include "pruebas.h"
#include "results/archivo_resultados.h"
#include "results/dialogos_archivo.h"
#include "results/form_directorio.h"
#include "results/form_puntos.h"
#include "results/form_resultados.h"
#include "results/impresion_resultados.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTreeView>
#include <QtEndian>
#include <QtTest>
#include <memory>

using namespace resultados;

namespace {

QByteArray Leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Escribir(const QString& ruta, const QByteArray& bytes) {
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray Registro(const QByteArray& nombre, int mes = 5) {
    QByteArray b(72, '\0');
    std::memcpy(b.data(), nombre.constData(), nombre.size());
    qToLittleEndian<int32_t>(2002, b.data() + 26);
    b[30] = 3;
    b[31] = char(mes);
    for (int i = 0; i < 10; ++i)
        qToLittleEndian<int32_t>(i + 1, b.data() + 32 + 4 * i);
    return b;
}

QByteArray Cabecera() {
    return Registro("KORU SUMARESTA RES");
}

QColor ColorDe(const QLabel* l) {
    return l->palette().color(QPalette::WindowText);
}

// Draws nothing: keeps what was asked, with simple metrics (10 units per
// character, 20 per line) so positions can be checked.
struct Grabadora : LienzoImpresion {
    struct Trazo {
        int pagina, x, y;
        QString texto;
        QColor color;
    };
    QSize pagina{1800, 600};
    QList<Trazo> textos;
    int lineas = 0, paginas = 1;
    bool abortado = false, terminado = false;
    QColor color;
    std::function<void()> tras_texto;

    QSize Pagina() const override { return pagina; }
    void Fuente(int, bool) override {}
    void Color(const QColor& c) override { color = c; }
    QSize Medir(const QString& t) override { return {10 * int(t.size()), 20}; }
    void Texto(int x, int y, const QString& t) override {
        textos << Trazo{paginas, x, y, t, color};
    }
    void Linea(int, int, int, int) override { ++lineas; }
    void NuevaPagina() override { ++paginas; }
    void Abortar() override { abortado = true; }
    void Terminar() override { terminado = true; }

    QList<Trazo> Con(const QString& prefijo) const {
        QList<Trazo> v;
        for (const auto& t : textos)
            if (t.texto.startsWith(prefijo)) v << t;
        return v;
    }
};

std::function<bool(ResultsRecord&)> Registros(int n, int mes = 5) {
    auto k = std::make_shared<int>(0);
    return [k, n, mes](ResultsRecord& r) {
        if (*k >= n) return false;
        r = ResultsRecord{};
        std::snprintf(r.nombre, sizeof r.nombre, "P%d", ++*k);
        r.anio = 2002;
        r.dia = 3;
        r.mes = uint8_t(mes);
        for (int i = 0; i < kTiposEjercicio; ++i) {
            r.aciertos[i] = i + 1;
            r.fallos[i] = 10 * (i + 1);
        }
        return true;
    };
}

// The second click of a double click, as a mouse gives it: QTest's double
// click alone is one event.
void SegundoClic(QWidget* w) {
    QTest::mousePress(w, Qt::LeftButton);
    QTest::mouseDClick(w, Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton);
}

void DobleClic(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton);
    SegundoClic(w);
}

// Someone in front of the stop question of printing: answers each one with
// a gesture, as a person would (no test seam), and after each answer but
// the last has one more thing to say.
class Persona : public QObject {
public:
    explicit Persona(QStringList gestos) : gestos_(std::move(gestos)) {
        qApp->installEventFilter(this);
        connect(&reloj_, &QTimer::timeout, this, &Persona::Paso);
        reloj_.start(0);
    }

    bool insiste = true;
    // A slower double click on an answer: its second click comes once the
    // question has gone.
    bool falta_segundo_clic = false;
    QStringList textos;    // of each question, as it shows
    bool atascada = false; // a gesture that did not answer

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && qobject_cast<QMessageBox*>(o)) {
            textos << static_cast<QMessageBox*>(o)->text();
            por_contestar_ = true;
        }
        return false;
    }

private:
    void Paso() {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!caja) return;
        if (por_contestar_) {
            por_contestar_ = false;
            desde_.start();
            const auto n = textos.size();
            if (n > gestos_.size()) {
                caja->done(QMessageBox::Yes); // one question too many
                return;
            }
            falta_segundo_clic = gestos_[n - 1] == QLatin1String("doble clic lento No");
            Contestar(caja, gestos_[n - 1]);
            insiste = n < gestos_.size();
        } else if (desde_.elapsed() > 2000) {
            atascada = true;
            caja->done(QMessageBox::Yes);
        }
    }

    static void Contestar(QMessageBox* caja, const QString& gesto) {
        QWidget* foco = caja->focusWidget() ? caja->focusWidget() : caja;
        if (gesto == QStringLiteral("clic Sí"))
            QTest::mouseClick(caja->button(QMessageBox::Yes), Qt::LeftButton);
        else if (gesto == QLatin1String("clic No") || gesto == QLatin1String("doble clic lento No"))
            QTest::mouseClick(caja->button(QMessageBox::No), Qt::LeftButton);
        else if (gesto == QLatin1String("doble clic No"))
            DobleClic(caja->button(QMessageBox::No));
        else if (gesto == QLatin1String("Intro"))
            QTest::keyClick(foco, Qt::Key_Return);
        else if (gesto == QLatin1String("Escape"))
            QTest::keyClick(foco, Qt::Key_Escape);
        else
            QFAIL(qPrintable(gesto));
    }

    QStringList gestos_;
    bool por_contestar_ = false;
    QElapsedTimer desde_;
    QTimer reloj_;
};

int LineasDeRegistro(const Grabadora& g) {
    int n = 0;
    for (const auto& t : g.textos)
        n += t.texto.contains(QLatin1String("/May/2002"));
    return n;
}

} // namespace

class TestResultadosVentanas : public QObject {
    Q_OBJECT
    Buzon buzon_;
    std::unique_ptr<QTemporaryDir> dir_;
    QStringList elegidos_;
    QList<PeticionArchivo> pedidos_;

    QString Carpeta() const { return dir_->filePath(QStringLiteral("resultad")); }
    QString Ruta(const QString& n) const { return Carpeta() + QLatin1Char('/') + n; }

    void Crear() {
        CrearVentanas();
        juego.directorio_inicial = dir_->filePath(QStringLiteral("juego"));
        VolverAlDirectorioInicial();
    }

    // Players J1..Jn with counters 1..10 (+10 per player).
    static void Jugadores(int n) {
        JugadoresDePrueba(n);
        for (int k = 0; k < n; ++k)
            for (int i = 0; i < kTiposEjercicio; ++i) {
                juego.jugadores[k].aciertos[i] = 10 * k + i + 1;
                juego.jugadores[k].fallos[i] = 10 * k + i + 6;
            }
        juego.jugador_actual = 1;
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QDir(dir_->path()).mkdir(QStringLiteral("juego"));
        buzon_ = Buzon{};
        buzon_.Instalar();
        plataforma::FijarTamanoPantalla(QSize(800, 600));
        elegidos_.clear();
        pedidos_.clear();
        FijarContestadorArchivo([this](const PeticionArchivo& p) {
            pedidos_ << p;
            return elegidos_.isEmpty() ? QString() : elegidos_.takeFirst();
        });
    }
    void cleanup() {
        delete Form_menu;
        FijarContestadorArchivo(nullptr);
        plataforma::FijarTamanoPantalla(QSize());
        buzon_.Quitar();
        QVERIFY2(VentanasVisibles().isEmpty(), qPrintable(VentanasVisibles().join(u',')));
    }

    // "&Guardar" needs a file saved or read; "Guar&dar como..." gives it
    // one; an append does not change it.
    void guardar_guardar_como_y_anadir() {
        Crear();
        Jugadores(2);
        auto* f = Form_Resultados;
        f->Guardar1->trigger();
        QCOMPARE(buzon_.mensajes.size(), 1);
        QVERIFY(buzon_.mensajes[0].texto.startsWith("Opción no disponible.\n\n"));
        QCOMPARE(buzon_.mensajes[0].icono, plataforma::Icono::Error);
        QCOMPARE(buzon_.pitidos, 1);
        QVERIFY(pedidos_.isEmpty());

        elegidos_ << Ruta("a.rsr");
        f->Guardarcomo1->trigger();
        QCOMPARE(pedidos_.size(), 1);
        QVERIFY(pedidos_[0].guardar);
        QCOMPARE(pedidos_[0].titulo, QStringLiteral("Guardar archivo de Resultados"));
        QCOMPARE(pedidos_[0].inicial, Ruta("*.rsr"));
        QVERIFY(QFileInfo(Carpeta()).isDir());
        QCOMPARE(Leer(Ruta("a.rsr")).size(), 72 * 3);
        QCOMPARE(juego.archivo_resultados, Ruta("a.rsr"));
        QCOMPARE(f->Label_archivo->text(), QStringLiteral("Del archivo : 'a.rsr'"));
        QVERIFY(!f->Label_archivo->isHidden());

        elegidos_ << Ruta("b.rsr");
        f->Aadiralarchivo1->trigger();
        QCOMPARE(f->Label_archivo->text(), QStringLiteral("Del archivo : 'b.rsr'"));
        QCOMPARE(juego.archivo_resultados, Ruta("a.rsr"));

        juego.jugadores[1].fallos[4] = 999;
        juego.resultados_guardados = 0;
        f->Guardar1->trigger();
        QCOMPARE(pedidos_.size(), 2);
        QCOMPARE(int(juego.resultados_guardados), 1);
        QCOMPARE(qFromLittleEndian<int32_t>(Leer(Ruta("a.rsr")).constData() + 144 + 68), 999);
        QCOMPARE(buzon_.mensajes.size(), 1);
    }

    void sello_de_fecha_data() {
        QTest::addColumn<QString>("agno");
        QTest::addColumn<QString>("dia");
        QTest::addColumn<int>("mes_indice");
        QTest::addColumn<int>("anio");
        QTest::addColumn<int>("dia_guardado");
        QTest::addColumn<int>("mes");
        QTest::newRow("mayo") << "2005"
                              << "7" << 4 << 2005 << 7 << 5;
        QTest::newRow("año vacío, día x") << ""
                                          << "x" << 11 << 1999 << 15 << 12;
        QTest::newRow("sin mes") << "abcd"
                                 << "" << -1 << 1999 << 15 << 0;
        QTest::newRow("día negativo") << "2010"
                                      << "-3" << 0 << 2010 << 15 << 1;
    }
    // The stamp is made before the dialog and stays when it is cancelled.
    void sello_de_fecha() {
        QFETCH(QString, agno);
        QFETCH(QString, dia);
        QFETCH(int, mes_indice);
        QFETCH(int, anio);
        QFETCH(int, dia_guardado);
        QFETCH(int, mes);
        Crear();
        Jugadores(3);
        auto* f = Form_Resultados;
        f->Edit_agno->setText(agno);
        f->Edit_dia->setText(dia);
        f->ComboBox_meses->setCurrentIndex(mes_indice);
        f->Aadiralarchivo1->trigger();
        QCOMPARE(pedidos_.size(), 1);
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(juego.jugadores[k].anio, anio);
            QCOMPARE(int(juego.jugadores[k].dia), dia_guardado);
            QCOMPARE(int(juego.jugadores[k].mes), mes);
        }
        QVERIFY(!QFile::exists(Ruta("*.rsr")));
    }

    void leer_desde_el_menu_data() {
        QTest::addColumn<QByteArray>("archivo");
        QTest::addColumn<int>("jugadores");
        QTest::addColumn<QString>("primero");
        QTest::addColumn<bool>("botones");
        QTest::newRow("solo cabecera") << Cabecera() << 1 << "Sin nombre" << false;
        QTest::newRow("dos") << Cabecera() + Registro("Mu\xA4oz") + Registro("Eva") << 2 << "Muñoz"
                             << true;
    }
    void leer_desde_el_menu() {
        QFETCH(QByteArray, archivo);
        QFETCH(int, jugadores);
        QFETCH(QString, primero);
        QFETCH(bool, botones);
        Crear();
        Jugadores(3);
        juego.puntos[1].puntos = 50;
        QDir().mkpath(Carpeta());
        QVERIFY(Escribir(Ruta("x.rsr"), archivo));
        QVERIFY(Escribir(Ruta("ajeno.rsr"), QByteArray(80, 'z')));
        elegidos_ << Ruta("ajeno.rsr") << Ruta("x.rsr");
        LeerJugadoresDeArchivo();
        // The foreign file was refused and the dialog shown again.
        QCOMPARE(buzon_.Textos(), QStringList{"E R R O R\n\nEl fichero no es de Resultados\no no "
                                              "pertenece a esta serie."});
        QCOMPARE(pedidos_.size(), 2);
        QCOMPARE(pedidos_[0].titulo, QStringLiteral("Abrir archivo de Resultados"));
        QCOMPARE(pedidos_[0].inicial, Ruta("*.rsr"));
        QCOMPARE(juego.num_jugadores, jugadores);
        QCOMPARE(juego.jugador_actual, 1);
        QCOMPARE(NombreJugador(1), primero);
        QCOMPARE(juego.puntos[1].puntos, 0);
        QCOMPARE(int(juego.archivo_valido), 1);
        QCOMPARE(juego.archivo_resultados, Ruta("x.rsr"));
        QCOMPARE(Form_Resultados->Label_archivo->text(), QStringLiteral("Del archivo : 'x.rsr'"));
        QCOMPARE(Form_menu->Color95Button_jugadorsiguiente->isEnabled(), botones);
        QCOMPARE(Form_menu->Label_nombrejugador->text(), primero);
    }

    // Unsaved results: Yes goes back; a cancelled read keeps everything.
    void leer_con_resultados_sin_guardar() {
        Crear();
        Jugadores(2);
        juego.resultados_guardados = 0;
        juego.archivo_valido = 1;
        juego.archivo_resultados = "algo.rsr";
        buzon_.respuestas << plataforma::RespuestaSi;
        LeerJugadoresDeArchivo();
        QVERIFY(pedidos_.isEmpty());
        QCOMPARE(buzon_.mensajes.size(), 1);
        QVERIFY(buzon_.mensajes[0].texto.startsWith("¡¡ Atención !!\n\n"));
        QCOMPARE(int(juego.archivo_valido), 1);

        buzon_.respuestas << plataforma::RespuestaNo;
        LeerJugadoresDeArchivo(); // the dialog is cancelled
        QCOMPARE(pedidos_.size(), 1);
        QCOMPARE(juego.num_jugadores, 2);
        QCOMPARE(juego.jugadores[1].aciertos[0], 11);
        QCOMPARE(int(juego.archivo_valido), 0);
        QVERIFY(juego.archivo_resultados.isEmpty());
        Form_Resultados->Guardar1->trigger();
        QVERIFY(buzon_.mensajes.last().texto.startsWith("Opción no disponible."));
    }

    // Opened from the menu: choose a player, "A cer&o", the pop-ups.
    void ventana_de_resultados() {
        Crear();
        Jugadores(2);
        juego.jugadores[1].dia = 4;
        juego.jugadores[1].mes = 3;
        juego.jugadores[1].anio = 2001;
        bool visto = false;
        buzon_.dialogos << [&visto](QDialog* d) {
            auto* f = static_cast<TForm_Resultados*>(d);
            d->show();
            [&] {
                QCOMPARE(f->ComboBox_nombres->count(), 2);
                QCOMPARE(f->ComboBox_nombres->currentText(), QStringLiteral("J1"));
                QCOMPARE(f->Label_aci_total->text(), QStringLiteral("15"));
                f->ComboBox_nombres->setCurrentIndex(1);
                emit f->ComboBox_nombres->activated(1);
                QCOMPARE(f->Edit_dia->text(), QStringLiteral("04"));
                QCOMPARE(f->ComboBox_meses->currentText(), QStringLiteral("Mar"));
                QCOMPARE(f->Edit_agno->text(), QStringLiteral("2001"));
                QCOMPARE(f->Label_aci[4]->text(), QStringLiteral("15"));
                QCOMPARE(f->Label_fal_total->text(), QStringLiteral("90"));
                QTest::mouseClick(f->Color95Button_acero, Qt::LeftButton);
                QCOMPARE(f->Label_fal_total->text(), QStringLiteral("0"));
                QTest::mouseClick(f->Color95Button_guardar, Qt::LeftButton);
                QVERIFY(f->PopupMenu_guardar->isVisible());
                const QRect g = f->PopupMenu_guardar->geometry();
                const QPoint b = f->Color95Button_guardar->mapToGlobal(QPoint(0, 0));
                QCOMPARE(g.x() + g.width(), b.x());
                QCOMPARE(g.y(), b.y());
                f->PopupMenu_guardar->hide();
                visto = true;
            }();
            QTest::mouseClick(f->Color95Button_cerrar, Qt::LeftButton);
            return d->result();
        };
        juego.resultados_guardados = 1;
        AbrirControlDeResultados();
        QVERIFY(visto);
        QCOMPARE(buzon_.dialogos_vistos, QStringList{"Form_Resultados"});
        QCOMPARE(juego.jugadores[1].aciertos[0], 0);
        QCOMPARE(juego.jugadores[0].aciertos[0], 1);
        QCOMPARE(int(juego.resultados_guardados), 0);
    }

    // A new game clears the file label.
    void nuevo_juego_borra_etiqueta() {
        Crear();
        Form_Resultados->PonerArchivo("/x/y.rsr");
        NuevoJuegoSinJugadores();
        QVERIFY(Form_Resultados->Label_archivo->text().isEmpty());
    }

    void los_diez_mejores() {
        Crear();
        Jugadores(2);
        PonerNombreJugador(1, QStringLiteral("Begoña"));
        juego.puntos[1].puntos = 12;
        juego.puntos[2].puntos = 0;
        const QString zfr = dir_->filePath(QStringLiteral("juego/puntos.zfr"));
        bool visto = false;
        auto ver = [&](QDialog* d) {
            auto* f = static_cast<TForm_puntos*>(d);
            d->show();
            f->Timer_persianaTimer();
            [&] {
                // The blind may pass the full height by up to 4 pixels.
                QCOMPARE(f->width(), f->TamanoCompleto().width());
                QVERIFY(f->height() - f->TamanoCompleto().height() >= 0);
                QVERIFY(f->height() - f->TamanoCompleto().height() < kPasoPersiana);
                QCOMPARE(f->Label_j[0]->text(), QStringLiteral("Begoña"));
                QCOMPARE(f->Label_p[0]->text(), QStringLiteral("12"));
                QCOMPARE(ColorDe(f->Label_j[0]), QColor(Qt::red));
                QCOMPARE(ColorDe(f->Label_p[0]), QColor(Qt::red));
                QVERIFY(f->Label_j[0]->font().bold() && f->Label_j[0]->font().underline());
                QCOMPARE(f->Label_j[1]->text(), QString());
                QCOMPARE(f->Label_p[1]->text(), QStringLiteral("0"));
                QCOMPARE(ColorDe(f->Label_p[1]), QColor(Qt::blue));
                QVERIFY(!f->Label_j[1]->font().bold());
                QVERIFY(f->Color95Button_guardar->isEnabled());
                QTest::mouseClick(f->Color95Button_guardar, Qt::LeftButton);
                QVERIFY(!f->Color95Button_guardar->isEnabled());
                visto = true;
            }();
            QTest::mouseClick(f->Color95Button_cerrar, Qt::LeftButton);
            return d->result();
        };
        buzon_.dialogos << ver;
        AbrirLosDiezMejores();
        QVERIFY(visto);
        const QByteArray bytes = Leer(zfr);
        QCOMPARE(bytes.size(), 240);
        QCOMPARE(bytes.left(8), QByteArray("Bego\xA4"
                                           "a\0\0",
                                           8));
        // Reopened: the saved row comes back in black; the same score enters
        // again below it.
        buzon_.dialogos << [](QDialog* d) {
            d->show();
            d->reject();
            return d->result();
        };
        AbrirLosDiezMejores();
        QCOMPARE(Form_puntos->Label_j[0]->text(), QStringLiteral("Begoña"));
        QCOMPARE(ColorDe(Form_puntos->Label_j[0]), QColor(Qt::black));
        QCOMPARE(ColorDe(Form_puntos->Label_j[1]), QColor(Qt::red));
        QVERIFY(buzon_.mensajes.isEmpty());
    }

    void impresion_pagina() {
        Grabadora g;
        QVERIFY(ImprimirLista(g, "Resultados actuales en memoria.", Registros(60)));
        QVERIFY(g.terminado);
        QVERIFY(!g.abortado);
        const auto titulos = g.Con("Juego con las SUMAS y RESTAS, archivo de RESULTADOS");
        QCOMPARE(titulos.size(), g.paginas);
        QVERIFY(g.paginas >= 6);
        for (int p = 0; p < titulos.size(); ++p) {
            QCOMPARE(titulos[p].pagina, p + 1);
            QCOMPARE(titulos[p].x, 900 - 51 * 10 / 2);
            QCOMPARE(titulos[p].y, 20);
        }
        QCOMPARE(g.Con("Resultados actuales en memoria.").size(), g.paginas);
        // Columns from W/3 = 600 and W/18 = 100; "llevadas" 20 to the left.
        const auto sl = g.Con("S.llevadas:");
        QCOMPARE(sl[0].x, 680);
        QCOMPARE(sl[1].x, 1280);
        QCOMPARE(sl[1].color, QColor(Qt::red));
        QCOMPARE(g.Con("A C I E R T O S")[0].x, 800 - 75);
        QCOMPARE(g.Con("TOTAL:")[1].x, 1700);
        // 60 numbered lines, in order, each with its totals.
        const auto lineas = g.Con(" ");
        QStringList numeros;
        for (const auto& t : lineas)
            if (t.texto.contains("/May/2002")) numeros << t.texto.mid(0, 3);
        QCOMPARE(numeros.size(), 60);
        QCOMPARE(numeros.first(), QStringLiteral("  1"));
        QCOMPARE(numeros.last(), QStringLiteral(" 60"));
        QCOMPARE(g.Con("   15").size(), 60);
        QCOMPARE(g.Con("  150").size(), 60);
        QCOMPARE(g.Con("  150")[0].x, 1700);
        QCOMPARE(g.lineas, g.paginas + 1);
    }

    void linea_de_registro_data() {
        QTest::addColumn<int>("mes");
        QTest::addColumn<QString>("linea");
        QTest::newRow("mes 0") << 0 << QStringLiteral("  7 (3/   /2002) P1                      ");
        QTest::newRow("mayo") << 5 << QStringLiteral("  7 (3/May/2002) P1                      ");
        QTest::newRow("dic") << 12 << QStringLiteral("  7 (3/Dic/2002) P1                      ");
        QTest::newRow("13") << 13 << QStringLiteral("  7 (3/?\?\?/2002) P1                      ");
    }
    void linea_de_registro() {
        QFETCH(int, mes);
        QFETCH(QString, linea);
        ResultsRecord r{};
        QVERIFY(Registros(1, mes)(r));
        QCOMPARE(LineaRegistro(r, 7), linea);
    }

    // A key pressed while printing asks; Yes stops and nothing is printed.
    void impresion_detenida_data() {
        QTest::addColumn<int>("respuesta");
        QTest::newRow("sí") << int(plataforma::RespuestaSi);
        QTest::newRow("no") << int(plataforma::RespuestaNo);
    }
    void impresion_detenida() {
        QFETCH(int, respuesta);
        QWidget w;
        Grabadora g;
        auto registros = Registros(5);
        int n = 0;
        auto con_tecla = [&](ResultsRecord& r) {
            if (++n == 2)
                QCoreApplication::postEvent(
                    &w, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
            return registros(r);
        };
        buzon_.respuestas << respuesta;
        const bool si = respuesta == plataforma::RespuestaSi;
        QCOMPARE(ImprimirLista(g, "x", con_tecla), !si);
        QCOMPARE(buzon_.Textos(), QStringList{"\n¿ Detener la impresión de Resultados ?\n"});
        QCOMPARE(buzon_.mensajes[0].por_defecto, plataforma::RespuestaNo);
        QCOMPARE(g.abortado, si);
        QCOMPARE(g.terminado, !si);
        QCOMPARE(g.Con("------ Impresión detenida -------").size(), si ? 1 : 0);
        QCOMPARE(g.Con("  5 (").size(), si ? 0 : 1);
    }

    // The stop question answers a person: the mouse on "Sí" or "No", Enter
    // (No is the default) and Escape. Input to the results window, modal
    // while it prints, is kept from it and asks once; "No" goes on, and asks
    // again only for input given after the answer.
    void pregunta_de_impresion_data() {
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<QStringList>("gestos");
        QTest::addColumn<bool>("detenida");
        const QString tecla = QStringLiteral("tecla");
        QTest::newRow("clic en Sí") << tecla << QStringList{"clic Sí"} << true;
        QTest::newRow("clic en No") << tecla << QStringList{"clic No"} << false;
        QTest::newRow("Intro") << tecla << QStringList{"Intro"} << false;
        QTest::newRow("Escape") << tecla << QStringList{"Escape"} << false;
        QTest::newRow("doble clic en No") << tecla << QStringList{"doble clic No"} << false;
        QTest::newRow("doble clic lento en No")
            << tecla << QStringList{"doble clic lento No"} << false;
        QTest::newRow("doble clic en Imprimir")
            << QStringLiteral("doble clic") << QStringList{"clic No"} << false;
        QTest::newRow("tres veces") << tecla << QStringList{"Escape", "Intro", "clic Sí"} << true;
    }
    void pregunta_de_impresion() {
        QFETCH(QString, entrada);
        QFETCH(QStringList, gestos);
        QFETCH(bool, detenida);
        plataforma::FijarContestador(nullptr); // the real message box
        // Stands in for the results window's button, modal as that window is.
        QPushButton imprimir(QStringLiteral("<< &Imprimir"));
        imprimir.setWindowModality(Qt::ApplicationModal);
        imprimir.show();
        QSignalSpy pulsado(&imprimir, &QPushButton::clicked);
        Persona persona(gestos);
        auto registros = Registros(60);
        int n = 0;
        auto con_entrada = [&](ResultsRecord& r) {
            if (persona.falta_segundo_clic) {
                persona.falta_segundo_clic = false;
                SegundoClic(&imprimir);
            }
            if (++n >= 12 && persona.insiste) {
                persona.insiste = false;
                if (entrada == QLatin1String("doble clic"))
                    DobleClic(&imprimir);
                else
                    QTest::keyClick(&imprimir, Qt::Key_Space);
            }
            return registros(r);
        };
        Grabadora g;
        const bool hecha = ImprimirLista(g, "x", con_entrada);
        imprimir.hide();
        QVERIFY(!persona.atascada);
        QCOMPARE(persona.textos,
                 QStringList(gestos.size(),
                             QStringLiteral("\n¿ Detener la impresión de Resultados ?\n")));
        QCOMPARE(pulsado.count(), 0);
        QCOMPARE(hecha, !detenida);
        QCOMPARE(g.abortado, detenida);
        QCOMPARE(g.terminado, !detenida);
        // On the second page, each question follows the line printed after
        // its input.
        QCOMPARE(LineasDeRegistro(g), detenida ? 11 + int(gestos.size()) : 60);
        QVERIFY(g.paginas > 1);
    }

    // Printed for real on a PDF printer, from the window's commands; the
    // orientation is put back.
    void impresion_pdf() {
        Crear();
        Jugadores(3);
        PonerNombreJugador(2, QStringLiteral("Muñoz"));
        auto* f = Form_Resultados;
        f->Impresora = std::make_unique<QPrinter>(QPrinter::HighResolution);
        f->Impresora->setOutputFormat(QPrinter::PdfFormat);
        f->Impresora->setPageOrientation(QPageLayout::Portrait);
        const QString pdf = dir_->filePath("actuales.pdf");
        f->Impresora->setOutputFileName(pdf);
        auto aceptar = [](QDialog*) { return int(QDialog::Accepted); };
        buzon_.dialogos << aceptar;
        f->Imprimirresultadosactuales1->trigger();
        QCOMPARE(buzon_.dialogos_vistos, QStringList{"PrintDialog1"});
        QVERIFY(Leer(pdf).startsWith("%PDF"));
        QCOMPARE(f->Impresora->pageLayout().orientation(), QPageLayout::Portrait);

        // A file of 60 records, beyond the 50 a read takes, over several pages.
        QDir().mkpath(Carpeta());
        QByteArray sesenta = Cabecera();
        for (int i = 0; i < 60; ++i)
            sesenta += Registro("N" + QByteArray::number(i), i % 13);
        QVERIFY(Escribir(Ruta("sesenta.rsr"), sesenta));
        const QString pdf2 = dir_->filePath("archivo.pdf");
        f->Impresora->setOutputFileName(pdf2);
        buzon_.dialogos << aceptar;
        elegidos_ << Ruta("sesenta.rsr");
        f->Imprimirresultadosdeunarchivo1->trigger();
        QCOMPARE(pedidos_.size(), 1);
        QCOMPARE(pedidos_[0].inicial, Ruta("*.rsr"));
        const QByteArray bytes = Leer(pdf2);
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                    bytes.count("/Type /Page ") >=
                2);
        QCOMPARE(f->Impresora->pageLayout().orientation(), QPageLayout::Portrait);
        QCOMPARE(juego.num_jugadores, 3);

        // Print dialog cancelled: nothing printed.
        const QString pdf3 = dir_->filePath("nada.pdf");
        f->Impresora->setOutputFileName(pdf3);
        f->Imprimirresultadosactuales1->trigger();
        QVERIFY(!QFile::exists(pdf3));
    }

    // The hidden scores-folder dialog: a chosen folder becomes the place of
    // puntos.zfr; cancelling or choosing nothing keeps the old one.
    void directorio_de_puntuaciones() {
        Crear();
        TForm_directorio* d = Form_directorio;
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QStringLiteral("Directorio para guardar puntuaciones"));
        QVERIFY(!d->isVisible());
        const QString carpeta = dir_->filePath(QStringLiteral("juego"));
        d->show();
        d->Elegir(carpeta);
        QTRY_COMPARE(d->Elegido(), carpeta);
        QTest::mouseClick(d->xpButton_aceptar, Qt::LeftButton);
        QCOMPARE(resultados::directorio_puntuaciones, carpeta + QLatin1Char('/'));
        QCOMPARE(resultados::RutaPuntuaciones(), carpeta + QStringLiteral("/puntos.zfr"));
        d->show();
        d->DirectoryListBox->setCurrentIndex(QModelIndex());
        QTest::mouseClick(d->xpButton_aceptar, Qt::LeftButton);
        QCOMPARE(resultados::directorio_puntuaciones, carpeta + QLatin1Char('/'));
        d->show();
        d->Elegir(dir_->path());
        QTest::mouseClick(d->xpButton_cancelar, Qt::LeftButton);
        QCOMPARE(resultados::directorio_puntuaciones, carpeta + QLatin1Char('/'));
        QVERIFY(!d->isVisible());
        resultados::directorio_puntuaciones.clear();
    }
};

QTEST_MAIN(TestResultadosVentanas)
#include "test_resultados_ventanas.moc"
