#include "app/Application.h"

int main(int argc, char **argv) { return dorvani::Application::main(argc, argv); }
