#pragma once
// "zifra --informe-clase": the class report of the journals as CSV or PDF,
// without any window.
#include <QDate>
#include <QString>
#include <QStringList>

struct OrdenInformeClase {
    QStringList diarios; // journal files or folders; none: the results folder
    QDate desde, hasta;  // local dates, both included; null: open
    QString csv, pdf;    // exactly one
};

// 0 when written; 1 when a journal path is missing, no journal can be read
// or the output cannot be written. The journal files skipped go to stderr.
int EjecutarInformeClase(const OrdenInformeClase& orden);
