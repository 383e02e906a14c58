#pragma once
// The second-drum twin of the analysis service.

class clsAnalysisBONUS {
public:
};
