#pragma once
// The texts of what the analysis refuses or reports, in the current language, for the message
// boxes the boards show (style 64, titled with the program's name, resource string 10100).

#include "analysis/generator.h"
#include "analysis/recalc.h"

#include <QString>

// Why POWER was refused; empty when it was not.
QString windowRefusalText(const WindowCheck &check);
// What POWER left out (missing drawings, numbers outside their drum, empty numbers); empty when
// nothing.
QString windowWarningText(const WindowCheck &check);
// Why DRAW was refused, or that fewer columns will be made; empty for DrawCode::Ok.
QString drawCheckText(const DrawCheck &check);
// A run that gave up finding new columns.
QString drawGaveUpText();
