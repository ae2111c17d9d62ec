#include "app/exe/modMain.h"

int main(int argc, char** argv) {
    TlgApplication app(argc, argv);
    return Main();
}
