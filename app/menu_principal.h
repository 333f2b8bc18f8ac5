#pragma once
// The main window's menu bar, as one table.
class QMenuBar;

struct ElementoMenu {
    int nivel;          // 0 a menu of the bar, 1 its item, 2 an item of a submenu
    const char* nombre; // objectName; nullptr for a separator
    const char* texto;
    const char* pista;
    bool marcable;
    bool marcado;
    bool visible;
};

extern const ElementoMenu kMenuPrincipal[];
extern const int kElementosMenuPrincipal;

// Builds the menus and actions; each carries its table name as objectName.
void ConstruirMenuPrincipal(QMenuBar* barra);
