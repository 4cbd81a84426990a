#include "window/startup.h"

int main(int argc, char** argv)
{
    return gridwick::runGridwick(argc, argv);
}
