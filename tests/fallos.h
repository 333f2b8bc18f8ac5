#pragma once
// Disk faults for the tests: a read-only folder, a full disk, a file or a
// folder removed under the program's feet.
#include <QDir>
#include <QFile>
#include <QString>
#include <QtTest>
#include <csignal>
#include <pwd.h>
#include <sys/resource.h>
#include <unistd.h>

// A fault put on a folder for as long as this lives.
class Fallo {
public:
    Fallo(const QString& tipo, const QString& carpeta, const QString& archivo)
        : tipo_(tipo), carpeta_(carpeta), archivo_(archivo) {}
    ~Fallo() { Quitar(); }

    void Poner() {
        if (tipo_ == "solo_lectura") {
            QFile::setPermissions(carpeta_, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                                QFile::ExeOther | QFile::ReadGroup |
                                                QFile::ExeGroup);
            // Root writes anywhere: act as an ordinary user meanwhile.
            if (geteuid() == 0) {
                const passwd* nadie = getpwnam("nobody");
                QVERIFY(nadie && seteuid(nadie->pw_uid) == 0);
                euid_cambiado_ = true;
            }
        } else if (tipo_ == "disco_lleno") {
            // The kernel refuses to grow any file past 100 bytes, as a full
            // disk would; the signal it sends is ignored, as a full disk sends none.
            std::signal(SIGXFSZ, SIG_IGN);
            getrlimit(RLIMIT_FSIZE, &limite_);
            rlimit l = limite_;
            l.rlim_cur = 100;
            QVERIFY(setrlimit(RLIMIT_FSIZE, &l) == 0);
            limitado_ = true;
        } else if (tipo_ == "archivo_borrado") {
            QVERIFY(QFile::remove(archivo_));
        } else if (tipo_ == "carpeta_borrada") {
            QVERIFY(QDir(carpeta_).removeRecursively());
        }
    }

    void Quitar() {
        if (euid_cambiado_) seteuid(0);
        euid_cambiado_ = false;
        if (limitado_) setrlimit(RLIMIT_FSIZE, &limite_);
        limitado_ = false;
        if (tipo_ == "solo_lectura") QFile::setPermissions(carpeta_, QFile::Permissions(0x7755));
        if (tipo_ == "carpeta_borrada") QDir().mkpath(carpeta_);
    }

private:
    QString tipo_, carpeta_, archivo_;
    bool euid_cambiado_ = false;
    bool limitado_ = false;
    rlimit limite_{};
};

// The folders a test makes must stay reachable by that ordinary user.
inline void AbrirAOtros(const QString& carpeta) {
    QFile::setPermissions(carpeta, QFile::Permissions(0x7755));
}
