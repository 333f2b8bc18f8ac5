#pragma once
// The four printed worksheets: each lays out its detail band and fills one
// row of exercises at a time.
#include "worksheets/informe.h"

namespace hojas {

// Column worksheets of kinds 2, 3 and 4: one label per digit.
class TForm_informe_1 : public InformeHoja {
    Q_OBJECT
public:
    explicit TForm_informe_1(int tipo, QWidget* parent = nullptr);
    static DisenoInforme Diseno();

protected:
    QString GenerarFila(QHash<QString, QString>& valores) override;

private:
    int tipo_;
};

// Column worksheets of kinds 13 and 14: one label per number.
class TForm_informe_2 : public InformeHoja {
    Q_OBJECT
public:
    explicit TForm_informe_2(int tipo, QWidget* parent = nullptr);
    static DisenoInforme Diseno();

protected:
    QString GenerarFila(QHash<QString, QString>& valores) override;

private:
    int tipo_;
};

// The simple mental worksheet.
class TForm_informe_3 : public InformeHoja {
    Q_OBJECT
public:
    explicit TForm_informe_3(QWidget* parent = nullptr);
    static DisenoInforme Diseno();

protected:
    QString GenerarFila(QHash<QString, QString>& valores) override;
};

// The combined mental worksheet.
class TForm_informe_4 : public InformeHoja {
    Q_OBJECT
public:
    explicit TForm_informe_4(QWidget* parent = nullptr);
    static DisenoInforme Diseno();

protected:
    QString GenerarFila(QHash<QString, QString>& valores) override;
};

} // namespace hojas
