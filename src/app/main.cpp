#include "app/Application.h"

int main(int argc, char *argv[])
{
    return tessavo::runApplication(argc, argv);
}
