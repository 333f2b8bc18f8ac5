#pragma once
// The column exercise windows. They differ only in their definition.
#include "written/ventana_columnas.h"

class TForm_sumas3b : public VentanaColumnas {
    Q_OBJECT
public:
    explicit TForm_sumas3b(QWidget* parent = nullptr);
};
class TForm_sumas4b : public VentanaColumnas {
    Q_OBJECT
public:
    explicit TForm_sumas4b(QWidget* parent = nullptr);
};
class TForm_sumas5 : public VentanaColumnas {
    Q_OBJECT
public:
    explicit TForm_sumas5(QWidget* parent = nullptr);
};
class TForm_sumas5b : public VentanaColumnas {
    Q_OBJECT
public:
    explicit TForm_sumas5b(QWidget* parent = nullptr);
};
class TForm_restas3 : public VentanaColumnas {
    Q_OBJECT
public:
    explicit TForm_restas3(QWidget* parent = nullptr);
};
class TForm_restas3b : public VentanaColumnas {
    Q_OBJECT
public:
    explicit TForm_restas3b(QWidget* parent = nullptr);
};

extern const DefinicionVentana kSumas3b, kSumas4b, kSumas5, kSumas5b, kRestas3, kRestas3b;
