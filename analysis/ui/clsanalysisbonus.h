#pragma once
// The second-drum service object of the two-pool board. The second drum's power table, pool grid,
// power interval and table orders are put on the board by the board's own drum routines, the same
// routines that serve the main drum.

class clsAnalysisBONUS {};
