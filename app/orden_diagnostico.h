#pragma once
// "zifra --diagnostico": the diagnosis of the journals as CSV or PDF,
// without any window.
#include <QDate>
#include <QString>
#include <QStringList>

struct OrdenDiagnostico {
    QStringList diarios; // journal files or folders; none: the results folder
    QString jugador;     // empty: every child
    QDate desde, hasta;  // local dates, both included; null: open
    QString csv, pdf;    // exactly one
};

// 0 when written; 1 when a journal path is missing, no journal can be read,
// the child is not in them or the output cannot be written. The lines of
// journal files skipped go to stderr.
int EjecutarDiagnostico(const OrdenDiagnostico& orden);
