#include "aprendizaje/esquema_diario.h"

QStringList SentenciasEsquemaDiario() {
    return {
        QStringLiteral("CREATE TABLE sesiones ("
                       " id INTEGER PRIMARY KEY,"
                       " ordenador TEXT NOT NULL,"
                       " clave TEXT NOT NULL UNIQUE,"
                       " inicio INTEGER NOT NULL)"),
        QStringLiteral("CREATE TABLE jugadores ("
                       " id INTEGER PRIMARY KEY,"
                       " nombre TEXT NOT NULL UNIQUE)"),
        QStringLiteral(
            "CREATE TABLE pasos ("
            " id INTEGER PRIMARY KEY,"
            " sesion INTEGER NOT NULL REFERENCES sesiones(id),"
            " hora INTEGER NOT NULL,"
            " jugador INTEGER NOT NULL REFERENCES jugadores(id),"
            " operacion INTEGER NOT NULL,"
            " ventana INTEGER NOT NULL,"
            " tipo INTEGER NOT NULL,"
            " suma INTEGER NOT NULL,"
            " columnas INTEGER NOT NULL,"
            " operando1 INTEGER, operando2 INTEGER, operando3 INTEGER, operando4 INTEGER,"
            " metodo INTEGER NOT NULL,"
            " marcar INTEGER NOT NULL,"
            " incognita INTEGER,"
            " paso INTEGER NOT NULL,"
            " columna INTEGER NOT NULL,"
            " correcto INTEGER NOT NULL,"
            " tecleado INTEGER NOT NULL,"
            " acierto INTEGER NOT NULL,"
            " primer_intento INTEGER NOT NULL,"
            " ms INTEGER NOT NULL)"),
    };
}

QString ConsultaPasosDiario() {
    return QStringLiteral(
        "SELECT sesion, jugador, hora, operacion, ventana, suma, columnas, operando1, operando2,"
        " operando3, operando4, metodo, marcar, incognita, paso, columna, correcto, tecleado,"
        " acierto, primer_intento, ms FROM pasos ORDER BY id");
}

QString ConsultaSesionesDiario() {
    return QStringLiteral("SELECT id, ordenador, clave FROM sesiones");
}

QString ConsultaJugadoresDiario() {
    return QStringLiteral("SELECT id, nombre FROM jugadores");
}
