#include "Startup.h"

int main(int argc, char *argv[])
{
    return Startup::Run(argc, argv);
}
