#pragma once
// Text brought into the box or combo that has the keyboard focus in each way a user brings it:
// typed key by key, committed by the input method (a dead key's letter), pasted with Ctrl+V,
// Shift+Insert or the context menu's Paste, dropped from another program behind the text, or
// pasted from the X selection with a middle click behind the text.

#include <QString>

enum class Arrival { Keys, InputMethod, CtrlV, ShiftInsert, MenuPaste, Drop, MiddleClick };
// Every way but the middle click, which needs the selection that only X keeps.
inline constexpr Arrival kArrivals[] = {Arrival::Keys,        Arrival::InputMethod, Arrival::CtrlV,
                                        Arrival::ShiftInsert, Arrival::MenuPaste,   Arrival::Drop};
const char *arrivalName(Arrival way);

void bring(const QString &text, Arrival way);
