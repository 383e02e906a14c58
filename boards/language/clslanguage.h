#pragma once
// The language routine of the boards.

class clsLanguage {
public:
};
