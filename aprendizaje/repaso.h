#pragma once
// "Repaso de mis errores" (TipoJuego::Repaso): the journals are read once
// at the start, then every next exercise is chosen for the child whose
// turn it is, in the usual exercise windows.
#include "aprendizaje/plan_repaso.h"

void EmpezarRepaso();
// The latest exercise chosen, as the plan gave it.
const EjercicioRepaso& EjercicioDelRepaso();
