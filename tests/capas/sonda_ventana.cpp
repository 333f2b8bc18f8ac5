// Built as if it were a rule file: it must not compile, since the rules
// library sees Qt Core only.
#include <QWidget>

int sonda() {
    return sizeof(QWidget);
}
