#include "program/startup.h"

int main(int argc, char **argv)
{
    return runTalvinor(argc, argv);
}
