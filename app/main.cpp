#include "kalmoraapplication.h"
#include "startup.h"

int main(int argc, char *argv[])
{
    // No argument changes what the program does: Qt gets the program name only.
    char programName[] = "kalmora";
    char *qtArgv[] = {argc > 0 && argv[0] ? argv[0] : programName, nullptr};
    int qtArgc = 1;
    KalmoraApplication app(qtArgc, qtArgv);
    return runKalmora();
}
