#include "startup/main_procedure.h"

int main(int argc, char** argv) {
    const char* programName = argc > 0 && argv[0] ? argv[0] : "skyfolio";
    return skyfolio::Main(argc, argv, programName);
}
