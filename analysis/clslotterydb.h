#pragma once
// The results-database service: the connection to the open lottery's database and every
// statement run on it.

class clsLotteryDb {
public:
};
