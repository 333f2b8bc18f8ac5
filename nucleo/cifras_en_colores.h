#pragma once
// A label holding a whole number, painted with each digit in the colour of
// its place while place colours are chosen. Its text stays the number, for
// the rules, the tests and screen readers.
class QLabel;

void CifrasEnColores(QLabel* etiqueta);
