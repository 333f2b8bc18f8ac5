#pragma once
// What each computer remembers between runs: how the game speaks and looks.
// Kept in ~/.config/Zifra/zifra.ini (QSettings), never in the results files.
// Readable before QApplication exists, so the size can be set at start-up.

namespace preferencias {

bool LeerEnVozAlta();
void FijarLeerEnVozAlta(bool si);

// Percent: 100, 125, 150 or 200; anything else read back is 100.
int Tamano();
void FijarTamano(int por_ciento);

bool ColoresPorPosicion();
void FijarColoresPorPosicion(bool si);

bool ContrasteAlto();
void FijarContrasteAlto(bool si);

} // namespace preferencias
