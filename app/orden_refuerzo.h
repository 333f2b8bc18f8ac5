#pragma once
// "zifra --refuerzo": the hoja de refuerzo of one child, or of every child
// with a confirmed pattern, as PDF, without any window.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

struct OrdenRefuerzo {
    QStringList diarios; // journal files or folders; none: the results folder
    QString jugador;     // empty with todos
    bool todos = false;
    int paginas = 1; // per child
    std::optional<uint64_t> semilla;
    bool con_soluciones = true;
    QString pdf;
};

// 0 when written; 1 when a journal path is missing, no journal can be read,
// the child is not in them or has no confirmed pattern (with --todos: no
// child has one), or the output cannot be written.
int EjecutarRefuerzo(const OrdenRefuerzo& orden);
