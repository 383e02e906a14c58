#pragma once
// The board settings record service.

class clsRecordFile {
public:
};
