#include "main/Startup.h"

int main(int argc, char** argv) { return RunTarvo(argc, argv); }
