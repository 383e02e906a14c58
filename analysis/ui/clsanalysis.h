#pragma once
// The analysis service: opening a lottery, and the routines that put the analysis of the open
// lottery on the board in front.

class clsAnalysis {
public:
};
